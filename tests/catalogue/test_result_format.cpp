// Result texts in the three modes: named rows for the documented examples
// and the rounding edges, then bulk checks against an independent reference.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iomanip>
#include <limits>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "half_up_reference.h"
#include "result_format.h"

namespace {

// Names each parameterised case after its row.
struct RowName {
    template <typename RowType>
    std::string operator()(const ::testing::TestParamInfo<RowType>& row) const {
        return row.param.name;
    }
};

class ResultFormatTest : public ::testing::Test {};

constexpr int Auto = FormatAuto;
constexpr int Sci = FormatScientific;
constexpr int Fix = FormatFixed;
constexpr double Sample = 123.4567897689834;  // the Result Format page's preview value
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Denormal = 4.9406564584124654e-324;

struct Row {
    const char* name;
    double value;
    int format;
    int precision;
    const char* expected;  // nullptr: no text at all
};

// Shown by gtest and in the ctest names: the inputs, not the row's bytes.
void PrintTo(const Row& row, std::ostream* out) {
    *out << std::setprecision(17) << row.value << " mode " << row.format << " precision "
         << row.precision;
}

const Row kRows[] = {
    // The ten documented values in each mode, precision 5.
    {"Sample_Auto", Sample, Auto, 5, "123.45678976898"},
    {"Sample_Sci5", Sample, Sci, 5, "1.23457e+002"},
    {"Sample_Fixed5", Sample, Fix, 5, "123.45679"},
    {"Zero_Auto", 0.0, Auto, 5, "0"},
    {"Zero_Sci5", 0.0, Sci, 5, "0.00000e+000"},
    {"Zero_Fixed5", 0.0, Fix, 5, "0.00000"},
    {"Int212_Auto", 212.0, Auto, 5, "212"},
    {"Int212_Sci5", 212.0, Sci, 5, "2.12000e+002"},
    {"Int212_Fixed5", 212.0, Fix, 5, "212.00000"},
    {"Minus2p5_Auto", -2.5, Auto, 5, "-2.5"},
    {"Minus2p5_Sci5", -2.5, Sci, 5, "-2.50000e+000"},
    {"Minus2p5_Fixed5", -2.5, Fix, 5, "-2.50000"},
    {"Small1234_Auto", 0.00001234, Auto, 5, "1.234e-005"},
    {"Small1234_Sci5", 0.00001234, Sci, 5, "1.23400e-005"},
    {"Small1234_Fixed5", 0.00001234, Fix, 5, "0.00001"},
    {"TenThousandth_Auto", 0.0001, Auto, 5, "0.0001"},
    {"TenThousandth_Sci5", 0.0001, Sci, 5, "1.00000e-004"},
    {"TenThousandth_Fixed5", 0.0001, Fix, 5, "0.00010"},
    {"OneThird_Auto", 1.0 / 3.0, Auto, 5, "0.33333333333333"},
    {"OneThird_Sci5", 1.0 / 3.0, Sci, 5, "3.33333e-001"},
    {"OneThird_Fixed5", 1.0 / 3.0, Fix, 5, "0.33333"},
    {"FourteenNines_Auto", 99999999999999.0, Auto, 5, "99999999999999"},
    {"FourteenNines_Sci5", 99999999999999.0, Sci, 5, "1.00000e+014"},
    {"FourteenNines_Fixed5", 99999999999999.0, Fix, 5, "99999999999999.00000"},
    {"Ten14_Auto", 1e14, Auto, 5, "1e+014"},
    {"Ten14_Sci5", 1e14, Sci, 5, "1.00000e+014"},
    {"Ten14_Fixed5", 1e14, Fix, 5, "100000000000000.00000"},
    {"Ten20_Auto", 1e20, Auto, 5, "1e+020"},
    {"Ten20_Sci5", 1e20, Sci, 5, "1.00000e+020"},
    {"Ten20_Fixed5", 1e20, Fix, 5, "100000000000000000000.00000"},

    // The preview of the Result Format page at every offered precision.
    {"Preview_Sci1", Sample, Sci, 1, "1.2e+002"},
    {"Preview_Sci2", Sample, Sci, 2, "1.23e+002"},
    {"Preview_Sci3", Sample, Sci, 3, "1.235e+002"},
    {"Preview_Sci4", Sample, Sci, 4, "1.2346e+002"},
    {"Preview_Sci6", Sample, Sci, 6, "1.234568e+002"},
    {"Preview_Sci7", Sample, Sci, 7, "1.2345679e+002"},
    {"Preview_Sci8", Sample, Sci, 8, "1.23456790e+002"},
    {"Preview_Sci9", Sample, Sci, 9, "1.234567898e+002"},
    {"Preview_Fixed1", Sample, Fix, 1, "123.5"},
    {"Preview_Fixed2", Sample, Fix, 2, "123.46"},
    {"Preview_Fixed3", Sample, Fix, 3, "123.457"},
    {"Preview_Fixed4", Sample, Fix, 4, "123.4568"},
    {"Preview_Fixed6", Sample, Fix, 6, "123.456790"},
    {"Preview_Fixed7", Sample, Fix, 7, "123.4567898"},
    {"Preview_Fixed8", Sample, Fix, 8, "123.45678977"},
    {"Preview_Fixed9", Sample, Fix, 9, "123.456789769"},
    {"Preview_AutoIgnoresPrecision1", Sample, Auto, 1, "123.45678976898"},
    {"Preview_AutoIgnoresPrecision9", Sample, Auto, 9, "123.45678976898"},
    {"Preview_Sci0", Sample, Sci, 0, "1e+002"},
    {"Preview_Fixed0", Sample, Fix, 0, "123"},

    // Half up on the one digit after the last kept, carrying through 9s.
    {"Round_EighthTwoDecimals", 0.125, Fix, 2, "0.13"},
    {"Round_TwoAndAHalf", 2.5, Fix, 0, "3"},
    {"Round_MinusTwoAndAHalf", -2.5, Fix, 0, "-3"},
    {"Round_123p5", 123.5, Fix, 0, "124"},
    {"Round_FixedCarryAddsDigit", 9.96, Fix, 1, "10.0"},
    {"Round_SciCarryRaisesExponent", 9.96, Sci, 1, "1.0e+001"},
    {"Round_SciNoCarry", 0.96, Sci, 1, "9.6e-001"},
    {"Round_SciCarryNoDecimals", 9.5, Sci, 0, "1e+001"},
    // 2.675 is 2.6749999999999998 in 17 digits: the digit looked at is 4.
    {"Round_LooksAtSeventeenDigitsOnly", 2.675, Fix, 2, "2.67"},
    {"Round_NegativeCarry", -0.0995, Sci, 1, "-1.0e-001"},

    // Places past the 17th significant digit are zeros.
    {"Zeros_Ten23Fixed0", 1e23, Fix, 0, "99999999999999992000000"},
    {"Zeros_Ten23Auto", 1e23, Auto, 5, "1e+023"},
    {"Zeros_TenthFixed20", 0.1, Fix, 20, "0.10000000000000001000"},
    {"Zeros_SampleSci20", Sample, Sci, 20, "1.23456789768983400000e+002"},
    {"Zeros_SampleFixed20", Sample, Fix, 20, "123.45678976898340000000"},
    {"Zeros_Ten300Fixed0", 1e300, Fix, 0,
     "1000000000000000100000000000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000"},

    // AutoFormat: the exponent after rounding to 14 digits picks the form.
    {"Auto_CarryToTen", 9.9999999999999995, Auto, 5, "10"},
    {"Auto_CarryIntoExponentForm", 999999999999995.0, Auto, 5, "1e+015"},
    {"Auto_HalfCarriesToTen14", 99999999999999.5, Auto, 5, "1e+014"},
    {"Auto_CarryOutOfExponentForm", 9.9999999999999995e-05, Auto, 5, "0.0001"},
    {"Auto_Ten5Below", 1e-5, Auto, 5, "1e-005"},
    {"Auto_PlainKeeps14Digits", 0.00012345678901234, Auto, 5, "0.00012345678901234"},
    {"Auto_ThirteenIntegerDigits", 1234567890123.4, Auto, 5, "1234567890123.4"},
    {"Auto_LargeNegative", -1e300, Auto, 5, "-1e+300"},
    {"Auto_DblMax", DBL_MAX, Auto, 5, "1.7976931348623e+308"},

    // Values below the last place kept.
    {"Small_RoundsUpToLastPlace", 0.000006, Fix, 5, "0.00001"},
    {"Small_RoundsDownToZero", 0.000004, Fix, 5, "0.00000"},
    {"Small_HalfNoDecimals", 0.5, Fix, 0, "1"},
    {"Small_BelowHalfNoDecimals", 0.4, Fix, 0, "0"},
    {"Small_NegativeKeepsSign", -0.4, Fix, 0, "-0"},
    {"Small_NegativeZeroDecimals", -0.000004, Fix, 5, "-0.00000"},
    {"Small_FarBelowLastPlace", 1e-200, Fix, 9, "0.000000000"},

    // The smallest denormal and the top of the range.
    {"Denormal_Auto", Denormal, Auto, 5, "4.9406564584125e-324"},
    {"Denormal_Sci5", Denormal, Sci, 5, "4.94066e-324"},
    {"Denormal_Sci16", Denormal, Sci, 16, "4.9406564584124654e-324"},
    {"Denormal_Fixed5", Denormal, Fix, 5, "0.00000"},
    {"DblMax_Sci5", DBL_MAX, Sci, 5, "1.79769e+308"},
    {"MinusDblMax_Sci5", -DBL_MAX, Sci, 5, "-1.79769e+308"},
    {"Ten300_Sci5", 1e300, Sci, 5, "1.00000e+300"},

    // Precision 0 leaves the point out; a negative one counts as 6.
    {"Precision0_ZeroSci", 0.0, Sci, 0, "0e+000"},
    {"Precision0_ZeroFixed", 0.0, Fix, 0, "0"},
    {"PrecisionMinus1_Sci", Sample, Sci, -1, "1.234568e+002"},
    {"PrecisionMinus1_Fixed", Sample, Fix, -1, "123.456790"},
    {"PrecisionMinus1_Auto", Sample, Auto, -1, "123.45678976898"},

    // Negative zero keeps its sign.
    {"MinusZero_Auto", -0.0, Auto, 5, "-0"},
    {"MinusZero_Sci5", -0.0, Sci, 5, "-0.00000e+000"},
    {"MinusZero_Fixed5", -0.0, Fix, 5, "-0.00000"},

    // Not ordinary numbers, in every mode.
    {"Infinity_Auto", Inf, Auto, 5, "Infinity"},
    {"Infinity_Sci", Inf, Sci, 5, "Infinity"},
    {"Infinity_Fixed", Inf, Fix, 5, "Infinity"},
    {"MinusInfinity_Auto", -Inf, Auto, 5, "-Infinity"},
    {"MinusInfinity_Sci", -Inf, Sci, 5, "-Infinity"},
    {"MinusInfinity_Fixed", -Inf, Fix, 5, "-Infinity"},
    {"NaN_Auto", NaN, Auto, 5, "Not a number"},
    {"NaN_Sci", NaN, Sci, 5, "Not a number"},
    {"NaN_Fixed", NaN, Fix, 5, "Not a number"},
    {"MinusNaN_Fixed", -NaN, Fix, 5, "Not a number"},

    // A mode outside 0..2 gives no text, whatever the value.
    {"NoText_Format3", Sample, 3, 5, nullptr},
    {"NoText_FormatMinus1", Sample, -1, 5, nullptr},
    {"NoText_Format3NaN", NaN, 3, 5, nullptr},
    {"NoText_Format3Infinity", Inf, 3, 5, nullptr},
};

class FormatRow : public ResultFormatTest, public ::testing::WithParamInterface<Row> {};

TEST_P(FormatRow, WritesText) {
    const Row& row = GetParam();
    const ResultStyle style{row.format, row.precision};
    const std::optional<std::string> text = FormatResult(row.value, style);
    if (row.expected == nullptr) {
        EXPECT_FALSE(text.has_value()) << *text;
    } else {
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(*text, row.expected);
    }
    EXPECT_EQ(FormatResultAs(row.value, row.format, row.precision), text);
    std::string into = "old text";
    EXPECT_EQ(FormatResultInto(into, row.value, style), text.has_value());
    EXPECT_EQ(into, text.value_or("old text"));
}

INSTANTIATE_TEST_SUITE_P(Rows, FormatRow, ::testing::ValuesIn(kRows), RowName());

TEST_F(ResultFormatTest, AStyleStartsAsAutoFormatWithFiveDecimals) {
    EXPECT_EQ(FormatResult(Sample, ResultStyle{}), "123.45678976898");
    EXPECT_EQ(ResultStyle{}, (ResultStyle{FormatAuto, 5}));
}

TEST_F(ResultFormatTest, AStyleTakesOnlyUsableValues) {
    ResultStyle style{FormatScientific, 3};
    EXPECT_EQ(FormatResult(Sample, style), "1.235e+002");
    style.TakeUsable(FormatFixed, 0);
    EXPECT_EQ(FormatResult(Sample, style), "123.457");
    style.TakeUsable(7, 1);
    EXPECT_EQ(FormatResult(Sample, style), "123.5");
    style.format = 7;  // only a damaged setting holds such a value
    EXPECT_EQ(FormatResult(Sample, style), std::nullopt);
}

// The 17 digits of the C library's "%.16e" followed by zeros: an expected
// text that owes nothing to the formatter.
std::string SeventeenDigitsThenZeros(double value, std::size_t integerDigits) {
    char text[40];
    std::snprintf(text, sizeof text, "%.16e", value);
    std::string digits;
    for (const char* p = text; *p != 'e'; ++p) {
        if (*p != '.') {
            digits += *p;
        }
    }
    digits.resize(integerDigits, '0');
    return digits;
}

TEST_F(ResultFormatTest, FixedWritesAll309IntegerDigitsOfDblMax) {
    const std::string integer = SeventeenDigitsThenZeros(DBL_MAX, 309);
    const ResultStyle style{FormatFixed, 9};
    const std::optional<std::string> text = FormatResult(DBL_MAX, style);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->size(), 309u + 1u + 9u);
    EXPECT_EQ(*text, integer + ".000000000");
    EXPECT_EQ(FormatResult(-DBL_MAX, style), "-" + integer + ".000000000");
}

