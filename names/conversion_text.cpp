#include "conversion_text.h"

#include "mixed_value.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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

// The value and target around " WORD " at `at`, when the left reads as a
// value with its units and the right is not empty.
std::optional<ConversionText> SplitAt(std::string_view text, std::size_t at,
                                      std::string_view word) {
    const std::string_view left = Trimmed(text.substr(0, at));
    const std::string_view to = Trimmed(text.substr(at + word.size()));
    const auto quantity = ReadQuantity(left);
    if (!quantity || to.empty()) return std::nullopt;
    if (quantity->count > 1) return ConversionText{std::string(left), {}, std::string(to)};
    // One unit: the amount is the text before it, the unit the name to look up.
    const MixedPart& part = quantity->parts[0];
    const std::string_view amount =
        Trimmed(left.substr(0, static_cast<std::size_t>(part.label.data() - left.data())));
    return ConversionText{std::string(amount), std::string(part.name), std::string(to)};
}

// The last " WORD " (blanks being spaces or tabs) that splits `text` well.
std::optional<ConversionText> SplitAtLast(std::string_view text, std::string_view word) {
    for (std::size_t at = text.size(); at-- > 1;) {
        const std::size_t after = at + word.size();
        if (text.substr(at, word.size()) != word || !IsBlank(text[at - 1]) ||
            after >= text.size() || !IsBlank(text[after]))
            continue;
        if (auto split = SplitAt(text, at, word)) return split;
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
    if (auto split = SplitAtLast(text, "to")) return split;
    if (auto split = SplitAtLast(text, "in")) return split;
    // German reads "10 Zoll nach cm" as well as "10 Zoll in cm".
    return SplitAtLast(text, "nach");
}
