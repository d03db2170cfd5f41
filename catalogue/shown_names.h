#pragma once
// The names a session shows: the catalogue's own (English) names, or their
// German names in a German session. Only what is shown changes; the
// catalogue's names stay the identity that lists map back through and the
// profile stores. Custom categories and units, and units without a German
// name (the currencies of the rates), show their names as they are.
// Windows-1252, like the catalogue.
//
//   ShownCategoryName(catalogue, distance, NameLanguage::German)  -> "L\xE4nge"
//   ShownUnitName(catalogue, distance, inches, NameLanguage::German) -> "Zoll"
//   ShownUnitName(catalogue, distance, inches, NameLanguage::English) -> "Inches"
#include <string_view>

#include "name_language.h"

class Catalogue;

std::string_view ShownCategoryName(const Catalogue& catalogue, int row, NameLanguage language);
std::string_view ShownUnitName(const Catalogue& catalogue, int row, int position,
                               NameLanguage language);

// The German name of the built-in unit called `unit` in built-in `row`;
// empty when it has none.
std::string_view GermanNameOf(int row, std::string_view unit);
