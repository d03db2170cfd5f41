// The catalogue tables, their lookups and the custom-unit operations.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "catalogue.h"
#include "conversion.h"
#include "reference_units.h"
#include "text_1252.h"

namespace {

constexpr int Acceleration = 0;
constexpr int Density = 9;
constexpr int Distance = 10;
constexpr int Energy = 11;
constexpr int Flow = 12;
constexpr int Force = 13;
constexpr int Temperature = 18;
constexpr int Velocity = 21;
constexpr int ViscosityDynamic = 22;
constexpr int ViscosityKinematic = 23;

// Every test starts from, and leaves, the catalogue as it is at start.
class CatalogueTest : public ::testing::Test {
protected:
    void TearDown() override { ResetCatalogue(); }
};

int NamedUnits(int row) {
    int named = 0;
    for (int k = 1; k <= MaxUnitsPerRow; ++k) named += UnitNames[row][k].empty() ? 0 : 1;
    return named;
}

// Six factors were corrected after the tables were published; they are
// checked against physics below instead of against the published value.
const std::set<std::string> CorrectedUnits = {
    "Miles/hour-min", "Pound/gallon (US)",    "Joules/centimeter",
    "Reyn",           "Ton force (2000 lbf)", "Poundal hour/feet\xB2",
};

// Runs first in its process, before any test has reset the catalogue: the
// tables must already be filled when main() starts.
TEST(CatalogueAtStart, IsFilledBeforeMain) {
    EXPECT_EQ(UnitNames[Acceleration][0], "Acceleration");
    EXPECT_EQ(UnitNames[Acceleration][1], "Centimeters/sec\xB2 ");
    EXPECT_EQ(UnitFactors[Flow][0], 34.0);
    EXPECT_EQ(UnitFactors[Distance][14], 160934.4);
    EXPECT_EQ(UnitNames[30][0], "Custom");
}

TEST_F(CatalogueTest, BuiltinRowsMatchThePublishedTables) {
    ASSERT_EQ(reference::BuiltinCategories.size(), size_t{BuiltinCategoryCount});
    int total = 0;
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        const reference::Category& expected = reference::BuiltinCategories[row];
        SCOPED_TRACE(expected.name);
        const int count = static_cast<int>(expected.units.size());
        EXPECT_EQ(UnitNames[row][0], expected.name);
        EXPECT_EQ(UnitFactors[row][0], count);
        EXPECT_EQ(BuiltinUnitCount[row], count);
        EXPECT_EQ(BuiltinUnitsOf(row), count);
        EXPECT_EQ(UnitCount(row), count);
        EXPECT_EQ(NamedUnits(row), count);
        for (int k = 1; k <= count; ++k) {
            const reference::Unit& unit = expected.units[k - 1];
            EXPECT_EQ(UnitNames[row][k], unit.name) << "position " << k;
            if (!CorrectedUnits.contains(unit.name)) {
                EXPECT_EQ(UnitFactors[row][k], unit.factor) << unit.name;
            }
        }
        total += count;
    }
    EXPECT_EQ(total, BuiltinUnitTotal);
    EXPECT_EQ(total, 347);
}

TEST_F(CatalogueTest, FlowHasTheMostUnitsAndKinematicViscosityTheFewest) {
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        EXPECT_LE(UnitCount(row), UnitCount(Flow));
        EXPECT_GE(UnitCount(row), UnitCount(ViscosityKinematic));
    }
    EXPECT_EQ(UnitCount(Flow), 34);
    EXPECT_EQ(UnitCount(ViscosityKinematic), 4);
}

// Sorted lists of the 26 built-in names show row r at index r.
TEST_F(CatalogueTest, BuiltinCategoryNamesAreInListOrder) {
    for (int row = 1; row < BuiltinCategoryCount; ++row) {
        EXPECT_LT(CollateNoCase(UnitNames[row - 1][0], UnitNames[row][0]), 0)
            << UnitNames[row - 1][0] << " / " << UnitNames[row][0];
    }
}

