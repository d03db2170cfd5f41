#include "unit_lookup.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "builtin_units.h"
#include "catalogue.h"
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
    return std::nullopt;
}

// The alias entries of each built-in row: the table keeps each category's
// entries together, so a row's are one run of it, found in one pass without
// allocating (a single conversion pays for this at start).
const std::array<std::span<const UnitAliases>, BuiltinCategoryCount>& AliasesByRow() {
    static const auto byRow = [] {
        std::array<std::span<const UnitAliases>, BuiltinCategoryCount> rows{};
        const std::span<const UnitAliases> table = BuiltinAliases;
        std::size_t start = 0;
        for (std::size_t i = 1; i <= table.size(); ++i) {
            if (i < table.size() && std::strcmp(table[i].category, table[start].category) == 0)
                continue;
            if (const auto row = BuiltinRow(table[start].category))
                rows[static_cast<std::size_t>(*row)] = table.subspan(start, i - start);
            start = i;
        }
        return rows;
    }();
    return byRow;
}

std::span<const UnitAliases> AliasEntriesOf(int row) {
    if (row < 0 || row >= BuiltinCategoryCount) return {};
    return AliasesByRow()[static_cast<std::size_t>(row)];
}

}  // namespace

bool IsCategoryInUse(const Catalogue& catalogue, int row) {
    if (row < 0 || row >= CategoryRowCount) return false;
    return row < FirstCustomRow || !catalogue.IsCustomRowFree(row);
}

std::optional<int> FindCategory(const Catalogue& catalogue, std::string_view name) {
    std::optional<int> exact, anyCase;
    for (int row = 0; row < CategoryRowCount; ++row) {
        if (!IsCategoryInUse(catalogue, row)) continue;
        if (catalogue.CategoryName(row) == name) exact = row;
        if (EqualsNoCase(catalogue.CategoryName(row), name)) anyCase = row;
    }
    return exact ? exact : anyCase;
}

std::optional<int> FindUnitIn(const Catalogue& catalogue, int row, std::string_view name) {
    if (!IsCategoryInUse(catalogue, row)) return std::nullopt;
    std::optional<int> exact, anyCase;
    const int count = catalogue.UnitCount(row);
    for (int position = 1; position <= count; ++position) {
        if (catalogue.Name(row, position) == name) exact = position;
        if (EqualsNoCase(catalogue.Name(row, position), name)) anyCase = position;
    }
    if (exact) return exact;
    if (anyCase) return anyCase;

    const auto entries = AliasEntriesOf(row);
    for (const UnitAliases& entry : entries) {
        if (AnyPart(entry.exactCase, [&](std::string_view alias) { return alias == name; }))
            return catalogue.UnitByName(row, entry.unit);
    }
    for (const UnitAliases& entry : entries) {
        if (AnyPart(entry.anyCase,
                    [&](std::string_view alias) { return EqualsNoCase(alias, name); }))
            return catalogue.UnitByName(row, entry.unit);
    }
    return std::nullopt;
}

std::vector<UnitPlace> FindUnits(const Catalogue& catalogue, std::string_view name) {
    std::vector<UnitPlace> places;
    for (int row = 0; row < CategoryRowCount; ++row) {
        if (const auto position = FindUnitIn(catalogue, row, name))
            places.push_back({row, *position});
    }
    return places;
}

std::vector<UnitPlace> AmbiguousCandidates(const Catalogue& catalogue, std::string_view name) {
    std::vector<UnitPlace> places;
    for (const AmbiguousName& entry : AmbiguousNames) {
        if (!EqualsNoCase(entry.name, name)) continue;
        const auto row = BuiltinRow(entry.category);
        if (!row) continue;
        AnyPart(entry.candidates, [&](std::string_view unit) {
            if (const auto position = catalogue.UnitByName(*row, unit))
                places.push_back({*row, *position});
            return false;
        });
    }
    return places;
}

std::vector<std::string_view> AliasesOf(const Catalogue& catalogue, int row, int position) {
    std::vector<std::string_view> aliases;
    for (const UnitAliases& entry : AliasEntriesOf(row)) {
        if (catalogue.UnitByName(row, entry.unit) != position) continue;
        for (const char* list : {entry.anyCase, entry.exactCase}) {
            AnyPart(list, [&](std::string_view alias) {
                if (!alias.empty()) aliases.push_back(alias);
                return false;
            });
        }
    }
    return aliases;
}

std::vector<AliasPlace> EveryAlias(const Catalogue& catalogue) {
    std::vector<AliasPlace> every;
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        for (int position = 1; position <= catalogue.UnitCount(row); ++position) {
            for (std::string_view alias : AliasesOf(catalogue, row, position))
                every.push_back({alias, {row, position}});
        }
    }
    return every;
}
