#pragma once
// Turning a converted value into the text the window shows.
//
// The value is first written as 17 significant digits (its exact decimal
// expansion rounded to 17 digits); the digits a mode needs are taken from
// that string and rounded half up on the first digit not taken, carrying
// through 9s. Places beyond the 17th digit are written as 0. The point is
// always "." and exponents are "e", a sign and three digits.
//
//   value               AutoFormat        Scientific, 5     Fixed, 5
//   123.4567897689834   123.45678976898   1.23457e+002      123.45679
//   0                   0                 0.00000e+000      0.00000
//   -2.5                -2.5              -2.50000e+000     -2.50000
//   0.00001234          1.234e-005        1.23400e-005      0.00001
//   100000000000000     1e+014            1.00000e+014      100000000000000.00000
//
// AutoFormat is "%1.14g": 14 significant digits, exponent form when the
// decimal exponent is below -4 or at least 14, trailing zeros dropped.
// Scientific is "%1.*e", Fixed "%1.*f" with the style's precision in decimals; Fixed
// writes every integer digit (up to 309). 0.125 at two decimals is 0.13,
// 9.96 at one decimal is 10.0, 1e23 at none is 99999999999999992000000.
// Infinities read "Infinity" and "-Infinity", not-a-number "Not a number".
//
// A value below half of the last place kept rounds to zero, at or above it
// to one unit of that place: 0.000004 at five decimals is 0.00000, 0.000006
// is 0.00001, 0.5 at none is 1. A negative value keeps its "-" even when its
// text rounds to zero, as printf's does: -0.000004 gives -0.00000 and -0.0
// in AutoFormat gives -0. Any precision is taken, the text growing with it:
// 0.1 in Fixed, 20 is 0.10000000000000001000.
#include <optional>
#include <string>

inline constexpr int FormatAuto = 0;
inline constexpr int FormatScientific = 1;
inline constexpr int FormatFixed = 2;

inline constexpr int MinPrecision = 1;
inline constexpr int MaxPrecision = 9;

// The values the program takes over, from the profile or the Result Format
// page; any other leaves the setting as it was.
inline bool IsUsableFormat(int format) { return format >= FormatAuto && format <= FormatFixed; }
inline bool IsUsablePrecision(int precision) {
    return precision >= MinPrecision && precision <= MaxPrecision;
}

// How results are written. The window and the command line each hold their
// own; the profile's Format and Precision and the command line's options set
// them, each value only when usable.
struct ResultStyle {
    int format = FormatAuto;
    int precision = 5;

    // Takes each value that is usable; leaves the other as it was.
    void TakeUsable(int newFormat, int newPrecision) {
        if (IsUsableFormat(newFormat)) format = newFormat;
        if (IsUsablePrecision(newPrecision)) precision = newPrecision;
    }
    bool operator==(const ResultStyle&) const = default;
};

// The text for `value` in `style`; nothing when the style's format is
// outside 0..2 (the caller keeps the text it had).
std::optional<std::string> FormatResult(double value, const ResultStyle& style);

// The same rule with the mode and precision given. A negative precision
// counts as 6; precision 0 leaves the point out.
std::optional<std::string> FormatResultAs(double value, int format, int precision);

// The same texts written over `text`, whose capacity is reused: a caller
// formatting many results into one string allocates only for the first
// (AutoFormat texts reach 21 characters, past what a string holds inline).
// False, and `text` unchanged, when the format is outside 0..2.
bool FormatResultInto(std::string& text, double value, int format, int precision);
inline bool FormatResultInto(std::string& text, double value, const ResultStyle& style) {
    return FormatResultInto(text, value, style.format, style.precision);
}

// "%1.*f" by the rules above (older versions wrote custom unit factors with "%1.14f").
std::string FormatFixedText(double value, int precision);
