// Writing values in several units: whole parts, the last part in the result
// format or to the nearest 1/N, rounding that carries, the sign once.
// Sizes are the units' definitions (the foot 30.48 cm, the pound
// 453.59237 g), not the catalogue's table.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "mixed_format.h"

namespace {

constexpr double Foot = 30.48, Inch = 2.54, Yard = 91.44;                    // cm
constexpr double Pound = 453.59237, Ounce = Pound / 16, Stone = 14 * Pound;  // g
const std::string_view Degree = "\xC2\xB0", Prime = "\xE2\x80\xB2", TwoPrimes = "\xE2\x80\xB3";

struct Form {
    std::vector<double> sizes;
    std::vector<std::string_view> labels;
};
const Form FeetInches{{Foot, Inch}, {"ft", "in"}};
const Form YardsFeetInches{{Yard, Foot, Inch}, {"yd", "ft", "in"}};
const Form PoundsOunces{{Pound, Ounce}, {"lb", "oz"}};
const Form StonesPounds{{Stone, Pound}, {"st", "lb"}};
const Form HoursMinutesSeconds{{3600, 60, 1}, {"h", "min", "s"}};
const Form DegreesMinutesSeconds{{3600, 60, 1}, {Degree, Prime, TwoPrimes}};
const Form PrimesFeetInches{{Foot, Inch}, {"'", "\""}};

struct Case {
    double value;
    const Form* form;
    PartStyle style;
    std::string text;
};

TEST(WriteMixed, WritesWholePartsAndTheRemainder) {
    const PartStyle autoFormat{FormatAuto, 5, 0};
    const PartStyle fixed2{FormatFixed, 2, 0};
    const PartStyle sixteenths{FormatAuto, 5, 16};
    const Case cases[] = {
        {175, &FeetInches, autoFormat, "5 ft 8.8976377952756 in"},
        {175, &FeetInches, {FormatAuto, 5, 8}, "5 ft 8 7/8 in"},
        {175, &FeetInches, sixteenths, "5 ft 8 7/8 in"},  // 8 14/16, reduced
        {175, &FeetInches, fixed2, "5 ft 8.90 in"},
        {175, &FeetInches, {FormatScientific, 3, 0}, "5 ft 8.898e+000 in"},
        {-175, &FeetInches, sixteenths, "-5 ft 8 7/8 in"},
        {182.88, &FeetInches, autoFormat, "6 ft 0 in"},             // rounding carries
        {0.3 * 3 * Foot, &FeetInches, autoFormat, "0 ft 10.8 in"},  // 0.9 ft, not 10.799999999999
        {1e5 * Foot + 1e-12, &FeetInches, autoFormat, "100000 ft 0 in"},  // noise is no inch
        {182.87, &FeetInches, sixteenths, "6 ft 0 in"},                   // 11.996 in is 12
        {182.87, &FeetInches, fixed2, "6 ft 0.00 in"},
        {5 * Foot + 3.5 * Inch, &FeetInches, sixteenths, "5 ft 3 1/2 in"},
        {0.5 * Inch, &FeetInches, sixteenths, "0 ft 1/2 in"},
        {-0.001, &FeetInches, sixteenths, "0 ft 0 in"},                      // no sign on nothing
        {3 * Yard - 0.001, &YardsFeetInches, sixteenths, "3 yd 0 ft 0 in"},  // carries twice
        {Yard + Foot + 2 * Inch, &YardsFeetInches, autoFormat, "1 yd 1 ft 2 in"},
        {3 * Pound + 4 * Ounce, &PoundsOunces, autoFormat, "3 lb 4 oz"},
        {12 * Stone + 4 * Pound, &StonesPounds, autoFormat, "12 st 4 lb"},
        {2.5 * 3600, &HoursMinutesSeconds, autoFormat, "2 h 30 min 0 s"},
        {3600 - 0.000001, &HoursMinutesSeconds, fixed2, "1 h 0 min 0.00 s"},
        {30 * 3600 + 15 * 60 + 10.08, &DegreesMinutesSeconds, autoFormat,
         "30\xC2\xB0 15\xE2\x80\xB2 10.08\xE2\x80\xB3"},
        {-(30 * 3600 + 15 * 60 + 10.0), &DegreesMinutesSeconds, autoFormat,
         "-30\xC2\xB0 15\xE2\x80\xB2 10\xE2\x80\xB3"},
        {5 * Foot + 3 * Inch, &PrimesFeetInches, autoFormat, "5' 3\""},
        {1e15 * Foot, &FeetInches, sixteenths, "1000000000000000 ft 0 in"},
        // Past 1e15 a whole part's digits are noise: the result format.
        {1e20 * Foot, &FeetInches, sixteenths, "1e+020 ft 0 in"},
        {1e300, &FeetInches, {FormatScientific, 5, 0}, "3.28084e+298 ft 0.00000e+000 in"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WriteMixed(c.value, c.form->sizes, c.form->labels, c.style), c.text)
            << c.value << " " << c.form->labels[0];
    }
}

TEST(WriteMixed, WritesWhatIsNotANumberAlone) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(WriteMixed(nan, FeetInches.sizes, FeetInches.labels, {}), "Not a number");
    EXPECT_EQ(WriteMixed(-inf, FeetInches.sizes, FeetInches.labels, {}), "-Infinity");
}

TEST(WriteAmount, RoundsToTheNearestFractionReduced) {
    struct AmountCase {
        double value;
        int fraction;
        std::string text;
    };
    const AmountCase cases[] = {
        {3.3 / Inch, 16, "1 5/16"},
        {0.375, 8, "3/8"},
        {-0.375, 64, "-3/8"},
        {2.0, 4, "2"},
        {0.01, 2, "0"},
        {-0.01, 2, "0"},
        {0.75, 2, "1"},         // half rounds away from zero
        {1e300, 64, "1e+300"},  // too large to count in 1/64: the result format
    };
    for (const AmountCase& c : cases) {
        std::string text;
        WriteAmountInto(text, c.value, {FormatAuto, 5, c.fraction});
        EXPECT_EQ(text, c.text) << c.value << " 1/" << c.fraction;
    }
}

TEST(IsLargestFirst, RefusesAnyOtherOrder) {
    EXPECT_TRUE(IsLargestFirst(YardsFeetInches.sizes));
    EXPECT_FALSE(IsLargestFirst(std::vector<double>{Inch, Foot}));
    EXPECT_FALSE(IsLargestFirst(std::vector<double>{Foot, Foot}));
}

}  // namespace
