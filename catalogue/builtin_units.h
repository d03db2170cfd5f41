#pragma once
// The built-in content of the catalogue, as data. Only catalogue.cpp reads it
// (to fill the tables at start); everything else goes through the tables.
//
// The data is constant-initialised (no vectors): the catalogue is filled by a
// static initialiser in another file, and the order in which static
// initialisers of different files run is unspecified, so dynamically
// initialised data could still be empty when it is read.
#include <array>

#include "catalogue_limits.h"

// The fullest built-in row ("Flow").
inline constexpr int MostBuiltinUnits = 34;

struct BuiltinUnit {
    const char* name;  // Windows-1252; null in the unused places of a row
    double factor;     // one unit in the category's reference unit
};

struct BuiltinCategory {
    const char* name;  // Windows-1252
    BuiltinUnit units[MostBuiltinUnits];

    // The units come first; the places after the last one have no name.
    constexpr int UnitCount() const {
        int count = 0;
        while (count < MostBuiltinUnits && units[count].name != nullptr) ++count;
        return count;
    }
};

extern const std::array<BuiltinCategory, BuiltinCategoryCount> BuiltinCategories;
