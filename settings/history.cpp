#include "history.h"

#include <algorithm>

bool History::Add(HistoryEntry entry) {
    if (entry.value.size() > MaxTextBytes || entry.result.size() > MaxTextBytes) return false;
    // An emptied field is no conversion anyone wants back.
    if (entry.value.find_first_of("0123456789") == std::string::npos) return false;
    if (!entries_.empty() && entries_.front().pair == entry.pair &&
        entries_.front().value == entry.value)
        return false;
    entries_.push_front(std::move(entry));
    while (entries_.size() > MaxEntries) entries_.pop_back();
    return true;
}

void History::Remove(std::size_t index) {
    if (index < entries_.size()) entries_.erase(entries_.begin() + static_cast<long>(index));
}

void History::Assign(std::deque<HistoryEntry> entries) {
    entries_ = std::move(entries);
    while (entries_.size() > MaxEntries) entries_.pop_back();
}

bool MatchesFilter(std::string_view text, std::string_view filter) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    for (std::size_t at = 0; at < filter.size();) {
        const std::size_t end = std::min(filter.find(' ', at), filter.size());
        const std::string_view word = filter.substr(at, end - at);
        if (!word.empty() &&
            std::search(text.begin(), text.end(), word.begin(), word.end(),
                        [&](char a, char b) { return lower(a) == lower(b); }) == text.end())
            return false;
        at = end + 1;
    }
    return true;
}
