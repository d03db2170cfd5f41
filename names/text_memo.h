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
    // kept copy. Past 4 GiB of keys and texts, the memo starts afresh.
    std::string_view Add(std::string_view key, std::string_view text);

    std::size_t size() const { return count_; }
    // Bytes of the keys and texts kept.
    std::size_t bytes() const { return held_.size(); }
    void clear();
    // Texts handed out stay valid until the next Add or clear.

private:
    // A byte a slot beside where each key is kept: seven bits of the key's
    // hash, with the top bit set (0 is an empty slot). A slip met for the
    // first time is told apart from every kept one in this small table,
    // which stays in the cache, without reading the places or the keys.
    static constexpr std::size_t Header = 2 * sizeof(std::uint32_t);
    // The place of the slot that holds `key`, or of the empty one where it
    // would go.
    std::size_t SlotFor(std::string_view key, std::size_t hash) const;
    std::uint32_t SizeAt(std::size_t at) const;
    std::string_view KeyAt(std::uint32_t at) const;
    std::string_view TextAt(std::uint32_t at) const;

    std::vector<std::uint8_t> tags_;  // a power of two of them, at most half in use
    std::vector<std::uint32_t> at_;   // in held_: the key's size, the text's, the key, the text
    std::string held_;
    std::size_t count_ = 0;
};
