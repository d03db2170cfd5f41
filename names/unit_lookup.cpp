#include "unit_lookup.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "builtin_units.h"
#include "catalogue.h"
#include "currency_units.h"
#include "german_names.h"
#include "grammar_clash.h"
#include "hashed_names.h"
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

// Every built-in unit's own name with its row; the Currency row's units come
// with the rates, so that row is always walked.
constexpr auto UnitNames = [](const BuiltinCategory& category, auto take) {
    const int row = BuiltinRowNamed(category.name);
    for (int k = 0; k < category.UnitCount(); ++k) take(category.units[k].name, row);
};
constexpr auto UnitNameHashes =
    HashNames<CountNames(BuiltinCategories, UnitNames)>(BuiltinCategories, UnitNames);
static_assert(BuiltinCategoryCount <= 64, "a row is a bit of the hashed names' rows");

// The built-in rows whose own units may answer to `name`: those with a
// name or alias (English or German) of the same case-insensitive hash, and
// the rows whose units are not the table's (Currency, once rates are in).
std::uint64_t BuiltinRowsThatMayName(const Catalogue& catalogue, std::string_view name) {
    const std::uint32_t hash = FoldedNameHash(name);
    std::uint64_t rows = RowsWithHash(UnitNameHashes, hash) |
                         RowsWithHash(BuiltinAliasHashes, hash) |
                         RowsWithHash(GermanUnitHashes, hash) | RowBit(CurrencyRow);
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        if (catalogue.BuiltinUnitsOf(row) != BuiltinCategories[row].UnitCount())
            rows |= RowBit(row);
    }
    return rows;
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

// The unit among the first `count` positions of `row` named exactly `name`;
// in Currency, the alias tables name a currency by its code.
std::optional<int> BuiltinUnitByName(const Catalogue& catalogue, int row, std::string_view name) {
    const int count = std::min(catalogue.BuiltinUnitsOf(row), catalogue.UnitCount(row));
    for (int position = 1; position <= count; ++position) {
        if (catalogue.Name(row, position) == name) return position;
        if (row != CurrencyRow) continue;
        const CurrencyWords* words = catalogue.CurrencyWordsAt(position);
        if (words && words->code == name) return position;
    }
    return std::nullopt;
}

// Calls `take` with the words a currency of the rates answers to in any
// case: its code and its ISO names.
template <typename Take>
bool AnyCurrencyWord(const Catalogue& catalogue, int row, int position, Take take) {
    const CurrencyWords* words = row == CurrencyRow ? catalogue.CurrencyWordsAt(position) : nullptr;
    if (!words) return false;
    for (const std::string* word : {&words->code, &words->english, &words->german})
        if (!word->empty() && take(std::string_view(*word))) return true;
    return false;
}

// The German spellings of an entry that match in any case: its shown name
// (unless it is one to write as written, "PS") and its other spellings.
template <typename Take>
bool AnyGermanPart(const GermanUnitName& entry, Take take) {
    const bool nameExact =
        AnyPart(entry.exactCase, [&](std::string_view exact) { return exact == entry.name; });
    return (!nameExact && take(entry.name)) || AnyPart(entry.aliases, take);
}

// Whether some alias of `row`, English or German, is written exactly `name`.
bool AnyExactAlias(int row, std::string_view name) {
    const auto same = [&](std::string_view alias) { return alias == name; };
    for (const UnitAliases& entry : AliasEntriesOf(row))
        if (AnyPart(entry.exactCase, same) || AnyPart(entry.anyCase, same)) return true;
    for (const GermanUnitName& entry : GermanUnitsOfRow(row))
        if (AnyPart(entry.exactCase, same) || AnyGermanPart(entry, same)) return true;
    return false;
}

