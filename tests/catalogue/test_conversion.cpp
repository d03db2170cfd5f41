// Linear and temperature conversion, compared to the last bit.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <sstream>

#include "catalogue.h"
#include "conversion.h"
#include "reference_units.h"

namespace {

constexpr int Acceleration = BuiltinRowNamed("Acceleration");
constexpr int Distance = BuiltinRowNamed("Distance");
constexpr int Temperature = BuiltinRowNamed("Temperature");
constexpr int Velocity = BuiltinRowNamed("Velocity");
constexpr int FreeRow = FirstCustomRow;

class ConversionTest : public ::testing::Test {
protected:
    Catalogue catalogue_;

    // Converts by unit names, the way the window maps its selections.
    double Convert(int row, const char* from, const char* to, double value) {
        const std::optional<int> p = catalogue_.UnitByName(row, from);
        const std::optional<int> q = catalogue_.UnitByName(row, to);
        EXPECT_TRUE(p && q) << from << " / " << to;
        return ConvertValue(catalogue_, row, p.value_or(1), q.value_or(1), value);
    }
};

struct NamedCase {
    const char* label;
    int row;
    const char* from;
    const char* to;
    double value;
    double expected;
};

TEST_F(ConversionTest, TemperatureGoesThroughCelsius) {
    const NamedCase cases[] = {
        {"boiling point", Temperature, "Celsius", "Fahrenheit", 100.0, 212.0},
        {"scales cross, C to F", Temperature, "Celsius", "Fahrenheit", -40.0, -40.0},
        {"scales cross, F to C", Temperature, "Fahrenheit", "Celsius", -40.0, -40.0},
        {"absolute zero", Temperature, "Kelvin", "Celsius", 0.0, -273.15},
        {"freezing in kelvin", Temperature, "Celsius", "Kelvin", 0.0, 273.15},
        {"boiling F to K", Temperature, "Fahrenheit", "Kelvin", 212.0, 373.15},
        {"freezing in rankine", Temperature, "Celsius", "Rankine", 0.0, 491.67},
        {"rankine back", Temperature, "Rankine", "Celsius", 491.67, 0.0},
        {"0 R to K is not 0", Temperature, "Rankine", "Kelvin", 0.0, -5.684341886080802e-14},
        {"0 K to R is not 0", Temperature, "Kelvin", "Rankine", 0.0, 5.684341886080802e-14},
        {"same unit still rounds", Temperature, "Fahrenheit", "Fahrenheit", 98.6,
         98.60000000000001},
        {"reaumur boiling in F", Temperature, "Reaumur", "Fahrenheit", 80.0, 212.0},
        {"reaumur to C", Temperature, "Reaumur", "Celsius", 100.0, 125.0},
        {"C to reaumur", Temperature, "Celsius", "Reaumur", 100.0, 80.0},
        // Values whose last bit shows the order of the operations.
        {"F to C divides first", Temperature, "Fahrenheit", "Celsius", 80.0, 26.666666666666664},
        {"C to F divides first", Temperature, "Celsius", "Fahrenheit", 37.0, 98.60000000000001},
        {"R to C divides first", Temperature, "Rankine", "Celsius", 100.0, -217.59444444444443},
        {"R to C, one offset at a time", Temperature, "Rankine", "Celsius", 971.7,
         266.68333333333334},
        {"C to R, one offset at a time", Temperature, "Celsius", "Rankine", 0.4, 492.39},
    };
    for (const NamedCase& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(Convert(c.row, c.from, c.to, c.value), c.expected);
    }
}

TEST_F(ConversionTest, LinearMultipliesFirstThenDivides) {
    const NamedCase cases[] = {
        {"km to miles", Distance, "Kilometers", "Miles", 1.0, 0.621371192237334},
        {"m to cm", Distance, "Meters", "Centimeters", 2.0, 200.0},
        {"mph to km/h", Velocity, "Miles/hour", "Kilometers/hour", 1.0, 1.6093439999999999},
        {"light speed", Velocity, "C", "Meters/sec", 1.0, 299792458.0},
        {"trailing-blank unit", Acceleration, "Centimeters/sec\xB2 ", "Meters/sec\xB2", 250.0, 2.5},
        {"negative input", Distance, "Feet", "Inches", -1.0, -12.0},
    };
    for (const NamedCase& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(Convert(c.row, c.from, c.to, c.value), c.expected);
    }
}

// The conversion as the formulas read, one rounded step at a time, left to
// right: scale code to Celsius, then Celsius to scale code.
double ReferenceTemperature(int from, int to, double v) {
    double c = v;
    switch (from) {
        case 1:
            c = v - 32.0;
            c = c / 9.0;
            c = c * 5.0;
            break;
        case 2:
            c = v - 273.15;
            break;
        case 3:
            c = v - 459.67;
            c = c - 32.0;
            c = c / 9.0;
            c = c * 5.0;
            break;
        case 4:
            c = v * 5.0;
            c = c / 4.0;
            break;
        default:
            break;
    }
    double r = c;
    switch (to) {
        case 1:
            r = c / 5.0;
            r = r * 9.0;
            r = r + 32.0;
            break;
        case 2:
            r = c + 273.15;
            break;
        case 3:
            r = c / 5.0;
            r = r * 9.0;
            r = r + 32.0;
            r = r + 459.67;
            break;
        case 4:
            r = c * 4.0;
            r = r / 5.0;
            break;
        default:
            break;
    }
    return r;
}

double ReferenceLinear(double value, double fromFactor, double toFactor) {
    const double product = value * fromFactor;
    return product / toFactor;
}

// Every ordered pair of every built-in category, temperature included, for
// values whose last bits show a regrouped formula (value x (f1 / f2) differs
// from (value x f1) / f2 in a quarter of the pairs), compared bit for bit.
// Fuel economy has a test of its own.
TEST_F(ConversionTest, EveryBuiltinPairFollowsTheFormulaOrder) {
    const double values[] = {0.1, 3.7, -40.0, 98.6, 12345.678, 6.02214076e23, 1.5e-9};
    long pairs = 0;
    long wrong = 0;
    std::ostringstream examples;
    examples.precision(17);
    long expectedPairs = 0;
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        const bool byFormula = row == Temperature;
        if (!byFormula && !ConvertsByFactors(catalogue_, row)) continue;
        const auto units = static_cast<long>(reference::BuiltinCategories[row].units.size());
        expectedPairs += units * units;
        const int count = catalogue_.UnitCount(row);
        for (int p = 1; p <= count; ++p) {
            for (int q = 1; q <= count; ++q) {
                ++pairs;
                for (const double v : values) {
                    const double expected = byFormula
                                                ? ReferenceTemperature(p - 1, q - 1, v)
                                                : ReferenceLinear(v, catalogue_.Factor(row, p),
                                                                  catalogue_.Factor(row, q));
                    const double got = ConvertValue(catalogue_, row, p, q, v);
                    if (std::bit_cast<std::uint64_t>(got) == std::bit_cast<std::uint64_t>(expected))
                        continue;
                    if (++wrong <= 5)
                        examples << "\n  " << v << " " << catalogue_.Name(row, p) << " to "
                                 << catalogue_.Name(row, q) << ": " << got << " instead of "
                                 << expected;
                }
            }
        }
    }
    EXPECT_EQ(pairs, expectedPairs);
    EXPECT_EQ(wrong, 0) << "differing results, among them:" << examples.str();
}

