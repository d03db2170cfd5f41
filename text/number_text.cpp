// The atof() reading rule on top of std::from_chars, which never looks at the
// locale. from_chars knows neither a leading '+' nor the Fortran exponent
// letter 'd', so the prefix is found here first and only then handed over.
// This runs on every keystroke and in the batch converter, so a normal
// number is read without allocating.
#include "number_text.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The white space of the C locale, which is what atof skips.
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

size_t SkipDigits(std::string_view text, size_t i) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
}

// The number found at the start of a text, as positions in it.
struct NumberPrefix {
    size_t start = 0;  // at the '-' sign or the mantissa; a '+' is left out
    size_t end = 0;
    size_t exponentLetter = std::string_view::npos;
};

// Nothing (start == end) when the text does not start with a number.
NumberPrefix FindNumberPrefix(std::string_view text) {
    NumberPrefix found;
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        if (!negative) ++i;
    }
    found.start = i;
    if (negative) ++i;

    // "1e" and "1e+" read as 1: the letter is the number's only with digits.
    const NumberScan scan = ScanNumber(text.substr(i), true);
    if (scan.end == 0) return NumberPrefix{};
    if (scan.exponentLetter != std::string_view::npos)
        found.exponentLetter = i + scan.exponentLetter;
    found.end = i + scan.end;
    return found;
}

// The power of ten of the first significant digit of a number that
// from_chars found out of range: at least 0 for an overflow, negative for an
// underflow. The exponent saturates, so any number of digits is safe.
std::int64_t LeadingPowerOfTen(std::string_view number) {
    constexpr std::int64_t Saturation = 1'000'000'000;
    size_t i = number[0] == '-' ? 1 : 0;
    std::int64_t power = 0;
    bool significant = false;
    for (; i < number.size() && IsDigit(number[i]); ++i) {
        if (significant) ++power;
        significant = significant || number[i] != '0';
    }
    if (i < number.size() && number[i] == '.') {
        for (++i; !significant && i < number.size() && IsDigit(number[i]); ++i) {
            --power;
            significant = number[i] != '0';
        }
        i = SkipDigits(number, i);
    }
    if (i < number.size()) {  // the exponent
        ++i;
        const bool negative = number[i] == '-';
        if (number[i] == '+' || number[i] == '-') ++i;
        std::int64_t exponent = 0;
        for (; i < number.size(); ++i) {
            if (exponent < Saturation) exponent = exponent * 10 + (number[i] - '0');
        }
        power += negative ? -exponent : exponent;
    }
    return power;
}

double FromChars(std::string_view number) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        value = LeadingPowerOfTen(number) >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
        if (number[0] == '-') value = -value;
    }
    return value;
}

}  // namespace

double ParseNumberPrefix(std::string_view text) {
    std::size_t end = 0;
    return ParseNumberPrefix(text, end);
}

double ParseNumberPrefix(std::string_view text, std::size_t& end) {
    const NumberPrefix prefix = FindNumberPrefix(text);
    end = prefix.end;
    if (prefix.start == prefix.end) {
        end = 0;
        return 0.0;
    }
    const std::string_view number = text.substr(prefix.start, prefix.end - prefix.start);
    const size_t letter = prefix.exponentLetter;
    if (letter == std::string_view::npos || text[letter] == 'e' || text[letter] == 'E') {
        return FromChars(number);
    }

    // A 'd' exponent: read a copy that says 'e' instead.
    constexpr size_t ShortNumber = 64;
    char buffer[ShortNumber];
    std::string longCopy;
    char* copy = buffer;
    if (number.size() > ShortNumber) {
        longCopy.resize(number.size());
        copy = longCopy.data();
    }
    number.copy(copy, number.size());
    copy[letter - prefix.start] = 'e';
    return FromChars(std::string_view(copy, number.size()));
}

std::string ShortestText(double value) {
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}
