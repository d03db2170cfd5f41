#include "half_up_reference.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// |value| = digits x 10^(exponent - 16), digits < 10^17.
struct Seventeen {
    std::uint64_t digits;
    int exponent;
};

Seventeen ReadSeventeen(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.16e", std::fabs(value));
    std::uint64_t digits = 0;
    const char* p = text;
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
        }
    }
    return {digits, std::atoi(p + 1)};
}

std::uint64_t PowerOfTen(int n) {
    std::uint64_t result = 1;
    while (n-- > 0) {
        result *= 10;
    }
    return result;
}

// The first `keep` digits as an integer, half up on the next one; keep in 0..17.
std::uint64_t KeepHalfUp(std::uint64_t digits, int keep) {
    if (keep == 17) {
        return digits;
    }
    const std::uint64_t unit = PowerOfTen(17 - keep);
    return digits / unit + (digits / (unit / 10) % 10 >= 5 ? 1 : 0);
}

std::string Sign(double value) { return std::signbit(value) ? "-" : ""; }

std::string ExponentText(int exponent) {
    char text[8];
    std::snprintf(text, sizeof text, "e%+04d", exponent);
    return text;
}

std::string StripZeros(std::string text) {
    if (text.find('.') == std::string::npos) {
        return text;
    }
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

}  // namespace

std::string ReferenceScientific(double value, int precision) {
    const Seventeen s = ReadSeventeen(value);
    std::string mantissa;
    int exponent = s.exponent;
    if (precision + 1 >= 17) {
        mantissa = std::to_string(s.digits);
        mantissa.resize(static_cast<std::size_t>(precision) + 1, '0');
    } else {
        std::uint64_t kept = KeepHalfUp(s.digits, precision + 1);
        if (kept == PowerOfTen(precision + 1)) {
            kept /= 10;
            ++exponent;
        }
        mantissa = std::to_string(kept);
    }
    if (s.digits == 0) {
        mantissa.assign(static_cast<std::size_t>(precision) + 1, '0');
        exponent = 0;
    }
    if (precision > 0) {
        mantissa.insert(1, ".");
    }
    return Sign(value) + mantissa + ExponentText(exponent);
}

std::string ReferenceFixed(double value, int precision) {
    const Seventeen s = ReadSeventeen(value);
    // The result is an integer count of 10^-precision.
    const int keep = s.exponent + 1 + precision;
    std::string count;
    if (keep < 0 || s.digits == 0) {
        count = "0";
    } else if (keep > 17) {
        count = std::to_string(s.digits) + std::string(static_cast<std::size_t>(keep - 17), '0');
    } else {
        count = std::to_string(KeepHalfUp(s.digits, keep));
    }
    if (count.size() <= static_cast<std::size_t>(precision)) {
        count.insert(0, static_cast<std::size_t>(precision) + 1 - count.size(), '0');
    }
    if (precision > 0) {
        count.insert(count.size() - static_cast<std::size_t>(precision), ".");
    }
    return Sign(value) + count;
}

std::string ReferenceAuto(double value) {
    // "%g" with 14 digits: the exponent of the 14-digit scientific text picks
    // the form; trailing zeros go in both forms.
    const std::string scientific = ReferenceScientific(value, 13);
    const int exponent = std::atoi(scientific.c_str() + scientific.find('e') + 1);
    if (exponent < -4 || exponent >= 14) {
        const std::size_t e = scientific.find('e');
        return StripZeros(scientific.substr(0, e)) + scientific.substr(e);
    }
    return StripZeros(ReferenceFixed(value, 13 - exponent));
}
