#pragma once
// Values as people write them, read from UTF-8 text (the primes ′ and ″
// have no Windows-1252 byte, so these texts stay as the edges hand them):
//
//   ReadAmount("3/4")            -> 0.75
//   ReadAmount("1 1/2")          -> 1.5
//   ReadQuantity("5 ft 3 in")    -> {+, 5 "ft", 3 "in"}
//   ReadQuantity("5 ft + 3 in")  -> the same
//   ReadQuantity("5' 3\"")       -> {+, 5 "ft", 3 "in"}    (' and ″ are feet and inches ...
//   ReadQuantity("30° 15' 10\"") -> {+, 30 "deg", 15 "arcmin", 10 "arcsec"}  ... beside degrees)
//   ReadQuantity("-1 h 30 min")  -> {-, 1 "h", 30 "min"}   (the minus is the whole sum's)
//   ReadQuantity("5 ft 3")       -> nothing (an amount without its unit)
//
// Every amount is a number, a fraction or a mixed number; a unit runs to the
// next amount, "+" or the end, so names with blanks ("fl oz") are whole.
// Which category the units belong to is for the caller to look up: a part
// carries the name to look up and the unit as typed.
//
//   ReadUnitList("ft+in")  -> {"ft", "in"}
//   ReadUnitList("°;′;″")  -> names {"deg", "arcmin", "arcsec"}, labels as typed
//   ReadUnitList("km")     -> nothing (one unit is no list)
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "mixed_format.h"  // MaxMixedParts, IsSymbolUnit

// A number, "N/D" or "W N/D" (W, N and D whole numbers), the whole text;
// blanks around it are allowed. A leading sign is the value's.
std::optional<double> ReadAmount(std::string_view text);

// A typed value, as every entry point reads one (the command line's VALUE, a
// phrase's number, the search, `mezura QUERY`): with a "/" in it, a fraction
// or mixed number and nothing else; without, the leading number by the atof
// rule (number_text.h), as plain values have always been read.
//
//   "3/4" -> 0.75    "1 1/2" -> 1.5    "-2.5e3" -> -2500    "5x" -> 5
//   "1/0", "0/0", "1/2/3", "1 -1/2", "1/1e5", "3/4x" -> nothing
std::optional<double> ReadValue(std::string_view text);
// The same, and whether it read all of the text but blanks: "3*12" and "5x"
// read as 3 and 5 by the atof rule, not whole. A fraction is whole or nothing.
std::optional<double> ReadValue(std::string_view text, bool& whole);

// The bytes of the amount at the start of `text`: a sign, then a number,
// "N/D" or "W N/D"; 0 when no number starts it. "1 1/2 ft" -> 5,
// "5km" -> 1, "1/0 ft" -> 1 (a bad fraction is no amount).
std::size_t AmountLength(std::string_view text);

struct MixedPart {
    double amount = 0;
    std::string_view name;   // to look up: the typed unit, or an alias for a symbol
    std::string_view label;  // as typed
};

struct Quantity {
    bool negative = false;
    int count = 0;
    std::array<MixedPart, MaxMixedParts> parts;
};

// Nothing when the text is not one or more amounts each followed by a unit.
// Then `stop`, when given, is where the reading gave up (an offset into
// `text`): the text cut short at a blank is refused as well while it still
// reaches past that offset, so a caller trying ever shorter cuts need not
// read those again.
std::optional<Quantity> ReadQuantity(std::string_view text, std::size_t* stop = nullptr);

struct UnitList {
    int count = 0;
    std::array<std::string_view, MaxMixedParts> names;
    std::array<std::string_view, MaxMixedParts> labels;
};

// Where the first "+" or ";" is, npos when there is none.
std::size_t ListSeparator(std::string_view text);

// Units joined by "+" or ";", at least two; nothing for anything else.
std::optional<UnitList> ReadUnitList(std::string_view text);