// One unit of each corrected factor, in a unit whose size is not in doubt.
TEST_F(CatalogueTest, CorrectedFactorsHaveTheirConventionalSize) {
    struct Case {
        const char* label;
        int row;
        const char* from;
        const char* to;
        double expected;
    };
    const Case cases[] = {
        {"1 mph per minute", Acceleration, "Miles/hour-min", "Meters/sec\xB2", 0.44704 / 60.0},
        {"1 lb per US gallon", Density, "Pound/gallon (US)", "Kilograms/meter\xB3", 119.826427},
        {"1 J/cm is 100 N", Force, "Joules/centimeter", "Newtons", 100.0},
        {"short ton-force in dynes", Force, "Ton force (2000 lbf)", "Dynes", 889644323.0521},
        {"short ton-force in lbf", Force, "Ton force (2000 lbf)", "Pound Force", 2000.0},
        {"poundal hour", ViscosityDynamic, "Poundal hour/feet\xB2", "Poundal sec/feet\xB2", 3600.0},
        {"reyn is lbf s/in2", ViscosityDynamic, "Reyn", "Pound force sec/inch\xB2", 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::optional<int> from = UnitByName(c.row, c.from);
        const std::optional<int> to = UnitByName(c.row, c.to);
        ASSERT_TRUE(from && to);
        const double result = ConvertValue(c.row, *from, *to, 1.0);
        EXPECT_NEAR(result, c.expected, 1e-7 * c.expected);
    }
}

// A whole number whose only prime factors are 2, 3 and 5: the multiples
// units are defined by (12, 16, 60, 144, 2000, 3600, powers of ten).
bool IsRoundMultiple(double n) {
    if (n < 1 || n > 1e15 || n != std::floor(n)) return false;
    auto rest = static_cast<long long>(n);
    for (const long long prime : {2, 3, 5}) {
        while (rest % prime == 0) rest /= prime;
    }
    return rest == 1;
}

// The round multiple that one `big` is of `small`, when their factors are
// within 1e-7 of one (the precision of the published tables).
std::optional<double> RoundRatio(int row, int big, int small) {
    const double ratio = UnitFactors[row][big] / UnitFactors[row][small];
    const double n = std::round(ratio);
    if (!IsRoundMultiple(n) || std::fabs(ratio - n) > 1e-7 * n) return std::nullopt;
    return n;
}

// 1 `big` converts to exactly n `small`, and n `small` to exactly 1 `big`.
bool ConvertsExactly(int row, int big, int small, double n) {
    return ConvertValue(row, big, small, 1.0) == n && ConvertValue(row, small, big, n) == 1.0;
}

// The published factors keep the publication's rounding (a "Cups" is
// 8.0000000006763 "Ounces"; the reference table pins those bit for bit).
// A corrected factor has no such excuse: it is a round multiple of some
// neighbour and must convert to it exactly, and where it is nearly a round
// multiple of another one, that is only because its exact neighbour is
// nearly so as well (2000 "Pound Force" are not quite 32000 "Ounce Force").
TEST_F(CatalogueTest, CorrectedUnitsAreExactMultiplesOfTheirNeighbours) {
    int corrected = 0;
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        if (UnitNames[row][0] == "Temperature") continue;
        const int count = UnitCount(row);
        for (int u = 1; u <= count; ++u) {
            if (!CorrectedUnits.contains(UnitNames[row][u])) continue;
            ++corrected;
            SCOPED_TRACE(UnitNames[row][u]);
            // Neighbours it is nearly a round multiple of, or a round part of.
            std::vector<int> exact, inexact;
            for (int v = 1; v <= count; ++v) {
                if (v == u) continue;
                const bool uIsBigger = UnitFactors[row][u] >= UnitFactors[row][v];
                const int big = uIsBigger ? u : v;
                const int small = uIsBigger ? v : u;
                if (const auto n = RoundRatio(row, big, small))
                    (ConvertsExactly(row, big, small, *n) ? exact : inexact).push_back(v);
            }
            EXPECT_FALSE(exact.empty()) << "no neighbour in an exact round ratio";
            for (const int v : inexact) {
                bool explained = false;
                for (const int w : exact) {
                    const bool wIsBigger = UnitFactors[row][w] >= UnitFactors[row][v];
                    const int big = wIsBigger ? w : v;
                    const int small = wIsBigger ? v : w;
                    const auto n = RoundRatio(row, big, small);
                    explained = explained || (!CorrectedUnits.contains(UnitNames[row][w]) && n &&
                                              !ConvertsExactly(row, big, small, *n));
                }
                EXPECT_TRUE(explained) << "not an exact round ratio to " << UnitNames[row][v];
            }
        }
    }
    EXPECT_EQ(corrected, static_cast<int>(CorrectedUnits.size()));
}

