#include "learned_targets.h"

#include <algorithm>

#include "catalogue.h"

std::vector<int> LearnedTargets(const Catalogue& catalogue, int row, int from,
                                const Favourites& favourites, const History& history,
                                const std::vector<int>& suggested, std::size_t limit) {
    std::vector<int> targets;
    const auto take = [&](int to) {
        if (targets.size() < limit && to != from &&
            std::find(targets.begin(), targets.end(), to) == targets.end())
            targets.push_back(to);
    };
    // Only pairs whose names still lead back to this very row and unit count.
    const auto fromHere = [&](const UnitPair& pair) -> std::optional<int> {
        const std::optional<PairPlace> place = FindPair(catalogue, pair);
        if (!place || place->row != row || place->input != from) return std::nullopt;
        return place->output;
    };
    for (const UnitPair& pair : favourites.Pairs())
        if (const auto to = fromHere(pair)) take(*to);
    for (const HistoryEntry& entry : history.Entries())
        if (const auto to = fromHere(entry.pair)) take(*to);
    for (const int to : suggested) take(to);
    return targets;
}
