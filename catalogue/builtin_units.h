#pragma once
// The built-in content of the catalogue, as data: each category's name, its
// reference unit and its units, every size taken from unit_sizes.h. The
// catalogue's shape (how many categories and units, which row converts by
// which formula) is computed from this table, so a category is added here
// and nowhere else.
//
// The data is constant-initialised (no vectors): the catalogue is filled by a
// static initialiser in another file, and the order in which static
// initialisers of different files run is unspecified, so dynamically
// initialised data could still be empty when it is read.
#include <cstddef>
#include <string_view>

#include "dimension.h"
#include "unit_sizes.h"

// The fullest built-in row ("Flow").
inline constexpr int MostBuiltinUnits = 34;

// How a category converts: through its factors, or by a formula that knows
// each of its units by position (those units have factor 0, so no custom
// unit can be defined as a multiple of one).
enum class ConversionWay { Factors, Temperature, FuelEconomy };

struct BuiltinUnit {
    const char* name;  // Windows-1252; null in the unused places of a row
    long double size;  // in the units of unit_sizes.h; 0 for formula units
};

struct BuiltinCategory {
    const char* name;       // Windows-1252
    Dimension dimension;    // of every unit of the category, custom ones too
    long double reference;  // the size of the unit that has factor 1
    BuiltinUnit units[MostBuiltinUnits];
    ConversionWay way = ConversionWay::Factors;

    // The units come first; the places after the last one have no name.
    constexpr int UnitCount() const {
        int count = 0;
        while (count < MostBuiltinUnits && units[count].name != nullptr) ++count;
        return count;
    }
    // One unit's size in the reference unit, rounded once to a double.
    constexpr double Factor(int index) const {
        return static_cast<double>(units[index].size / reference);
    }
};

#include "builtin_table.h"

// The position of the built-in category converted by `way`, -1 for none.
constexpr int BuiltinRowConvertedBy(ConversionWay way) {
    for (std::size_t row = 0; row < std::size(BuiltinCategories); ++row) {
        if (BuiltinCategories[row].way == way) return static_cast<int>(row);
    }
    return -1;
}

// The position of the built-in category named `name`, -1 for none.
constexpr int BuiltinRowNamed(std::string_view name) {
    for (std::size_t row = 0; row < std::size(BuiltinCategories); ++row) {
        if (name == BuiltinCategories[row].name) return static_cast<int>(row);
    }
    return -1;
}

constexpr int CountBuiltinUnits() {
    int total = 0;
    for (const BuiltinCategory& category : BuiltinCategories) total += category.UnitCount();
    return total;
}
