// Splitting a phrase at its last good " to " or " in ", against the plain
// rule of trying every one from the end, over many made-up phrases: the
// split skips the " to "s a shorter left side can no longer read past.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "conversion_text.h"
#include "mixed_value.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Every " WORD " from the end, each left side read afresh.
std::optional<ConversionText> PlainSplit(std::string_view text, std::string_view word) {
    for (std::size_t at = text.size(); at-- > 1;) {
        const std::size_t after = at + word.size();
        if (text.substr(at, word.size()) != word || !IsBlank(text[at - 1]) ||
            after >= text.size() || !IsBlank(text[after]))
            continue;
        const std::string_view left = Trimmed(text.substr(0, at));
        const std::string_view to = Trimmed(text.substr(after));
        const auto quantity = ReadQuantity(left);
        if (!quantity || to.empty()) continue;
        if (quantity->count > 1) return ConversionText{std::string(left), {}, std::string(to)};
        const std::string_view label = quantity->parts[0].label;
        const std::string_view amount =
            Trimmed(left.substr(0, static_cast<std::size_t>(label.data() - left.data())));
        return ConversionText{std::string(amount), std::string(quantity->parts[0].name),
                              std::string(to)};
    }
    return std::nullopt;
}

std::optional<ConversionText> PlainSplit(std::string_view text) {
    text = Trimmed(text);
    if (auto split = PlainSplit(text, "to")) return split;
    return PlainSplit(text, "in");
}

TEST(SplitConversionText, SplitsWhereTryingEveryWordFromTheEndDoes) {
    const char* words[] = {"5",  "3/4", "1",  "ft", "to",       "to",
                           "in", "+",   "-2", "a",  "\xC2\xB0", "x"};
    std::mt19937 random(25);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(words) - 1);
    std::uniform_int_distribution<int> length(1, 16);
    std::uniform_int_distribution<int> blanks(1, 3);
    for (int n = 0; n < 20000; ++n) {
        std::string text;
        for (int i = length(random); i > 0; --i) {
            text += words[pick(random)];
            text.append(static_cast<std::size_t>(blanks(random)), i % 5 ? ' ' : '\t');
        }
        const auto split = SplitConversionText(text);
        const auto plain = PlainSplit(text);
        ASSERT_EQ(split.has_value(), plain.has_value()) << text;
        if (!split) continue;
        EXPECT_EQ(split->value, plain->value) << text;
        EXPECT_EQ(split->from, plain->from) << text;
        EXPECT_EQ(split->to, plain->to) << text;
    }
}

}  // namespace

TEST(SplitConversionText, TheWordsSplitInAnyCase) {
    const struct {
        const char* text;
        ConversionText split;
    } cases[] = {
        {"2.5 KG TO LB", {"2.5", "KG", "LB"}},     {"5 km To mi", {"5", "km", "mi"}},
        {"3 ft IN cm", {"3", "ft", "cm"}},         {"3 ft In IN", {"3", "ft", "IN"}},
        {"10 Zoll NACH cm", {"10", "Zoll", "cm"}},
    };
    for (const auto& c : cases) {
        const auto split = SplitConversionText(c.text);
        ASSERT_TRUE(split) << c.text;
        EXPECT_EQ(split->value, c.split.value) << c.text;
        EXPECT_EQ(split->from, c.split.from) << c.text;
        EXPECT_EQ(split->to, c.split.to) << c.text;
    }
    // Only the whole word splits.
    EXPECT_FALSE(SplitConversionText("5 km TOO mi"));
}
