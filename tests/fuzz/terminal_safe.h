#pragma once
// What a fuzz target demands of every message it lets through to a
// terminal.
#include <cstddef>
#include <cstdint>
#include <string_view>

// True when `text` is well-formed UTF-8 holding no C0 control, no DEL and no
// C1 control (U+0080..U+009F).
inline bool IsTerminalSafe(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            if (lead < 0x20 || lead == 0x7F) return false;
            ++i;
            continue;
        }
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || lead > 0xF4 || text.size() - i < length) return false;
        std::uint32_t codePoint = lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            codePoint = codePoint << 6 | (next & 0x3Fu);
        }
        const std::uint32_t least[] = {0, 0, 0xA0, 0x800, 0x10000};  // 0xA0: no C1 control
        if (codePoint < least[length] || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}
