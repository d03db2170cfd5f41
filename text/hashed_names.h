#pragma once
// The names of a built-in table by their case-insensitive hash, sorted at
// compile time, each with the rows (a bit each) whose units bear a name of
// that hash. A lookup asks which rows could hold a name before walking any:
// a row outside the answer has no unit of that name in any case, so a new
// name costs a hash and a binary search instead of a walk of every row's
// names and aliases.
//
//   constexpr auto hashes = SortedByHash(std::array<HashedName, 2>{{
//       {FoldedNameHash("km"), RowBit(10)}, {FoldedNameHash("mi"), RowBit(10)}}});
//   RowsWithHash(hashes, FoldedNameHash("KM")) -> RowBit(10)
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "case_1252.h"

struct HashedName {
    std::uint32_t hash = 0;
    std::uint64_t rows = 0;
};

constexpr std::uint64_t RowBit(int row) {
    return row >= 0 && row < 64 ? std::uint64_t{1} << row : 0;
}

// Calls `take` with each part of a "|"-separated list of names.
template <typename Take>
constexpr void ForEachListPart(std::string_view list, Take take) {
    while (!list.empty()) {
        const std::size_t bar = list.find('|');
        take(list.substr(0, bar));
        if (bar == std::string_view::npos) break;
        list.remove_prefix(bar + 1);
    }
}

template <std::size_t N>
constexpr std::array<HashedName, N> SortedByHash(std::array<HashedName, N> names) {
    std::sort(names.begin(), names.end(),
              [](const HashedName& a, const HashedName& b) { return a.hash < b.hash; });
    return names;
}

// The rows of every name of `hash` in `sorted`.
constexpr std::uint64_t RowsWithHash(std::span<const HashedName> sorted, std::uint32_t hash) {
    auto it =
        std::lower_bound(sorted.begin(), sorted.end(), hash,
                         [](const HashedName& name, std::uint32_t h) { return name.hash < h; });
    std::uint64_t rows = 0;
    for (; it != sorted.end() && it->hash == hash; ++it) rows |= it->rows;
    return rows;
}

// How many names `names(entry, take)` hands to `take(name, row)` over
// `table`, and those names hashed and sorted: a table's TU works both out
// at compile time from its own entries.
template <typename Table, typename Names>
constexpr std::size_t CountNames(const Table& table, Names names) {
    std::size_t count = 0;
    for (const auto& entry : table) names(entry, [&](std::string_view, int) { ++count; });
    return count;
}

template <std::size_t N, typename Table, typename Names>
constexpr std::array<HashedName, N> HashNames(const Table& table, Names names) {
    std::array<HashedName, N> hashed{};
    std::size_t i = 0;
    for (const auto& entry : table) {
        names(entry, [&](std::string_view name, int row) {
            hashed[i++] = {FoldedNameHash(name), RowBit(row)};
        });
    }
    return SortedByHash(hashed);
}
