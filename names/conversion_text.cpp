#include "conversion_text.h"

#include "blank_text.h"
#include "mixed_value.h"

namespace {

// The value and target around " WORD " at `at`, when the left reads as a
// value with its units and the right is not empty. A left side that does
// not read leaves in `readable` how far the shorter ones may reach and
// still read.
std::optional<ConversionText> SplitAt(std::string_view text, std::size_t at, std::string_view word,
                                      std::size_t& readable) {
    const std::string_view left = Trimmed(text.substr(0, at));
    if (left.size() > readable) return std::nullopt;
    const std::string_view to = Trimmed(text.substr(at + word.size()));
    if (to.empty()) return std::nullopt;
    const auto quantity = ReadQuantity(left, &readable);
    if (!quantity) return std::nullopt;
    if (quantity->count > 1) return ConversionText{std::string(left), {}, std::string(to)};
    // One unit: the amount is the text before it, the unit the name to look up.
    const MixedPart& part = quantity->parts[0];
    const std::string_view amount =
        Trimmed(left.substr(0, static_cast<std::size_t>(part.label.data() - left.data())));
    return ConversionText{std::string(amount), std::string(part.name), std::string(to)};
}

// The last " WORD " (blanks being spaces or tabs) that splits `text` well.
// Each left side is the one before it cut shorter, so where one stopped
// reading rules out every later one still reaching past that point: a text
// full of " to " is read a few times at most, not once for every " to ".
std::optional<ConversionText> SplitAtLast(std::string_view text, std::string_view word) {
    std::size_t readable = text.size();
    for (std::size_t at = text.size(); at-- > 1;) {
        if (!IsWordBetweenBlanks(text, at, word)) continue;
        if (auto split = SplitAt(text, at, word, readable)) return split;
    }
    return std::nullopt;
}

}  // namespace

bool IsWordBetweenBlanks(std::string_view text, std::size_t at, std::string_view word) {
    const std::size_t after = at + word.size();
    if (at == 0 || after >= text.size() || !IsBlank(text[at - 1]) || !IsBlank(text[after]))
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = text[at + i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c) != word[i])
            return false;
    }
    return true;
}

std::optional<ValueAndRest> SplitLeadingValue(std::string_view text) {
    text = Trimmed(text);
    const std::size_t length = AmountLength(text);
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
