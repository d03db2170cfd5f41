// The catalogue tables, their lookups and the custom-unit operations.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "conversion.h"
#include "reference_units.h"
#include "text_1252.h"

namespace {

constexpr int Acceleration = BuiltinRowNamed("Acceleration");
constexpr int Density = BuiltinRowNamed("Density");
constexpr int Distance = BuiltinRowNamed("Distance");
constexpr int Energy = BuiltinRowNamed("Energy");
constexpr int Flow = BuiltinRowNamed("Flow");
constexpr int Force = BuiltinRowNamed("Force");
constexpr int Temperature = BuiltinRowNamed("Temperature");
constexpr int Velocity = BuiltinRowNamed("Velocity");
constexpr int ViscosityDynamic = BuiltinRowNamed("Viscosity (Dynamic)");
constexpr int ViscosityKinematic = BuiltinRowNamed("Viscosity (Kinematic)");

// Every test starts from a catalogue of its own, as a program starts.
class CatalogueTest : public ::testing::Test {
protected:
    Catalogue catalogue_;
};

int NamedUnits(const Catalogue& catalogue_, int row) {
    int named = 0;
    for (int k = 1; k <= MaxUnitsPerRow; ++k) named += catalogue_.Name(row, k).empty() ? 0 : 1;
    return named;
}

TEST_F(CatalogueTest, ANewCatalogueHoldsTheBuiltinContent) {
    EXPECT_EQ(catalogue_.Name(Acceleration, 0), "Acceleration");
    EXPECT_EQ(catalogue_.Name(Acceleration, 1), "Centimeters/sec\xB2 ");
    EXPECT_EQ(catalogue_.Factor(Flow, 0), 34.0);
    EXPECT_EQ(catalogue_.Factor(Distance, 14), 160934.4);
    EXPECT_EQ(catalogue_.Name(CategoryRowCount - 1, 0), "Custom");
}

// Each factor is the unit's defined size in the reference unit, to the
// last bit or one off (the reference sizes are decimals of 22 digits).
TEST_F(CatalogueTest, BuiltinRowsMatchTheirDefinitions) {
    ASSERT_EQ(reference::BuiltinCategories.size(), size_t{BuiltinCategoryCount});
    int total = 0;
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        const reference::Category& expected = reference::BuiltinCategories[row];
        SCOPED_TRACE(expected.name);
        const int count = static_cast<int>(expected.units.size());
        EXPECT_EQ(catalogue_.Name(row, 0), expected.name);
        EXPECT_EQ(catalogue_.Factor(row, 0), count);
        EXPECT_EQ(catalogue_.BuiltinUnitsOf(row), count);
        EXPECT_EQ(catalogue_.UnitCount(row), count);
        EXPECT_EQ(NamedUnits(catalogue_, row), count);
        for (int k = 1; k <= count; ++k) {
            const reference::Unit& unit = expected.units[k - 1];
            EXPECT_EQ(catalogue_.Name(row, k), unit.name) << "position " << k;
            const auto factor = static_cast<double>(unit.size / expected.reference);
            EXPECT_LE(std::fabs(catalogue_.Factor(row, k) - factor),
                      std::fabs(factor) * std::numeric_limits<double>::epsilon())
                << unit.name << ": " << catalogue_.Factor(row, k) << " against " << factor;
        }
        total += count;
    }
    EXPECT_EQ(total, BuiltinUnitTotal);
}

TEST_F(CatalogueTest, FlowHasTheMostUnitsAndKinematicViscosityTheFewest) {
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        if (row == CurrencyRow) continue;  // the euro, until rates bring the rest
        EXPECT_LE(catalogue_.UnitCount(row), catalogue_.UnitCount(Flow));
        EXPECT_GE(catalogue_.UnitCount(row), catalogue_.UnitCount(ViscosityKinematic));
    }
    EXPECT_EQ(catalogue_.UnitCount(Flow), 34);
    EXPECT_EQ(catalogue_.UnitCount(ViscosityKinematic), 4);
}

// Sorted lists of the built-in names show row r at index r.
TEST_F(CatalogueTest, BuiltinCategoryNamesAreInListOrder) {
    for (int row = 1; row < BuiltinCategoryCount; ++row) {
        EXPECT_LT(CollateNoCase(catalogue_.Name(row - 1, 0), catalogue_.Name(row, 0)), 0)
            << catalogue_.Name(row - 1, 0) << " / " << catalogue_.Name(row, 0);
    }
}

