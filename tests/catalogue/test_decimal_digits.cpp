// The 17-digit form of a double and the one-digit, half-up rounding that all
// result texts are cut from.
#include <gtest/gtest.h>

#include <cfloat>
#include <iomanip>
#include <ostream>
#include <string>

#include "decimal_digits.h"

namespace {

// Names each parameterised case after its row.
struct RowName {
    template <typename RowType>
    std::string operator()(const ::testing::TestParamInfo<RowType>& row) const {
        return row.param.name;
    }
};

std::string Significant(const DecimalDigits& number) {
    return std::string(number.digits.data(), static_cast<std::size_t>(number.count));
}

struct DigitsRow {
    const char* name;
    double value;
    const char* digits;
    int exponent;
};

void PrintTo(const DigitsRow& row, std::ostream* out) {
    *out << std::setprecision(17) << row.value;
}

const DigitsRow kDigitsRows[] = {
    {"Short", 123.4567, "12345670000000000", 2},
    {"Tenth", 0.1, "10000000000000001", -1},
    {"Ten23", 1e23, "99999999999999992", 22},
    {"Zero", 0.0, "00000000000000000", 0},
    {"One", 1.0, "10000000000000000", 0},
    {"DblMax", DBL_MAX, "17976931348623157", 308},
    {"SmallestDenormal", 4.9406564584124654e-324, "49406564584124654", -324},
    {"SmallestNormal", DBL_MIN, "22250738585072014", -308},
};

class DecimalDigitsOf : public ::testing::TestWithParam<DigitsRow> {};

TEST_P(DecimalDigitsOf, HasSeventeenDigitsAndExponent) {
    const DecimalDigits number = ToDecimalDigits(GetParam().value);
    EXPECT_EQ(Significant(number), GetParam().digits);
    EXPECT_EQ(number.exponent, GetParam().exponent);
}

INSTANTIATE_TEST_SUITE_P(Rows, DecimalDigitsOf, ::testing::ValuesIn(kDigitsRows), RowName());

struct RoundRow {
    const char* name;
    double value;
    int keep;
    const char* digits;  // the significant digits left
    int exponent;
};

void PrintTo(const RoundRow& row, std::ostream* out) {
    *out << std::setprecision(17) << row.value << " keep " << row.keep;
}

const RoundRow kRoundRows[] = {
    {"DropsBelowHalf", 123.45, 3, "123", 2},
    {"RaisesOnFive", 0.125, 2, "13", -1},
    {"CarriesThroughNines", 9.96, 2, "10", 1},
    {"CarriesThroughAllSeventeen", 9.9999999999999995, 16, "1000000000000000", 1},
    {"KeepNoneRoundsUp", 0.5, 0, "1", 0},
    {"KeepNoneRoundsDown", 0.000004, 0, "", -6},
    {"KeepNegativeIsZero", 0.9, -1, "", -1},
    {"KeepAllChangesNothing", 0.1, 17, "10000000000000001", -1},
    {"KeepMoreChangesNothing", 0.1, 40, "10000000000000001", -1},
    {"LooksAtOneDigitOnly", 2.675, 3, "267", 0},  // 2.6749999999999998
};

class RoundDigits : public ::testing::TestWithParam<RoundRow> {};

TEST_P(RoundDigits, KeepsRoundedDigits) {
    DecimalDigits number = ToDecimalDigits(GetParam().value);
    RoundToDigits(number, GetParam().keep);
    EXPECT_EQ(Significant(number), GetParam().digits);
    EXPECT_EQ(number.exponent, GetParam().exponent);
    EXPECT_EQ(number.At(-1), '0');
    EXPECT_EQ(number.At(number.count), '0');
}

INSTANTIATE_TEST_SUITE_P(Rows, RoundDigits, ::testing::ValuesIn(kRoundRows), RowName());

}  // namespace
