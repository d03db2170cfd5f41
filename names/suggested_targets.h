#pragma once
// The units worth showing a value in when no target was typed ("5 km"):
// those in which the value reads between 0.1 and 10,000, where the category
// has them, so that no suggestion is a string of zeros or of digits. Among
// them the everyday units of the category come first, those of the other
// measurement system before the typed one's (metric <-> US/imperial); never
// the unit typed.
//
//   Distance, 5 Kilometers -> Miles, Yards, Meters
//   Distance, 1 Miles      -> Kilometers, Meters, Feet, Yards
//   Time, 2 Hours          -> Seconds, Minutes, Days
//   a custom category      -> its first three units in range, in catalogue order
#include <vector>

#include "catalogue.h"

// Unit positions of `row`: at most five, at least three where the row has
// them, none equal to `from`. Units out of range fill up to three only when
// the category has too few in range (a value of 0, or 1e30 m).
std::vector<int> SuggestedTargets(const Catalogue& catalogue, int row, int from, double value);
