#pragma once
// The built-in content of the catalogue, as read-only data. Only catalogue.cpp
// reads it (a Catalogue fills its rows from it); everything else goes through
// a Catalogue.
//
// The data is constant-initialised (no vectors), so it is there before any
// code runs, a Catalogue built by a static object included.
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
