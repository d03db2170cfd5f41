#include "conversion_text.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Length of the number at the start: sign, digits, fraction, and an exponent
// only when digits follow it, so "5e" leaves "e" and "5d" leaves "d" (days).
std::size_t NumberLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    std::size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) ++digits;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            i = j;
        }
    }
    return i;
}

// The last " WORD " in `text`, blanks being spaces or tabs.
std::optional<std::size_t> LastWord(std::string_view text, std::string_view word) {
    for (std::size_t at = text.size(); at-- > 0;) {
        if (text.substr(at, word.size()) != word || at == 0) continue;
        const std::size_t after = at + word.size();
        if (IsBlank(text[at - 1]) && after < text.size() && IsBlank(text[after])) return at;
    }
    return std::nullopt;
}

}  // namespace

std::optional<ValueAndRest> SplitLeadingValue(std::string_view text) {
    text = Trimmed(text);
    const std::size_t length = NumberLength(text);
    if (length == 0) return std::nullopt;
    return ValueAndRest{text.substr(0, length), Trimmed(text.substr(length))};
}

std::optional<ConversionText> SplitConversionText(std::string_view text) {
    text = Trimmed(text);
    const std::size_t length = NumberLength(text);
    if (length == 0) return std::nullopt;
    const std::string_view units = text.substr(length);
    auto at = LastWord(units, "to");
    if (!at) at = LastWord(units, "in");
    if (!at) return std::nullopt;
    const std::string_view from = Trimmed(units.substr(0, *at));
    const std::string_view to = Trimmed(units.substr(*at + 2));  // both words have two letters
    if (from.empty() || to.empty()) return std::nullopt;
    return ConversionText{std::string(text.substr(0, length)), std::string(from), std::string(to)};
}
