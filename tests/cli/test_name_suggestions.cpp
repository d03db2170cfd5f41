// "Did you mean": the distance and the choice of names offered.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "name_suggestions.h"

namespace {

TEST(NameDistance, CountsEditsIgnoringCase) {
    struct Row {
        const char* a;
        const char* b;
        int distance;
    };
    const Row rows[] = {
        {"Celsius", "Celsius", 0},       {"CELSIUS", "celsius", 0},
        {"Celcius", "Celsius", 1},        // replace
        {"Fahrenhiet", "Fahrenheit", 1},  // swap of neighbours
        {"Kilometer", "Kilometers", 1},   // insert
        {"Kilometre", "Kilometers", 2},  {"", "Gon", 3},
        {"Meters\xB2", "meters\xB2", 0}, {"\xC9tendue", "\xE9tendue", 0},  // É and é are one letter
        {"Stone", "Stere", 2},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(NameDistance(row.a, row.b), row.distance) << row.a << " / " << row.b;
        EXPECT_EQ(NameDistance(row.b, row.a), row.distance)
            << "symmetric: " << row.a << " / " << row.b;
    }
}

TEST(ClosestNames, OffersOnlyPlausibleSlips) {
    const std::vector<std::string> names{"Kilometers", "Kilometers\xB2", "Miles",  "C",
                                         "Lux",        "Meters",         "Meters", "Feet",
                                         "Gon",        "Feet\xB2"};
    struct Row {
        const char* query;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {"Kilometre", {"Kilometers", "Kilometers\xB2"}},
        {"kilometers", {"Kilometers", "Kilometers\xB2"}},
        {"Mile", {"Miles"}},
        {"meter", {"Meters"}},  // once, though listed twice
        {"Fet", {"Feet"}},
        {"Fee", {"Feet", "Feet\xB2"}},  // a start of the name counts
        {"x", {}},                      // rewriting all of it is no slip
        {"Zorkmids", {}},
        {"", {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ClosestNames(row.query, names), row.expected) << row.query;
    EXPECT_EQ(ClosestNames("Kilometre", names, 1), std::vector<std::string>{"Kilometers"});
}

// The textbook table, every cell filled: the reference for the banded one.
int FullDistance(const std::string& x, const std::string& y) {
    std::vector<std::vector<int>> d(x.size() + 1, std::vector<int>(y.size() + 1));
    for (std::size_t i = 0; i <= x.size(); ++i) d[i][0] = static_cast<int>(i);
    for (std::size_t j = 0; j <= y.size(); ++j) d[0][j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= x.size(); ++i) {
        for (std::size_t j = 1; j <= y.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                d[i - 1][j - 1] + (x[i - 1] == y[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && x[i - 1] == y[j - 2] && x[i - 2] == y[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[x.size()][y.size()];
}

TEST(LoweredDistanceWithin, AgreesWithTheFullTableUpToItsLimit) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> length(0, 9), letter(0, 2);
    auto text = [&] {
        std::string s(static_cast<std::size_t>(length(random)), 'a');
        for (char& c : s) c = static_cast<char>('a' + letter(random));
        return s;
    };
    for (int n = 0; n < 20000; ++n) {
        const std::string x = text(), y = text();
        const int full = FullDistance(x, y);
        for (int limit = 0; limit <= 4; ++limit)
            ASSERT_EQ(LoweredDistanceWithin(x, y, limit), std::min(full, limit + 1))
                << x << " / " << y << " within " << limit;
    }
}

TEST(ClosestNames, OffersUnitsForNearAliasesAndNothingForHugeQueries) {
    const std::vector<NameCandidate> candidates{
        {"miles", "Miles"}, {"mi", "Miles"}, {"mph", "Miles/hour"}, {"km/h", "Kilometers/hour"}};
    EXPECT_EQ(ClosestNames("kmh", candidates), std::vector<std::string>{"Kilometers/hour"});
    EXPECT_EQ(ClosestNames("mile", candidates), std::vector<std::string>{"Miles"});  // once
    EXPECT_TRUE(ClosestNames(std::string(MaxSuggestedLength + 1, 'm'), candidates).empty());
}

}  // namespace