struct FactorRow {
    const char* name;
    double value;
    int precision;
    const char* expected;
};

void PrintTo(const FactorRow& row, std::ostream* out) {
    *out << std::setprecision(17) << row.value << " precision " << row.precision;
}

// Fixed text at 14 decimals, as older versions stored custom unit factors, and the edges of the
// precision.
const FactorRow kFactorRows[] = {
    {"Foot", 0.3048, 14, "0.30480000000000"},
    {"Mile", 1609.344, 14, "1609.34400000000010"},  // 1.6093440000000001e+03
    {"Tiny", 1e-20, 14, "0.00000000000000"},
    {"Negative", -0.75, 14, "-0.75000000000000"},
    {"NoDecimals", 2.5, 0, "3"},
    {"NegativePrecision", 0.25, -3, "0.250000"},
    {"Ten23", 1e23, 0, "99999999999999992000000"},
};

class FactorText : public ::testing::TestWithParam<FactorRow> {};

TEST_P(FactorText, FollowsTheFixedRule) {
    const FactorRow& row = GetParam();
    EXPECT_EQ(FormatFixedText(row.value, row.precision), row.expected);
    EXPECT_EQ(FormatResultAs(row.value, FormatFixed, row.precision), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, FactorText, ::testing::ValuesIn(kFactorRows), RowName());

// Values for the bulk checks, from a fixed seed: any bit pattern, short
// decimals (where half up and the 17-digit string matter most), exact binary
// fractions ending in 5, and neighbours of powers of ten (carries).
std::vector<double> BulkValues() {
    std::mt19937_64 random(20240501);
    std::vector<double> values;
    while (values.size() < 3000) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) {
            values.push_back(value);
        }
    }
    for (int i = 0; i < 3000; ++i) {
        const double scale = std::pow(10.0, static_cast<double>(random() % 10));
        values.push_back(static_cast<double>(random() % 10000000) / scale);
    }
    for (int i = 0; i < 1500; ++i) {
        values.push_back(
            std::ldexp(static_cast<double>(random() % 1000000), -static_cast<int>(random() % 24)));
    }
    for (int exponent = -320; exponent <= 308; ++exponent) {
        const double power = std::pow(10.0, exponent);
        values.push_back(std::nextafter(power, 0.0));
        values.push_back(power);
        values.push_back(-std::nextafter(power, Inf));
    }
    return values;
}

