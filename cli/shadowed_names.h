#pragma once
// Custom names from the profile that hide built-in ones. The lookups keep
// the last match, so a hand-edited custom "Miles" in Distance wins over the
// built-in Miles and changes every result that names it; the command line
// keeps that rule, as the window does, but says so:
//
//   the profile's unit "Miles" in "Distance" shadows the built-in "Miles", and is the one used
//   the profile's category "Mass" shadows the built-in "Mass", and is the one used
//
// One text per shadowing name, from the catalogue as loaded; none when no
// custom name repeats a built-in one.
#include <string>
#include <vector>

class Catalogue;

std::vector<std::string> ShadowWarnings(const Catalogue& catalogue);
