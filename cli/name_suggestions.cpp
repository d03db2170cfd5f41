#include "name_suggestions.h"

#include <algorithm>

#include "text_1252.h"

int NameDistance(std::string_view a, std::string_view b) {
    const std::string x = LowerCp1252(a);
    const std::string y = LowerCp1252(b);
    const std::size_t width = y.size() + 1;
    // Three rows of the optimal-string-alignment table are all it needs.
    std::vector<int> before(width), previous(width), current(width);
    for (std::size_t j = 0; j < width; ++j) previous[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= x.size(); ++i) {
        current[0] = static_cast<int>(i);
        for (std::size_t j = 1; j < width; ++j) {
            const int replace = previous[j - 1] + (x[i - 1] == y[j - 1] ? 0 : 1);
            int best = std::min({previous[j] + 1, current[j - 1] + 1, replace});
            if (i > 1 && j > 1 && x[i - 1] == y[j - 2] && x[i - 2] == y[j - 1])
                best = std::min(best, before[j - 2] + 1);
            current[j] = best;
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[y.size()];
}

std::vector<std::string> ClosestNames(std::string_view query, const std::vector<std::string>& names,
                                      std::size_t limit) {
    const int nearEnough = std::max(1, static_cast<int>(query.size() / 3));
    const std::string lowerQuery = LowerCp1252(query);
    struct Candidate {
        int distance;
        std::size_t order;
    };
    std::vector<Candidate> candidates;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int distance = NameDistance(query, names[i]);
        const bool extendsQuery =
            query.size() >= 3 && LowerCp1252(names[i]).starts_with(lowerQuery);
        // Rewriting the whole query is no slip of the keyboard: "x" is not near "C".
        const bool near = distance <= nearEnough && distance < static_cast<int>(query.size());
        if (near || extendsQuery) candidates.push_back({distance, i});
    }
    std::stable_sort(
        candidates.begin(), candidates.end(),
        [](const Candidate& l, const Candidate& r) { return l.distance < r.distance; });
    std::vector<std::string> closest;
    for (const Candidate& c : candidates) {
        if (closest.size() == limit) break;
        // The same name may stand in several categories; offer it once.
        if (std::find(closest.begin(), closest.end(), names[c.order]) == closest.end())
            closest.push_back(names[c.order]);
    }
    return closest;
}
