#pragma once
// Custom names from the profile that meet built-in ones. A custom category
// that repeats a built-in name takes its place (the last match wins), and
// the command line says so; a custom unit whose name is, in any case, the
// name or an alias of a built-in unit of its category leaves that name to
// whichever unit it is typed exactly as, and says so once:
//
//   the profile's category "Mass" shadows the built-in "Mass", and is the one used
//   the profile's unit "Km" in "Distance" clashes with the built-in "Kilometers" ("km"); ...
//
// One text per clashing name, from the catalogue as loaded; none when no
// custom name meets a built-in one.
#include <string>
#include <vector>

class Catalogue;

std::vector<std::string> ShadowWarnings(const Catalogue& catalogue);
