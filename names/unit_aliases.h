#pragma once
// The names people type for the built-in units: symbols, singular and plural,
// British and American spellings. Data only; unit_lookup.h reads it.
//
// Each entry names one built-in unit by its category and its exact catalogue
// name, and gives its aliases separated by "|". Aliases in `anyCase` match
// without regard to case; those in `exactCase` only as written, for symbols
// whose case is their meaning ("mS" millisiemens, "MS" megasiemens). All
// text is Windows-1252, like the catalogue.
//
// A few names stand for several units of one category and are no alias:
// they are refused with the candidates listed (AmbiguousNames).
#include <span>
#include <string_view>

#include "hashed_names.h"

// Views of literals: their lengths are known when the program is built, so
// a lookup that walks the lists measures nothing.
struct UnitAliases {
    std::string_view category;
    std::string_view unit;
    std::string_view anyCase;    // "" when none
    std::string_view exactCase;  // "" when none
};

struct AmbiguousName {
    const char* name;        // matched without regard to case
    const char* category;    // every candidate lies in this category
    const char* candidates;  // exact unit names separated by "|"
};

extern const std::span<const UnitAliases> BuiltinAliases;
// Every alias by its case-insensitive hash, with its row (hashed_names.h).
extern const std::span<const HashedName> BuiltinAliasHashes;
extern const std::span<const AmbiguousName> AmbiguousNames;