// Liters per 100 km is the inverse of kilometers per liter; the two miles
// per gallon differ by the ratio of the gallons (4.54609 L against 231 in3).
TEST_F(ConversionTest, FuelEconomyIsAnInverseMeasure) {
    const int row = BuiltinRowNamed("Fuel economy");
    const NamedCase cases[] = {
        {"5 L/100 km", row, "Liters/100 km", "Kilometers/liter", 5.0, 20.0},
        {"20 km/L", row, "Kilometers/liter", "Liters/100 km", 20.0, 5.0},
        {"100 L/100 km", row, "Liters/100 km", "Kilometers/liter", 100.0, 1.0},
        {"nothing used", row, "Liters/100 km", "Miles/gallon (US)", 0.0,
         std::numeric_limits<double>::infinity()},
        {"same unit", row, "Miles/gallon (UK)", "Miles/gallon (UK)", 0.1, 0.1},
    };
    for (const NamedCase& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(Convert(c.row, c.from, c.to, c.value), c.expected);
    }
    EXPECT_NEAR(Convert(row, "Miles/gallon (US)", "Miles/gallon (UK)", 1.0),
                4.54609 / (231 * 0.0254 * 0.0254 * 0.0254 * 1000), 1e-15);
    // A unit beyond the four, as only a hand-edited profile adds one.
    ASSERT_TRUE(catalogue_.AppendUnit(row, "Furlongs/hogshead", 0.0));
    EXPECT_TRUE(std::isnan(ConvertValue(catalogue_, row, 5, 1, 1.0)));
}

