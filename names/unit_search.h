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
// A query that is an expression finds the units of its size and dimension
// too (UnitsOfExpression), right after the names matched exactly: "N*m" the
// Newton meter and the joule, "kg/m^3" Kilograms/meter³, "12 in" Feet.
//
// Names are Windows-1252, as in the catalogue; an expression is UTF-8.
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class Catalogue;
class NameIndex;

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

// The indexes into `units` of those that match `query`, best first;
// `sized` (UnitsOfExpression's) come right after the exact matches, each
// unit once.
std::vector<std::size_t> MatchFindableUnits(std::span<const FindableUnit> units,
                                            std::string_view query,
                                            std::span<const std::size_t> sized = {});

// The indexes into `units`, in their order, of those that are the size and
// dimension of `utf8Query` read as an expression over `index`'s catalogue,
// the one `units` were listed from (a temperature alone: its scale). Only a
// query with a sign of the grammar is read (an operator, a digit, a power,
// "per"): a plain name is found by its name. A unit named by the query as
// one writes it ("N*m" as "N·m", an alias of Newton meter) comes first.
std::vector<std::size_t> UnitsOfExpression(const NameIndex& index,
                                           std::span<const FindableUnit> units,
                                           std::string_view utf8Query);
