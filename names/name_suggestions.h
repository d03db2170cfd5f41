#pragma once
// "Did you mean" for names that match nothing. Names are Windows-1252 byte
// strings, compared without regard to case by the code page's own letters.
//
//   NameDistance("kilometre", "Kilometers")  -> 2  (swap "re", add "s")
//   NameDistance("CELSIUS", "Celsius")       -> 0
//   ClosestNames("Kilometre", distanceUnits) -> {"Kilometers"}
//   ClosestNames("Fahrenhiet", allUnits)     -> {"Fahrenheit"}
//   ClosestNames("Zorkmids", allUnits)       -> {}  (nothing close enough)
//
// A candidate may be offered under another name: the alias "km/h" is near
// "kmh", and what is offered is its unit, "Kilometers/hour".
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Longer queries get no suggestion: no name is that long, and the cost of
// comparing grows with the length.
inline constexpr std::size_t MaxSuggestedLength = 64;

// Edits (insert, delete, replace, swap two neighbours) that turn one name
// into the other, ignoring case.
int NameDistance(std::string_view a, std::string_view b);

// The same for texts already lower-cased, but only up to `limit`: any
// distance beyond it is given as limit + 1, found without filling the table.
int LoweredDistanceWithin(std::string_view a, std::string_view b, int limit);

struct NameCandidate {
    std::string lowered;  // compared with the query
    std::string offer;    // shown when it is near
};

// Which bins of bytes a lowered text uses, and which it uses more than once:
// letters and digits each have a bin of their own, the rarer bytes share
// the rest.
struct LetterBins {
    std::uint64_t once = 0;
    std::uint64_t twice = 0;
};
LetterBins LettersOf(std::string_view lowered);

// The names a query is compared with. Each name's letter bins are kept
// beside it; on the first search after an Add, an index is made of which
// names use each bin, one bit per name, the names in order of length. A
// search counts, a machine word of names at a time, the query's bins each
// name lacks: a name lacking more than the edits allowed cannot be near,
// and most names are passed over without being read.
class NameCandidates {
public:
    NameCandidates() = default;
    explicit NameCandidates(const std::vector<NameCandidate>& candidates);

    void Add(std::string lowered, std::string offer);
    bool empty() const { return names_.empty(); }
    std::size_t size() const { return names_.size(); }
    const NameCandidate& operator[](std::size_t i) const { return names_[i]; }

    // The places of the names that start with `lowered`, found by binary
    // search in the names sorted once, on the first call after an Add.
    std::span<const std::size_t> StartingWith(std::string_view lowered) const;

    // Into `found` (cleared first), in no useful order: the names from
    // `shortest` to `longest` bytes long that lack at most `most` of the bins
    // `query` uses, a bin used twice counting twice (LetterBins.twice), and
    // use at most `most` bins that `query` does not; each with both counts.
    struct LetterMatch {
        std::size_t place;
        int lacked;  // bins of the query the name lacks
        int extra;   // bins of the name the query lacks
    };
    void CloseInLetters(const LetterBins& query, int most, std::size_t shortest,
                        std::size_t longest, std::vector<LetterMatch>& found) const;

private:
    void MakeLetterIndex() const;

    std::vector<NameCandidate> names_;
    std::vector<LetterBins> letters_;                  // by place
    mutable std::vector<std::size_t> sorted_;          // places in the order of their names
    mutable std::vector<std::size_t> firstByteStart_;  // in sorted_, by first byte, and the end
    // The letter index: places in order of length (then of place), where
    // each length begins in that order (one entry past the longest), for
    // each word of 64 names the bits of those that use each bin (once, then
    // twice), and how many bins each name uses.
    mutable std::vector<std::size_t> byLength_;
    mutable std::vector<std::size_t> lengthStart_;
    mutable std::vector<std::uint64_t> holders_;
    mutable std::vector<int> usedByLength_;  // the bins each name uses, in the same order
};

NameCandidates CandidatesOf(const std::vector<std::string>& names);

// Up to `limit` distinct offers that look like a slip of the keyboard for
// `query`, nearest first; equally near ones keep the order given. A candidate
// is near when at most max(1, length of the query / 3) edits away (and fewer
// edits than the query has characters), or when it starts with the query
// (of three characters or more) ignoring case.
std::vector<std::string> ClosestNames(std::string_view query, const NameCandidates& candidates,
                                      std::size_t limit = 3);
// The same into `closest` (cleared first), without copying the offers:
// they stay valid while the candidates do.
void ClosestOffers(std::string_view query, const NameCandidates& candidates,
                   std::vector<std::string_view>& closest, std::size_t limit = 3);
std::vector<std::string> ClosestNames(std::string_view query, const std::vector<std::string>& names,
                                      std::size_t limit = 3);
