#pragma once
// What one word of an expression means as a unit: each reading with its
// size in SI units and its dimension. UTF-8 in.
//
// The case rule: the catalogue's names and aliases as written first, then
// the SI table's symbols and prefixed symbols as written (si_units.h), then
// the catalogue's names in any case (the name index gives those only when
// no SI reading as written exists: "nm" is the nanometre, not "Nm"), and
// last an SI reading in any case when there is exactly one.
//
//   "km"   -> Kilometers, 1000 m, length
//   "min"  -> Minutes (Angle), 2.9e-4 rad, angle; Minutes (Time), 60 s, time
//   "kJ"   -> kilojoule, 1000 J, energy
//   "Gb"   -> gigabit (information) and gigabarn (area)
//   "F"    -> Farad; and °F, read as a temperature by its bare letter
//   "°C"   -> Celsius, a temperature alone, a kelvin-sized degree in a product
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "catalogue_limits.h"
#include "dimension.h"
#include "name_index.h"
#include "si_units.h"

struct UnitMeaning {
    double size = 1;  // in SI units; for a temperature, the size of its degree
    Dimension dimension;
    int scale = -1;  // a temperature scale (Temperature row position - 1), else -1
    int row = -1;    // the catalogue's unit, or -1 for the SI table's
    int position = 0;
    const SiUnit* si = nullptr;
    double prefix = 1;
    bool bareLetter = false;  // "F" or "C" taken for °F or °C
};

inline constexpr int MostWordMeanings = 8;

struct WordMeanings {
    int count = 0;
    std::array<UnitMeaning, MostWordMeanings> meanings;
    bool catalogueName = false;  // a name or alias of the catalogue, custom ones too
};

WordMeanings ReadUnitWord(const NameIndex& index, std::string_view utf8Word);

// The unit at `row`, `position` of the catalogue as a word's meaning: its
// size in SI units, its dimension and, in Temperature, its scale. Nothing
// for a unit without a dimension (a custom category's, a fuel economy,
// which converts by formula) or a place the catalogue does not hold.
std::optional<UnitMeaning> CatalogueMeaning(const Catalogue& catalogue, int row, int position);

// Whether `meaning` is a unit `size` SI units large of `dimension`, to
// within 1e-12 of its size; for a temperature alone (`scale` >= 0), whether
// it is that scale. Two units of one size and dimension are one quantity
// whatever their names: "N*m" is the newton metre and the joule.
bool HasSize(const UnitMeaning& meaning, double size, const Dimension& dimension, int scale);

// The temperature scale a bare "F" or "C" stands for (Temperature row
// position - 1), else -1.
int BareLetterScale(std::string_view utf8Word);

// Whether the word reads, by its symbol as written, as an SI unit (prefixed
// or not) that none of `places` is: then a catalogue name that matches it
// only in other case does not count ("nm" the nanometre, not the newton
// metre's "Nm"; "ml" stays the millilitre).
bool ReadsAsOtherSiUnit(const Catalogue& catalogue, std::span<const UnitPlace> places,
                        std::string_view utf8Word);

// "Minutes (Time)", "gigabarn (area)", "°F" (UTF-8), for refusals that list readings.
std::string MeaningText(const NameIndex& index, const UnitMeaning& meaning);

// Kelvin from a temperature on `scale` (ConvertValue's scales), and back.
double KelvinFrom(int scale, double degrees);
double DegreesFrom(int scale, double kelvin);
// The size of a degree of `scale` in kelvins.
double KelvinPerDegree(int scale);

// Whether a temperature lies below absolute zero, in kelvins or as `value`
// in unit `position` of `row` (false for a unit of no temperature scale),
// allowing for the rounding of the scales' offsets (0 °R is -5.7e-14 K by
// way of Celsius).
// Asked on every plain batch line, so the usual answer stays inline.
inline bool BelowAbsoluteZero(double kelvin) { return kelvin < -1e-9; }
bool BelowAbsoluteZeroOnScale(int position, double value);
inline bool BelowAbsoluteZero(int row, int position, double value) {
    return row == TemperatureRow && BelowAbsoluteZeroOnScale(position, value);
}
