#include "unit_symbol.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "catalogue_limits.h"
#include "currency_units.h"
#include "unit_aliases.h"

namespace {

bool IsWordCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-';
}

// The alias lists hold symbols and words alike ("mi|mile", "gons",
// "leap-year"): a symbol is short, or holds more than letters ("km/h",
// "\xB0C", "m\xB2").
bool IsSymbol(std::string_view alias) {
    if (alias.empty() || alias.find(' ') != std::string_view::npos) return false;
    return alias.size() <= 3 || !std::all_of(alias.begin(), alias.end(), IsWordCharacter);
}

std::string_view FirstSymbol(std::string_view list) {
    while (!list.empty()) {
        const std::size_t bar = list.find('|');
        const std::string_view alias = list.substr(0, bar);
        if (IsSymbol(alias)) return alias;
        list = bar == std::string_view::npos ? std::string_view() : list.substr(bar + 1);
    }
    return {};
}

}  // namespace

std::string UnitSymbol(const Catalogue& catalogue, int row, int position) {
    std::string name = catalogue.Name(row, position);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    const bool builtin =
        row >= 0 && row < BuiltinCategoryCount && position >= 1 &&
        position <= std::min(catalogue.BuiltinUnitsOf(row), catalogue.UnitCount(row));
    if (!builtin) return name;
    const bool currency = row == CurrencyRow;
    // A currency is written by its code ("EUR", not "\x80").
    if (const CurrencyWords* words = currency ? catalogue.CurrencyWordsAt(position) : nullptr)
        return words->code;
    const std::span<const UnitAliases> entries = currency ? CurrencyAliases : BuiltinAliases;
    for (const UnitAliases& entry : entries) {
        if (entry.unit != catalogue.Name(row, position) ||
            (!currency && entry.category != catalogue.CategoryName(row)))
            continue;
        // Symbols whose case is their meaning come first ("K", "mm"); a
        // currency is written by its code ("EUR", not "\x80").
        const std::string_view first = currency ? entry.anyCase : entry.exactCase;
        const std::string_view second = currency ? entry.exactCase : entry.anyCase;
        for (const std::string_view list : {first, second}) {
            const std::string_view symbol = FirstSymbol(list);
            if (!symbol.empty()) return std::string(symbol);
        }
    }
    return name;
}
