#include "name_suggestions.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

#include "bit_count.h"
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
    letters_.push_back(LettersOf(lowered));
    names_.push_back({std::move(lowered), std::move(offer)});
    byLength_.clear();
}

std::span<const std::size_t> NameCandidates::StartingWith(std::string_view lowered) const {
    if (sorted_.size() != names_.size()) {
        sorted_.resize(names_.size());
        for (std::size_t place = 0; place < names_.size(); ++place) sorted_[place] = place;
        std::sort(sorted_.begin(), sorted_.end(), [&](std::size_t a, std::size_t b) {
            return names_[a].lowered < names_[b].lowered;
        });
        // Where each first byte begins: the search looks only among the
        // names that start as the query does.
        firstByteStart_.assign(257, names_.size());
        for (std::size_t i = names_.size(); i-- > 0;) {
            const std::string& name = names_[sorted_[i]].lowered;
            if (!name.empty()) firstByteStart_[static_cast<unsigned char>(name[0])] = i;
        }
        for (std::size_t byte = 256; byte-- > 0;)
            firstByteStart_[byte] = std::min(firstByteStart_[byte], firstByteStart_[byte + 1]);
    }
    auto from = sorted_.begin();
    auto to = sorted_.end();
    if (!lowered.empty()) {
        const auto byte = static_cast<unsigned char>(lowered[0]);
        from = sorted_.begin() + static_cast<std::ptrdiff_t>(firstByteStart_[byte]);
        to = sorted_.begin() + static_cast<std::ptrdiff_t>(firstByteStart_[byte + 1]);
    }
    const auto first = std::partition_point(
        from, to, [&](std::size_t place) { return names_[place].lowered < lowered; });
    const auto last = std::partition_point(
        first, to, [&](std::size_t place) { return names_[place].lowered.starts_with(lowered); });
    return {first, last};
}

namespace {

constexpr int BinCount = 128;  // 64 bins used once, then 64 used twice
constexpr std::size_t WordBits = 64;

}  // namespace

void NameCandidates::MakeLetterIndex() const {
    byLength_.resize(names_.size());
    for (std::size_t place = 0; place < names_.size(); ++place) byLength_[place] = place;
    std::stable_sort(byLength_.begin(), byLength_.end(), [&](std::size_t a, std::size_t b) {
        return names_[a].lowered.size() < names_[b].lowered.size();
    });
    const std::size_t longest = names_[byLength_.back()].lowered.size();
    lengthStart_.assign(longest + 2, names_.size());
    for (std::size_t i = names_.size(); i-- > 0;)
        lengthStart_[names_[byLength_[i]].lowered.size()] = i;
    for (std::size_t length = longest; length-- > 0;)
        lengthStart_[length] = std::min(lengthStart_[length], lengthStart_[length + 1]);
    holders_.assign(BinCount * ((names_.size() + WordBits - 1) / WordBits), 0);
    usedByLength_.resize(names_.size());
    for (std::size_t i = 0; i < byLength_.size(); ++i) {
        const LetterBins& letters = letters_[byLength_[i]];
        usedByLength_[i] = CountBits(letters.once) + CountBits(letters.twice);
        const std::uint64_t bit = std::uint64_t{1} << (i % WordBits);
        std::uint64_t* const column = holders_.data() + i / WordBits * BinCount;
        for (std::uint64_t once = letters.once; once != 0; once &= once - 1)
            column[std::countr_zero(once)] |= bit;
        for (std::uint64_t twice = letters.twice; twice != 0; twice &= twice - 1)
            column[64 + std::countr_zero(twice)] |= bit;
    }
}

