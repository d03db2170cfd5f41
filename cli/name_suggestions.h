#pragma once
// "Did you mean" for names that match nothing. Names are Windows-1252 byte
// strings, compared without regard to case by the code page's own letters.
//
//   NameDistance("kilometre", "Kilometers")  -> 2  (swap "re", add "s")
//   NameDistance("CELSIUS", "Celsius")       -> 0
//   ClosestNames("Kilometre", distanceUnits) -> {"Kilometers"}
//   ClosestNames("Fahrenhiet", allUnits)     -> {"Fahrenheit"}
//   ClosestNames("Zorkmids", allUnits)       -> {}  (nothing close enough)
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Edits (insert, delete, replace, swap two neighbours) that turn one name
// into the other, ignoring case.
int NameDistance(std::string_view a, std::string_view b);

// Up to `limit` distinct names that look like a slip of the keyboard for
// `query`, nearest first; equally near names keep the order given. A name is
// near when at most max(1, length of the query / 3) edits away (and fewer
// edits than the query has characters), or when it starts with the query
// (of three characters or more) ignoring case.
std::vector<std::string> ClosestNames(std::string_view query, const std::vector<std::string>& names,
                                      std::size_t limit = 3);
