#include "shown_names.h"

#include "catalogue.h"
#include "catalogue_limits.h"
#include "german_names.h"

std::string_view GermanNameOf(int row, std::string_view unit) {
    for (const GermanUnitName& entry : GermanUnitsOfRow(row)) {
        if (entry.unit == unit) return entry.name;
    }
    return {};
}

std::string_view ShownCategoryName(const Catalogue& catalogue, int row, NameLanguage language) {
    if (language == NameLanguage::German) {
        if (const GermanCategoryName* german = GermanCategoryOfRow(row)) return german->name;
    }
    return catalogue.CategoryName(row);
}

std::string_view ShownUnitName(const Catalogue& catalogue, int row, int position,
                               NameLanguage language) {
    const std::string& name = catalogue.Name(row, position);
    // A unit the profile added keeps its name, even one spelt like a built-in unit.
    if (language != NameLanguage::German || position > catalogue.BuiltinUnitsOf(row)) return name;
    if (row == CurrencyRow) {
        // A currency's German name comes with the rates, from iso-codes.
        const CurrencyWords* words = catalogue.CurrencyWordsAt(position);
        return words && !words->german.empty() ? std::string_view(words->german) : name;
    }
    const std::string_view german = GermanNameOf(row, name);
    return german.empty() ? std::string_view(name) : german;
}
