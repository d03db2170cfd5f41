#pragma once
// The built-in content of the catalogue, as data. Only catalogue.cpp reads it
// (to fill the tables at start); everything else goes through the tables.
#include <array>
#include <vector>

#include "catalogue_limits.h"

struct BuiltinUnit {
    const char* name;  // Windows-1252
    double factor;     // one unit in the category's reference unit
};

struct BuiltinCategory {
    const char* name;  // Windows-1252
    std::vector<BuiltinUnit> units;
};

extern const std::array<BuiltinCategory, BuiltinCategoryCount> BuiltinCategories;
