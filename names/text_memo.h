#pragma once
// Texts found by a key, all in one block of memory with a flat table of
// places beside it. A batch may meet a new misspelling on every line: a
// hash map of strings would cost three allocations and a few cache misses
// for each, more than finding the slip's offers does.
//
//   TextMemo memo;
//   memo.Add("?Kilometre", "unknown unit ...");
//   memo.Find("?Kilometre")  -> "unknown unit ..."
//   memo.Find("?Mile")       -> nothing
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TextMemo {
public:
    std::optional<std::string_view> Find(std::string_view key) const;
    // Keeps `text` for `key`, which must not be kept already, and gives the
    // kept copy.
    std::string_view Add(std::string_view key, std::string_view text);

    std::size_t size() const { return count_; }
    // Bytes of the keys and texts kept.
    std::size_t bytes() const { return held_.size(); }
    void clear();
    // Texts handed out stay valid until the next Add or clear.

private:
    struct Slot {
        std::size_t hash = 0;  // 0: empty
        std::size_t at = 0;    // where the key starts in held_, its text right after
        std::uint32_t keySize = 0;
        std::uint32_t textSize = 0;
    };
    static std::size_t HashOf(std::string_view key);
    // The place of the slot that holds `key`, or of the empty one where it
    // would go.
    std::size_t SlotFor(std::string_view key, std::size_t hash) const;

    std::vector<Slot> slots_;  // a power of two of them, at most half in use
    std::string held_;
    std::size_t count_ = 0;
};
