#pragma once
// Which unit a typed name means when both a built-in unit and a unit the
// user added answer to it. A name typed exactly as a unit's name or alias is
// written means that unit before any that matches only without regard to
// case; two answers of the same rank are refused, with both named, rather
// than one quietly chosen:
//
//   built-in Kilometers (alias "km"), custom "Km":
//     "km" -> Kilometers    "Km" -> the custom unit    "KM" -> ambiguous, both
#include <optional>
#include <vector>

struct UnitMatch {
    std::optional<int> position;  // nothing when nothing matched
    bool exact = false;           // typed as the name or alias is written
};

struct UnitChoice {
    std::optional<int> position;  // the one unit meant
    std::vector<int> ambiguous;   // or the two of the same rank, built-in first
};

UnitChoice ChooseUnit(const UnitMatch& builtin, const UnitMatch& custom);
