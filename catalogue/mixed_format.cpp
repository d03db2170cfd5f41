#include "mixed_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numeric>

#include "number_text.h"

namespace {

// Counting in 1/N stays exact up to here.
constexpr double MaxCount = 9007199254740992.0;  // 2^53

// A whole part is written digit by digit up to here; past it the digits
// are more than a double holds of the value (1e300 m is not 301 digits of
// feet), and the part is written in the result format.
constexpr double MaxWholeDigits = 1e15;

void AppendNumber(std::string& text, long long number) {
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, number);
    text.append(digits, written.ptr);
}

// A whole count of 1/N, written reduced: "8 7/8", "7/8", "8", "0".
void AppendFraction(std::string& text, long long count, int denominator) {
    const long long whole = count / denominator;
    long long numerator = count % denominator;
    if (whole > 0 || numerator == 0) AppendNumber(text, whole);
    if (numerator == 0) return;
    const long long common = std::gcd(numerator, static_cast<long long>(denominator));
    numerator /= common;
    if (whole > 0) text += ' ';
    AppendNumber(text, numerator);
    text += '/';
    AppendNumber(text, denominator / common);
}

// The value a result text stands for, whatever the locale.
double TextValue(const std::string& text) { return ParseNumberPrefix(text); }

// Powers of ten that a double holds exactly.
constexpr double PowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// `value` (positive) rounded to `digits` significant digits, to the nearest
// double: one multiplication and one division by an exact power of ten.
double RoundedTo(double value, int digits) {
    const int shift = digits - 1 - static_cast<int>(std::floor(std::log10(value)));
    if (shift <= 0 || shift > 22) return value;  // no decimals to drop, or beyond the table
    const double scale = PowersOfTen[shift];
    return std::round(value * scale) / scale;
}

// A double holds about 15 significant digits of the whole value; the whole
// parts take some of them, and the last part shows no more than are left
// (30° 15′ 10.08″, not the 10.080000000002″ the subtraction leaves).
double WithDigitsLeft(double rest, double total) {
    // Within one power of ten all 14 digits are left: nothing to round.
    if (rest <= 0 || total < 10 * rest) return rest;
    const int taken =
        static_cast<int>(std::floor(std::log10(total)) - std::floor(std::log10(rest)));
    // Below the last digit the total holds: nothing but rounding noise.
    if (taken >= 15) return 0;
    return RoundedTo(rest, std::min(15 - taken, 14));
}

bool Rounds(double magnitude, const PartStyle& style) {
    return style.fraction > 0 && magnitude * style.fraction < MaxCount;
}

// `ratio` rounded to a whole number when it is one but for the last bits
// (12.000000000000002 inches to the foot); nothing when it is not whole.
double WholeRatio(double ratio) {
    const double whole = std::round(ratio);
    return std::fabs(ratio - whole) <= 1e-9 * ratio ? whole : 0;
}

constexpr std::string_view Degree = "\xC2\xB0";         // °
constexpr std::string_view Prime = "\xE2\x80\xB2";      // ′
constexpr std::string_view TwoPrimes = "\xE2\x80\xB3";  // ″

void AppendLabel(std::string& text, std::string_view label) {
    if (!IsSymbolUnit(label)) text += ' ';
    text += label;
}

}  // namespace

bool IsSymbolUnit(std::string_view label) {
    return label == Degree || label == Prime || label == TwoPrimes || label == "'" || label == "\"";
}

void WriteAmountInto(std::string& text, double value, const PartStyle& style) {
    const double magnitude = std::fabs(value);
    if (!std::isfinite(value) || !Rounds(magnitude, style)) {
        FormatResultInto(text, value, style.result);
        return;
    }
    const auto count = std::llround(magnitude * style.fraction);
    text.clear();
    if (value < 0 && count > 0) text += '-';
    AppendFraction(text, count, style.fraction);
}

void WriteMixedInto(std::string& text, double value, std::span<const double> sizes,
                    std::span<const std::string_view> labels, const PartStyle& style) {
    if (!std::isfinite(value) || sizes.empty()) {
        FormatResultInto(text, value, style.result);
        return;
    }
    const std::size_t last = sizes.size() - 1;
    double wholes[MaxMixedParts] = {};
    double rest = std::fabs(value);
    for (std::size_t i = 0; i < last; ++i) {
        wholes[i] = std::floor(rest / sizes[i]);
        rest = std::max(0.0, rest - wholes[i] * sizes[i]);
    }
    rest /= sizes[last];
    if (style.result.format == FormatAuto && last > 0)
        rest = WithDigitsLeft(rest, std::fabs(value) / sizes[last]);

    // The last part as it will be written; when that reaches one of the
    // unit before it, it is 0 and the unit before counts one more.
    thread_local std::string lastText;
    long long count = 0;
    bool carry = false;
    const double ratio = last > 0 ? sizes[last - 1] / sizes[last] : 0;
    if (Rounds(rest, style)) {
        count = std::llround(rest * style.fraction);
        carry = last > 0 && count >= std::llround(ratio * style.fraction);
        if (carry) count = 0;
    } else {
        FormatResultInto(lastText, rest, style.result);
        // Rounding to one decimal or one significant digit or more moves a
        // value by at most 5 %: only a last part that near its unit can reach it.
        if (last > 0 && rest >= 0.9 * ratio) {
            thread_local std::string ratioText;
            FormatResultInto(ratioText, ratio, style.result);
            carry = TextValue(lastText) >= TextValue(ratioText);
        }
        if (carry) FormatResultInto(lastText, 0.0, style.result);
    }
    for (std::size_t i = last; carry && i-- > 0;) {
        wholes[i] += 1;
        const double whole = i > 0 ? WholeRatio(sizes[i - 1] / sizes[i]) : 0;
        carry = whole > 0 && wholes[i] >= whole;
        if (carry) wholes[i] = 0;
    }

    bool zero = Rounds(rest, style) ? count == 0 : TextValue(lastText) == 0;
    for (std::size_t i = 0; i < last; ++i) zero = zero && wholes[i] == 0;
    text.clear();
    if (value < 0 && !zero) text += '-';
    thread_local std::string wholeText;
    for (std::size_t i = 0; i < last; ++i) {
        if (wholes[i] <= MaxWholeDigits) {
            AppendNumber(text, static_cast<long long>(wholes[i]));
        } else {
            FormatResultInto(wholeText, wholes[i], style.result);
            text += wholeText;
        }
        AppendLabel(text, labels[i]);
        text += ' ';
    }
    if (Rounds(rest, style))
        AppendFraction(text, count, style.fraction);
    else
        text += lastText;
    AppendLabel(text, labels[last]);
}

std::string WriteMixed(double value, std::span<const double> sizes,
                       std::span<const std::string_view> labels, const PartStyle& style) {
    std::string text;
    WriteMixedInto(text, value, sizes, labels, style);
    return text;
}

bool IsLargestFirst(std::span<const double> sizes) {
    for (std::size_t i = 1; i < sizes.size(); ++i)
        if (!(sizes[i - 1] > sizes[i])) return false;
    return true;
}
