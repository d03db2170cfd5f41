// Finding a unit by what the user types: which units match, in what order,
// which units are offered at all, and which an expression is the size of.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "name_index.h"
#include "reference_units.h"
#include "unit_lookup.h"
#include "unit_search.h"

namespace {

// A hand-made set, so that every expected order below is read off the
// names, not off the catalogue.
const std::vector<FindableUnit> Units = {
    {0, 1, "Distance", "Kilometers", {"km"}},    {0, 2, "Distance", "Nautical miles", {"nmi"}},
    {0, 3, "Distance", "Miles", {"mi", "mile"}}, {0, 4, "Distance", "Millimeters", {"mm"}},
    {0, 5, "Distance", "Megameters", {"Mm"}},    {1, 1, "Pressure", "Pounds/inch\xB2", {"psi"}},
    {2, 1, "Time", "Minutes", {"min"}},          {3, 1, "Angle", "Minutes", {"min", "arcmin"}},
    {4, 1, "Custom things", "Camomiles ", {}},   {5, 1, "Mass", "Carats", {"ct", "metric carat"}},
    {5, 2, "Mass", "Metric tons", {"t"}},
};

std::vector<std::string> Found(std::string_view query) {
    std::vector<std::string> shown;
    for (const std::size_t i : MatchFindableUnits(Units, query))
        shown.push_back(Units[i].name + " - " + Units[i].category);
    return shown;
}

}  // namespace

TEST(UnitSearch, RanksExactThenPrefixThenWordStartThenAnyPart) {
    const std::vector<std::pair<const char*, std::vector<std::string>>> cases = {
        // Two start with it, "Nautical miles" has a word that does, "Camomiles"
        // only holds it.
        {"mil",
         {"Miles - Distance", "Millimeters - Distance", "Nautical miles - Distance",
          "Camomiles  - Custom things"}},
        // An alias typed in full comes first, whatever its case.
        {"MI",
         {"Miles - Distance", "Millimeters - Distance", "Minutes - Angle", "Minutes - Time",
          "Nautical miles - Distance", "Camomiles  - Custom things"}},
        {"psi", {"Pounds/inch\xB2 - Pressure"}},
        // The superscript answers to the digit a keyboard types.
        {"inch2", {"Pounds/inch\xB2 - Pressure"}},
        // Blanks around the query or after a name do not count.
        {"  camomiles ", {"Camomiles  - Custom things"}},
        // Where case is the meaning, the alias in the typed case wins.
        {"mm", {"Millimeters - Distance", "Megameters - Distance"}},
        {"Mm", {"Megameters - Distance", "Millimeters - Distance"}},
        // The same name in two categories: both, in category order.
        {"minutes", {"Minutes - Angle", "Minutes - Time"}},
        // A match of the name comes before one of an alias only.
        {"metric", {"Metric tons - Mass", "Carats - Mass"}},
        {"xyz", {}},
    };
    for (const auto& [query, expected] : cases) EXPECT_EQ(Found(query), expected) << query;

    const std::vector<std::string> all = Found("");
    ASSERT_EQ(all.size(), Units.size()) << "an empty query offers every unit";
    EXPECT_EQ(all.front(), "Camomiles  - Custom things");
}

// --- The units offered --------------------------------------------------------

class FindableUnitsTest : public ::testing::Test {
protected:
    Catalogue catalogue_;
};

TEST_F(FindableUnitsTest, OffersEveryBuiltInUnitOnceWithoutAnAliasSource) {
    std::multiset<std::pair<std::string, std::string>> offered;
    for (const FindableUnit& unit : ListFindableUnits(catalogue_)) {
        offered.emplace(unit.category, unit.name);
        EXPECT_EQ(catalogue_.Name(unit.row, unit.position), unit.name);
        EXPECT_TRUE(unit.aliases.empty());
    }
    std::multiset<std::pair<std::string, std::string>> published;
    for (const reference::Category& category : reference::BuiltinCategories)
        for (const reference::Unit& unit : category.units)
            published.emplace(category.name, unit.name);
    EXPECT_EQ(offered, published);
}

