#include "name_suggestions.h"

#include <algorithm>
#include <cstdlib>

#include "text_1252.h"

int LoweredDistanceWithin(std::string_view x, std::string_view y, int limit) {
    const int far = limit + 1;
    const int xs = static_cast<int>(x.size());
    const int ys = static_cast<int>(y.size());
    // Each edit changes the length by at most one.
    if (std::abs(xs - ys) > limit) return far;
    // Three rows of the optimal-string-alignment table, and only the band of
    // cells within `limit` of the diagonal: the others cannot come back
    // under the limit.
    // Kept from call to call: a search compares the query with hundreds of
    // names, and allocating three rows for each would cost more than the
    // comparison.
    thread_local std::vector<int> before, previous, current;
    const std::size_t width = static_cast<std::size_t>(ys) + 1;
    before.assign(width, far);
    previous.assign(width, far);
    current.assign(width, far);
    for (int j = 0; j <= ys; ++j) previous[static_cast<std::size_t>(j)] = std::min(j, far);
    for (int i = 1; i <= xs; ++i) {
        const int low = std::max(1, i - limit);
        const int high = std::min(ys, i + limit);
        current[static_cast<std::size_t>(low - 1)] = low == 1 ? std::min(i, far) : far;
        int rowBest = current[static_cast<std::size_t>(low - 1)];
        for (int j = low; j <= high; ++j) {
            const auto u = static_cast<std::size_t>(j);
            const char a = x[static_cast<std::size_t>(i - 1)];
            const char b = y[u - 1];
            int best =
                std::min({previous[u] + 1, current[u - 1] + 1, previous[u - 1] + (a == b ? 0 : 1)});
            if (i > 1 && j > 1 && a == y[u - 2] && x[static_cast<std::size_t>(i - 2)] == b)
                best = std::min(best, before[u - 2] + 1);
            current[u] = std::min(best, far);
            rowBest = std::min(rowBest, current[u]);
        }
        if (high < ys) current[static_cast<std::size_t>(high + 1)] = far;
        // Every later cell costs at least the best of this row.
        if (rowBest >= far) return far;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[static_cast<std::size_t>(ys)];
}

int NameDistance(std::string_view a, std::string_view b) {
    const std::string x = LowerCp1252(a);
    const std::string y = LowerCp1252(b);
    return LoweredDistanceWithin(x, y, static_cast<int>(std::max(x.size(), y.size())));
}

std::vector<NameCandidate> CandidatesOf(const std::vector<std::string>& names) {
    std::vector<NameCandidate> candidates;
    for (const std::string& name : names) candidates.push_back({LowerCp1252(name), name});
    return candidates;
}

std::vector<std::string> ClosestNames(std::string_view query,
                                      const std::vector<NameCandidate>& candidates,
                                      std::size_t limit) {
    if (query.size() > MaxSuggestedLength) return {};
    const int nearEnough = std::max(1, static_cast<int>(query.size() / 3));
    // Rewriting the whole query is no slip of the keyboard: "x" is not near "C".
    const int within = std::min(nearEnough, static_cast<int>(query.size()) - 1);
    const std::string lowerQuery = LowerCp1252(query);
    struct Near {
        int distance;
        std::size_t order;
    };
    std::vector<Near> near;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const std::string& text = candidates[i].lowered;
        if (query.size() >= 3 && text.starts_with(lowerQuery)) {
            // Only additions at the end: the distance is the length added.
            near.push_back({static_cast<int>(text.size() - lowerQuery.size()), i});
        } else if (within >= 0) {
            const int distance = LoweredDistanceWithin(lowerQuery, text, within);
            if (distance <= within) near.push_back({distance, i});
        }
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const Near& l, const Near& r) { return l.distance < r.distance; });
    std::vector<std::string> closest;
    for (const Near& n : near) {
        if (closest.size() == limit) break;
        // The same name may stand in several categories or under several
        // aliases; offer it once.
        const std::string& offer = candidates[n.order].offer;
        if (std::find(closest.begin(), closest.end(), offer) == closest.end())
            closest.push_back(offer);
    }
    return closest;
}

std::vector<std::string> ClosestNames(std::string_view query, const std::vector<std::string>& names,
                                      std::size_t limit) {
    return ClosestNames(query, CandidatesOf(names), limit);
}
