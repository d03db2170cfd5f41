#pragma once
// Reading typed numbers the way the C library's atof() reads them, whatever
// the locale: leading white space is skipped, then the longest prefix of the
// form  [sign] digits-with-at-most-one-point [e|E|d|D [sign] digits]  is
// converted; text with no such prefix reads as 0.
//
//   "1e" -> 1    "2.5.1" -> 2.5    "1d3" -> 1000    " +3" -> 3
//   "-" -> 0     "." -> 0          "abc" -> 0       "1e999" -> inf
#include <string_view>

double ParseNumberPrefix(std::string_view text);

// The characters the input field and the factor field let through when
// typed (backspace is let through as well).
inline constexpr std::string_view NumberInputChars = "+-0123456789Ee.";