// Units once published with plainly wrong or rounded factors, in a unit
// whose size is not in doubt.
TEST_F(CatalogueTest, OnceWrongFactorsHaveTheirConventionalSize) {
    struct Case {
        const char* label;
        int row;
        const char* from;
        const char* to;
        double expected;
    };
    const Case cases[] = {
        {"1 mph per minute", Acceleration, "Miles/hour-min", "Meters/sec\xB2", 0.44704 / 60.0},
        {"1 lb per US gallon", Density, "Pound/gallon (US)", "Kilograms/meter\xB3",
         453.59237 / 3.785411784},
        {"1 J/cm is 100 N", Force, "Joules/centimeter", "Newtons", 100.0},
        {"short ton-force in dynes", Force, "Ton force (2000 lbf)", "Dynes", 889644323.0521},
        {"1 acre is 43560 ft2", BuiltinRowNamed("Area"), "Acres", "Feet\xB2", 43560.0},
        {"1 mechanical hp is 550 ft lbf/s", BuiltinRowNamed("Power"), "Horsepower",
         "Pound-feet/sec", 550.0},
        {"short ton-force in lbf", Force, "Ton force (2000 lbf)", "Pound Force", 2000.0},
        {"poundal hour", ViscosityDynamic, "Poundal hour/feet\xB2", "Poundal sec/feet\xB2", 3600.0},
        {"reyn is lbf s/in2", ViscosityDynamic, "Reyn", "Pound force sec/inch\xB2", 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::optional<int> from = catalogue_.UnitByName(c.row, c.from);
        const std::optional<int> to = catalogue_.UnitByName(c.row, c.to);
        ASSERT_TRUE(from && to);
        const double result = ConvertValue(catalogue_, c.row, *from, *to, 1.0);
        EXPECT_NEAR(result, c.expected, 1e-13 * c.expected);
    }
}

// Every pair of units of a category whose sizes are in a whole ratio by
// definition (60 s in a minute, 8 fl oz in a cup, 43560 ft² in an acre,
// 1024 KiB in a MiB) converts in that ratio both ways, to within two units
// in the last place, so that it prints as the whole number.
TEST_F(CatalogueTest, UnitsInAWholeRatioConvertInIt) {
    constexpr double Tolerance = 2 * std::numeric_limits<double>::epsilon();
    int pairs = 0;
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        const reference::Category& category = reference::BuiltinCategories[row];
        if (!ConvertsByFactors(catalogue_, row)) continue;
        for (std::size_t b = 0; b < category.units.size(); ++b) {
            for (std::size_t s = 0; s < category.units.size(); ++s) {
                const long double ratio = category.units[b].size / category.units[s].size;
                const long double n = std::round(ratio);
                if (b == s || n < 2 || n > 1e15L || std::fabs(ratio - n) > 1e-17L * n) continue;
                SCOPED_TRACE(std::string(category.units[b].name) + " / " + category.units[s].name);
                const int big = static_cast<int>(b) + 1;
                const int small = static_cast<int>(s) + 1;
                const auto whole = static_cast<double>(n);
                EXPECT_NEAR(ConvertValue(catalogue_, row, big, small, 1.0), whole,
                            Tolerance * whole);
                EXPECT_NEAR(ConvertValue(catalogue_, row, small, big, whole), 1.0, Tolerance);
                ++pairs;
            }
        }
    }
    // Enough pairs that a missed class of them would show.
    EXPECT_GT(pairs, 500);
}

TEST_F(CatalogueTest, CustomRowsAreFreeAtStart) {
    for (int row = FirstCustomRow; row < CategoryRowCount; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(catalogue_.Name(row, 0), "Custom");
        EXPECT_EQ(catalogue_.Factor(row, 0), 0.0);
        EXPECT_TRUE(catalogue_.IsCustomRowFree(row));
        EXPECT_EQ(catalogue_.BuiltinUnitsOf(row), 0);
        EXPECT_EQ(catalogue_.UnitCount(row), 0);
        EXPECT_EQ(NamedUnits(catalogue_, row), 0);
        for (int k = 1; k <= MaxUnitsPerRow; ++k) EXPECT_EQ(catalogue_.Factor(row, k), 0.0);
    }
    EXPECT_EQ(catalogue_.FirstFreeCustomRow(), FirstCustomRow);
}

TEST_F(CatalogueTest, CategoryByNameIsExactAndTheLastMatchWins) {
    catalogue_.SetCategoryName(FirstCustomRow + 2,
                               "Distance");  // a hand-edited profile could do this
    struct Case {
        const char* label;
        const char* name;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"first row", "Acceleration", 0},
        {"name shared with a custom row", "Distance", FirstCustomRow + 2},
        {"free custom rows", "Custom", CategoryRowCount - 1},
        {"different case", "distance", std::nullopt},
        {"trailing blank", "Energy ", std::nullopt},
        {"empty", "", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(catalogue_.CategoryByName(c.name), c.expected);
    }
}

