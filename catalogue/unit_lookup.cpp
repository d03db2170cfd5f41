#include "unit_lookup.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "builtin_units.h"
#include "catalogue.h"
#include "currency_units.h"
#include "text_1252.h"
#include "unit_aliases.h"

namespace {

// Calls `take` with each part of a "|"-separated list; stops when it returns true.
template <typename Take>
bool AnyPart(std::string_view list, Take take) {
    while (!list.empty()) {
        const std::size_t bar = list.find('|');
        if (take(list.substr(0, bar))) return true;
        if (bar == std::string_view::npos) break;
        list.remove_prefix(bar + 1);
    }
    return false;
}

std::optional<int> BuiltinRow(std::string_view category) {
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        if (category == BuiltinCategories[row].name) return row;
    }
    if (category == CurrencyName) return CurrencyRow;
    return std::nullopt;
}

// The alias entries of each built-in row, sorted out once.
const std::array<std::vector<const UnitAliases*>, CategoryRowCount>& AliasesByRow() {
    static const auto byRow = [] {
        std::array<std::vector<const UnitAliases*>, CategoryRowCount> rows;
        for (const auto aliases : {BuiltinAliases, CurrencyAliases}) {
            for (const UnitAliases& entry : aliases)
                if (const auto row = BuiltinRow(entry.category)) rows[*row].push_back(&entry);
        }
        return rows;
    }();
    return byRow;
}

std::span<const UnitAliases* const> AliasEntriesOf(int row) {
    if (row < 0 || row >= CategoryRowCount) return {};
    return AliasesByRow()[row];
}

}  // namespace

bool IsCategoryInUse(int row) {
    if (row < 0 || row >= CategoryRowCount) return false;
    return row < FirstCustomRow || !IsCustomRowFree(row);
}

std::optional<int> FindCategory(std::string_view name) {
    std::optional<int> exact, anyCase;
    for (int row = 0; row < CategoryRowCount; ++row) {
        if (!IsCategoryInUse(row)) continue;
        if (UnitNames[row][0] == name) exact = row;
        if (EqualsNoCase(UnitNames[row][0], name)) anyCase = row;
    }
    return exact ? exact : anyCase;
}

std::optional<int> FindUnitIn(int row, std::string_view name) {
    if (!IsCategoryInUse(row)) return std::nullopt;
    std::optional<int> exact, anyCase;
    const int count = UnitCount(row);
    for (int position = 1; position <= count; ++position) {
        if (UnitNames[row][position] == name) exact = position;
        if (EqualsNoCase(UnitNames[row][position], name)) anyCase = position;
    }
    if (exact) return exact;
    if (anyCase) return anyCase;

    const auto entries = AliasEntriesOf(row);
    for (const UnitAliases* entry : entries) {
        if (AnyPart(entry->exactCase, [&](std::string_view alias) { return alias == name; }))
            return UnitByName(row, entry->unit);
    }
    for (const UnitAliases* entry : entries) {
        if (AnyPart(entry->anyCase,
                    [&](std::string_view alias) { return EqualsNoCase(alias, name); }))
            return UnitByName(row, entry->unit);
    }
    return std::nullopt;
}

std::vector<UnitPlace> FindUnits(std::string_view name) {
    std::vector<UnitPlace> places;
    for (int row = 0; row < CategoryRowCount; ++row) {
        if (const auto position = FindUnitIn(row, name)) places.push_back({row, *position});
    }
    return places;
}

std::vector<UnitPlace> AmbiguousCandidates(std::string_view name) {
    std::vector<UnitPlace> places;
    for (const AmbiguousName& entry : AmbiguousNames) {
        if (!EqualsNoCase(entry.name, name)) continue;
        const auto row = BuiltinRow(entry.category);
        if (!row) continue;
        AnyPart(entry.candidates, [&](std::string_view unit) {
            if (const auto position = UnitByName(*row, unit)) places.push_back({*row, *position});
            return false;
        });
    }
    return places;
}

std::vector<std::string_view> AliasesOf(int row, int position) {
    std::vector<std::string_view> aliases;
    for (const UnitAliases* entry : AliasEntriesOf(row)) {
        if (UnitByName(row, entry->unit) != position) continue;
        for (const char* list : {entry->anyCase, entry->exactCase}) {
            AnyPart(list, [&](std::string_view alias) {
                if (!alias.empty()) aliases.push_back(alias);
                return false;
            });
        }
    }
    return aliases;
}

std::vector<AliasPlace> EveryAlias() {
    std::vector<AliasPlace> every;
    for (int row = 0; row < CategoryRowCount; ++row) {
        if (row >= BuiltinCategoryCount && row != CurrencyRow) continue;
        for (int position = 1; position <= UnitCount(row); ++position) {
            for (std::string_view alias : AliasesOf(row, position))
                every.push_back({alias, {row, position}});
        }
    }
    return every;
}
