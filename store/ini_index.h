#pragma once
// A profile text parsed once for many reads: the same answers as
// ini::FindValue, found by binary search instead of a scan, so the few
// hundred reads of a start-up cost little even on a huge file.
//
//   ini::Index index("[S]\r\nA=1\r\na=2\r\n[s]\r\nB=3\r\n");
//   index.Find("s", "a")  -> "1"      (first key of a name wins)
//   index.Find("S", "B")  -> nothing  (only the first section of a name counts)
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ini {

class Index {
public:
    // Texts of 4 GiB or more are not indexed: every key reads as absent.
    explicit Index(std::string text);

    // The value unquoted but not shortened; nothing when absent.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // The text indexed.
    const std::string& Text() const { return text_; }

private:
    // Positions fit 32 bits, which keeps an entry at 16 bytes: a file of
    // short key lines costs about twice its size.
    struct Span {
        std::uint32_t begin;
        std::uint32_t size;
    };
    struct Section {
        Span name;
        std::uint32_t keysBegin;  // its keys in keys_, sorted by name, earlier line first
        std::uint32_t keysEnd;
    };
    struct Key {
        Span name;
        Span value;  // as stored, quotes kept
    };

    std::string_view View(Span span) const {
        return std::string_view(text_).substr(span.begin, span.size);
    }
    Span SpanOf(std::string_view part) const;

    std::string text_;
    std::vector<Section> sections_;
    std::vector<std::uint32_t> sectionsByName_;  // indexes into sections_, earlier header first
    std::vector<Key> keys_;
};

}  // namespace ini