TEST_F(CatalogueTest, UnitByNameIsExactWithinOneRow) {
    struct Case {
        const char* label;
        int row;
        const char* name;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"velocity unit", Velocity, "Feet/sec", 7},
        {"not in acceleration", Acceleration, "Feet/sec", std::nullopt},
        {"without its trailing blank", Acceleration, "Centimeters/sec\xB2", std::nullopt},
        {"with its trailing blank", Acceleration, "Centimeters/sec\xB2 ", 1},
        {"lower-case name", Energy, "kilowatt hour", 19},
        {"capital K", Energy, "Kilowatt hour", std::nullopt},
        {"one-letter unit", Velocity, "C", 1},
        {"masculine ordinal byte", Energy, "BTU (39 \xBA F)", 4},
        {"empty name in a full row", Distance, "", std::nullopt},
        {"empty name in an empty row", FirstCustomRow, "", std::nullopt},
        {"row below range reads row 0", -1, "Galileo", 4},
        {"row above range reads row 0", CategoryRowCount, "Galileo", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(catalogue_.UnitByName(c.row, c.name), c.expected);
    }
}

TEST_F(CatalogueTest, UnitCountTruncatesAndStaysInTheRow) {
    struct Case {
        const char* label;
        double stored;
        int expected;
    };
    const Case cases[] = {
        {"whole", 3.0, 3},
        {"fraction", 2.9, 2},
        {"below one", 0.5, 0},
        {"negative", -4.0, 0},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), 0},
        {"beyond the row", 1e9, MaxUnitsPerRow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        catalogue_.SetStoredCount(FirstCustomRow, c.stored);
        EXPECT_EQ(catalogue_.UnitCount(FirstCustomRow), c.expected);
    }
}

TEST_F(CatalogueTest, AppendedUnitsFollowTheBuiltinOnes) {
    ASSERT_TRUE(catalogue_.AppendUnit(Velocity, "Span", 22.86));
    EXPECT_EQ(catalogue_.Factor(Velocity, 0), 19.0);
    EXPECT_EQ(catalogue_.Name(Velocity, 19), "Span");
    EXPECT_EQ(catalogue_.Factor(Velocity, 19), 22.86);
    EXPECT_EQ(catalogue_.Name(Velocity, 1), "C");
    EXPECT_EQ(catalogue_.BuiltinUnitsOf(Velocity), 18);

    // A duplicate name resolves to its later position.
    ASSERT_TRUE(catalogue_.AppendUnit(Distance, "Meters", 100.0));
    EXPECT_EQ(catalogue_.UnitByName(Distance, "Meters"), 20);
}

TEST_F(CatalogueTest, AppendStopsAtFiftyNineUnits) {
    for (int k = 1; k <= MaxUnitsPerRow; ++k) {
        ASSERT_TRUE(catalogue_.AppendUnit(FirstCustomRow + 1, "Unit " + std::to_string(k), k));
    }
    EXPECT_FALSE(catalogue_.AppendUnit(FirstCustomRow + 1, "One too many", 1.0));
    EXPECT_EQ(catalogue_.Factor(FirstCustomRow + 1, 0), 59.0);
    EXPECT_EQ(catalogue_.Name(FirstCustomRow + 1, 59), "Unit 59");

    EXPECT_FALSE(catalogue_.AppendUnit(-1, "Nowhere", 1.0));
    EXPECT_FALSE(catalogue_.AppendUnit(CategoryRowCount, "Nowhere", 1.0));
    EXPECT_EQ(catalogue_.Factor(Acceleration, 0), 10.0);
}

TEST_F(CatalogueTest, RemovingAUnitMovesTheLaterOnesDown) {
    catalogue_.AppendUnit(Distance, "A", 1.5);
    catalogue_.AppendUnit(Distance, "B", 2.5);
    catalogue_.AppendUnit(Distance, "C", 3.5);

    catalogue_.RemoveUnitAt(Distance, 20);
    EXPECT_EQ(catalogue_.Factor(Distance, 0), 21.0);
    EXPECT_EQ(catalogue_.Name(Distance, 20), "B");
    EXPECT_EQ(catalogue_.Factor(Distance, 20), 2.5);
    EXPECT_EQ(catalogue_.Name(Distance, 21), "C");
    EXPECT_EQ(catalogue_.Factor(Distance, 21), 3.5);
    EXPECT_EQ(catalogue_.Name(Distance, 22), "");
    EXPECT_EQ(catalogue_.Name(Distance, 19), "Yards");

    catalogue_.RemoveUnitAt(Distance, 21);  // the last one
    EXPECT_EQ(catalogue_.Factor(Distance, 0), 20.0);
    EXPECT_EQ(catalogue_.Name(Distance, 20), "B");
    EXPECT_EQ(catalogue_.Name(Distance, 21), "");
}

