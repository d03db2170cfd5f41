// The messages a batch remembers: every text found by its own key, through
// the table's growth and after it is emptied.
#include <gtest/gtest.h>

#include <string>

#include "text_memo.h"

namespace {

std::string TextFor(int n) { return "message " + std::to_string(n * 7919); }

TEST(TextMemo, FindsEachTextByItsKeyThroughGrowthAndClearing) {
    TextMemo memo;
    EXPECT_FALSE(memo.Find("?km").has_value());
    // Keys that share starts and bytes, as slips of one name do.
    constexpr int Count = 5000;
    for (int n = 0; n < Count; ++n) {
        const std::string key = "?Kilo" + std::to_string(n);
        EXPECT_EQ(memo.Add(key, TextFor(n)), TextFor(n));
    }
    EXPECT_EQ(memo.size(), static_cast<std::size_t>(Count));
    for (int n = 0; n < Count; ++n) {
        const auto found = memo.Find("?Kilo" + std::to_string(n));
        ASSERT_TRUE(found.has_value()) << n;
        EXPECT_EQ(*found, TextFor(n));
    }
    EXPECT_FALSE(memo.Find("?Kilo").has_value());
    EXPECT_FALSE(memo.Find("?Kilo" + std::to_string(Count)).has_value());
    EXPECT_FALSE(memo.Find("!Kilo1").has_value());

    memo.clear();
    EXPECT_EQ(memo.size(), 0u);
    EXPECT_EQ(memo.bytes(), 0u);
    EXPECT_FALSE(memo.Find("?Kilo1").has_value());
    memo.Add("?Kilo1", "again");
    EXPECT_EQ(memo.Find("?Kilo1").value_or(""), "again");
    EXPECT_FALSE(memo.Find("?Kilo2").has_value());
}

}  // namespace
