#include "name_suggestions.h"

#include <algorithm>
#include <cstdlib>

#include "query_distance.h"
#include "text_1252.h"

namespace {

// The optimal-string-alignment table in three rows of y.size() + 1 cells
// each, one after the other in `rows`.
int BandedDistance(std::string_view x, std::string_view y, int limit, int* rows) {
    const int far = limit + 1;
    const int xs = static_cast<int>(x.size());
    const int ys = static_cast<int>(y.size());
    const std::size_t width = static_cast<std::size_t>(ys) + 1;
    std::fill_n(rows, 3 * width, far);
    int* before = rows;
    int* previous = rows + width;
    int* current = rows + 2 * width;
    // Only the band of cells within `limit` of the diagonal: the others
    // cannot come back under the limit.
    for (int j = 0; j <= ys; ++j) previous[j] = std::min(j, far);
    for (int i = 1; i <= xs; ++i) {
        const int low = std::max(1, i - limit);
        const int high = std::min(ys, i + limit);
        current[low - 1] = low == 1 ? std::min(i, far) : far;
        int rowBest = current[low - 1];
        const char a = x[static_cast<std::size_t>(i - 1)];
        for (int j = low; j <= high; ++j) {
            const char b = y[static_cast<std::size_t>(j - 1)];
            int best =
                std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (a == b ? 0 : 1)});
            if (i > 1 && j > 1 && a == y[static_cast<std::size_t>(j - 2)] &&
                x[static_cast<std::size_t>(i - 2)] == b)
                best = std::min(best, before[j - 2] + 1);
            current[j] = std::min(best, far);
            rowBest = std::min(rowBest, current[j]);
        }
        if (high < ys) current[high + 1] = far;
        // Every later cell costs at least the best of this row.
        if (rowBest >= far) return far;
        int* const oldest = before;
        before = previous;
        previous = current;
        current = oldest;
    }
    return previous[ys];
}

}  // namespace

int LoweredDistanceWithin(std::string_view x, std::string_view y, int limit) {
    // Each edit changes the length by at most one.
    if (std::abs(static_cast<int>(x.size()) - static_cast<int>(y.size())) > limit) return limit + 1;
    // On the stack for names, which are short: a search compares the query
    // with hundreds of them.
    constexpr std::size_t ShortWidth = 128;
    const std::size_t width = y.size() + 1;
    if (width <= ShortWidth) {
        int rows[3 * ShortWidth];
        return BandedDistance(x, y, limit, rows);
    }
    thread_local std::vector<int> rows;
    rows.resize(3 * width);
    return BandedDistance(x, y, limit, rows.data());
}

int NameDistance(std::string_view a, std::string_view b) {
    const std::string x = LowerCp1252(a);
    const std::string y = LowerCp1252(b);
    return LoweredDistanceWithin(x, y, static_cast<int>(std::max(x.size(), y.size())));
}

namespace {

constexpr int LetterBin(unsigned char c) {
    if (c >= 'a' && c <= 'z') return c - 'a';
    if (c >= '0' && c <= '9') return 26 + (c - '0');
    return 36 + c % 28;
}

// Set bits, counted in place: without a hardware count in the target, the
// library's count is a call, and this runs for most names of each search.
int Bits(std::uint64_t x) {
    x -= (x >> 1) & 0x5555555555555555u;
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<int>((x * 0x0101010101010101u) >> 56);
}

}  // namespace

LetterBins LettersOf(std::string_view lowered) {
    LetterBins bins;
    for (const char c : lowered) {
        const std::uint64_t bit = std::uint64_t{1} << LetterBin(static_cast<unsigned char>(c));
        bins.twice |= bins.once & bit;
        bins.once |= bit;
    }
    return bins;
}

NameCandidates::NameCandidates(const std::vector<NameCandidate>& candidates) {
    for (const NameCandidate& candidate : candidates) Add(candidate.lowered, candidate.offer);
}

void NameCandidates::Add(std::string lowered, std::string offer) {
    if (byLength_.size() <= lowered.size()) byLength_.resize(lowered.size() + 1);
    byLength_[lowered.size()].push_back({LettersOf(lowered), names_.size()});
    names_.push_back({std::move(lowered), std::move(offer)});
}