TEST_F(ConversionTest, ScaleFormulasHandleOnlyPairsThroughCelsius) {
    struct Case {
        const char* label;
        double (*formula)(int, int, double);
        int from;
        int to;
        double value;
        double expected;
    };
    const Case cases[] = {
        {"Rankine divides before it multiplies", ToCelsius, 3, 0, 0.0, -273.15000000000003},
        {"to Celsius from code 5", ToCelsius, 5, 0, 10.0, -999.0},
        {"to Celsius from code -1", ToCelsius, -1, 0, 10.0, -999.0},
        {"to Celsius, target not 0", ToCelsius, 1, 1, 10.0, -999.0},
        {"from Celsius to Rankine", FromCelsius, 0, 3, 0.0, 491.67},
        {"from Celsius to code 5", FromCelsius, 0, 5, 10.0, -999.0},
        {"from Celsius, source not 0", FromCelsius, 2, 2, 10.0, -999.0},
        // What the sentinel becomes when passed on as a temperature.
        {"sentinel taken for Celsius", FromCelsius, 0, 1, UnhandledScale, -1766.2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.formula(c.from, c.to, c.value), c.expected);
    }
}

// A sixth temperature unit (loaded from a hand-edited profile) has no scale:
// the result is not a number instead of -1766.2 or -999 shown as a value.
TEST_F(ConversionTest, TemperatureUnitWithoutScaleGivesNotANumber) {
    ASSERT_TRUE(catalogue_.AppendUnit(Temperature, "Gas mark", 0.0));
    EXPECT_TRUE(std::isnan(ConvertValue(catalogue_, Temperature, 6, 2, 10.0)));
    EXPECT_TRUE(std::isnan(ConvertValue(catalogue_, Temperature, 1, 6, 10.0)));
    EXPECT_TRUE(std::isnan(ConvertValue(catalogue_, Temperature, 6, 6, 10.0)));
    EXPECT_EQ(ConvertValue(catalogue_, Temperature, 1, 2, 10.0), 50.0);
}

TEST_F(ConversionTest, TheWayFollowsTheCategoryName) {
    catalogue_.SetCategoryName(FreeRow, "Temperature");
    catalogue_.AppendUnit(FreeRow, "Celsius", 7.0);
    catalogue_.AppendUnit(FreeRow, "Fahrenheit", 3.0);
    EXPECT_EQ(ConvertValue(catalogue_, FreeRow, 1, 2, 100.0), 212.0);

    catalogue_.SetCategoryName(FreeRow, "temperature");
    EXPECT_EQ(ConvertValue(catalogue_, FreeRow, 1, 2, 3.0), 7.0);
}

TEST_F(ConversionTest, RowsAndPositionsOutOfRangeReadTheFirstOne) {
    struct Case {
        const char* label;
        int row;
        int from;
        int to;
        double value;
        double expected;
    };
    const Case cases[] = {
        {"row -1 is acceleration", -1, 7, 1, 1.0, 100.0},
        {"row 31 is acceleration", CategoryRowCount, 7, 1, 1.0, 100.0},
        {"input position 0", Distance, 0, 3, 2.0, 2e-08},
        {"output position 60", Distance, 3, 60, 1.0, 1e8},
        {"negative position", Distance, -5, 1, 2.0, 2.0},
        {"temperature position 0", Temperature, 0, 2, 100.0, 212.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(ConvertValue(catalogue_, c.row, c.from, c.to, c.value), c.expected);
    }
}

TEST_F(ConversionTest, ZeroFactorsFollowFloatingPointRules) {
    // A free row has never held a unit: 0 / 0 whatever the positions.
    EXPECT_TRUE(std::isnan(ConvertValue(catalogue_, FreeRow, 1, 1, 5.0)));
    EXPECT_TRUE(std::isnan(ConvertValue(catalogue_, FreeRow, 3, 4, 5.0)));

    catalogue_.SetCategoryName(FreeRow, "Money");
    catalogue_.AppendUnit(FreeRow, "Euro", 1.0);
    catalogue_.AppendUnit(FreeRow, "Nothing", 0.0);
    EXPECT_EQ(ConvertValue(catalogue_, FreeRow, 1, 2, 5.0),
              std::numeric_limits<double>::infinity());
    EXPECT_EQ(ConvertValue(catalogue_, FreeRow, 1, 2, -5.0),
              -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(ConvertValue(catalogue_, FreeRow, 1, 2, 0.0)));
}

}  // namespace
