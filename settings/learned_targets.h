#pragma once
// The targets a value with one unit ("5 km") is shown in first, learned from
// the user: the outputs of the favourite pairs from that unit, in their
// order, then the outputs of the history's entries from it, newest first,
// then `suggested`; each unit once, never the unit itself, at most `limit`.
//
//   favourites Distance: Kilometers -> Nautical miles
//   history    Kilometers -> Feet, Kilometers -> Miles
//   suggested  Miles, Feet, Inches, Yards, Meters
//     -> Nautical miles, Feet, Miles, Inches, Yards
#include <cstddef>
#include <vector>

#include "favourites.h"
#include "history.h"

class Catalogue;

std::vector<int> LearnedTargets(const Catalogue& catalogue, int row, int from,
                                const Favourites& favourites, const History& history,
                                const std::vector<int>& suggested, std::size_t limit);
