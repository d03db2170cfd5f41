#include "escaped_text.h"

namespace {

constexpr std::string_view HexDigits = "0123456789ABCDEF";

bool IsPlain(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '(' || c == ')' || c == '-';
}

int HexValue(char c) {
    const auto at = HexDigits.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

}  // namespace

std::string EscapeText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsPlain(byte)) {
            escaped += c;
        } else {
            escaped += '%';
            escaped += HexDigits[byte >> 4];
            escaped += HexDigits[byte & 0xF];
        }
    }
    return escaped;
}

std::optional<std::string> UnescapeText(std::string_view escaped) {
    std::string text;
    text.reserve(escaped.size());
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        const auto byte = static_cast<unsigned char>(escaped[i]);
        if (IsPlain(byte)) {
            text += escaped[i];
            continue;
        }
        if (byte != '%' || i + 2 >= escaped.size()) return std::nullopt;
        const int high = HexValue(escaped[i + 1]);
        const int low = HexValue(escaped[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        text += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return text;
}
