#pragma once
// Reading typed numbers the way the C library's atof() reads them, whatever
// the locale: leading white space is skipped, then the longest prefix of the
// form  [sign] digits-with-at-most-one-point [e|E|d|D [sign] digits]  is
// converted; text with no such prefix reads as 0.
//
//   "1e" -> 1    "2.5.1" -> 2.5    "1d3" -> 1000    " +3" -> 3
//   "-" -> 0     "." -> 0          "abc" -> 0       "1e999" -> inf
#include <cstddef>
#include <string>
#include <string_view>

double ParseNumberPrefix(std::string_view text);
// The same, with where the number ended in `end` (0 when there is none), so
// that a caller can tell a whole number from one with something after it.
double ParseNumberPrefix(std::string_view text, std::size_t& end);

// The shape of the number at the very start of `text`: digits with at most
// one point, then an exponent only when digits follow its letter ("5e" leaves
// the "e" to whatever comes next). No sign and no blanks: the callers take
// those their own way. This is the one scan of a number's digits, under the
// atof rule above and under typed amounts (mixed_value.h) alike; the latter
// leave 'd' to the units (`fortranExponent` false).
struct NumberScan {
    std::size_t end = 0;  // 0 when no digit starts the text
    std::size_t exponentLetter = std::string_view::npos;
    bool whole = true;  // neither a point nor an exponent
};

// Inline: the batch converter and every keystroke scan numbers.
inline NumberScan ScanNumber(std::string_view text, bool fortranExponent) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    NumberScan scan;
    std::size_t i = 0;
    std::size_t digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) ++digits;
    if (i < text.size() && text[i] == '.') {
        scan.whole = false;
        for (++i; i < text.size() && isDigit(text[i]); ++i) ++digits;
    }
    if (digits == 0) return NumberScan{};
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' ||
                            (fortranExponent && (text[i] == 'd' || text[i] == 'D')))) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) ++j;
            scan.exponentLetter = i;
            scan.whole = false;
            i = j;
        }
    }
    scan.end = i;
    return scan;
}

// The shortest text that reads back as the same double: "0.75", "1e+300".
std::string ShortestText(double value);

// The characters the input field and the factor field let through when
// typed (backspace is let through as well).
inline constexpr std::string_view NumberInputChars = "+-0123456789Ee.";