std::span<const std::size_t> NameCandidates::StartingWith(std::string_view lowered) const {
    if (sorted_.size() != names_.size()) {
        sorted_.resize(names_.size());
        for (std::size_t place = 0; place < names_.size(); ++place) sorted_[place] = place;
        std::sort(sorted_.begin(), sorted_.end(), [&](std::size_t a, std::size_t b) {
            return names_[a].lowered < names_[b].lowered;
        });
    }
    const auto first = std::partition_point(sorted_.begin(), sorted_.end(), [&](std::size_t place) {
        return names_[place].lowered < lowered;
    });
    const auto last = std::partition_point(first, sorted_.end(), [&](std::size_t place) {
        return names_[place].lowered.starts_with(lowered);
    });
    return {first, last};
}

NameCandidates CandidatesOf(const std::vector<std::string>& names) {
    NameCandidates candidates;
    for (const std::string& name : names) candidates.Add(LowerCp1252(name), name);
    return candidates;
}

std::vector<std::string> ClosestNames(std::string_view query, const NameCandidates& candidates,
                                      std::size_t limit) {
    if (query.size() > MaxSuggestedLength || candidates.empty()) return {};
    const std::size_t length = query.size();
    const int nearEnough = std::max(1, static_cast<int>(length / 3));
    // Rewriting the whole query is no slip of the keyboard: "x" is not near "C".
    const int within = std::min(nearEnough, static_cast<int>(length) - 1);
    char lowered[MaxSuggestedLength];
    for (std::size_t i = 0; i < length; ++i) lowered[i] = LowerCp1252(query[i]);
    const std::string_view lowerQuery(lowered, length);
    const LetterBins queryLetters = LettersOf(lowerQuery);
    static_assert(MaxSuggestedLength <= QueryDistance::MaxLength);
    const QueryDistance measure(lowerQuery);
    struct Near {
        int distance;
        std::size_t order;
    };
    // Kept from call to call: a batch may ask about a million different names.
    thread_local std::vector<Near> near;
    near.clear();
    // Shorter names can neither start with the query nor be `within` of it;
    // longer ones than `within` allows can only start with it.
    const std::size_t reach = static_cast<std::size_t>(std::max(within, 0));
    const std::size_t shortest = length > reach ? length - reach : 0;
    const std::size_t longest = length + reach;
    // Longer names are only near by starting with the query: the sorted
    // names give those at once, without passing over the rest.
    if (length >= 3) {
        for (const std::size_t place : candidates.StartingWith(lowerQuery)) {
            const std::size_t size = candidates[place].lowered.size();
            if (size > longest) near.push_back({static_cast<int>(size - length), place});
        }
    }
    for (std::size_t size = shortest; size <= std::min(longest, candidates.LongestLength());
         ++size) {
        const bool measured = within >= 0;
        for (const NameCandidates::Sketch& sketch : candidates.OfLength(size)) {
            // Count the bytes of the query that the name lacks, bin by bin
            // and up to two of each: a delete or a replace, turning the query
            // into the name, makes up for at most one of them, and a swap of
            // neighbours for none. Likewise the bytes that only the name
            // has, each made up for by an insert or a replace. So a name with
            // more than `within` of either is more than `within` edits away,
            // and one that starts with the query lacks none.
            const LetterBins& letters = sketch.letters;
            const std::uint64_t lackedOnce = queryLetters.once & ~letters.once;
            const std::uint64_t lackedTwice = queryLetters.twice & ~letters.twice;
            const std::string& text = candidates[sketch.place].lowered;
            if (length >= 3 && size >= length && (lackedOnce | lackedTwice) == 0 &&
                text.starts_with(lowerQuery)) {
                // Only additions at the end: the distance is the length added.
                near.push_back({static_cast<int>(size - length), sketch.place});
            } else if (measured && Bits(lackedOnce) + Bits(lackedTwice) <= within &&
                       Bits(letters.once & ~queryLetters.once) +
                               Bits(letters.twice & ~queryLetters.twice) <=
                           within) {
                const int distance = measure.To(text);
                if (distance <= within) near.push_back({distance, sketch.place});
            }
        }
    }
    // Nearest first, and equally near ones in the order the names were given.
    std::sort(near.begin(), near.end(), [](const Near& l, const Near& r) {
        return l.distance != r.distance ? l.distance < r.distance : l.order < r.order;
    });
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
