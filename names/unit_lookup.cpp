#include "unit_lookup.h"

#include <algorithm>
#include <array>

#include "builtin_units.h"
#include "catalogue.h"
#include "currency_units.h"
#include "german_names.h"
#include "grammar_clash.h"
#include "text_1252.h"
#include "unit_aliases.h"
#include "unit_choice.h"

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
        // The runs come in row order: each row is looked for from the last
        // one found, so the search is one comparison a run.
        int row = 0;
        for (std::size_t i = 1; i <= table.size(); ++i) {
            if (i < table.size() && table[i].category == table[start].category) continue;
            for (int tried = 0; tried < BuiltinCategoryCount; ++tried) {
                if (table[start].category == BuiltinCategories[row].name) {
                    rows[static_cast<std::size_t>(row)] = table.subspan(start, i - start);
                    break;
                }
                row = (row + 1) % BuiltinCategoryCount;
            }
            start = i;
        }
        // The currencies keep their names and symbols in a table of their own.
        rows[static_cast<std::size_t>(CurrencyRow)] = CurrencyAliases;
        return rows;
    }();
    return byRow;
}

std::span<const UnitAliases> AliasEntriesOf(int row) {
    if (row < 0 || row >= BuiltinCategoryCount) return {};
    return AliasesByRow()[static_cast<std::size_t>(row)];
}

// The unit among the first `count` positions of `row` named exactly `name`.
std::optional<int> BuiltinUnitByName(const Catalogue& catalogue, int row, std::string_view name) {
    const int count = std::min(catalogue.BuiltinUnitsOf(row), catalogue.UnitCount(row));
    for (int position = 1; position <= count; ++position) {
        if (catalogue.Name(row, position) == name) return position;
    }
    return std::nullopt;
}

// The German spellings of an entry that match in any case: its shown name
// (unless it is one to write as written, "PS") and its other spellings.
template <typename Take>
bool AnyGermanPart(const GermanUnitName& entry, Take take) {
    const bool nameExact =
        AnyPart(entry.exactCase, [&](std::string_view exact) { return exact == entry.name; });
    return (!nameExact && take(entry.name)) || AnyPart(entry.aliases, take);
}

// What `name` means among the built-in units of `row`: the exact name, else
// the name in any case, else the unit of an alias (case-sensitive aliases
// first, the English ones before the German in each kind). Exact when the
// name is written as some unit's name or alias is; that is only worked out
// when `ranked` (a custom unit answers too).
UnitMatch BuiltinMatch(const Catalogue& catalogue, int row, std::string_view name,
                       bool ranked = true) {
    std::optional<int> anyCase;
    const int count = std::min(catalogue.BuiltinUnitsOf(row), catalogue.UnitCount(row));
    for (int position = 1; position <= count; ++position) {
        if (catalogue.Name(row, position) == name) return {position, true};
        if (EqualsNoCase(catalogue.Name(row, position), name)) anyCase = position;
    }
    const auto entries = AliasEntriesOf(row);
    const auto german = GermanUnitsOfRow(row);
    const auto same = [&](std::string_view alias) { return alias == name; };
    const auto sameNoCase = [&](std::string_view alias) { return EqualsNoCase(alias, name); };
    bool exactAlias = false;
    if (ranked) {
        for (const UnitAliases& entry : entries)
            exactAlias =
                exactAlias || AnyPart(entry.exactCase, same) || AnyPart(entry.anyCase, same);
        for (const GermanUnitName& entry : german)
            exactAlias = exactAlias || AnyPart(entry.exactCase, same) || AnyGermanPart(entry, same);
    }
    if (anyCase) return {anyCase, exactAlias};
    for (const UnitAliases& entry : entries) {
        if (AnyPart(entry.exactCase, same))
            return {BuiltinUnitByName(catalogue, row, entry.unit), true};
    }
    for (const GermanUnitName& entry : german) {
        if (AnyPart(entry.exactCase, same))
            return {BuiltinUnitByName(catalogue, row, entry.unit), true};
    }
    for (const UnitAliases& entry : entries) {
        if (AnyPart(entry.anyCase, sameNoCase))
            return {BuiltinUnitByName(catalogue, row, entry.unit), exactAlias};
    }
    for (const GermanUnitName& entry : german) {
        if (AnyGermanPart(entry, sameNoCase))
            return {BuiltinUnitByName(catalogue, row, entry.unit), exactAlias};
    }
    return {};
}