TEST_F(CatalogueTest, CustomRowsAreFreeAtStart) {
    for (int row = FirstCustomRow; row < CustomRowEnd; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(UnitNames[row][0], "Custom");
        EXPECT_EQ(UnitFactors[row][0], 0.0);
        EXPECT_TRUE(IsCustomRowFree(row));
        EXPECT_EQ(BuiltinUnitsOf(row), 0);
        EXPECT_EQ(UnitCount(row), 0);
        EXPECT_EQ(NamedUnits(row), 0);
        for (int k = 1; k <= MaxUnitsPerRow; ++k) EXPECT_EQ(UnitFactors[row][k], 0.0);
    }
    EXPECT_EQ(FirstFreeCustomRow(), 26);
}

TEST_F(CatalogueTest, CategoryByNameIsExactAndTheLastMatchWins) {
    UnitNames[28][0] = "Distance";  // a hand-edited profile could do this
    struct Case {
        const char* label;
        const char* name;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"first row", "Acceleration", 0},
        {"name shared with a custom row", "Distance", 28},
        {"free custom rows", "Custom", 30},
        {"different case", "distance", std::nullopt},
        {"trailing blank", "Energy ", std::nullopt},
        {"empty", "", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(CategoryByName(c.name), c.expected);
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
        {"empty name in an empty row", 26, "", std::nullopt},
        {"row below range reads row 0", -1, "Galileo", 4},
        {"row above range reads row 0", CategoryRowCount, "Galileo", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(UnitByName(c.row, c.name), c.expected);
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
        UnitFactors[26][0] = c.stored;
        EXPECT_EQ(UnitCount(26), c.expected);
    }
}

TEST_F(CatalogueTest, AppendedUnitsFollowTheBuiltinOnes) {
    ASSERT_TRUE(AppendUnit(Velocity, "Span", 22.86));
    EXPECT_EQ(UnitFactors[Velocity][0], 19.0);
    EXPECT_EQ(UnitNames[Velocity][19], "Span");
    EXPECT_EQ(UnitFactors[Velocity][19], 22.86);
    EXPECT_EQ(UnitNames[Velocity][1], "C");
    EXPECT_EQ(BuiltinUnitsOf(Velocity), 18);

    // A duplicate name resolves to its later position.
    ASSERT_TRUE(AppendUnit(Distance, "Meters", 100.0));
    EXPECT_EQ(UnitByName(Distance, "Meters"), 20);
}

TEST_F(CatalogueTest, AppendStopsAtFiftyNineUnits) {
    for (int k = 1; k <= MaxUnitsPerRow; ++k) {
        ASSERT_TRUE(AppendUnit(27, "Unit " + std::to_string(k), k));
    }
    EXPECT_FALSE(AppendUnit(27, "One too many", 1.0));
    EXPECT_EQ(UnitFactors[27][0], 59.0);
    EXPECT_EQ(UnitNames[27][59], "Unit 59");

    EXPECT_FALSE(AppendUnit(-1, "Nowhere", 1.0));
    EXPECT_FALSE(AppendUnit(CategoryRowCount, "Nowhere", 1.0));
    EXPECT_EQ(UnitFactors[Acceleration][0], 10.0);
}

TEST_F(CatalogueTest, RemovingAUnitMovesTheLaterOnesDown) {
    AppendUnit(Distance, "A", 1.5);
    AppendUnit(Distance, "B", 2.5);
    AppendUnit(Distance, "C", 3.5);

    RemoveUnitAt(Distance, 20);
    EXPECT_EQ(UnitFactors[Distance][0], 21.0);
    EXPECT_EQ(UnitNames[Distance][20], "B");
    EXPECT_EQ(UnitFactors[Distance][20], 2.5);
    EXPECT_EQ(UnitNames[Distance][21], "C");
    EXPECT_EQ(UnitFactors[Distance][21], 3.5);
    EXPECT_EQ(UnitNames[Distance][22], "");
    EXPECT_EQ(UnitNames[Distance][19], "Yards");

    RemoveUnitAt(Distance, 21);  // the last one
    EXPECT_EQ(UnitFactors[Distance][0], 20.0);
    EXPECT_EQ(UnitNames[Distance][20], "B");
    EXPECT_EQ(UnitNames[Distance][21], "");
}

TEST_F(CatalogueTest, RemoveLeavesBuiltinUnitsAndBadPositionsAlone) {
    AppendUnit(Distance, "Span", 22.86);
    struct Case {
        const char* label;
        int row;
        int position;
    };
    const Case cases[] = {
        {"built-in unit", Distance, 5},   {"last built-in unit", Distance, 19},
        {"position 0", Distance, 0},      {"beyond the count", Distance, 21},
        {"beyond the row", Distance, 60}, {"row out of range", CategoryRowCount, 1},
        {"empty custom row", 26, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        RemoveUnitAt(c.row, c.position);
        EXPECT_EQ(UnitFactors[Distance][0], 20.0);
        EXPECT_EQ(UnitNames[Distance][5], "Feet");
        EXPECT_EQ(UnitNames[Distance][20], "Span");
        EXPECT_EQ(UnitFactors[26][0], 0.0);
    }
}

TEST_F(CatalogueTest, ClearingACustomRowFreesItWithoutUnits) {
    UnitNames[27][0] = "Money";
    AppendUnit(27, "Euro", 1.0);
    AppendUnit(27, "Cent", 0.01);
    EXPECT_FALSE(IsCustomRowFree(27));

    ClearCustomRow(27);
    EXPECT_TRUE(IsCustomRowFree(27));
    EXPECT_EQ(UnitFactors[27][0], 0.0);
    EXPECT_EQ(NamedUnits(27), 0);

    ClearCustomRow(Distance);  // not a custom row
    EXPECT_EQ(UnitNames[Distance][0], "Distance");
    EXPECT_EQ(UnitCount(Distance), 19);
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
    UnitNames[26][0] = "Money";
    EXPECT_EQ(FirstFreeCustomRow(), 27);
    UnitNames[27][0] = "Data";
    UnitNames[28][0] = "Q";  // too short to be a category: free
    EXPECT_EQ(FirstFreeCustomRow(), 28);
    EXPECT_FALSE(IsCustomRowFree(28));  // but only "Custom" marks a free row
    for (int row = FirstCustomRow; row < CustomRowEnd; ++row) UnitNames[row][0] = "Used";
    EXPECT_EQ(FirstFreeCustomRow(), std::nullopt);
    EXPECT_FALSE(IsCustomRowFree(Distance));
}

TEST_F(CatalogueTest, ResetRestoresTheStartState) {
    AppendUnit(Temperature, "Kelvin", 0.0);
    UnitNames[26][0] = "Money";
    AppendUnit(26, "Euro", 1.0);

    ResetCatalogue();
    EXPECT_EQ(UnitCount(Temperature), 5);
    EXPECT_EQ(UnitNames[Temperature][6], "");
    EXPECT_TRUE(IsCustomRowFree(26));
    EXPECT_EQ(UnitFactors[26][1], 0.0);
    EXPECT_EQ(NamedUnits(26), 0);
}

}  // namespace