namespace {

// Calls found(i, lacked) for each name i (its index in order of length) of
// [begin, end) that lacks at most `most` of `bins`, with the count it lacks.
// The counts are kept bit-sliced, one bit of each per word of names:
// `Digits` bits, enough for `most`, and beyond them whether it overflowed.
template <int Digits, typename Found>
void CountLacking(const std::uint64_t* holders, const int* bins, int binCount, int most,
                  std::size_t begin, std::size_t end, Found found) {
    for (std::size_t word = begin / WordBits; word <= (end - 1) / WordBits; ++word) {
        std::uint64_t inRange = ~std::uint64_t{0};
        if (word == begin / WordBits) inRange &= ~std::uint64_t{0} << (begin % WordBits);
        if (word == (end - 1) / WordBits && end % WordBits != 0)
            inRange &= ~std::uint64_t{0} >> (WordBits - end % WordBits);
        const std::uint64_t* column = holders + word * BinCount;
        std::uint64_t count[Digits + 1] = {};
        std::uint64_t over = 0;
        const auto carryUp = [&](std::uint64_t carry, int from) {
            for (int d = from; d < Digits; ++d) {
                const std::uint64_t next = count[d] & carry;
                count[d] ^= carry;
                carry = next;
            }
            over |= carry;
        };
        int k = 0;
        if constexpr (Digits > 0) {
            // Two bins at a time: both and the lowest bit of the count in
            // one full adder, its carry on up.
            for (; k + 1 < binCount; k += 2) {
                const std::uint64_t a = ~column[bins[k]];
                const std::uint64_t b = ~column[bins[k + 1]];
                const std::uint64_t either = a ^ b;
                const std::uint64_t carry = (a & b) | (either & count[0]);
                count[0] ^= either;
                carryUp(carry, 1);
            }
        }
        for (; k < binCount; ++k) carryUp(~column[bins[k]], 0);
        // Compare each count with `most` from the highest bit down.
        std::uint64_t greater = over;
        std::uint64_t equal = ~over;
        for (int d = Digits; d-- > 0;) {
            if ((most >> d) & 1) {
                equal &= count[d];
            } else {
                greater |= equal & count[d];
                equal &= ~count[d];
            }
        }
        for (std::uint64_t near = inRange & ~greater; near != 0; near &= near - 1) {
            const int bit = std::countr_zero(near);
            int lacked = 0;
            for (int d = 0; d < Digits; ++d) lacked |= static_cast<int>((count[d] >> bit) & 1) << d;
            found(word * WordBits + static_cast<std::size_t>(bit), lacked);
        }
    }
}

}  // namespace

void NameCandidates::CloseInLetters(const LetterBins& query, int most, std::size_t shortest,
                                    std::size_t longest, std::vector<LetterMatch>& found) const {
    found.clear();
    if (names_.empty() || most < 0) return;
    if (byLength_.empty()) MakeLetterIndex();
    longest = std::min(longest, lengthStart_.size() - 2);
    if (shortest > longest) return;
    const std::size_t begin = lengthStart_[shortest];
    const std::size_t end = lengthStart_[longest + 1];
    if (begin == end) return;

    int bins[BinCount];
    int binCount = 0;
    for (std::uint64_t once = query.once; once != 0; once &= once - 1)
        bins[binCount++] = std::countr_zero(once);
    for (std::uint64_t twice = query.twice; twice != 0; twice &= twice - 1)
        bins[binCount++] = 64 + std::countr_zero(twice);
    // No name lacks more than the query has.
    const int lackedMost = std::min(most, binCount);
    // A name's bins beyond the query's: each one the query uses and it
    // lacks leaves room for one more of its own.
    const auto onlyFound = [&](std::size_t i, int lacked) {
        const int extra = usedByLength_[i] - binCount + lacked;
        if (extra <= most) found.push_back({byLength_[i], lacked, extra});
    };
    const std::uint64_t* holders = holders_.data();
    switch (std::bit_width(static_cast<unsigned>(lackedMost))) {
        case 0:
            return CountLacking<0>(holders, bins, binCount, lackedMost, begin, end, onlyFound);
        case 1:
            return CountLacking<1>(holders, bins, binCount, lackedMost, begin, end, onlyFound);
        case 2:
            return CountLacking<2>(holders, bins, binCount, lackedMost, begin, end, onlyFound);
        case 3:
            return CountLacking<3>(holders, bins, binCount, lackedMost, begin, end, onlyFound);
        case 4:
            return CountLacking<4>(holders, bins, binCount, lackedMost, begin, end, onlyFound);
        case 5:
            return CountLacking<5>(holders, bins, binCount, lackedMost, begin, end, onlyFound);
        case 6:
            return CountLacking<6>(holders, bins, binCount, lackedMost, begin, end, onlyFound);
        case 7:
            return CountLacking<7>(holders, bins, binCount, lackedMost, begin, end, onlyFound);
        default:
            return CountLacking<8>(holders, bins, binCount, lackedMost, begin, end, onlyFound);
    }
}

