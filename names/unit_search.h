#pragma once
// Finding a unit by what the user types, whatever its category: the window's
// Find unit command lists the matches of its filter field, best first.
//
// A unit matches when its name or one of its aliases holds the query,
// ignoring case; "²" and "³" also match a typed 2 and 3, and blanks around
// the query or a name do not count. How well it matches decides its place:
//
//   exact      the name or an alias is the query   "miles", "km"
//   prefix     one of them starts with it          "kilo"  -> "Kilometers"
//   word start a word inside one starts with it    "inch2" -> "Pounds/inch²"
//   any part   it lies anywhere else               "meter" -> "Kilometers"
//
// Within a kind, an exact match in the typed case comes before one in other
// case ("mm" is millimetres before megametres), a match of the name before a
// match of an alias only, then units and categories in the lists' own order.
// An empty query matches every unit.
//
// Names are Windows-1252, as in the catalogue.
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class Catalogue;

struct FindableUnit {
    int row;
    int position;
    std::string category;
    std::string name;
    std::vector<std::string> aliases;
};

// Where the aliases come from: the symbols and spellings of the unit at
// `row`, `position`; none for a unit that has none.
using UnitAliasSource = std::function<std::vector<std::string_view>(int row, int position)>;

// Every unit the window can show: those of the built-in rows the catalogue
// lists (Visibility not 0) and those of the custom rows in use, in row
// and position order. A name repeated within a row is offered once, at its
// last position (the one the window's lookups resolve it to).
std::vector<FindableUnit> ListFindableUnits(const Catalogue& catalogue,
                                            const UnitAliasSource& aliasesOf = {});

// The indexes into `units` of those that match `query`, best first.
std::vector<std::size_t> MatchFindableUnits(std::span<const FindableUnit> units,
                                            std::string_view query);