// What `name` means among the built-in units of `row`: the exact name, else
// the name in any case, else the unit of an alias: the case-sensitive
// aliases first, the English ones before the German in each kind. Exact when
// the name is written as some unit's name or alias is; that is only worked
// out when `ranked` (a custom unit answers too).
//
// Every new name is looked for in every row, so each table is walked once,
// keeping the first any-case match while looking for a case-sensitive one.
UnitMatch BuiltinMatch(const Catalogue& catalogue, int row, std::string_view name,
                       bool ranked = true) {
    std::optional<int> anyCase;
    const int count = std::min(catalogue.BuiltinUnitsOf(row), catalogue.UnitCount(row));
    for (int position = 1; position <= count; ++position) {
        const std::string& unit = catalogue.Name(row, position);
        // A currency's code and ISO names differ in length from its unit
        // name; written exactly, one is as good as the name.
        if (AnyCurrencyWord(catalogue, row, position,
                            [&](std::string_view word) { return word == name; }))
            return {position, true};
        if (AnyCurrencyWord(catalogue, row, position,
                            [&](std::string_view word) { return EqualsNoCase(word, name); }))
            anyCase = position;
        if (unit.size() != name.size()) continue;
        if (unit == name) return {position, true};
        if (EqualsNoCase(unit, name)) anyCase = position;
    }
    if (anyCase) return {anyCase, ranked && AnyExactAlias(row, name)};
    const auto same = [&](std::string_view alias) { return alias == name; };
    const auto sameNoCase = [&](std::string_view alias) { return EqualsNoCase(alias, name); };
    const auto found = [&](std::string_view unit, bool exact) -> UnitMatch {
        return {BuiltinUnitByName(catalogue, row, unit), exact};
    };
    std::string_view englishAnyCase, germanAnyCase;
    for (const UnitAliases& entry : AliasEntriesOf(row)) {
        if (AnyPart(entry.exactCase, same)) return found(entry.unit, true);
        if (englishAnyCase.empty() && AnyPart(entry.anyCase, sameNoCase))
            englishAnyCase = entry.unit;
    }
    for (const GermanUnitName& entry : GermanUnitsOfRow(row)) {
        if (AnyPart(entry.exactCase, same)) return found(entry.unit, true);
        if (germanAnyCase.empty() && AnyGermanPart(entry, sameNoCase)) germanAnyCase = entry.unit;
    }
    if (!englishAnyCase.empty()) return found(englishAnyCase, ranked && AnyExactAlias(row, name));
    if (!germanAnyCase.empty()) return found(germanAnyCase, ranked && AnyExactAlias(row, name));
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

namespace {

// FindUnitIn, where `builtinRows` are the built-in rows whose own units may
// answer (BuiltinRowsThatMayName).
std::optional<int> FindUnitAmong(const Catalogue& catalogue, int row, std::string_view name,
                                 std::uint64_t builtinRows) {
    if (!IsCategoryInUse(catalogue, row)) return std::nullopt;
    const UnitMatch custom = CustomMatch(catalogue, row, name);
    const bool builtinMay = row >= BuiltinCategoryCount || (builtinRows & RowBit(row)) != 0;
    const UnitMatch builtin =
        builtinMay ? BuiltinMatch(catalogue, row, name, custom.position.has_value()) : UnitMatch{};
    return ChooseUnit(builtin, custom).position;
}

}  // namespace

std::optional<int> FindUnitIn(const Catalogue& catalogue, int row, std::string_view name) {
    return FindUnitAmong(catalogue, row, name, BuiltinRowsThatMayName(catalogue, name));
}

std::vector<UnitPlace> FindUnits(const Catalogue& catalogue, std::string_view name) {
    std::vector<UnitPlace> places;
    const std::uint64_t builtinRows = BuiltinRowsThatMayName(catalogue, name);
    for (int row = 0; row < CategoryRowCount; ++row) {
        if (const auto position = FindUnitAmong(catalogue, row, name, builtinRows))
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

namespace {

// The positions in `row` of the units its English and German entries name,
// in table order: found once for a row rather than once for each unit.
struct RowEntryPositions {
    std::vector<std::optional<int>> english, german;
};

RowEntryPositions EntryPositionsOf(const Catalogue& catalogue, int row) {
    RowEntryPositions positions;
    for (const UnitAliases& entry : AliasEntriesOf(row))
        positions.english.push_back(BuiltinUnitByName(catalogue, row, entry.unit));
    for (const GermanUnitName& entry : GermanUnitsOfRow(row))
        positions.german.push_back(BuiltinUnitByName(catalogue, row, entry.unit));
    return positions;
}

std::vector<std::string_view> AliasesAt(const Catalogue& catalogue, int row, int position,
                                        const RowEntryPositions& positions) {
    std::vector<std::string_view> aliases;
    AnyCurrencyWord(catalogue, row, position, [&](std::string_view word) {
        if (!EqualsNoCase(word, catalogue.Name(row, position))) aliases.push_back(word);
        return false;
    });
    const auto english = AliasEntriesOf(row);
    for (std::size_t i = 0; i < english.size(); ++i) {
        if (positions.english[i] != position) continue;
        for (const std::string_view list : {english[i].anyCase, english[i].exactCase}) {
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
    const auto german = GermanUnitsOfRow(row);
    for (std::size_t i = 0; i < german.size(); ++i) {
        if (positions.german[i] != position) continue;
        AnyPart(german[i].exactCase, add);
        AnyGermanPart(german[i], add);
    }
    return aliases;
}

}  // namespace

std::vector<std::string_view> AliasesOf(const Catalogue& catalogue, int row, int position) {
    return AliasesAt(catalogue, row, position, EntryPositionsOf(catalogue, row));
}

std::vector<AliasPlace> EveryAlias(const Catalogue& catalogue) {
    std::vector<AliasPlace> every;
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        const RowEntryPositions positions = EntryPositionsOf(catalogue, row);
        for (int position = 1; position <= catalogue.UnitCount(row); ++position) {
            for (std::string_view alias : AliasesAt(catalogue, row, position, positions))
                every.push_back({alias, {row, position}});
        }
    }
    return every;
}
