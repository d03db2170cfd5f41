#include "ini_index.h"

#include <algorithm>
#include <array>
#include <limits>

#include "ini_text.h"
#include "text_1252.h"

namespace ini {

namespace {

// LowerCp1252 as a table: sorting a large file compares names millions of times.
const std::array<unsigned char, 256>& LowerTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> lower{};
        for (unsigned b = 0; b < 256; ++b) {
            lower[b] = static_cast<unsigned char>(LowerCp1252(static_cast<char>(b)));
        }
        return lower;
    }();
    return table;
}

// The order behind the binary searches; equal exactly when EqualsNoCase is.
bool LessNoCase(std::string_view a, std::string_view b) {
    const auto& lower = LowerTable();
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [&lower](char x, char y) {
            return lower[static_cast<unsigned char>(x)] < lower[static_cast<unsigned char>(y)];
        });
}

}  // namespace

Index::Span Index::SpanOf(std::string_view part) const {
    return {static_cast<std::uint32_t>(part.data() - text_.data()),
            static_cast<std::uint32_t>(part.size())};
}

Index::Index(std::string text) : text_(std::move(text)) {
    if (text_.size() >= std::numeric_limits<std::uint32_t>::max()) return;
    LineReader reader(text_);
    while (auto placed = reader.Next()) {
        const Line& line = placed->line;
        if (line.kind == LineKind::Header) {
            const auto at = static_cast<std::uint32_t>(keys_.size());
            sections_.push_back({SpanOf(line.name), at, at});
        } else if (line.kind == LineKind::Key && !sections_.empty()) {
            keys_.push_back({SpanOf(line.name), SpanOf(line.value)});
            sections_.back().keysEnd = static_cast<std::uint32_t>(keys_.size());
        }
    }
    auto keyLess = [this](const Key& a, const Key& b) {
        return LessNoCase(View(a.name), View(b.name));
    };
    for (const Section& section : sections_) {
        std::stable_sort(keys_.begin() + section.keysBegin, keys_.begin() + section.keysEnd,
                         keyLess);
    }
    sectionsByName_.resize(sections_.size());
    for (std::uint32_t i = 0; i < sectionsByName_.size(); ++i) sectionsByName_[i] = i;
    std::stable_sort(sectionsByName_.begin(), sectionsByName_.end(),
                     [this](std::uint32_t a, std::uint32_t b) {
                         return LessNoCase(View(sections_[a].name), View(sections_[b].name));
                     });
}

std::optional<std::string_view> Index::Find(std::string_view section, std::string_view key) const {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    const auto named = std::lower_bound(sectionsByName_.begin(), sectionsByName_.end(), section,
                                        [this](std::uint32_t i, std::string_view name) {
                                            return LessNoCase(View(sections_[i].name), name);
                                        });
    if (named == sectionsByName_.end() || !EqualsNoCase(View(sections_[*named].name), section)) {
        return std::nullopt;
    }
    const Section& found = sections_[*named];
    const auto first = keys_.begin() + found.keysBegin;
    const auto last = keys_.begin() + found.keysEnd;
    const auto entry = std::lower_bound(
        first, last, key,
        [this](const Key& k, std::string_view name) { return LessNoCase(View(k.name), name); });
    if (entry == last || !EqualsNoCase(View(entry->name), key)) return std::nullopt;
    return Unquote(View(entry->value));
}

}  // namespace ini
