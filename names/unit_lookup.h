#pragma once
// Units and categories by the names people type: the exact catalogue name,
// the name in any case, or an alias (unit_aliases.h), English or German
// (german_names.h) whatever the session's language. Shared by the command
// line, the search service and the window. Names are Windows-1252.
//
// Exact names keep their meaning: in each category the exact name wins over
// the same name in other case, and a name over an alias. Only categories in
// use count (the built-in ones and the custom rows not free); the last row
// of a repeated category name wins. A unit the profile added never takes a
// built-in unit's name or alias over (see FindUnitIn), and a custom name
// that could be taken for a word or sign of a query ("To", "Ft+in", see
// grammar_clash.h) is found only as written, in its exact case.
//
//   FindUnits("Miles")   -> {Distance 10, position 14}
//   FindUnits("mi")      -> {Distance 10, position 14}
//   FindUnits("min")     -> {Angle 1 position 6, Time 19 position 9}
//   FindUnits("ton")     -> {}  (AmbiguousCandidates names the three tons)
//   FindUnitIn(10, "KM") -> 10
//   FindCategory("distance") -> 10
//   FindUnits("Zoll")    -> {Distance, "Inches"}
//   FindCategory("Entfernung") -> Distance
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Catalogue;

struct UnitPlace {
    int row;
    int position;
};

// A built-in category, or a custom row with a name other than "Custom".
bool IsCategoryInUse(const Catalogue& catalogue, int row);

// The highest row in use named exactly `name`, else the highest named so
// ignoring case, else the built-in row with that German name or alias.
std::optional<int> FindCategory(const Catalogue& catalogue, std::string_view name);

// The unit of `row` that `name` stands for. Among the built-in units: the
// one named exactly so, else named so ignoring case, else the unit of an
// alias that matches (case-sensitive aliases first); among the units the
// profile added, the highest named exactly so, else ignoring case. When both
// answer, unit_choice.h decides, and a tie is no answer at all.
std::optional<int> FindUnitIn(const Catalogue& catalogue, int row, std::string_view name);

// FindUnitIn over every category in use, rows ascending.
std::vector<UnitPlace> FindUnits(const Catalogue& catalogue, std::string_view name);

// For a name left ambiguous on purpose ("ton"), or one that a profile's unit
// and a built-in unit answer to alike ("KM" beside a custom "Km"), the units
// it could mean; empty for any other name.
std::vector<UnitPlace> AmbiguousCandidates(const Catalogue& catalogue, std::string_view name);

// The aliases of the unit at `row`, `position`, in table order, the German
// spellings after the English ones; none for
// custom units.
std::vector<std::string_view> AliasesOf(const Catalogue& catalogue, int row, int position);

// Every alias of the built-in units with the place of its unit.
struct AliasPlace {
    std::string_view alias;
    UnitPlace place;
};
std::vector<AliasPlace> EveryAlias(const Catalogue& catalogue);
