// The index answers every read as the scanning reader does.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ini_index.h"
#include "ini_text.h"
#include "read_cases.h"
#include "row_name.h"

namespace {

std::optional<std::string> Owned(std::optional<std::string_view> value) {
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

class IndexTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IndexTest, ReadsLikeTheScan) {
    const ReadCase& c = GetParam();
    const ini::Index index(c.text);
    EXPECT_EQ(Owned(index.Find(c.section, c.key)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, IndexTest, ::testing::ValuesIn(ReadCases()), RowName());

// Many sections and keys whose names collide in every case spelling, in
// random order with duplicates: the binary searches must still find the
// first section and, in it, the first key of each name.
TEST(IndexTest, AgreesWithTheScanOnCollidingNames) {
    const std::string names[] = {"a",  "A",    "b",    "\xC9", "\xE9", "ab",
                                 "aB", "\x8A", "\x9A", "",     "z"};
    std::mt19937 random(7);
    auto pick = [&] { return names[random() % std::size(names)]; };
    std::string text;
    for (int line = 0; line < 3000; ++line) {
        const auto kind = random() % 10;
        if (kind == 0) {
            text += "[" + pick() + "]\r\n";
        } else if (kind == 1) {
            text += ";" + pick() + "=c\n";
        } else {
            text += pick() + "=" + std::to_string(line) + "\r";
        }
    }
    const ini::Index index(text);
    for (const std::string& section : names) {
        for (const std::string& key : names) {
            EXPECT_EQ(Owned(index.Find(section, key)), Owned(ini::FindValue(text, section, key)))
                << "[" << section << "] " << key;
        }
    }
}

TEST(IndexTest, SurvivesBeingMoved) {
    ini::Index first(std::string("[S]\r\nA=1\r\n"));  // short: the text sits inside the string
    const ini::Index moved(std::move(first));
    EXPECT_EQ(Owned(moved.Find("S", "A")), "1");
}

}  // namespace
