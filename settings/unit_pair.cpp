#include "unit_pair.h"

#include <string_view>

#include "catalogue.h"
#include "catalogue_limits.h"

namespace {

// The " (USD)" a currency's name ends in, or nothing.
std::string_view CodeSuffix(std::string_view name) {
    constexpr std::size_t Length = 6;  // " (" three capitals ")"
    if (name.size() < Length) return {};
    const std::string_view suffix = name.substr(name.size() - Length);
    if (suffix[0] != ' ' || suffix[1] != '(' || suffix[5] != ')') return {};
    for (const char c : suffix.substr(2, 3))
        if (c < 'A' || c > 'Z') return {};
    return suffix;
}

// A pair's unit by its stored name. A currency is known by its code too: the
// names of the sources change ("US dollar (USD)" became "US Dollar (USD)"),
// and a favourite or history entry saved under the old one still means it.
std::optional<int> StoredUnit(const Catalogue& catalogue, int row, std::string_view name) {
    if (const auto exact = catalogue.UnitByName(row, name)) return exact;
    const std::string_view code = CodeSuffix(name);
    if (row != CurrencyRow || code.empty()) return std::nullopt;
    for (int k = 1; k <= catalogue.UnitCount(row); ++k)
        if (CodeSuffix(catalogue.Name(row, k)) == code) return k;
    return std::nullopt;
}

}  // namespace

std::optional<PairPlace> FindPair(const Catalogue& catalogue, const UnitPair& pair) {
    const std::optional<int> row = catalogue.CategoryByName(pair.category);
    if (!row) return std::nullopt;
    const std::optional<int> input = StoredUnit(catalogue, *row, pair.input);
    const std::optional<int> output = StoredUnit(catalogue, *row, pair.output);
    if (!input || !output) return std::nullopt;
    return PairPlace{*row, *input, *output};
}

std::optional<std::string> MissingName(const Catalogue& catalogue, const UnitPair& pair) {
    const std::optional<int> row = catalogue.CategoryByName(pair.category);
    if (!row) return pair.category;
    if (!StoredUnit(catalogue, *row, pair.input)) return pair.input;
    if (!StoredUnit(catalogue, *row, pair.output)) return pair.output;
    return std::nullopt;
}
