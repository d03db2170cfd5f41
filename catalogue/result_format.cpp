#include "result_format.h"

#include <cmath>
#include <cstddef>

#include "decimal_digits.h"

int ResultFormat = FormatAuto;
int ResultPrecision = 5;

namespace {

constexpr int AutoSignificantDigits = 14;  // "%1.14g"
constexpr int PrecisionWhenNegative = 6;   // what printf takes for "%.*e" with a negative precision

// "e", the sign and three digits. Doubles reach from 1e-324 to 1e308, so
// three digits always suffice and are always written: 1e-005, 1e+300.
char* WriteExponent(char* out, int exponent) {
    *out++ = 'e';
    *out++ = exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    *out++ = static_cast<char>('0' + magnitude / 100);
    *out++ = static_cast<char>('0' + magnitude / 10 % 10);
    *out++ = static_cast<char>('0' + magnitude % 10);
    return out;
}

// Number of characters of the integer part: every digit down to the units,
// or a single "0" below 1.
std::size_t IntegerWidth(const DecimalDigits& number) {
    return number.exponent >= 0 ? static_cast<std::size_t>(number.exponent) + 1 : 1;
}

// The integer part, then the point and `decimals` places unless there are none.
char* WritePlain(char* out, const DecimalDigits& number, int decimals) {
    if (number.exponent >= 0) {
        for (int index = 0; index <= number.exponent; ++index) {
            *out++ = number.At(index);
        }
    } else {
        *out++ = '0';
    }
    if (decimals > 0) {
        *out++ = '.';
        // The place 10^-k is `exponent + k` digits below the first one.
        for (int k = 1; k <= decimals; ++k) {
            *out++ = number.At(number.exponent + k);
        }
    }
    return out;
}

// "%g" drops trailing zeros after the point, and the point when nothing
// follows it; `begin`..`end` holds a point.
char* DropTrailingZeros(const char* begin, char* end) {
    while (end > begin && end[-1] == '0') {
        --end;
    }
    if (end > begin && end[-1] == '.') {
        --end;
    }
    return end;
}

std::string AutoText(DecimalDigits number, bool negative) {
    RoundToDigits(number, AutoSignificantDigits);
    // Sign, "0.0000" and 14 digits, or sign, 14 digits, point and exponent.
    char buffer[32];
    char* out = buffer;
    if (negative) {
        *out++ = '-';
    }
    const char* const digitsBegin = out;
    const int exponent = number.exponent;  // after rounding: 9.99999999999995e13 is 1e+014
    if (exponent < -4 || exponent >= AutoSignificantDigits) {
        *out++ = number.At(0);
        *out++ = '.';
        for (int index = 1; index < AutoSignificantDigits; ++index) {
            *out++ = number.At(index);
        }
        out = DropTrailingZeros(digitsBegin, out);
        out = WriteExponent(out, exponent);
    } else {
        const int decimals = AutoSignificantDigits - 1 - exponent;
        out = WritePlain(out, number, decimals);
        if (decimals > 0) {
            out = DropTrailingZeros(digitsBegin, out);
        }
    }
    return std::string(buffer, out);
}

std::string ScientificText(DecimalDigits number, bool negative, int precision) {
    // Beyond 17 digits nothing is dropped, so precision + 1 never overflows here.
    RoundToDigits(number,
                  precision < DecimalDigits::MaxDigits ? precision + 1 : DecimalDigits::MaxDigits);
    const std::size_t size = (negative ? 1u : 0u) + 1 +
                             (precision > 0 ? 1 + static_cast<std::size_t>(precision) : 0) + 5;
    std::string text(size, '0');
    char* out = text.data();
    if (negative) {
        *out++ = '-';
    }
    *out++ = number.At(0);
    if (precision > 0) {
        *out++ = '.';
        for (int index = 1; index <= precision; ++index) {
            *out++ = number.At(index);
        }
    }
    WriteExponent(out, number.exponent);
    return text;
}

std::string FixedText(DecimalDigits number, bool negative, int precision) {
    // Digits down to the place 10^-precision; worked out wide because the
    // precision may be anything an int holds.
    const long long keep = static_cast<long long>(number.exponent) + 1 + precision;
    RoundToDigits(number, keep > DecimalDigits::MaxDigits
                              ? DecimalDigits::MaxDigits
                              : static_cast<int>(keep < -1 ? -1 : keep));
    // Rounding may have added an integer digit (9.96 -> 10.0), so measure after.
    const std::size_t size = (negative ? 1u : 0u) + IntegerWidth(number) +
                             (precision > 0 ? 1 + static_cast<std::size_t>(precision) : 0);
    std::string text(size, '0');
    char* out = text.data();
    if (negative) {
        *out++ = '-';
    }
    WritePlain(out, number, precision);
    return text;
}

}  // namespace

std::optional<std::string> FormatResultAs(double value, int format, int precision) {
    if (format < FormatAuto || format > FormatFixed) {
        return std::nullopt;
    }
    if (std::isnan(value)) {
        return std::string("Not a number");
    }
    const bool negative = std::signbit(value);  // -0.0 keeps its sign, as printf's does
    if (std::isinf(value)) {
        return std::string(negative ? "-Infinity" : "Infinity");
    }
    const DecimalDigits number = ToDecimalDigits(std::fabs(value));
    if (precision < 0) {
        precision = PrecisionWhenNegative;
    }
    switch (format) {
        case FormatScientific:
            return ScientificText(number, negative, precision);
        case FormatFixed:
            return FixedText(number, negative, precision);
        default:
            return AutoText(number, negative);
    }
}

std::optional<std::string> FormatResult(double value) {
    return FormatResultAs(value, ResultFormat, ResultPrecision);
}

std::string FormatFixedText(double value, int precision) {
    return *FormatResultAs(value, FormatFixed, precision);
}
