#include "text_memo.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "name_hash.h"

namespace {

std::size_t HashOf(std::string_view key) { return static_cast<std::size_t>(NameHash(key)); }

// The slot comes from the low bits of the hash, the tag from the top ones.
std::uint8_t TagOf(std::size_t hash) {
    return static_cast<std::uint8_t>(static_cast<std::uint64_t>(hash) >> 57 | 0x80u);
}

}  // namespace

std::uint32_t TextMemo::SizeAt(std::size_t at) const {
    std::uint32_t size;
    std::memcpy(&size, held_.data() + at, sizeof size);
    return size;
}

std::string_view TextMemo::KeyAt(std::uint32_t at) const {
    return std::string_view(held_).substr(at + Header, SizeAt(at));
}

std::string_view TextMemo::TextAt(std::uint32_t at) const {
    return std::string_view(held_).substr(at + Header + SizeAt(at), SizeAt(at + Header / 2));
}

std::size_t TextMemo::SlotFor(std::string_view key, std::size_t hash) const {
    const std::size_t mask = tags_.size() - 1;
    const std::uint8_t tag = TagOf(hash);
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        if (tags_[i] == 0 || (tags_[i] == tag && KeyAt(at_[i]) == key)) return i;
    }
}

std::optional<std::string_view> TextMemo::Find(std::string_view key) const {
    if (count_ == 0) return std::nullopt;
    const std::size_t i = SlotFor(key, HashOf(key));
    if (tags_[i] == 0) return std::nullopt;
    return TextAt(at_[i]);
}

std::string_view TextMemo::Add(std::string_view key, std::string_view text) {
    const std::size_t needed = Header + key.size() + text.size();
    if (held_.size() + needed > std::numeric_limits<std::uint32_t>::max()) clear();
    if (2 * (count_ + 1) > tags_.size()) {
        // Placed again in the order they were kept, reading the block
        // straight through.
        const std::size_t slots = std::max<std::size_t>(64, 2 * tags_.size());
        tags_.assign(slots, 0);
        at_.assign(slots, 0);
        for (std::size_t at = 0; at < held_.size();) {
            const auto place = static_cast<std::uint32_t>(at);
            const std::string_view kept = KeyAt(place);
            const std::size_t hash = HashOf(kept);
            const std::size_t i = SlotFor(kept, hash);
            tags_[i] = TagOf(hash);
            at_[i] = place;
            at += Header + kept.size() + TextAt(place).size();
        }
    }
    const std::size_t hash = HashOf(key);
    const std::size_t i = SlotFor(key, hash);
    const auto place = static_cast<std::uint32_t>(held_.size());
    tags_[i] = TagOf(hash);
    at_[i] = place;
    const std::uint32_t sizes[2] = {static_cast<std::uint32_t>(key.size()),
                                    static_cast<std::uint32_t>(text.size())};
    held_.append(reinterpret_cast<const char*>(sizes), Header);
    held_ += key;
    held_ += text;
    ++count_;
    return TextAt(place);
}

void TextMemo::clear() {
    if (count_ == 0) return;
    std::fill(tags_.begin(), tags_.end(), std::uint8_t{0});
    held_.clear();
    count_ = 0;
}
