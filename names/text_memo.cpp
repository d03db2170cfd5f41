#include "text_memo.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "name_hash.h"

namespace {

std::size_t HashOf(std::string_view key) { return static_cast<std::size_t>(NameHash(key)); }

// The slot comes from the low bits of the hash, the check from the high
// ones, never 0.
std::uint32_t CheckOf(std::size_t hash) {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32) | 1u;
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
    const std::size_t mask = slots_.size() - 1;
    const std::uint32_t check = CheckOf(hash);
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.check == 0 || (slot.check == check && KeyAt(slot.at) == key)) return i;
    }
}

std::optional<std::string_view> TextMemo::Find(std::string_view key) const {
    if (count_ == 0) return std::nullopt;
    const Slot& slot = slots_[SlotFor(key, HashOf(key))];
    if (slot.check == 0) return std::nullopt;
    return TextAt(slot.at);
}

std::string_view TextMemo::Add(std::string_view key, std::string_view text) {
    const std::size_t needed = Header + key.size() + text.size();
    if (held_.size() + needed > std::numeric_limits<std::uint32_t>::max()) clear();
    if (2 * (count_ + 1) > slots_.size()) {
        // Placed again in the order they were kept, reading the block
        // straight through.
        slots_.assign(std::max<std::size_t>(64, 2 * slots_.size()), Slot{});
        for (std::size_t at = 0; at < held_.size();) {
            const auto place = static_cast<std::uint32_t>(at);
            const std::string_view kept = KeyAt(place);
            const std::size_t hash = HashOf(kept);
            slots_[SlotFor(kept, hash)] = {CheckOf(hash), place};
            at += Header + kept.size() + TextAt(place).size();
        }
    }
    const std::size_t hash = HashOf(key);
    Slot& slot = slots_[SlotFor(key, hash)];
    slot = {CheckOf(hash), static_cast<std::uint32_t>(held_.size())};
    const std::uint32_t sizes[2] = {static_cast<std::uint32_t>(key.size()),
                                    static_cast<std::uint32_t>(text.size())};
    held_.append(reinterpret_cast<const char*>(sizes), Header);
    held_ += key;
    held_ += text;
    ++count_;
    return TextAt(slot.at);
}

void TextMemo::clear() {
    if (count_ == 0) return;
    std::fill(slots_.begin(), slots_.end(), Slot{});
    held_.clear();
    count_ = 0;
}
