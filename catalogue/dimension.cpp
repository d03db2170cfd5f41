#include "dimension.h"

#include <string_view>

namespace {

constexpr std::string_view BaseNames[BaseQuantityCount] = {
    "length",      "mass",
    "time",        "current",
    "temperature", "luminous intensity",
    "angle",       "information",
    "money",       "amount of substance",
};

// "²", "³", "⁴" ... as superscript digits (UTF-8).
void AppendSuperscript(std::string& text, int power) {
    static constexpr std::string_view Digits[10] = {
        "\xE2\x81\xB0", "\xC2\xB9",     "\xC2\xB2",     "\xC2\xB3",     "\xE2\x81\xB4",
        "\xE2\x81\xB5", "\xE2\x81\xB6", "\xE2\x81\xB7", "\xE2\x81\xB8", "\xE2\x81\xB9"};
    if (power == 1) return;
    const std::string digits = std::to_string(power);
    for (char c : digits) text += Digits[c - '0'];
}

// The bases raised to a power of `sign`, joined by "·".
std::string Side(const Dimension& dimension, int sign) {
    std::string text;
    // Mass first, as "mass/length³" is written.
    constexpr BaseQuantity Order[BaseQuantityCount] = {BaseQuantity::Mass,
                                                       BaseQuantity::Length,
                                                       BaseQuantity::Time,
                                                       BaseQuantity::Current,
                                                       BaseQuantity::Temperature,
                                                       BaseQuantity::Amount,
                                                       BaseQuantity::LuminousIntensity,
                                                       BaseQuantity::Angle,
                                                       BaseQuantity::Information,
                                                       BaseQuantity::Money};
    for (const BaseQuantity base : Order) {
        const int i = static_cast<int>(base);
        const int power = dimension.Exponent(base) * sign;
        if (power <= 0) continue;
        if (!text.empty()) text += "\xC2\xB7";
        text += BaseNames[i];
        AppendSuperscript(text, power);
    }
    return text;
}

}  // namespace

std::string DimensionText(const Dimension& dimension) {
    if (dimension.IsNone()) return "dimensionless";
    const std::string above = Side(dimension, 1);
    const std::string below = Side(dimension, -1);
    if (below.empty()) return above;
    return (above.empty() ? std::string("1") : above) + "/" + below;
}
