#include "result_format.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

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

// The last of the first `AutoSignificantDigits` digits that is not '0'
// (at least the first), eight digits at a time where the bytes allow.
int SignificantDigits(const char* digits) {
    static_assert(AutoSignificantDigits == 14);
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t Zeros = 0x3030303030303030u;
        std::uint64_t eight;
        std::memcpy(&eight, digits + 6, sizeof eight);  // digits 6..13
        if ((eight ^= Zeros) != 0) return 6 + (63 - std::countl_zero(eight)) / 8 + 1;
        std::memcpy(&eight, digits, sizeof eight);  // digits 0..7, of which 6 and 7 are '0'
        if ((eight ^= Zeros) != 0) return (63 - std::countl_zero(eight)) / 8 + 1;
        return 1;
    } else {
        int significant = AutoSignificantDigits;
        while (significant > 1 && digits[significant - 1] == '0') --significant;
        return significant;
    }
}

// The power of ten after the 'e' at `e` (a sign and two or three digits,
// up to `end`).
int ExponentAt(const char* e, const char* end) {
    int exponent = 0;
    for (const char* p = e + 2; p < end; ++p) exponent = exponent * 10 + (*p - '0');
    return e[1] == '-' ? -exponent : exponent;
}

// Rounds digits[0..14) up by one in the last place when `up`, carrying
// through 9s; gives the exponent, one more when the carry runs out.
int RoundedUp(char* digits, int exponent, bool up) {
    if (up) {
        int i = AutoSignificantDigits - 1;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits[0] = '1';  // 9.99999999999995e13 is 1e+014
            ++exponent;
        }
    }
    return exponent;
}

// How far the 15th to 17th of the shortest digits may lie from the 17
// digits', in units of the 17th: at most 17 (see AutoDigits).
constexpr int ShortestSlack = 20;

// The 14 digits AutoFormat shows, rounded, into digits[0..14) (of 32), and
// the power of ten of the first.
//
// They are the 17 digits of the exact value rounded half up on the
// fifteenth. std::to_chars gives the shortest digits that read back as the
// same double at a good deal less than the 17: for a normal double those
// lie within half a binary place of the value, less than 11.2 units of the
// 17th digit, and the 17 digits within half a unit of it (five units when
// rounding takes them to the next power of ten), so the two are less than
// 17 units apart. Unless the shortest digits' 15th to 17th lie that close
// to 500, they round the same way; only then, and for the tiny doubles
// below the normal ones (whose binary places are coarse), are the 17
// digits written.
int AutoDigits(double magnitude, char* digits) {
    char written[32];
    std::memset(digits, '0', 32);
    if (magnitude == 0 || magnitude >= std::numeric_limits<double>::min()) {
        // "d.ddde+dd", or "de+dd" for one digit; three exponent digits from
        // 1e100 up. Copied whole, zeros behind, and the exponent written
        // over with zeros: no copy of a length known only now.
        std::memset(written, '0', sizeof written);
        const char* end = std::to_chars(written, written + sizeof written, magnitude,
                                        std::chars_format::scientific)
                              .ptr;
        const char* e = end[-4] == 'e' ? end - 4 : end - 5;
        const std::ptrdiff_t count = e - written > 1 ? e - written - 1 : 1;
        digits[0] = written[0];
        std::memcpy(digits + 1, written + 2, DecimalDigits::MaxDigits - 1);
        std::memcpy(digits + count, "00000", 5);
        const int beyond = (digits[14] - '0') * 100 + (digits[15] - '0') * 10 + (digits[16] - '0');
        if (beyond < 500 - ShortestSlack || beyond > 500 + ShortestSlack)
            return RoundedUp(digits, ExponentAt(e, end), beyond > 500);
    }
    // "d.dddddddddddddddde+dd", as WriteDecimalDigits reads it.
    const char* end = std::to_chars(written, written + sizeof written, magnitude,
                                    std::chars_format::scientific, DecimalDigits::MaxDigits - 1)
                          .ptr;
    digits[0] = written[0];
    std::memcpy(digits + 1, written + 2, DecimalDigits::MaxDigits - 1);
    return RoundedUp(digits, ExponentAt(written + 18, end), digits[AutoSignificantDigits] >= '5');
}

// "%1.14g" from the 17 digits: rounded half up on the fifteenth digit alone
// (as RoundToDigits does), trailing zeros dropped. Worked on a buffer of its
// own rather than through DecimalDigits: this is the keystroke's format, and
// every copy shows next to the conversion itself.
void AutoText(std::string& text, double magnitude, bool negative) {
    // Room for a whole 14-digit copy from any kept place; past the 14 digits
    // nothing is read that ends up in the text.
    char digits[32];
    const int exponent = AutoDigits(magnitude, digits);
    // "%g" drops trailing zeros, and the point when nothing follows it: only
    // the digits up to the last one that is not 0 are written (at least one).
    const int significant = SignificantDigits(digits);

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
