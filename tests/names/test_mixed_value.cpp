// Reading values as people write them: amounts, sums of units, unit lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mixed_value.h"

namespace {

struct AmountCase {
    const char* text;
    std::optional<double> amount;
};

TEST(ReadAmount, ReadsNumbersFractionsAndMixedNumbers) {
    const AmountCase cases[] = {
        {"3/4", 0.75},
        {"1 1/2", 1.5},
        {"-1 1/2", -1.5},
        {" 5/16 ", 0.3125},
        {"2.5", 2.5},
        {"1e3", 1000.0},
        {"+7", 7.0},
        {"1/0", std::nullopt},
        {"1.5 1/2", std::nullopt},
        {"1 1.5/2", std::nullopt},
        {"3/4x", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"1 2", std::nullopt},
    };
    for (const AmountCase& c : cases) EXPECT_EQ(ReadAmount(c.text), c.amount) << c.text;
}

// The one reading of a typed value: fractions whole or not at all, plain
// numbers by the atof rule.
TEST(ReadValue, ReadsFractionsWholeAndPlainNumbersByTheirPrefix) {
    const AmountCase cases[] = {
        {"3/4", 0.75},
        {"1 1/2", 1.5},
        {"-1 1/2", -1.5},
        {"5", 5.0},
        {"-2.5e3", -2500.0},
        {"5x", 5.0},
        {"abc", 0.0},
        {"1/0", std::nullopt},
        {"5/0", std::nullopt},
        {"0/0", std::nullopt},
        {"1/2/3", std::nullopt},
        {"1 -1/2", std::nullopt},
        {"1/1e5", std::nullopt},
        {"3/4x", std::nullopt},
    };
    for (const AmountCase& c : cases) EXPECT_EQ(ReadValue(c.text), c.amount) << c.text;
}

TEST(AmountLength, MeasuresTheAmountAtTheStart) {
    const std::pair<const char*, std::size_t> cases[] = {
        {"1 1/2 ft", 5}, {"3/4mi", 3}, {"-2.5e3 m", 6}, {"5km", 1}, {"5e m", 1},
        {"1/0 ft", 1},   {"1 2/0", 1}, {"km", 0},       {"-", 0},   {".5 in", 2},
    };
    for (const auto& [text, length] : cases) EXPECT_EQ(AmountLength(text), length) << text;
}

struct Part {
    double amount;
    std::string name;
    std::string label;
};

struct QuantityCase {
    const char* text;
    bool negative;
    std::vector<Part> parts;  // empty: refused
};

TEST(ReadQuantity, ReadsSumsOfUnitsAsPeopleWriteThem) {
    const QuantityCase cases[] = {
        {"5 ft 3 in", false, {{5, "ft", "ft"}, {3, "in", "in"}}},
        {"5 ft + 3 in", false, {{5, "ft", "ft"}, {3, "in", "in"}}},
        {"5ft+3in", false, {{5, "ft", "ft"}, {3, "in", "in"}}},
        {"5' 3\"", false, {{5, "ft", "'"}, {3, "in", "\""}}},
        {"5'3\"", false, {{5, "ft", "'"}, {3, "in", "\""}}},
        {"5\xE2\x80\xB2 3\xE2\x80\xB3",
         false,
         {{5, "ft", "\xE2\x80\xB2"}, {3, "in", "\xE2\x80\xB3"}}},
        {"5 ft 3 1/2 in", false, {{5, "ft", "ft"}, {3.5, "in", "in"}}},
        {"12 st 4 lb", false, {{12, "st", "st"}, {4, "lb", "lb"}}},
        {"-1 h 2 min 3 s", true, {{1, "h", "h"}, {2, "min", "min"}, {3, "s", "s"}}},
        {"30\xC2\xB0 15\xE2\x80\xB2 10\xE2\x80\xB3",
         false,
         {{30, "deg", "\xC2\xB0"}, {15, "arcmin", "\xE2\x80\xB2"}, {10, "arcsec", "\xE2\x80\xB3"}}},
        {"30\xC2\xB0 15' 10\"",
         false,
         {{30, "deg", "\xC2\xB0"}, {15, "arcmin", "'"}, {10, "arcsec", "\""}}},
        {"100 \xC2\xB0"
         "F",
         false,
         {{100,
           "\xC2\xB0"
           "F",
           "\xC2\xB0"
           "F"}}},
        {"2 fl oz", false, {{2, "fl oz", "fl oz"}}},
        {"3/4 in", false, {{0.75, "in", "in"}}},
        {"1e3 m", false, {{1000, "m", "m"}}},
        {"5e m", false, {{5, "e m", "e m"}}},  // no exponent without digits: "e m" is the unit
        {"5 ft 3", false, {}},
        {"5 ft -3 in", false, {}},
        {"5 ft +", false, {}},
        {"ft", false, {}},
        {"", false, {}},
        {"1 a 2 b 3 c 4 d 5 e 6 f 7 g", false, {}},  // more parts than any list needs
        {"2 fl \t  oz 3 in", false, {{2, "fl \t  oz", "fl \t  oz"}, {3, "in", "in"}}},
    };
    for (const QuantityCase& c : cases) {
        const auto quantity = ReadQuantity(c.text);
        if (c.parts.empty()) {
            EXPECT_FALSE(quantity) << c.text;
            continue;
        }
        ASSERT_TRUE(quantity) << c.text;
        EXPECT_EQ(quantity->negative, c.negative) << c.text;
        ASSERT_EQ(quantity->count, static_cast<int>(c.parts.size())) << c.text;
        for (int i = 0; i < quantity->count; ++i) {
            EXPECT_EQ(quantity->parts[i].amount, c.parts[i].amount) << c.text;
            EXPECT_EQ(quantity->parts[i].name, c.parts[i].name) << c.text;
            EXPECT_EQ(quantity->parts[i].label, c.parts[i].label) << c.text;
        }
    }
}

struct ListCase {
    const char* text;
    std::vector<std::string> names;  // empty: not a list
    std::vector<std::string> labels;
};

TEST(ReadUnitList, SplitsAtPlusAndSemicolonAndNamesTheSymbols) {
    const ListCase cases[] = {
        {"ft+in", {"ft", "in"}, {"ft", "in"}},
        {"ft;in", {"ft", "in"}, {"ft", "in"}},
        {"yd + ft + in", {"yd", "ft", "in"}, {"yd", "ft", "in"}},
        {"'+\"", {"ft", "in"}, {"'", "\""}},
        {"\xC2\xB0+\xE2\x80\xB2+\xE2\x80\xB3",
         {"deg", "arcmin", "arcsec"},
         {"\xC2\xB0", "\xE2\x80\xB2", "\xE2\x80\xB3"}},
        {"h;min;s", {"h", "min", "s"}, {"h", "min", "s"}},
        {"km", {}, {}},
        {"ft+", {}, {}},
        {"+in", {}, {}},
    };
    for (const ListCase& c : cases) {
        const auto list = ReadUnitList(c.text);
        if (c.names.empty()) {
            EXPECT_FALSE(list) << c.text;
            continue;
        }
        ASSERT_TRUE(list) << c.text;
        ASSERT_EQ(list->count, static_cast<int>(c.names.size())) << c.text;
        for (int i = 0; i < list->count; ++i) {
            EXPECT_EQ(list->names[i], c.names[i]) << c.text;
            EXPECT_EQ(list->labels[i], c.labels[i]) << c.text;
        }
    }
}

}  // namespace