TEST_F(CatalogueTest, RemoveLeavesBuiltinUnitsAndBadPositionsAlone) {
    catalogue_.AppendUnit(Distance, "Span", 22.86);
    struct Case {
        const char* label;
        int row;
        int position;
    };
    const Case cases[] = {
        {"built-in unit", Distance, 5},
        {"last built-in unit", Distance, 19},
        {"position 0", Distance, 0},
        {"beyond the count", Distance, 21},
        {"beyond the row", Distance, 60},
        {"row out of range", CategoryRowCount, 1},
        {"empty custom row", FirstCustomRow, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        catalogue_.RemoveUnitAt(c.row, c.position);
        EXPECT_EQ(catalogue_.Factor(Distance, 0), 20.0);
        EXPECT_EQ(catalogue_.Name(Distance, 5), "Feet");
        EXPECT_EQ(catalogue_.Name(Distance, 20), "Span");
        EXPECT_EQ(catalogue_.Factor(FirstCustomRow, 0), 0.0);
    }
}

TEST_F(CatalogueTest, ClearingACustomRowFreesItWithoutUnits) {
    catalogue_.SetCategoryName(FirstCustomRow + 1, "Money");
    catalogue_.AppendUnit(FirstCustomRow + 1, "Euro", 1.0);
    catalogue_.AppendUnit(FirstCustomRow + 1, "Cent", 0.01);
    EXPECT_FALSE(catalogue_.IsCustomRowFree(FirstCustomRow + 1));

    catalogue_.ClearCustomRow(FirstCustomRow + 1);
    EXPECT_TRUE(catalogue_.IsCustomRowFree(FirstCustomRow + 1));
    EXPECT_EQ(catalogue_.Factor(FirstCustomRow + 1, 0), 0.0);
    EXPECT_EQ(NamedUnits(catalogue_, FirstCustomRow + 1), 0);

    catalogue_.ClearCustomRow(Distance);  // not a custom row
    EXPECT_EQ(catalogue_.Name(Distance, 0), "Distance");
    EXPECT_EQ(catalogue_.UnitCount(Distance), 19);
}

TEST_F(CatalogueTest, FreeRecordNames) {
    struct Case {
        const char* label;
        const char* name;
        bool free;
    };
    const Case cases[] = {
        {"marker", "Custom", true},      {"empty", "", true},
        {"one letter", "X", true},       {"two letters", "Xy", false},
        {"lower case", "custom", false}, {"marker and blank", "Custom ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(IsFreeRecordName(c.name), c.free);
    }
}

TEST_F(CatalogueTest, FirstFreeCustomRowSkipsRowsInUse) {
    catalogue_.SetCategoryName(FirstCustomRow, "Money");
    EXPECT_EQ(catalogue_.FirstFreeCustomRow(), FirstCustomRow + 1);
    catalogue_.SetCategoryName(FirstCustomRow + 1, "Data");
    catalogue_.SetCategoryName(FirstCustomRow + 2, "Q");  // too short to be a category: free
    EXPECT_EQ(catalogue_.FirstFreeCustomRow(), FirstCustomRow + 2);
    EXPECT_FALSE(
        catalogue_.IsCustomRowFree(FirstCustomRow + 2));  // but only "Custom" marks a free row
    for (int row = FirstCustomRow; row < CategoryRowCount; ++row)
        catalogue_.SetCategoryName(row, "Used");
    EXPECT_EQ(catalogue_.FirstFreeCustomRow(), std::nullopt);
    EXPECT_FALSE(catalogue_.IsCustomRowFree(Distance));
}

TEST_F(CatalogueTest, CataloguesShareNothing) {
    catalogue_.AppendUnit(Temperature, "Kelvin", 0.0);
    catalogue_.SetCategoryName(FirstCustomRow, "Money");
    catalogue_.AppendUnit(FirstCustomRow, "Euro", 1.0);
    catalogue_.SetVisibility(Distance, 0);
    catalogue_.MarkVisibilityEdited();

    const Catalogue fresh;
    EXPECT_EQ(fresh.UnitCount(Temperature), 5);
    EXPECT_EQ(fresh.Name(Temperature, 6), "");
    EXPECT_TRUE(fresh.IsCustomRowFree(FirstCustomRow));
    EXPECT_EQ(fresh.Factor(FirstCustomRow, 1), 0.0);
    EXPECT_EQ(NamedUnits(fresh, FirstCustomRow), 0);
    EXPECT_EQ(fresh.Visibility(Distance), 1);
    EXPECT_FALSE(fresh.VisibilityEdited());
}

}  // namespace