template <typename Formatter, typename Reference>
void ExpectAllMatch(const char* mode, Formatter formatter, Reference reference) {
    int mismatches = 0;
    for (const double value : BulkValues()) {
        for (int precision = 0; precision <= 16; ++precision) {
            const std::string expected = reference(value, precision);
            const std::optional<std::string> text = formatter(value, precision);
            if (text != expected && ++mismatches <= 10) {
                ADD_FAILURE() << mode << " " << precision << " of " << std::hexfloat << value
                              << ": got " << text.value_or("(none)") << ", reference " << expected;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(ResultFormatBulk, ScientificMatchesHalfUpReference) {
    ExpectAllMatch(
        "Scientific", [](double v, int p) { return FormatResultAs(v, FormatScientific, p); },
        ReferenceScientific);
}

TEST(ResultFormatBulk, FixedMatchesHalfUpReference) {
    ExpectAllMatch(
        "Fixed", [](double v, int p) { return FormatResultAs(v, FormatFixed, p); }, ReferenceFixed);
}

TEST(ResultFormatBulk, AutoFormatMatchesHalfUpReference) {
    // The precision runs along only to show that it is ignored.
    ExpectAllMatch(
        "AutoFormat", [](double v, int p) { return FormatResultAs(v, FormatAuto, p); },
        [](double v, int) { return ReferenceAuto(v); });
}

}  // namespace
