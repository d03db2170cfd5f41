// Windows-1252 <-> UTF-8, case mapping and the case-insensitive order.
// Every table is built at compile time from a few ranges of the code page.
#include "text_1252.h"

#include <array>
#include <cstdint>

#include "case_1252.h"

namespace {

using Byte = unsigned char;

Byte AsByte(char c) { return static_cast<Byte>(c); }
char AsChar(unsigned value) { return static_cast<char>(static_cast<Byte>(value)); }

// 0x80..0x9F are the code page's own; the rest of 0x00..0xFF is Latin-1.
// The five bytes the code page leaves undefined map to the C1 controls of
// the same value, as Windows maps them.
constexpr std::array<char32_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

constexpr char32_t CodePointOf(Byte b) {
    return b >= 0x80 && b <= 0x9F ? HighControlRange[b - 0x80] : char32_t{b};
}

std::optional<Byte> ByteOf(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<Byte>(codePoint);
    }
    for (unsigned i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == codePoint) return static_cast<Byte>(0x80 + i);
    }
    return std::nullopt;
}

using cp1252::Case;

// The primary sort key of a byte: letters lose case and accent, the
// ligatures and sharp s spell out as two letters; other bytes stand for
// themselves.
struct Folded {
    std::array<char, 2> letters{};
    int length = 1;
};

constexpr std::array<Folded, 256> BuildFoldTable() {
    std::array<Folded, 256> fold{};
    for (unsigned b = 0; b < 256; ++b) {
        fold[b].letters[0] = static_cast<char>(Case.lower[b]);
    }
    auto base = [&fold](unsigned from, unsigned to, char letter) {
        for (unsigned b = from; b <= to; ++b) fold[b] = Folded{{letter, 0}, 1};
    };
    auto spell = [&fold](unsigned b, char first, char second) {
        fold[b] = Folded{{first, second}, 2};
    };
    base(0x8A, 0x8A, 's');
    base(0x9A, 0x9A, 's');
    base(0x8E, 0x8E, 'z');
    base(0x9E, 0x9E, 'z');
    base(0x9F, 0x9F, 'y');
    spell(0x8C, 'o', 'e');
    spell(0x9C, 'o', 'e');
    for (unsigned offset : {0x00u, 0x20u}) {  // capitals, then small letters
        base(0xC0 + offset, 0xC5 + offset, 'a');
        spell(0xC6 + offset, 'a', 'e');
        base(0xC7 + offset, 0xC7 + offset, 'c');
        base(0xC8 + offset, 0xCB + offset, 'e');
        base(0xCC + offset, 0xCF + offset, 'i');
        base(0xD0 + offset, 0xD0 + offset, 'd');
        base(0xD1 + offset, 0xD1 + offset, 'n');
        base(0xD2 + offset, 0xD6 + offset, 'o');
        base(0xD8 + offset, 0xD8 + offset, 'o');
        base(0xD9 + offset, 0xDC + offset, 'u');
        base(0xDD + offset, 0xDD + offset, 'y');
    }
    spell(0xDF, 's', 's');
    base(0xFF, 0xFF, 'y');
    return fold;
}

constexpr std::array<Folded, 256> Fold = BuildFoldTable();

// Walks a text's primary key one letter at a time without building it.
class FoldedLetters {
public:
    explicit FoldedLetters(std::string_view text) : text_(text) {}

    bool AtEnd() const { return index_ == text_.size(); }

    Byte Next() {
        const Folded& folded = Fold[AsByte(text_[index_])];
        const Byte letter = AsByte(folded.letters[part_]);
        if (++part_ == folded.length) {
            part_ = 0;
            ++index_;
        }
        return letter;
    }

private:
    std::string_view text_;
    size_t index_ = 0;
    int part_ = 0;
};

int ComparePrimary(std::string_view a, std::string_view b) {
    FoldedLetters left(a);
    FoldedLetters right(b);
    while (!left.AtEnd() && !right.AtEnd()) {
        const int difference = left.Next() - right.Next();
        if (difference != 0) return difference;
    }
    return static_cast<int>(right.AtEnd()) - static_cast<int>(left.AtEnd());
}

template <typename Key>
int CompareBy(std::string_view a, std::string_view b, Key key) {
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i) {
        const int difference = key(AsByte(a[i])) - key(AsByte(b[i]));
        if (difference != 0) return difference;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += AsChar(codePoint);
    } else if (codePoint < 0x800) {
        out += AsChar(0xC0 | (codePoint >> 6));
        out += AsChar(0x80 | (codePoint & 0x3F));
    } else {  // the code page reaches no further than U+2122
        out += AsChar(0xE0 | (codePoint >> 12));
        out += AsChar(0x80 | ((codePoint >> 6) & 0x3F));
        out += AsChar(0x80 | (codePoint & 0x3F));
    }
}

// Decodes one well-formed UTF-8 sequence at text[i] and moves i past it.
// Overlong forms, surrogates, code points above U+10FFFF and cut-off
// sequences are not well-formed.
std::optional<char32_t> DecodeUtf8(std::string_view text, size_t& i) {
    const Byte lead = AsByte(text[i]);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    int length = 0;
    char32_t codePoint = 0;
    Byte low = 0x80;  // allowed range of the second byte
    Byte high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return std::nullopt;
    }
    if (text.size() - i < static_cast<size_t>(length)) return std::nullopt;
    for (int k = 1; k < length; ++k) {
        const Byte next = AsByte(text[i + k]);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return std::nullopt;
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    i += length;
    return codePoint;
}

}  // namespace

std::string Utf8FromCp1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) AppendUtf8(out, CodePointOf(AsByte(c)));
    return out;
}

std::optional<std::string> Cp1252FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const std::optional<char32_t> codePoint = DecodeUtf8(utf8, i);
        if (!codePoint) return std::nullopt;
        const std::optional<Byte> byte = ByteOf(*codePoint);
        if (!byte) return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

char32_t CodePointOfCp1252(char byte) { return CodePointOf(AsByte(byte)); }

std::optional<char> Cp1252OfCodePoint(char32_t codePoint) {
    const std::optional<Byte> byte = ByteOf(codePoint);
    if (!byte) return std::nullopt;
    return static_cast<char>(*byte);
}

std::optional<char32_t> NextUtf8CodePoint(std::string_view text, size_t& i) {
    return DecodeUtf8(text, i);
}

char LowerCp1252(char c) { return static_cast<char>(Case.lower[AsByte(c)]); }

char UpperCp1252(char c) { return static_cast<char>(Case.upper[AsByte(c)]); }

std::string LowerCp1252(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = LowerCp1252(c);
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerCp1252(a[i]) != LowerCp1252(b[i])) return false;
    }
    return true;
}

int CollateNoCase(std::string_view a, std::string_view b) {
    if (const int primary = ComparePrimary(a, b); primary != 0) return primary;
    // Same letters: unaccented before accented, then capitals first.
    if (const int lower = CompareBy(a, b, [](Byte c) { return int{Case.lower[c]}; }); lower != 0) {
        return lower;
    }
    return CompareBy(a, b, [](Byte c) { return int{c}; });
}

std::string NormaliseName(std::string_view name) {
    std::string out = LowerCp1252(name);
    if (!out.empty()) out[0] = UpperCp1252(out[0]);
    return out;
}
