// "Did you mean": the distance and the choice of names offered.
#include <gtest/gtest.h>

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

}  // namespace
