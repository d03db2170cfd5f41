#pragma once
// The code page's lower case of each byte, as a table the compiler can read:
// the case-insensitive name hash below is worked out at compile time over
// the built-in tables, and must fold exactly as EqualsNoCase does.
//
// The letter pairs: A-Z, S/Z/OE with caron or ligature, Y with diaeresis,
// and Latin-1's A-grave..thorn except the multiplication sign. Sharp s and
// micro have no single-byte capital and map to themselves.
#include <array>
#include <cstdint>
#include <string_view>

namespace cp1252 {

struct CaseTables {
    std::array<unsigned char, 256> lower{};
    std::array<unsigned char, 256> upper{};
};

constexpr CaseTables BuildCaseTables() {
    CaseTables t;
    for (unsigned b = 0; b < 256; ++b) t.lower[b] = t.upper[b] = static_cast<unsigned char>(b);
    auto pair = [&t](unsigned capital, unsigned small) {
        t.lower[capital] = static_cast<unsigned char>(small);
        t.upper[small] = static_cast<unsigned char>(capital);
    };
    for (unsigned b = 'A'; b <= 'Z'; ++b) pair(b, b + 0x20);
    pair(0x8A, 0x9A);  // S caron
    pair(0x8C, 0x9C);  // OE
    pair(0x8E, 0x9E);  // Z caron
    pair(0x9F, 0xFF);  // Y diaeresis
    for (unsigned b = 0xC0; b <= 0xDE; ++b) {
        if (b != 0xD7) pair(b, b + 0x20);  // 0xD7 x and 0xF7 / are not letters
    }
    return t;
}

inline constexpr CaseTables Case = BuildCaseTables();

}  // namespace cp1252

// A hash of a Windows-1252 name that two names equal without regard to case
// share (FNV-1a over the lower-cased bytes). Names with other hashes differ
// in more than case; names with one hash may still differ.
constexpr std::uint32_t FoldedNameHash(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name) {
        hash ^= cp1252::Case.lower[static_cast<unsigned char>(c)];
        hash *= 16777619u;
    }
    return hash;
}
