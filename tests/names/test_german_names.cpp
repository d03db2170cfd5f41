// The German names: complete, unambiguous within a category, each finding a
// unit of its own unit's size, and shown only where a German session shows.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "builtin_units.h"
#include "catalogue.h"
#include "german_names.h"
#include "hashed_names.h"
#include "shown_names.h"
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

// Every German spelling of an entry: its name, its other spellings, and
// those to be written as written.
std::vector<std::string> Spellings(const GermanUnitName& entry) {
    std::vector<std::string> all{std::string(entry.name)};
    for (const std::string& alias : Split(entry.aliases)) all.push_back(alias);
    for (const std::string& alias : Split(entry.exactCase)) all.push_back(alias);
    return all;
}

class GermanNamesTest : public ::testing::Test {
protected:
    int Row(const char* category) const { return *catalogue_.CategoryByName(category); }
    int Position(const char* category, const char* unit) const {
        return *catalogue_.UnitByName(Row(category), unit);
    }
    Catalogue catalogue_;
};

TEST_F(GermanNamesTest, EveryBuiltinCategoryAndUnitHasAGermanName) {
    int units = 0;
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        SCOPED_TRACE(catalogue_.CategoryName(row));
        const GermanCategoryName* category = GermanCategoryOfRow(row);
        ASSERT_NE(category, nullptr);
        EXPECT_FALSE(category->name.empty());
        for (int position = 1; position <= catalogue_.BuiltinUnitsOf(row); ++position) {
            EXPECT_FALSE(GermanNameOf(row, catalogue_.Name(row, position)).empty())
                << catalogue_.Name(row, position);
            ++units;
        }
    }
    EXPECT_EQ(units, CountBuiltinUnits());
    // And no German name is left over for a unit the catalogue does not have.
    EXPECT_EQ(GermanCategoryNames.size(), static_cast<std::size_t>(BuiltinCategoryCount));
    EXPECT_EQ(GermanUnitNames.size(), static_cast<std::size_t>(CountBuiltinUnits()));
    for (const GermanUnitName& entry : GermanUnitNames) {
        const auto row = catalogue_.CategoryByName(entry.category);
        ASSERT_TRUE(row) << entry.category;
        EXPECT_TRUE(catalogue_.UnitByName(*row, entry.unit)) << entry.unit;
    }
    // Each category's entries stand together, or a row would miss some.
    std::size_t byRow = 0;
    for (int row = 0; row < BuiltinCategoryCount; ++row) byRow += GermanUnitsOfRow(row).size();
    EXPECT_EQ(byRow, GermanUnitNames.size());
}

TEST_F(GermanNamesTest, NoTwoUnitsOfACategoryShareAGermanNameOrAlias) {
    // category -> lower-cased spelling -> the unit that has it
    std::map<std::string, std::map<std::string, std::string>> taken;
    for (const GermanUnitName& entry : GermanUnitNames) {
        const std::string unit(entry.unit);
        for (const std::string& spelling : Spellings(entry)) {
            SCOPED_TRACE(std::string(entry.category) + " / " + unit + ": " + spelling);
            EXPECT_FALSE(spelling.empty());
            EXPECT_EQ(spelling.find_first_of(",\t"), std::string::npos);
            EXPECT_NE(spelling.front(), ' ');
            EXPECT_NE(spelling.back(), ' ');
            const auto [at, added] =
                taken[std::string(entry.category)].emplace(LowerCp1252(spelling), unit);
            EXPECT_TRUE(added || at->second == unit) << "also names " << at->second;
        }
    }
    // The shown names alone differ within a category even in case.
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        std::map<std::string, std::string> shown;
        for (const GermanUnitName& entry : GermanUnitsOfRow(row)) {
            const auto [at, added] = shown.emplace(LowerCp1252(entry.name), entry.unit);
            EXPECT_TRUE(added) << entry.name << " names " << at->second << " and " << entry.unit;
        }
    }
}

