#pragma once
// How a custom unit's factor is written to the profile: the shortest text
// that reads back as the very same double, plain or with an exponent,
// whichever is shorter. Both forms read back through ParseNumberPrefix
// (the atof rule), as older profiles' fixed 14-decimal texts still do.
//
//   22.86                   -> "22.86"
//   0.001 s in centuries    -> "3.1709791983764586e-13"
//   1e20                    -> "1e+20"
#include <string>

// `factor` is finite.
std::string StoredFactorText(double factor);
