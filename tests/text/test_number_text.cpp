// Reading typed numbers with the atof() rule.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <limits>
#include <string>

#include "number_text.h"

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

struct Case {
    const char* label;
    std::string text;
    double expected;
};

template <std::size_t N>
void ExpectReads(const Case (&cases)[N]) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const double value = ParseNumberPrefix(c.text);
        EXPECT_EQ(value, c.expected) << '"' << c.text << '"';
        EXPECT_EQ(std::signbit(value), std::signbit(c.expected)) << '"' << c.text << '"';
    }
}

TEST(ParseNumberPrefix, ReadsTheLongestNumberAtTheStart) {
    const Case cases[] = {
        {"integer", "42", 42.0},
        {"decimal", "3.14159", 3.14159},
        {"negative", "-2.5", -2.5},
        {"plus sign", "+3", 3.0},
        {"leading blank", " 7", 7.0},
        {"all C white space", "\t\n\v\f\r 8", 8.0},
        {"second point ends it", "2.5.1", 2.5},
        {"letters after it", "12abc", 12.0},
        {"decimal comma is not read", "1,5", 1.0},
        {"blank inside", "1 000", 1.0},
        {"point first", ".5", 0.5},
        {"point last", "5.", 5.0},
        {"minus and point first", "-.5", -0.5},
        {"minus zero", "-0", -0.0},
    };
    ExpectReads(cases);
}

TEST(ParseNumberPrefix, ExponentNeedsDigits) {
    const Case cases[] = {
        {"e", "1e3", 1000.0},
        {"capital E", "1E5", 100000.0},
        {"d", "1d3", 1000.0},
        {"capital D and sign", "1D-2", 0.01},
        {"plus sign", "2.5e+2", 250.0},
        {"letter alone", "1e", 1.0},
        {"letter and plus", "1e+", 1.0},
        {"letter and minus", "1e-", 1.0},
        {"letter then text", "7ex", 7.0},
        {"text after it", "12e3x", 12000.0},
        {"d letter alone", "4d", 4.0},
        {"many exponent digits", "1e0000000000000000000000000005", 1e5},
        {"zero with a huge exponent", "0e99999", 0.0},
    };
    ExpectReads(cases);
}

TEST(ParseNumberPrefix, TextWithoutANumberReadsZero) {
    const Case cases[] = {
        {"empty", "", 0.0},
        {"letters", "abc", 0.0},
        {"minus alone", "-", 0.0},
        {"plus alone", "+", 0.0},
        {"point alone", ".", 0.0},
        {"minus point", "-.", 0.0},
        {"exponent without mantissa", ".e5", 0.0},
        {"two signs", "+-3", 0.0},
        {"blank after sign", "- 3", 0.0},
        {"hexadecimal", "0x10", 0.0},
        {"infinity word", "inf", 0.0},
        {"nan word", "nan", 0.0},
        {"no-break space is not white space", "\xA0 5", 0.0},
        {"blanks only", "   ", 0.0},
    };
    ExpectReads(cases);
}

TEST(ParseNumberPrefix, OutOfRangeGoesToInfinityOrZero) {
    const std::string zeros(400, '0');
    const Case cases[] = {
        {"overflow", "1e999", Infinity},
        {"negative overflow", "-1e999", -Infinity},
        {"underflow", "1e-400", 0.0},
        {"negative underflow", "-1e-400", -0.0},
        {"subnormal is kept", "1e-320", 1e-320},
        {"largest double", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"just beyond it", "1.8e308", Infinity},
        {"huge exponent", "1e99999999999999999999", Infinity},
        {"huge negative exponent", "1e-99999999999999999999", 0.0},
        {"many digits, no exponent", "1" + zeros, Infinity},
        {"many digits, negative exponent", "1" + zeros + "e-50", Infinity},
        {"many zeros, positive exponent", "0." + zeros + "1e50", 0.0},
        {"many leading zeros", zeros + "25", 25.0},
        {"long number with d exponent", "1" + zeros + "d-400", 1.0},
    };
    ExpectReads(cases);
}

// The one scan of a number's shape, as atof reads it and as typed amounts
// do: only the atof reading lets 'd' start an exponent.
TEST(ScanNumber, FindsTheDigitsPointAndExponentAtTheStart) {
    EXPECT_EQ(ScanNumber("12.5 km", false).end, 4U);
    EXPECT_FALSE(ScanNumber("12.5", false).whole);
    EXPECT_TRUE(ScanNumber("12 km", false).whole);
    EXPECT_EQ(ScanNumber("5e3m", false).end, 3U);
    EXPECT_EQ(ScanNumber("5e3m", false).exponentLetter, 1U);
    EXPECT_EQ(ScanNumber("5em", false).end, 1U);  // "em" is a unit's
    EXPECT_EQ(ScanNumber("1d3", false).end, 1U);
    EXPECT_EQ(ScanNumber("1d3", true).end, 3U);
    EXPECT_EQ(ScanNumber(".5", false).end, 2U);
    EXPECT_EQ(ScanNumber(".", true).end, 0U);
    EXPECT_EQ(ScanNumber("-5", true).end, 0U);  // the sign is the caller's
}

TEST(ShortestText, ReadsBackAsTheSameDouble) {
    EXPECT_EQ(ShortestText(0.75), "0.75");
    EXPECT_EQ(ShortestText(63), "63");
    EXPECT_EQ(ShortestText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(ShortestText(1e300), "1e+300");
}

}  // namespace
