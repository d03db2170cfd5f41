#pragma once
// The conversions the user settled on, newest first, at most MaxEntries (the
// oldest go first). An entry equal to the newest one in pair and value is
// not added again, nor one whose value holds no digit (an emptied field).
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "unit_pair.h"

struct HistoryEntry {
    UnitPair pair;       // Windows-1252 names
    std::string value;   // the input as typed (UTF-8)
    std::string result;  // the output as shown (UTF-8)

    bool operator==(const HistoryEntry&) const = default;
};

class History {
public:
    static constexpr std::size_t MaxEntries = 200;
    // A longer value or result is not a conversion anyone settles on.
    static constexpr std::size_t MaxTextBytes = 200;

    const std::deque<HistoryEntry>& Entries() const { return entries_; }
    // True when the entry was added.
    bool Add(HistoryEntry entry);
    // Nothing when `index` is past the end.
    void Remove(std::size_t index);
    void Clear() { entries_.clear(); }
    // Replaces every entry (a file just read, newest first).
    void Assign(std::deque<HistoryEntry> entries);

private:
    std::deque<HistoryEntry> entries_;
};

// True when `text` holds every blank-separated word of `filter`, ignoring
// ASCII case; always for an empty filter.
//   MatchesFilter("1 Kilometers = 0.62 Miles", "km mi")   -> false
//   MatchesFilter("1 Kilometers = 0.62 Miles", "kilo MIL") -> true
bool MatchesFilter(std::string_view text, std::string_view filter);