// A German spelling finds, in its category, a unit of the size of the unit
// it stands for, and never takes an English name of another unit over.
TEST_F(GermanNamesTest, EachGermanSpellingFindsAUnitOfItsUnitsSize) {
    int checked = 0;
    for (const GermanUnitName& entry : GermanUnitNames) {
        const int row = Row(std::string(entry.category).c_str());
        const int own = *catalogue_.UnitByName(row, entry.unit);
        for (const std::string& spelling : Spellings(entry)) {
            SCOPED_TRACE(std::string(entry.category) + " / " + std::string(entry.unit) + ": " +
                         spelling);
            const auto found = FindUnitIn(catalogue_, row, spelling);
            ASSERT_TRUE(found);
            // Formula units (factor 0) have no size to compare: they must be the unit.
            if (catalogue_.Factor(row, own) == 0.0)
                EXPECT_EQ(*found, own);
            else
                EXPECT_EQ(catalogue_.Factor(row, *found), catalogue_.Factor(row, own))
                    << "finds " << catalogue_.Name(row, *found);
            for (int other = 0; other < BuiltinCategoryCount; ++other) {
                for (int position = 1; position <= catalogue_.UnitCount(other); ++position) {
                    if (other == row && position == own) continue;
                    EXPECT_FALSE(EqualsNoCase(spelling, catalogue_.Name(other, position)))
                        << "is the name of " << catalogue_.Name(other, position);
                }
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, static_cast<int>(GermanUnitNames.size()));
    for (const GermanCategoryName& category : GermanCategoryNames) {
        const int row = Row(std::string(category.category).c_str());
        EXPECT_EQ(FindCategory(catalogue_, category.name), row) << category.name;
        for (const std::string& alias : Split(category.aliases))
            EXPECT_EQ(FindCategory(catalogue_, alias), row) << alias;
    }
}

TEST_F(GermanNamesTest, GermanSpellingsFindTheirUnitsBesideTheEnglishOnes) {
    struct Case {
        const char* typed;
        const char* category;
        const char* unit;
    };
    for (const Case& c : {
             Case{"Zoll", "Distance", "Inches"},
             Case{"Fu\xDF", "Distance", "Feet"},
             Case{"fuss", "Distance", "Feet"},
             Case{"Meilen", "Distance", "Miles"},
             Case{"Seemeile", "Distance", "Nautical miles"},
             Case{"Pfund", "Mass", "Pounds"},
             Case{"Unze", "Mass", "Ounces"},
             Case{"Tonne", "Mass", "Tons(metric)"},
             Case{"Zentner", "Mass", "Zentner"},
             Case{"Doppelzentner", "Mass", "Doppelzentner"},
             Case{"Stunden", "Time", "Hours"},
             Case{"Woche", "Time", "Weeks"},
             Case{"Grad Celsius", "Temperature", "Celsius"},
             Case{"Kilometer pro Stunde", "Velocity", "Kilometers/hour"},
             Case{"Quadratmeter", "Area", "Meters\xB2"},
             Case{"Kubikmeter", "Volume", "Meter\xB3"},
             Case{"Kilowattstunde", "Energy", "kilowatt hour"},
             Case{"PS", "Power", "Metric horsepower"},
             // German nouns are capitalised: "Grad" is the degree, while the
             // English "grad" stays the gon.
             Case{"Grad", "Angle", "Degrees"},
             Case{"grad", "Angle", "Grades"},
             Case{"hp", "Power", "Horsepower"},
             Case{"Inches", "Distance", "Inches"},
         }) {
        SCOPED_TRACE(c.typed);
        const auto found = FindUnitIn(catalogue_, Row(c.category), c.typed);
        ASSERT_TRUE(found);
        EXPECT_EQ(catalogue_.Name(Row(c.category), *found), c.unit);
    }
    // "PS" is never the mechanical horsepower, in any case.
    EXPECT_FALSE(FindUnitIn(catalogue_, Row("Power"), "ps"));
    EXPECT_EQ(FindCategory(catalogue_, "Entfernung"), Row("Distance"));
    EXPECT_EQ(FindCategory(catalogue_, "l\xE4nge"), Row("Distance"));
}

TEST_F(GermanNamesTest, NewUnitsHaveTheirDefinedSizes) {
    const int power = Row("Power");
    const double watt = catalogue_.Factor(power, Position("Power", "Watts"));
    EXPECT_EQ(catalogue_.Factor(power, Position("Power", "Metric horsepower")) / watt, 735.49875);
    const int mass = Row("Mass");
    const double kilogram = catalogue_.Factor(mass, Position("Mass", "Kilograms"));
    EXPECT_EQ(catalogue_.Factor(mass, Position("Mass", "Zentner")) / kilogram, 50.0);
    EXPECT_EQ(catalogue_.Factor(mass, Position("Mass", "Doppelzentner")) / kilogram, 100.0);
}

TEST_F(GermanNamesTest, ShownNamesFollowTheLanguageAndKeepCustomNames) {
    const int distance = Row("Distance");
    const int inches = Position("Distance", "Inches");
    EXPECT_EQ(ShownUnitName(catalogue_, distance, inches, NameLanguage::German), "Zoll");
    EXPECT_EQ(ShownUnitName(catalogue_, distance, inches, NameLanguage::English), "Inches");
    EXPECT_EQ(ShownCategoryName(catalogue_, distance, NameLanguage::German), "L\xE4nge");
    EXPECT_EQ(ShownCategoryName(catalogue_, distance, NameLanguage::English), "Distance");
    // A unit the profile added is shown as typed, even one spelt like a built-in unit.
    ASSERT_TRUE(catalogue_.AppendUnit(distance, "Inches", 2.54));
    EXPECT_EQ(
        ShownUnitName(catalogue_, distance, catalogue_.UnitCount(distance), NameLanguage::German),
        "Inches");
    catalogue_.SetCategoryName(FirstCustomRow,
                               "Meine Ma\xDF"
                               "e");
    EXPECT_EQ(ShownCategoryName(catalogue_, FirstCustomRow, NameLanguage::German),
              "Meine Ma\xDF"
              "e");
}

}  // namespace
