#pragma once
// A category and its two units, by name (Windows-1252, exactly as the
// catalogue spells them): what a favourite pins and a history entry shows.
#include <optional>
#include <string>

struct UnitPair {
    std::string category;
    std::string input;
    std::string output;

    bool operator==(const UnitPair&) const = default;
};

class Catalogue;

// Where a pair's names are in the catalogue: a row and two unit positions
// (counted from 1), by exact name, the last match winning as everywhere; a
// currency whose name changed is found by the code its name ends in.
struct PairPlace {
    int row = 0;
    int input = 0;
    int output = 0;
};
std::optional<PairPlace> FindPair(const Catalogue& catalogue, const UnitPair& pair);
// The first of the pair's names the catalogue no longer holds (the category,
// then the input unit, then the output unit); nothing when all are there.
std::optional<std::string> MissingName(const Catalogue& catalogue, const UnitPair& pair);
