#pragma once
// Numbers in a language that writes a decimal comma ("1,5"). The results
// have no thousands separators, so the comma and the point trade places one
// for one; a point typed in such a language stays a decimal point too.
//
//   WithDecimalComma("1234.5")    -> "1234,5"     WithDecimalComma("1.2e+003") -> "1,2e+003"
//   WithDecimalPoint("1,5")       -> "1.5"        WithDecimalPoint("1.5")      -> "1.5"
//   DecimalCommaAt("1,5 km", 0)   -> true         DecimalCommaAt("1, 5", 0)    -> false
#include <string>
#include <string_view>

std::string WithDecimalComma(std::string_view text);
std::string WithDecimalPoint(std::string_view text);

// True when the number starting at `start` of `text` goes on past a comma:
// digits (or nothing), a comma, a digit.
bool DecimalCommaAt(std::string_view text, std::size_t start);
