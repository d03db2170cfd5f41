#pragma once
// Set bits of a 64-bit word, counted in place: without a hardware count in
// the target, std::popcount is a library call, and the name searches count
// bits for most names they look at.
#include <cstdint>

inline int CountBits(std::uint64_t x) {
    x -= (x >> 1) & 0x5555555555555555u;
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<int>((x * 0x0101010101010101u) >> 56);
}
