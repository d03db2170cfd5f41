#pragma once
// The hash of the names a batch looks up, many times a line: a few
// multiplies over eight bytes at a time, where the library's hash walks a
// longer way for texts of any length.
//
//   NameHash("Kilometers") != NameHash("kilometers")
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

inline std::uint64_t NameHash(std::string_view text) {
    constexpr std::uint64_t Odd = 0x9E3779B97F4A7C15u;
    const auto mix = [](std::uint64_t h, std::uint64_t word) {
        h = (h ^ word) * Odd;
        return h ^ (h >> 29);
    };
    const char* p = text.data();
    std::size_t left = text.size();
    std::uint64_t h = (text.size() + 1) * Odd;
    for (; left >= 8; p += 8, left -= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        h = mix(h, word);
    }
    // The last one to seven bytes, read as two overlapping halves or as its
    // first, middle and last byte.
    if (left >= 4) {
        std::uint32_t first, last;
        std::memcpy(&first, p, sizeof first);
        std::memcpy(&last, p + left - 4, sizeof last);
        h = mix(h, std::uint64_t{first} << 32 | last);
    } else if (left > 0) {
        const auto byte = [&](std::size_t i) {
            return std::uint64_t{static_cast<unsigned char>(p[i])};
        };
        h = mix(h, byte(0) << 16 | byte(left / 2) << 8 | byte(left - 1));
    }
    // Every bit of the result depends on every bit hashed.
    h ^= h >> 32;
    h *= 0xD6E8FEB86659FD93u;
    return h ^ (h >> 32);
}
