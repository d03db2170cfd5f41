#pragma once
// Writing a value in several units at once, largest first: whole numbers
// of each unit but the last, which carries the remainder, each followed by
// its label (a blank between, none before a symbol such as ° or ″), the
// sign once in front:
//
//   1.75 m, ft+in                  -> "5 ft 8.8976377952756 in"
//   1.75 m, ft+in, fraction 8      -> "5 ft 8 7/8 in"
//   1.8288 m, ft+in                -> "6 ft 0 in"  (rounding carries: never "5 ft 12 in")
//   -30.2528°, °+′+″               -> "-30° 15′ 10.08″"
//
// A whole part past 1e15 is written in the result format too
// ("3.28084e+300 ft 0.00000e+000 in" in Scientific), not in 16 digits or
// more that the value does not hold.
//
// The last part is written in the result format and precision, or, with a
// fraction denominator N (2..64), rounded to the nearest 1/N and reduced:
// "8 7/8", "3 1/2", "12". A value too large for counting in 1/N keeps the
// result format. Not-a-number and infinities are written alone, as
// FormatResultAs writes them.
#include <span>
#include <string>
#include <string_view>

#include "result_format.h"

// The most parts a mixed value or a list of units has.
inline constexpr int MaxMixedParts = 6;

// Written right after its number, without a blank: ° ′ ″ ' ".
bool IsSymbolUnit(std::string_view label);

// The result style of the last part, and its fraction denominator.
struct PartStyle {
    ResultStyle result;
    int fraction = 0;  // 0: none; else the denominator, 2 to 64
};

// The denominators --fraction and the window offer.
inline bool IsUsableFraction(int denominator) {
    return denominator == 2 || denominator == 4 || denominator == 8 || denominator == 16 ||
           denominator == 32 || denominator == 64;
}

// One amount in `style`: "1 5/16", "-3/8", "2", or the result format's text.
// The text's capacity is reused, as FormatResultInto does.
void WriteAmountInto(std::string& text, double value, const PartStyle& style);

// `value` and `sizes` in one unit (a category's reference unit): the
// parts' sizes, largest first, and their labels, as many.
void WriteMixedInto(std::string& text, double value, std::span<const double> sizes,
                    std::span<const std::string_view> labels, const PartStyle& style);
std::string WriteMixed(double value, std::span<const double> sizes,
                       std::span<const std::string_view> labels, const PartStyle& style);

// True when each size is larger than the next.
bool IsLargestFirst(std::span<const double> sizes);
