#include "unit_word.h"

#include <cmath>

#include "builtin_units.h"
#include "catalogue.h"
#include "catalogue_limits.h"
#include "text_1252.h"

namespace {

// Each temperature scale's degree in kelvins and its zero's distance from
// absolute zero in its own degrees, in the Temperature row's order.
struct Scale {
    double kelvinPerDegree;
    double zeroOffset;
};
constexpr Scale Scales[] = {
    {1.0, 273.15},      // Celsius
    {5.0 / 9, 459.67},  // Fahrenheit
    {1.0, 0.0},         // Kelvin
    {5.0 / 9, 0.0},     // Rankine
    {5.0 / 4, 218.52},  // Réaumur: 273.15 × 4/5
};
constexpr int ScaleCount = static_cast<int>(std::size(Scales));
constexpr int CelsiusScale = 0, FahrenheitScale = 1, KelvinScale = 2;

// The size of a catalogue unit in SI units: the table's own for a built-in
// unit, else its factor times the reference unit's size.
double SiSize(const Catalogue& catalogue, int row, int position) {
    const BuiltinCategory& category = BuiltinCategories[row];
    if (row != CurrencyRow && position <= category.UnitCount())
        return static_cast<double>(category.units[position - 1].size);
    return static_cast<double>(catalogue.Factor(row, position) * category.reference);
}

class Meanings {
public:
    explicit Meanings(WordMeanings& into) : into_(into) {}
    void Add(const UnitMeaning& meaning) {
        for (int i = 0; i < into_.count; ++i) {
            const UnitMeaning& known = into_.meanings[i];
            if (known.dimension == meaning.dimension && known.size == meaning.size &&
                known.scale == meaning.scale)
                return;
        }
        if (into_.count < MostWordMeanings) into_.meanings[into_.count++] = meaning;
    }
    bool HasDimension(const Dimension& dimension) const {
        for (int i = 0; i < into_.count; ++i)
            if (into_.meanings[i].dimension == dimension) return true;
        return false;
    }

private:
    WordMeanings& into_;
};

UnitMeaning FromSi(const SiReading& reading) {
    UnitMeaning meaning;
    meaning.size = reading.unit->size * reading.factor;
    meaning.dimension = reading.unit->dimension;
    meaning.si = reading.unit;
    meaning.prefix = reading.factor;
    if (reading.unit->kelvin) meaning.scale = KelvinScale;
    return meaning;
}

UnitMeaning Bare(int scale) {
    UnitMeaning meaning;
    meaning.size = Scales[scale].kelvinPerDegree;
    meaning.dimension = dim::Theta;
    meaning.scale = scale;
    meaning.row = TemperatureRow;
    meaning.position = scale + 1;
    meaning.bareLetter = true;
    return meaning;
}

}  // namespace

bool ReadsAsOtherSiUnit(const Catalogue& catalogue, std::span<const UnitPlace> places,
                        std::string_view utf8Word) {
    std::array<SiReading, 4> readings;
    const int count = ReadSiWord(utf8Word, true, readings, false);
    for (int i = 0; i < count; ++i) {
        const double size = readings[i].unit->size * readings[i].factor;
        bool same = false;
        for (const UnitPlace& place : places) {
            if (place.row >= BuiltinCategoryCount || place.row == TemperatureRow) continue;
            const double placeSize = SiSize(catalogue, place.row, place.position);
            same = same || (BuiltinCategories[place.row].dimension == readings[i].unit->dimension &&
                            std::fabs(placeSize / size - 1) < 1e-9);
        }
        if (!same) return true;
    }
    return false;
}

std::optional<UnitMeaning> CatalogueMeaning(const Catalogue& catalogue, int row, int position) {
    // Custom categories have no dimension, and fuel economies convert by formula.
    if (row < 0 || row >= BuiltinCategoryCount || row == FuelEconomyRow || position < 1 ||
        position > catalogue.UnitCount(row))
        return std::nullopt;
    UnitMeaning meaning;
    meaning.row = row;
    meaning.position = position;
    meaning.dimension = BuiltinCategories[row].dimension;
    if (row == TemperatureRow) {
        if (position > ScaleCount) return std::nullopt;
        meaning.scale = position - 1;
        meaning.size = Scales[meaning.scale].kelvinPerDegree;
    } else {
        meaning.size = SiSize(catalogue, row, position);
    }
    return meaning;
}

