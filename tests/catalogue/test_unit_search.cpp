// Finding a unit by what the user types: which units match, in what order,
// and which units are offered at all.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "reference_units.h"
#include "unit_search.h"

namespace {

// A hand-made set, so that every expected order below is read off the
// names, not off the catalogue.
const std::vector<FindableUnit> Units = {
    {0, 1, "Distance", "Kilometers", {"km"}},    {0, 2, "Distance", "Nautical miles", {"nmi"}},
    {0, 3, "Distance", "Miles", {"mi", "mile"}}, {0, 4, "Distance", "Millimeters", {"mm"}},
    {0, 5, "Distance", "Megameters", {"Mm"}},    {1, 1, "Pressure", "Pounds/inch\xB2", {"psi"}},
    {2, 1, "Time", "Minutes", {"min"}},          {3, 1, "Angle", "Minutes", {"min", "arcmin"}},
    {4, 1, "Custom things", "Similar ", {}},     {5, 1, "Mass", "Carats", {"ct", "metric carat"}},
    {5, 2, "Mass", "Metric tons", {"t"}},
};

std::vector<std::string> Found(std::string_view query) {
    std::vector<std::string> shown;
    for (const FoundUnit& found : MatchFindableUnits(Units, query))
        shown.push_back(Units[found.unit].name + " - " + Units[found.unit].category);
    return shown;
}

struct SearchCase {
    const char* query;
    std::vector<std::string> expected;
};

}  // namespace

TEST(UnitSearch, RanksExactThenPrefixThenWordStartThenSubstring) {
    const std::vector<SearchCase> cases = {
        // Miles and Millimeters start with it, "Nautical miles" has a word
        // that does, "Similar" only holds it.
        {"mil",
         {"Miles - Distance", "Millimeters - Distance", "Nautical miles - Distance",
          "Similar  - Custom things"}},
        // An alias typed in full comes first, whatever its case.
        {"MI",
         {"Miles - Distance", "Millimeters - Distance", "Minutes - Angle", "Minutes - Time",
          "Nautical miles - Distance", "Similar  - Custom things"}},
        {"psi", {"Pounds/inch\xB2 - Pressure"}},
        // The superscript answers to the digit a keyboard types.
        {"inch2", {"Pounds/inch\xB2 - Pressure"}},
        // Blanks around the query or after a name do not count.
        {"  similar ", {"Similar  - Custom things"}},
        // Where case is the meaning, the alias in the typed case wins.
        {"mm", {"Millimeters - Distance", "Megameters - Distance"}},
        {"Mm", {"Megameters - Distance", "Millimeters - Distance"}},
        // The same name in two categories: both, in category order.
        {"minutes", {"Minutes - Angle", "Minutes - Time"}},
        // A match of the name itself comes before one of an alias only.
        {"metric", {"Metric tons - Mass", "Carats - Mass"}},
        {"arcmin", {"Minutes - Angle"}},
        {"xyz", {}},
    };
    for (const SearchCase& c : cases) EXPECT_EQ(Found(c.query), c.expected) << c.query;
}

TEST(UnitSearch, AnEmptyQueryOffersEveryUnitInNameOrder) {
    const std::vector<std::string> all = Found("");
    EXPECT_EQ(all.size(), Units.size());
    EXPECT_EQ(all.front(), "Carats - Mass");
    EXPECT_EQ(all.back(), "Similar  - Custom things");
    EXPECT_EQ(Found(" "), all);
}

TEST(UnitSearch, ReportsHowEachUnitMatched) {
    std::vector<MatchKind> kinds;
    for (const FoundUnit& found : MatchFindableUnits(Units, "mil")) kinds.push_back(found.kind);
    const std::vector<MatchKind> expected = {MatchKind::Prefix, MatchKind::Prefix,
                                             MatchKind::WordStart, MatchKind::Substring};
    EXPECT_EQ(kinds, expected);
    ASSERT_FALSE(MatchFindableUnits(Units, "psi").empty());
    EXPECT_EQ(MatchFindableUnits(Units, "psi").front().kind, MatchKind::Exact);
}

// --- The units offered --------------------------------------------------------

class FindableUnitsTest : public ::testing::Test {
protected:
    void TearDown() override { ResetCatalogue(); }
    std::array<int, BuiltinCategoryCount> listed_{};
    void SetUp() override { listed_.fill(1); }
};

TEST_F(FindableUnitsTest, OffersEveryBuiltInUnitOfTheListedCategories) {
    const std::vector<FindableUnit> units = ListFindableUnits(listed_);
    std::set<std::pair<std::string, std::string>> offered;
    for (const FindableUnit& unit : units) {
        offered.emplace(unit.category, unit.name);
        EXPECT_EQ(UnitNames[unit.row][unit.position], unit.name);
        EXPECT_TRUE(unit.aliases.empty()) << "no alias source given";
    }
    std::set<std::pair<std::string, std::string>> published;
    for (const reference::Category& category : reference::BuiltinCategories)
        for (const reference::Unit& unit : category.units)
            published.emplace(category.name, unit.name);
    EXPECT_EQ(offered, published);
    EXPECT_EQ(units.size(), published.size()) << "each unit once";
}

TEST_F(FindableUnitsTest, LeavesHiddenCategoriesOutAndTakesCustomOnes) {
    const int distance = *CategoryByName("Distance");
    listed_[distance] = 0;
    UnitNames[FirstCustomRow + 1][0] = "Stacks";
    AppendUnit(FirstCustomRow + 1, "Crates", 1.0);
    AppendUnit(FirstCustomRow + 1, "Pallets", 40.0);
    AppendUnit(FirstCustomRow + 1, "Crates", 2.0);  // the window resolves the name here

    std::vector<std::pair<int, int>> places;
    std::vector<std::vector<std::string>> aliases;
    const auto aliasesOf = [](int row, int position) {
        return std::vector<std::string_view>{UnitNames[row][0], UnitNames[row][position]};
    };
    for (const FindableUnit& unit : ListFindableUnits(listed_, aliasesOf)) {
        EXPECT_NE(unit.row, distance);
        EXPECT_EQ(unit.aliases, (std::vector<std::string>{unit.category, unit.name}));
        if (unit.row > FirstCustomRow - 1) places.emplace_back(unit.row, unit.position);
    }
    EXPECT_EQ(places,
              (std::vector<std::pair<int, int>>{{FirstCustomRow + 1, 2}, {FirstCustomRow + 1, 3}}));
}
