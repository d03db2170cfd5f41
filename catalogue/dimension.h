#pragma once
// What kind of quantity a unit measures: a product of powers of the base
// quantities the catalogue needs. Newton metres and joules share one
// dimension (mass·length²/time²), hertz and 1/second another; expressions
// (names/) convert between any two units of one dimension.
//
// Angle and information are bases of their own, unlike in SI: a radian per
// second is no hertz here, and a byte per second is no hertz either. Money
// counts in euros; the amount of substance lets "J/(mol*K)" be written.
#include <array>
#include <cstdint>
#include <string>

enum class BaseQuantity : std::uint8_t {
    Length,
    Mass,
    Time,
    Current,
    Temperature,
    LuminousIntensity,
    Angle,
    Information,
    Money,
    Amount,
};
inline constexpr int BaseQuantityCount = 10;

class Dimension {
public:
    constexpr Dimension() = default;
    static constexpr Dimension Of(BaseQuantity base) {
        Dimension d;
        d.exponents_[static_cast<std::size_t>(base)] = 1;
        return d;
    }

    constexpr int Exponent(BaseQuantity base) const {
        return exponents_[static_cast<std::size_t>(base)];
    }
    constexpr bool IsNone() const { return *this == Dimension{}; }
    // The largest exponent in size: powers are refused well before a
    // signed byte overflows.
    constexpr int LargestExponent() const {
        int largest = 0;
        for (const auto e : exponents_)
            largest = e < 0 ? (-e > largest ? -e : largest) : (e > largest ? e : largest);
        return largest;
    }

    constexpr Dimension operator*(const Dimension& other) const {
        Dimension d;
        for (std::size_t i = 0; i < exponents_.size(); ++i)
            d.exponents_[i] = static_cast<std::int8_t>(exponents_[i] + other.exponents_[i]);
        return d;
    }
    constexpr Dimension operator/(const Dimension& other) const {
        Dimension d;
        for (std::size_t i = 0; i < exponents_.size(); ++i)
            d.exponents_[i] = static_cast<std::int8_t>(exponents_[i] - other.exponents_[i]);
        return d;
    }
    // Callers keep |power| and the exponents small (MaxDimensionExponent).
    constexpr Dimension Pow(int power) const {
        Dimension d;
        for (std::size_t i = 0; i < exponents_.size(); ++i)
            d.exponents_[i] = static_cast<std::int8_t>(exponents_[i] * power);
        return d;
    }
    constexpr bool operator==(const Dimension&) const = default;

private:
    std::array<std::int8_t, BaseQuantityCount> exponents_{};
};

// Exponents beyond this are refused while an expression is read, so that
// no product or power can overflow the signed bytes above.
inline constexpr int MaxDimensionExponent = 60;

// The letters the unit table is written with.
namespace dim {
inline constexpr Dimension None{};
inline constexpr Dimension L = Dimension::Of(BaseQuantity::Length);
inline constexpr Dimension M = Dimension::Of(BaseQuantity::Mass);
inline constexpr Dimension T = Dimension::Of(BaseQuantity::Time);
inline constexpr Dimension I = Dimension::Of(BaseQuantity::Current);
inline constexpr Dimension Theta = Dimension::Of(BaseQuantity::Temperature);
inline constexpr Dimension J = Dimension::Of(BaseQuantity::LuminousIntensity);
inline constexpr Dimension A = Dimension::Of(BaseQuantity::Angle);
inline constexpr Dimension Info = Dimension::Of(BaseQuantity::Information);
inline constexpr Dimension Money = Dimension::Of(BaseQuantity::Money);
inline constexpr Dimension N = Dimension::Of(BaseQuantity::Amount);
// Derived ones the table uses more than once.
inline constexpr Dimension Area = L * L;
inline constexpr Dimension Volume = L * L * L;
inline constexpr Dimension Force = M * L / (T * T);
inline constexpr Dimension Energy = Force * L;
inline constexpr Dimension Power = Energy / T;
inline constexpr Dimension Charge = I * T;
inline constexpr Dimension Voltage = Power / I;
}  // namespace dim

// "mass/length³", "mass·length²/time²", "1/time", "dimensionless" (UTF-8).
std::string DimensionText(const Dimension& dimension);