bool HasSize(const UnitMeaning& meaning, double size, const Dimension& dimension, int scale) {
    if (!(meaning.dimension == dimension) || (meaning.scale >= 0) != (scale >= 0)) return false;
    if (scale >= 0) return meaning.scale == scale;
    return std::isfinite(size) && std::fabs(size - meaning.size) <= 1e-12 * std::fabs(meaning.size);
}

int BareLetterScale(std::string_view utf8Word) {
    return utf8Word == "F" ? FahrenheitScale : utf8Word == "C" ? CelsiusScale : -1;
}

namespace {

WordMeanings ReadAfresh(const NameIndex& index, std::string_view utf8Word) {
    WordMeanings found;
    Meanings meanings(found);
    const Catalogue& catalogue = index.Indexed();
    const auto places = index.Units(utf8Word);
    found.catalogueName = !places.empty();
    for (const UnitPlace& place : places)
        if (const auto meaning = CatalogueMeaning(catalogue, place.row, place.position))
            meanings.Add(*meaning);
    std::array<SiReading, MostWordMeanings> si;
    const bool named = found.count > 0;
    int count = ReadSiWord(utf8Word, true, si);
    for (int i = 0; i < count; ++i) {
        // A name of the catalogue wins over a prefix reading ("ft" is no
        // femtotonne); an SI symbol of another kind than the catalogue's
        // meanings is one more reading ("C" the coulomb beside the speed of light).
        if (named && (si[i].factor != 1 || meanings.HasDimension(si[i].unit->dimension))) continue;
        meanings.Add(FromSi(si[i]));
    }
    // The bare letters of the two everyday scales.
    if (const int scale = BareLetterScale(utf8Word); scale >= 0) meanings.Add(Bare(scale));
    // A name the catalogue leaves ambiguous on purpose ("ton", or one a
    // profile's unit shares) stays so.
    if (found.count == 0 && index.Ambiguous(utf8Word).empty()) {
        count = ReadSiWord(utf8Word, false, si);
        if (count == 1) meanings.Add(FromSi(si[0]));
    }
    return found;
}

}  // namespace

WordMeanings ReadUnitWord(const NameIndex& index, std::string_view utf8Word) {
    if (const WordMeanings* known = index.RememberedWord(utf8Word)) return *known;
    const WordMeanings found = ReadAfresh(index, utf8Word);
    index.RememberWord(utf8Word, found);
    return found;
}

std::string MeaningText(const NameIndex& index, const UnitMeaning& meaning) {
    if (meaning.bareLetter)
        return meaning.scale == FahrenheitScale ? "\xC2\xB0"
                                                  "F"
                                                : "\xC2\xB0"
                                                  "C";
    if (meaning.row >= 0)
        return index.Utf8Name(meaning.row, meaning.position) + " (" +
               index.Utf8Name(meaning.row, 0) + ")";
    std::string text;
    if (meaning.prefix != 1) {
        for (const auto table : {SiPrefixes, BinaryPrefixes}) {
            for (const SiPrefix& prefix : table)
                if (text.empty() && prefix.factor == meaning.prefix) text = prefix.name;
        }
    }
    const std::string_view names = meaning.si->names;
    text += names.empty() ? meaning.si->symbol : names.substr(0, names.find('|'));
    return text + " (" + DimensionText(meaning.dimension) + ")";
}

double KelvinFrom(int scale, double degrees) {
    return (degrees + Scales[scale].zeroOffset) * Scales[scale].kelvinPerDegree;
}

double DegreesFrom(int scale, double kelvin) {
    return kelvin / Scales[scale].kelvinPerDegree - Scales[scale].zeroOffset;
}

double KelvinPerDegree(int scale) { return Scales[scale].kelvinPerDegree; }

bool BelowAbsoluteZeroOnScale(int position, double value) {
    return position >= 1 && position <= ScaleCount &&
           BelowAbsoluteZero(KelvinFrom(position - 1, value));
}
