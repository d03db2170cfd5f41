#include "text_memo.h"

#include <algorithm>
#include <functional>

std::size_t TextMemo::HashOf(std::string_view key) {
    // Never 0, which marks an empty slot.
    return std::hash<std::string_view>{}(key) | 1;
}

std::size_t TextMemo::SlotFor(std::string_view key, std::size_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.hash == 0 ||
            (slot.hash == hash && std::string_view(held_).substr(slot.at, slot.keySize) == key))
            return i;
    }
}

std::optional<std::string_view> TextMemo::Find(std::string_view key) const {
    if (count_ == 0) return std::nullopt;
    const Slot& slot = slots_[SlotFor(key, HashOf(key))];
    if (slot.hash == 0) return std::nullopt;
    return std::string_view(held_).substr(slot.at + slot.keySize, slot.textSize);
}

std::string_view TextMemo::Add(std::string_view key, std::string_view text) {
    if (2 * (count_ + 1) > slots_.size()) {
        std::vector<Slot> old(std::max<std::size_t>(64, 2 * slots_.size()));
        old.swap(slots_);
        for (const Slot& slot : old) {
            if (slot.hash != 0)
                slots_[SlotFor(std::string_view(held_).substr(slot.at, slot.keySize), slot.hash)] =
                    slot;
        }
    }
    const std::size_t hash = HashOf(key);
    Slot& slot = slots_[SlotFor(key, hash)];
    slot = {hash, held_.size(), static_cast<std::uint32_t>(key.size()),
            static_cast<std::uint32_t>(text.size())};
    held_ += key;
    held_ += text;
    ++count_;
    return std::string_view(held_).substr(slot.at + slot.keySize, slot.textSize);
}

void TextMemo::clear() {
    if (count_ == 0) return;
    std::fill(slots_.begin(), slots_.end(), Slot{});
    held_.clear();
    count_ = 0;
}
