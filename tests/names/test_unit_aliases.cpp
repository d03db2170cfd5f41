// The alias table's rules, and what a typed name finds.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "builtin_units.h"
#include "catalogue.h"
#include "german_names.h"
#include "hashed_names.h"
#include "text_1252.h"
#include "unit_aliases.h"
#include "unit_lookup.h"

namespace {

// The parts of a "|"-separated list, cut as the lookups cut them.
std::vector<std::string> Split(std::string_view list) {
    std::vector<std::string> parts;
    ForEachListPart(list, [&](std::string_view part) { parts.emplace_back(part); });
    return parts;
}

class UnitAliasesTest : public ::testing::Test {
protected:
    Catalogue catalogue_;
};

TEST_F(UnitAliasesTest, EveryAliasNamesOneBuiltinUnitAndShadowsNoName) {
    // Per category: the any-case aliases lower-cased, the case-sensitive ones as written.
    std::set<std::pair<std::string, std::string>> anyCase, exactCase;
    for (const UnitAliases& entry : BuiltinAliases) {
        SCOPED_TRACE(std::string(entry.category) + " / " + std::string(entry.unit));
        const auto row = catalogue_.CategoryByName(entry.category);
        ASSERT_TRUE(row && *row < BuiltinCategoryCount);
        EXPECT_TRUE(catalogue_.UnitByName(*row, entry.unit));
        std::vector<std::string> aliases = Split(entry.anyCase);
        for (const std::string& alias : Split(entry.exactCase)) aliases.push_back(alias);
        EXPECT_FALSE(aliases.empty());
        for (const std::string& alias : aliases) {
            SCOPED_TRACE(alias);
            EXPECT_FALSE(alias.empty());
            // --names joins aliases with ", "; blanks at the ends would not survive a shell.
            EXPECT_EQ(alias.find_first_of(",\t"), std::string::npos);
            EXPECT_NE(alias.front(), ' ');
            EXPECT_NE(alias.back(), ' ');
            for (int other = 0; other < BuiltinCategoryCount; ++other) {
                for (int position = 1; position <= catalogue_.UnitCount(other); ++position)
                    EXPECT_FALSE(EqualsNoCase(alias, catalogue_.Name(other, position)))
                        << "shadows a unit of " << catalogue_.Name(other, 0);
            }
        }
    }
    // No text matches two aliases of one category: only case-sensitive ones
    // ("mS", "MS") may differ in case alone.
    for (const UnitAliases& entry : BuiltinAliases) {
        for (const std::string& alias : Split(entry.anyCase))
            EXPECT_TRUE(anyCase.insert({std::string(entry.category), LowerCp1252(alias)}).second)
                << alias;
    }
    for (const UnitAliases& entry : BuiltinAliases) {
        for (const std::string& alias : Split(entry.exactCase)) {
            EXPECT_TRUE(exactCase.insert({std::string(entry.category), alias}).second) << alias;
            EXPECT_FALSE(anyCase.contains({std::string(entry.category), LowerCp1252(alias)}))
                << alias;
        }
    }
    // Each category's entries stand together: the lookup takes them as one run.
    std::set<std::string> finished;
    for (std::size_t i = 0; i < BuiltinAliases.size(); ++i) {
        const std::string category(BuiltinAliases[i].category);
        EXPECT_FALSE(finished.contains(category)) << category << " is split";
        if (i + 1 == BuiltinAliases.size() || category != BuiltinAliases[i + 1].category)
            finished.insert(category);
    }
    for (const AmbiguousName& entry : AmbiguousNames) {
        SCOPED_TRACE(entry.name);
        EXPECT_GE(Split(entry.candidates).size(), 2u);
        EXPECT_TRUE(FindUnits(catalogue_, entry.name).empty()) << "an ambiguous name is no alias";
        for (const std::string& unit : Split(entry.candidates))
            EXPECT_TRUE(catalogue_.UnitByName(*catalogue_.CategoryByName(entry.category), unit))
                << unit;
    }
}

TEST_F(UnitAliasesTest, CommonCategoriesHaveAnAliasForEveryUnit) {
    for (const char* category : {"Distance", "Area", "Volume", "Mass", "Time", "Velocity",
                                 "Temperature", "Pressure", "Energy", "Power", "Force", "Angle"}) {
        const int row = *catalogue_.CategoryByName(category);
        for (int position = 1; position <= catalogue_.UnitCount(row); ++position)
            EXPECT_FALSE(AliasesOf(catalogue_, row, position).empty())
                << category << " / " << catalogue_.Name(row, position);
    }
}

struct Place {
    const char* category;
    const char* unit;
};

// A new name is looked for only in the rows that have a name or alias of
// its case-insensitive hash; every spelling in every case must still reach
// its own row, accented capitals included ("MEILEN", "\xC4QUIVALENT").
TEST_F(UnitAliasesTest, EverySpellingInAnyCaseReachesItsRow) {
    int checked = 0;
    const auto reaches = [&](std::string_view spelling, std::string_view category) {
        const int row = BuiltinRowNamed(category);
        for (const std::string& typed : {LowerCp1252(spelling), std::string(spelling), [&] {
                                             std::string upper(spelling);
                                             for (char& c : upper) c = UpperCp1252(c);
                                             return upper;
                                         }()}) {
            bool found = false;
            for (const UnitPlace& place : FindUnits(catalogue_, typed)) found |= place.row == row;
            EXPECT_TRUE(found) << typed << " in " << category;
            ++checked;
        }
    };
    for (const UnitAliases& entry : BuiltinAliases)
        for (const std::string& alias : Split(entry.anyCase)) reaches(alias, entry.category);
    for (const GermanUnitName& entry : GermanUnitNames) {
        if (entry.exactCase.empty()) reaches(entry.name, entry.category);
        for (const std::string& alias : Split(entry.aliases)) reaches(alias, entry.category);
    }
    for (int row = 0; row < BuiltinCategoryCount; ++row)
        for (int k = 0; k < BuiltinCategories[row].UnitCount(); ++k)
            reaches(BuiltinCategories[row].units[k].name, BuiltinCategories[row].name);
    EXPECT_GT(checked, 3000);
}

TEST_F(UnitAliasesTest, TypedNamesFindTheirUnits) {
    struct Row {
        const char* typed;
        std::vector<Place> expected;
    };
    const Row rows[] = {
        {"Miles", {{"Distance", "Miles"}}},
        {"mi", {{"Distance", "Miles"}}},
        {"KILOMETRES", {{"Distance", "Kilometers"}}},
        {"kilometers", {{"Distance", "Kilometers"}}},
        {"metre", {{"Distance", "Meters"}}},
        {"mm", {{"Distance", "Millimeters"}}},
        {"Mm", {}},  // megametre: case is meaning
        {"ms", {{"Time", "Milliseconds"}}},
        {"mS", {{"Conductance", "Millisiemens"}}},
        {"MS", {{"Conductance", "Megasiemens"}}},
        {"\xB5m", {{"Distance", "Micron"}}},
        {"um", {{"Distance", "Micron"}}},
        {"\xB0"
         "C",
         {{"Temperature", "Celsius"}}},
        {"degf", {{"Temperature", "Fahrenheit"}}},
        {"K", {{"Temperature", "Kelvin"}}},
        {"k", {}},
        {"C", {{"Velocity", "C"}}},  // an exact name keeps its meaning
        {"min", {{"Angle", "Minutes"}, {"Time", "Minutes"}}},
        {"s", {{"Time", "Seconds"}}},
        {"L", {{"Volume", "Liters"}, {"Volume (Dry)", "Liters"}}},
        {"ounces", {{"Mass", "Ounces"}, {"Volume", "Ounces"}}},
        {"oz", {{"Mass", "Ounces"}}},
        {"gal", {{"Volume", "Gallons"}}},
        {"Gal", {{"Acceleration", "Galileo"}, {"Volume", "Gallons"}}},
        {"km/h", {{"Velocity", "Kilometers/hour"}}},
        {"ft\xB2", {{"Area", "Feet\xB2"}}},
        {"psi", {{"Pressure", "PSI"}}},
        {"ton", {}},
        {"Zorkmids", {}},
        {"", {}},
    };
    for (const Row& row : rows) {
        std::vector<std::pair<std::string, std::string>> found, expected;
        for (const UnitPlace& place : FindUnits(catalogue_, row.typed))
            found.emplace_back(catalogue_.Name(place.row, 0),
                               catalogue_.Name(place.row, place.position));
        for (const Place& place : row.expected) expected.emplace_back(place.category, place.unit);
        EXPECT_EQ(found, expected) << row.typed;
    }
    const auto tons = AmbiguousCandidates(catalogue_, "TON");
    ASSERT_EQ(tons.size(), 3u);
    EXPECT_EQ(catalogue_.Name(tons[2].row, tons[2].position), "Tons(metric)");
    EXPECT_EQ(FindCategory(catalogue_, "volume (dry)"), catalogue_.CategoryByName("Volume (Dry)"));
}

TEST_F(UnitAliasesTest, CustomUnitsMatchInAnyCaseAndNeverTakeOverAliases) {
    const int distance = *catalogue_.CategoryByName("Distance");
    ASSERT_TRUE(catalogue_.AppendUnit(distance, "Smoot", 170.18));
    ASSERT_TRUE(catalogue_.AppendUnit(distance, "KM", 1.0));
    EXPECT_EQ(FindUnitIn(catalogue_, distance, "smoot"), catalogue_.UnitCount(distance) - 1);
    // Typed as one of them is written, that one; else neither.
    const auto kilometers = catalogue_.UnitByName(distance, "Kilometers");
    EXPECT_EQ(FindUnitIn(catalogue_, distance, "km"), kilometers);
    EXPECT_EQ(FindUnitIn(catalogue_, distance, "KM"), catalogue_.UnitCount(distance));
    EXPECT_EQ(FindUnitIn(catalogue_, distance, "Km"), std::nullopt);
    EXPECT_EQ(AmbiguousCandidates(catalogue_, "Km").size(), 2u);
    EXPECT_EQ(FindUnitIn(catalogue_, distance, "Kilometers"), kilometers);

    const int custom = *catalogue_.FirstFreeCustomRow();
    EXPECT_TRUE(FindUnits(catalogue_, "Hop").empty());
    catalogue_.SetCategoryName(custom, "Hoppiness");
    ASSERT_TRUE(catalogue_.AppendUnit(custom, "Hop", 1.0));
    EXPECT_EQ(FindCategory(catalogue_, "HOPPINESS"), custom);
    ASSERT_EQ(FindUnits(catalogue_, "HOP").size(), 1u);
    EXPECT_EQ(FindUnits(catalogue_, "HOP")[0].row, custom);
}

}  // namespace
