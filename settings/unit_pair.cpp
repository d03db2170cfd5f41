#include "unit_pair.h"

#include "catalogue.h"

std::optional<PairPlace> FindPair(const Catalogue& catalogue, const UnitPair& pair) {
    const std::optional<int> row = catalogue.CategoryByName(pair.category);
    if (!row) return std::nullopt;
    const std::optional<int> input = catalogue.UnitByName(*row, pair.input);
    const std::optional<int> output = catalogue.UnitByName(*row, pair.output);
    if (!input || !output) return std::nullopt;
    return PairPlace{*row, *input, *output};
}

std::optional<std::string> MissingName(const Catalogue& catalogue, const UnitPair& pair) {
    const std::optional<int> row = catalogue.CategoryByName(pair.category);
    if (!row) return pair.category;
    if (!catalogue.UnitByName(*row, pair.input)) return pair.input;
    if (!catalogue.UnitByName(*row, pair.output)) return pair.output;
    return std::nullopt;
}