// A profile's name that could be taken for a word or sign of a query ("To",
// "Ft+in") answers only to itself as written: "to" and "ft+in" keep their
// meaning in a query.
bool AnswersInAnyCase(std::string_view customName) {
    return GrammarClashOf(customName) == GrammarClash::None;
}

// What `name` means among the custom units of `row`: the last named exactly
// so, else the last named so in any case.
UnitMatch CustomMatch(const Catalogue& catalogue, int row, std::string_view name) {
    std::optional<int> exact, anyCase;
    for (int position = catalogue.BuiltinUnitsOf(row) + 1; position <= catalogue.UnitCount(row);
         ++position) {
        const std::string& unit = catalogue.Name(row, position);
        if (unit == name) exact = position;
        if (EqualsNoCase(unit, name) && AnswersInAnyCase(unit)) anyCase = position;
    }
    return {exact ? exact : anyCase, exact.has_value()};
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
        const std::string& category = catalogue.CategoryName(row);
        if (category == name) exact = row;
        if (EqualsNoCase(category, name) && (row < FirstCustomRow || AnswersInAnyCase(category)))
            anyCase = row;
    }
    if (exact || anyCase) return exact ? exact : anyCase;
    // The German names of the built-in categories, in any language.
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        const GermanCategoryName* german = GermanCategoryOfRow(row);
        if (german && (EqualsNoCase(german->name, name) ||
                       AnyPart(german->aliases,
                               [&](std::string_view alias) { return EqualsNoCase(alias, name); })))
            return row;
    }
    return std::nullopt;
}

std::optional<int> FindUnitIn(const Catalogue& catalogue, int row, std::string_view name) {
    if (!IsCategoryInUse(catalogue, row)) return std::nullopt;
    const UnitMatch custom = CustomMatch(catalogue, row, name);
    return ChooseUnit(BuiltinMatch(catalogue, row, name, custom.position.has_value()), custom)
        .position;
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
            if (const auto position = BuiltinUnitByName(catalogue, *row, unit))
                places.push_back({*row, *position});
            return false;
        });
    }
    // A profile's unit that answers to the name as well as a built-in one does.
    // Only a built-in category the profile added units to can hold a tie.
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        if (catalogue.UnitCount(row) <= catalogue.BuiltinUnitsOf(row)) continue;
        const UnitChoice choice =
            ChooseUnit(BuiltinMatch(catalogue, row, name), CustomMatch(catalogue, row, name));
        for (int position : choice.ambiguous) places.push_back({row, position});
    }
    return places;
}

std::vector<std::string_view> AliasesOf(const Catalogue& catalogue, int row, int position) {
    std::vector<std::string_view> aliases;
    for (const UnitAliases& entry : AliasEntriesOf(row)) {
        if (BuiltinUnitByName(catalogue, row, entry.unit) != position) continue;
        for (const std::string_view list : {entry.anyCase, entry.exactCase}) {
            AnyPart(list, [&](std::string_view alias) {
                if (!alias.empty()) aliases.push_back(alias);
                return false;
            });
        }
    }
    // The German spellings after the English ones, each once: "Gon" is the
    // unit's own name, "Bit" an English alias already.
    const auto add = [&](std::string_view alias) {
        if (alias.empty() || EqualsNoCase(alias, catalogue.Name(row, position))) return false;
        for (std::string_view known : aliases)
            if (EqualsNoCase(known, alias)) return false;
        aliases.push_back(alias);
        return false;
    };
    for (const GermanUnitName& entry : GermanUnitsOfRow(row)) {
        if (BuiltinUnitByName(catalogue, row, entry.unit) != position) continue;
        AnyPart(entry.exactCase, add);
        AnyGermanPart(entry, add);
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
