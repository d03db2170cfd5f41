#pragma once
// The German names of the built-in categories and units: the name a German
// session shows, and the other German spellings people type (plurals,
// "ss" for "ß", "pro" for "/"). Data only; shown_names.h shows the names
// and unit_lookup.h finds units and categories by them in any language.
//
// Each entry names its category and unit by their catalogue (English)
// names, which stay the identity the profile stores. `aliases` match in any
// case, `exactCase` only as written: "Grad" is the degree, while "grad"
// stays the English name of the gon ("Grades"). All text is Windows-1252.
//
//   {"Distance", "Inches", "Zoll", "", ""}
//   {"Distance", "Miles", "Meilen", "Meile|Landmeile|Landmeilen", ""}
#include <span>
#include <string_view>

#include "hashed_names.h"

struct GermanCategoryName {
    std::string_view category;  // the catalogue's name
    std::string_view name;      // shown in German
    std::string_view aliases;   // other spellings, "|"-separated, any case; "" when none
};

struct GermanUnitName {
    std::string_view category;   // the catalogue's names of the category
    std::string_view unit;       // and of the unit
    std::string_view name;       // shown in German
    std::string_view aliases;    // other spellings, any case; "" when none
    std::string_view exactCase;  // spellings matched only as written; "" when none
};

// In the order of the built-in table: categories in row order, the units of
// one category together.
extern const std::span<const GermanCategoryName> GermanCategoryNames;
extern const std::span<const GermanUnitName> GermanUnitNames;
// Every German spelling of a unit by its case-insensitive hash, with its row
// (hashed_names.h).
extern const std::span<const HashedName> GermanUnitHashes;

// The German names of built-in `row`, in table order: empty for a row
// outside the built-in ones. The category's is null for those.
std::span<const GermanUnitName> GermanUnitsOfRow(int row);
const GermanCategoryName* GermanCategoryOfRow(int row);
