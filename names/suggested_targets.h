#pragma once
// The units worth showing a value in when no target was typed ("5 km"):
// the everyday units of the category, those of the other measurement
// system first (metric <-> US/imperial), never the unit typed.
//
//   Distance, Kilometers -> Miles, Feet, Inches, Yards, Meters
//   Distance, Miles      -> Kilometers, Meters, Centimeters, Millimeters, Feet
//   Time, Hours          -> Seconds, Minutes, Days, Weeks
//   a custom category    -> its first three units, in catalogue order
#include <vector>

#include "catalogue.h"

// Unit positions of `row`: at most five, at least three where the row has
// them, none equal to `from`.
std::vector<int> SuggestedTargets(const Catalogue& catalogue, int row, int from);