NameCandidates CandidatesOf(const std::vector<std::string>& names) {
    NameCandidates candidates;
    for (const std::string& name : names) candidates.Add(LowerCp1252(name), name);
    return candidates;
}

void ClosestOffers(std::string_view query, const NameCandidates& candidates,
                   std::vector<std::string_view>& closest, std::size_t limit) {
    closest.clear();
    if (query.size() > MaxSuggestedLength || candidates.empty()) return;
    const std::size_t length = query.size();
    const int nearEnough = std::max(1, static_cast<int>(length / 3));
    // Rewriting the whole query is no slip of the keyboard: "x" is not near "C".
    const int within = std::min(nearEnough, static_cast<int>(length) - 1);
    char lowered[MaxSuggestedLength];
    for (std::size_t i = 0; i < length; ++i) {
        // ASCII, most of every name, lowered here; the code page's other
        // letters by its table.
        const auto c = static_cast<unsigned char>(query[i]);
        lowered[i] = c < 0x80 ? static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c)
                              : LowerCp1252(query[i]);
    }
    const std::string_view lowerQuery(lowered, length);
    const LetterBins queryLetters = LettersOf(lowerQuery);
    static_assert(MaxSuggestedLength <= QueryDistance::MaxLength);
    // Kept from call to call, like the lists below.
    thread_local QueryDistance measure;
    measure.Reset(lowerQuery);
    struct Near {
        int distance;
        std::size_t order;
    };
    // Kept from call to call: a batch may ask about a million different names.
    thread_local std::vector<Near> near;
    thread_local std::vector<NameCandidates::LetterMatch> matches;
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
    // Count the bytes of the query that a name lacks, bin by bin and up to
    // two of each: a delete or a replace, turning the query into the name,
    // makes up for at most one of them, and a swap of neighbours for none.
    // Likewise the bytes that only the name has, each made up for by an
    // insert or a replace. So a name with more than `within` of either is
    // more than `within` edits away, and one that starts with the query
    // lacks none. The index gives the names with few enough of both.
    candidates.CloseInLetters(queryLetters, within, shortest, longest, matches);
    for (const NameCandidates::LetterMatch& match : matches) {
        const std::string& text = candidates[match.place].lowered;
        const std::size_t size = text.size();
        if (length >= 3 && size >= length && match.lacked == 0 && text.starts_with(lowerQuery)) {
            // Only additions at the end: the distance is the length added.
            near.push_back({static_cast<int>(size - length), match.place});
            continue;
        }
        // The difference in length takes inserts (or deletes) that make up
        // only for bytes the name has (or lacks): a longer name needs at
        // least those and one edit more for each byte of the query it
        // lacks, a shorter one likewise for each byte only it has.
        const int longer = static_cast<int>(size) - static_cast<int>(length);
        if ((longer >= 0 ? match.lacked + longer : match.extra - longer) > within) continue;
        if (const int distance = measure.To(text); distance <= within)
            near.push_back({distance, match.place});
    }
    // Nearest first, and equally near ones in the order the names were given.
    std::sort(near.begin(), near.end(), [](const Near& l, const Near& r) {
        return l.distance != r.distance ? l.distance < r.distance : l.order < r.order;
    });
    for (const Near& n : near) {
        if (closest.size() == limit) break;
        // The same name may stand in several categories or under several
        // aliases; offer it once.
        const std::string_view offer = candidates[n.order].offer;
        if (std::find(closest.begin(), closest.end(), offer) == closest.end())
            closest.push_back(offer);
    }
}

std::vector<std::string> ClosestNames(std::string_view query, const NameCandidates& candidates,
                                      std::size_t limit) {
    thread_local std::vector<std::string_view> offers;
    ClosestOffers(query, candidates, offers, limit);
    return {offers.begin(), offers.end()};
}

std::vector<std::string> ClosestNames(std::string_view query, const std::vector<std::string>& names,
                                      std::size_t limit) {
    return ClosestNames(query, CandidatesOf(names), limit);
}