TEST_F(FindableUnitsTest, LeavesHiddenCategoriesOutAndTakesCustomOnes) {
    const int distance = *catalogue_.CategoryByName("Distance");
    catalogue_.SetVisibility(distance, 0);
    const int stacks = FirstCustomRow + 1;
    catalogue_.SetCategoryName(stacks, "Stacks");
    catalogue_.AppendUnit(stacks, "Crates", 1.0);
    catalogue_.AppendUnit(stacks, "Pallets", 40.0);
    catalogue_.AppendUnit(stacks, "Crates", 2.0);  // the window resolves the name here

    // The alias source is asked about each unit by its place.
    const auto aliasesOf = [this](int row, int position) {
        return std::vector<std::string_view>{catalogue_.Name(row, position)};
    };
    std::vector<std::pair<int, int>> custom;
    for (const FindableUnit& unit : ListFindableUnits(catalogue_, aliasesOf)) {
        EXPECT_NE(unit.row, distance);
        EXPECT_EQ(unit.aliases, std::vector<std::string>{unit.name});
        if (unit.row >= FirstCustomRow) custom.emplace_back(unit.row, unit.position);
    }
    EXPECT_EQ(custom, (std::vector<std::pair<int, int>>{{stacks, 2}, {stacks, 3}}));
}

// --- Units found by an expression ---------------------------------------------

// The sized units go right after the names typed in full, ahead of names
// that only start with the query, and no unit twice.
TEST(UnitSearch, UnitsOfTheTypedSizeComeRightAfterTheExactMatches) {
    // "mi" is Miles' alias typed in full; "Millimeters" starts with it.
    const std::vector<std::size_t> sized = {4, 2};  // Megameters, Miles
    std::vector<std::string> shown;
    for (const std::size_t i : MatchFindableUnits(Units, "mi", sized))
        shown.push_back(Units[i].name);
    EXPECT_EQ(shown, (std::vector<std::string>{"Miles", "Megameters", "Millimeters", "Minutes",
                                               "Minutes", "Nautical miles", "Camomiles "}));
}

class UnitsOfExpressionTest : public ::testing::Test {
protected:
    // "unit - category" of each unit the expression finds, in list order.
    std::vector<std::string> Sized(std::string_view utf8Query) {
        const NameIndex index(catalogue_);
        std::vector<std::string> shown;
        for (const std::size_t i : UnitsOfExpression(index, units_, utf8Query))
            shown.push_back(units_[i].name + " - " + units_[i].category);
        return shown;
    }

    Catalogue catalogue_;
    // With their aliases, as the window lists them.
    std::vector<FindableUnit> units_ = ListFindableUnits(
        catalogue_, [this](int row, int position) { return AliasesOf(catalogue_, row, position); });
};

// What each expression is by definition: a newton metre is a joule
// (1 N·m = 1 kg·m²/s²), a psi a pound-force per square inch, 12 in a foot,
// 1000 m a kilometre.
TEST_F(UnitsOfExpressionTest, FindsTheUnitsOfItsSizeAndDimension) {
    // The unit whose symbol the query is, "N·m", first.
    const std::vector<std::string> newtonMetre = Sized("N*m");
    ASSERT_FALSE(newtonMetre.empty());
    EXPECT_EQ(newtonMetre.front(), "Newton meter - Torque");
    EXPECT_NE(std::find(newtonMetre.begin(), newtonMetre.end(), "Joules - Energy"),
              newtonMetre.end());
    for (const std::string& unit : newtonMetre)
        EXPECT_TRUE(unit.ends_with(" - Torque") || unit.ends_with(" - Energy")) << unit;
    EXPECT_EQ(Sized("N\xC2\xB7m"), newtonMetre);
    EXPECT_EQ(Sized("kg/m^3"), std::vector<std::string>{"Kilograms/meter\xB3 - Density"});
    EXPECT_EQ(Sized("kg/m\xC2\xB3"), std::vector<std::string>{"Kilograms/meter\xB3 - Density"});
    const std::vector<std::string> psi = Sized("lbf/in^2");
    EXPECT_NE(std::find(psi.begin(), psi.end(), "Pounds/inch\xB2 - Pressure"), psi.end());
    EXPECT_EQ(Sized("12 in"), std::vector<std::string>{"Feet - Distance"});
    EXPECT_EQ(Sized("1000 m"), std::vector<std::string>{"Kilometers - Distance"});
}

TEST_F(UnitsOfExpressionTest, FindsNothingOfAnotherSizeOrDimensionOrWithoutTheGrammar) {
    // A pound of mass per square inch is no pressure; a millimetre too much is no kilometre.
    const std::vector<std::string> massPerArea = Sized("lb/in^2");
    EXPECT_EQ(std::find(massPerArea.begin(), massPerArea.end(), "Pounds/inch\xB2 - Pressure"),
              massPerArea.end());
    EXPECT_TRUE(Sized("1000.001 m").empty());
    // A temperature with a number is a temperature, not the size of a unit.
    EXPECT_TRUE(Sized("2 \xC2\xB0"
                      "F")
                    .empty());
    // A plain name is found by its name; nothing that does not read is sized.
    for (const char* query : {"km", "Newton meter", "kg/zorks", "N*", "5", ""})
        EXPECT_TRUE(Sized(query).empty()) << query;
}
