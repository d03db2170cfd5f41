#include "result_format.h"

#include <cmath>
#include <cstddef>
#include <cstring>

#include "decimal_digits.h"

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

// "%1.14g" from the 17 digits: rounded half up on the fifteenth digit alone
// (as RoundToDigits does), trailing zeros dropped. Worked on a buffer of its
// own rather than through DecimalDigits: this is the keystroke's format, and
// every copy shows next to the conversion itself.
void AutoText(std::string& text, double magnitude, bool negative) {
    // Room for a whole 14-digit copy from any kept place; past the 17 digits
    // nothing is read that ends up in the text.
    char digits[32] = {};
    int exponent = WriteDecimalDigits(magnitude, digits);
    if (digits[AutoSignificantDigits] >= '5') {
        int i = AutoSignificantDigits - 1;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits[0] = '1';  // 9.99999999999995e13 is 1e+014
            ++exponent;
        }
    }
    // "%g" drops trailing zeros, and the point when nothing follows it: only
    // the digits up to the last one that is not 0 are written (at least one).
    int significant = AutoSignificantDigits;
    while (significant > 1 && digits[significant - 1] == '0') --significant;

    // Sign, "0.0000" and 14 digits, or sign, 14 digits, point and exponent.
    // The kept digits past `significant` are all '0', and each run of digits
    // is copied whole (a fixed size the compiler inlines); only the length
    // taken afterwards says where the text ends.
    char buffer[48];
    char* out = buffer;
    if (negative) *out++ = '-';
    if (exponent < -4 || exponent >= AutoSignificantDigits) {
        out[0] = digits[0];
        out[1] = '.';
        std::memcpy(out + 2, digits + 1, AutoSignificantDigits - 1);
        out += significant > 1 ? significant + 1 : 1;
        out = WriteExponent(out, exponent);
    } else if (exponent < 0) {
        // 0.000ddd: the zeros between the point and the first digit.
        std::memcpy(out, "0.000", 5);
        out += 1 - exponent;
        std::memcpy(out, digits, AutoSignificantDigits);
        out += significant;
    } else {
        // The integer part has exponent + 1 <= 14 places, all within the kept digits.
        const int integerDigits = exponent + 1;
        std::memcpy(out, digits, AutoSignificantDigits);
        if (significant <= integerDigits) {
            out += integerDigits;
        } else {
            out[integerDigits] = '.';
            std::memcpy(out + integerDigits + 1, digits + integerDigits, AutoSignificantDigits);
            out += significant + 1;
        }
    }
    // Within the capacity a reused text already has: no allocation.
    text.assign(buffer, static_cast<std::size_t>(out - buffer));
}

void ScientificText(std::string& text, DecimalDigits& number, bool negative, int precision) {
    // Beyond 17 digits nothing is dropped, so precision + 1 never overflows here.
    RoundToDigits(number,
                  precision < DecimalDigits::MaxDigits ? precision + 1 : DecimalDigits::MaxDigits);
    const std::size_t size = (negative ? 1u : 0u) + 1 +
                             (precision > 0 ? 1 + static_cast<std::size_t>(precision) : 0) + 5;
    text.resize(size);
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
}

void FixedText(std::string& text, DecimalDigits& number, bool negative, int precision) {
    // Digits down to the place 10^-precision; worked out wide because the
    // precision may be anything an int holds.
    const long long keep = static_cast<long long>(number.exponent) + 1 + precision;
    RoundToDigits(number, keep > DecimalDigits::MaxDigits
                              ? DecimalDigits::MaxDigits
                              : static_cast<int>(keep < -1 ? -1 : keep));
    // Rounding may have added an integer digit (9.96 -> 10.0), so measure after.
    const std::size_t size = (negative ? 1u : 0u) + IntegerWidth(number) +
                             (precision > 0 ? 1 + static_cast<std::size_t>(precision) : 0);
    text.resize(size);
    char* out = text.data();
    if (negative) {
        *out++ = '-';
    }
    WritePlain(out, number, precision);
}

}  // namespace

bool FormatResultInto(std::string& text, double value, int format, int precision) {
    if (format < FormatAuto || format > FormatFixed) {
        return false;
    }
    if (std::isnan(value)) {
        text = "Not a number";
        return true;
    }
    const bool negative = std::signbit(value);  // -0.0 keeps its sign, as printf's does
    if (std::isinf(value)) {
        text = negative ? "-Infinity" : "Infinity";
        return true;
    }
    if (format == FormatAuto) {
        AutoText(text, std::fabs(value), negative);
        return true;
    }
    DecimalDigits number = ToDecimalDigits(std::fabs(value));
    if (precision < 0) {
        precision = PrecisionWhenNegative;
    }
    if (format == FormatScientific)
        ScientificText(text, number, negative, precision);
    else
        FixedText(text, number, negative, precision);
    return true;
}

bool FormatResultInto(std::string& text, double value, const ResultStyle& style) {
    return FormatResultInto(text, value, style.format, style.precision);
}

std::optional<std::string> FormatResultAs(double value, int format, int precision) {
    std::string text;
    if (!FormatResultInto(text, value, format, precision)) {
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> FormatResult(double value, const ResultStyle& style) {
    return FormatResultAs(value, style.format, style.precision);
}

std::string FormatFixedText(double value, int precision) {
    return *FormatResultAs(value, FormatFixed, precision);
}
