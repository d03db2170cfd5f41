// Names in messages: every byte a terminal could act on shown as an escape,
// valid UTF-8 text kept.
#include <gtest/gtest.h>

#include <string>

#include "visible_text.h"

namespace {

TEST(Quoted, ShowsControlsAndStrayBytesKeepsUtf8) {
    struct Row {
        std::string text;
        std::string shown;
    };
    const Row rows[] = {
        {"Miles", "\"Miles\""},
        {"", "\"\""},
        {"\x1B]0;owned\a\x1B[2J", "\"\\e]0;owned\\a\\e[2J\""},
        {"Miles\r\r", "\"Miles\\r\\r\""},
        {"scientific\x01", "\"scientific\\x01\""},
        {"a\tb\nc\bd\ve\ff", "\"a\\tb\\nc\\bd\\ve\\ff\""},
        {std::string("nul\0here", 8), "\"nul\\x00here\""},
        {"del\x7F", "\"del\\x7F\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},            // the closing quote stays the last
        {"Meters\xC2\xB2", "\"Meters\xC2\xB2\""},  // U+00B2 kept
        {"Meters\xB2", "\"Meters\\xB2\""},         // Windows-1252, not UTF-8
        {"CSI\xC2\x9B", "\"CSI\\u009B\""},         // C1 control, valid UTF-8
        {"\xC2\x80\xC2\x9F\xC2\xA0", "\"\\u0080\\u009F\xC2\xA0\""},
        {"\xE2\x82\xAC \xF0\x9F\x98\x80", "\"\xE2\x82\xAC \xF0\x9F\x98\x80\""},  // euro, emoji
        {"\xC0\xAF", "\"\\xC0\\xAF\""},                                          // overlong "/"
        {"\xED\xA0\x80", "\"\\xED\\xA0\\x80\""},                                 // surrogate
        {"\xF4\x90\x80\x80", "\"\\xF4\\x90\\x80\\x80\""},                        // beyond U+10FFFF
        {"cut\xE2\x82", "\"cut\\xE2\\x82\""},  // sequence cut short
        {"\x80x", "\"\\x80x\""},               // stray continuation byte
    };
    for (const Row& row : rows) EXPECT_EQ(Quoted(row.text), row.shown) << row.shown;
}

TEST(Visible, EscapesAsQuotedDoesButTheQuote) {
    EXPECT_EQ(Visible("a\"b\\c\td\xB2"), "a\"b\\\\c\\td\\xB2");
    EXPECT_EQ(Visible("Miles/hour"), "Miles/hour");
}

}  // namespace
