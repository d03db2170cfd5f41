#include "visible_text.h"

#include <array>
#include <cstdint>

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

void AppendHex(std::string& shown, std::string_view prefix, std::uint32_t value, int digits) {
    shown += prefix;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        shown += HexDigits[(value >> shift) & 0xF];
}

// The escape a C programmer would recognise, or 0 for none.
char ShortEscape(char c) {
    constexpr std::string_view Bytes = "\a\b\t\n\v\f\r\x1B\"\\";
    constexpr std::string_view Letters = "abtnvfre\"\\";
    const std::size_t at = Bytes.find(c);
    return at == std::string_view::npos ? 0 : Letters[at];
}

// Length of the well-formed UTF-8 sequence starting text[i] (lead byte 0x80
// or above), and its code point; 0 when it is not one (stray continuation,
// overlong form, surrogate, beyond U+10FFFF, cut short).
std::size_t Utf8Sequence(std::string_view text, std::size_t i, std::uint32_t& codePoint) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length;
    std::uint32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, codePoint = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, codePoint = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() - i < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (byte(i + k) & 0x3Fu);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

// The bytes shown as they are: printable ASCII but a backslash, within
// quotes (bit 1) also but a double quote (bit 0 clear).
constexpr std::array<unsigned char, 256> PlainBytes = [] {
    std::array<unsigned char, 256> plain{};
    for (int c = 0x20; c < 0x7F; ++c) plain[static_cast<std::size_t>(c)] = c == '"' ? 2 : 3;
    plain['\\'] = 0;
    return plain;
}();

void AppendVisible(std::string& shown, std::string_view text, bool quoteEscaped) {
    const unsigned char plainBit = quoteEscaped ? 1 : 2;
    for (std::size_t i = 0; i < text.size();) {
        // Names are mostly plain: copied a run at a time.
        std::size_t run = i;
        while (run < text.size() && (PlainBytes[static_cast<unsigned char>(text[run])] & plainBit))
            ++run;
        if (run > i) {
            shown.append(text, i, run - i);
            i = run;
            continue;
        }
        const auto c = static_cast<unsigned char>(text[i]);
        const char escape = ShortEscape(text[i]);
        if (escape && (quoteEscaped || escape != '"')) {
            shown += '\\';
            shown += escape;
            ++i;
        } else if (c < 0x20 || c == 0x7F) {
            AppendHex(shown, "\\x", c, 2);
            ++i;
        } else if (c < 0x80) {
            shown += static_cast<char>(c);
            ++i;
        } else {
            std::uint32_t codePoint = 0;
            const std::size_t length = Utf8Sequence(text, i, codePoint);
            if (length == 0) {
                AppendHex(shown, "\\x", c, 2);
                ++i;
            } else {
                if (codePoint <= 0x9F)
                    AppendHex(shown, "\\u", codePoint, 4);
                else
                    shown.append(text.substr(i, length));
                i += length;
            }
        }
    }
}

}  // namespace

std::string Quoted(std::string_view text) {
    std::string shown;
    shown.reserve(text.size() + 2);
    AppendQuoted(shown, text);
    return shown;
}

void AppendQuoted(std::string& shown, std::string_view text) {
    shown += '"';
    AppendVisible(shown, text, true);
    shown += '"';
}

std::string Visible(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    AppendVisible(shown, text, false);
    return shown;
}
