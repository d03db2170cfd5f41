// Mixed values and targets against GNU units, the reference program: random
// values through every mixed form, in one --batch run of mezura-convert and
// one run of `units -t` per form, compared part by part.
//
// The two programs' sizes differ in the last digits: the catalogue's
// published factors carry ten significant digits (the ounce is 28.34952312 g
// where its definition gives 28.349523125, the hour 1.141552511e-06
// centuries), so the sums agree to about 2e-10 of the value; the tolerance,
// 1e-9 of it, leaves room for that and for GNU units' 15 printed digits.
// Where the two fall on either side of a whole unit (11.9999999999 in
// against 12 in), the whole parts differ and only the totals are compared.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "gnu_units_fixture.h"
#include "mixed_value.h"

namespace {

constexpr int ValuesPerForm = 1000;
constexpr double RelativeTolerance = 1e-9;

struct Form {
    const char* from;       // mezura-convert's source unit, "" when the value carries them
    const char* to;         // mezura-convert's target
    const char* unitsFrom;  // GNU units' source unit, after the value
    const char* unitsTo;
    std::vector<double> ratios;  // each part in the last part's unit, largest first
};

// Targets: one value in a unit, written as a list of units.
const Form Targets[] = {
    {"in", "ft+in", "in", "ft;in", {12, 1}},
    {"m", "ft+in", "m", "ft;in", {12, 1}},
    {"in", "yd+ft+in", "in", "yd;ft;in", {36, 12, 1}},
    {"oz", "lb+oz", "oz", "lb;oz", {16, 1}},
    {"kg", "lb+oz", "kg", "lb;oz", {16, 1}},
    {"lb", "st+lb", "lb", "stone;lb", {14, 1}},
    {"kg", "st+lb", "kg", "stone;lb", {14, 1}},
    {"s", "h+min+s", "s", "hr;min;s", {3600, 60, 1}},
    {"arcsec", "\xC2\xB0+\xE2\x80\xB2+\xE2\x80\xB3", "arcsec", "deg;arcmin;arcsec", {3600, 60, 1}},
    {"deg", "\xC2\xB0;'", "deg", "deg;arcmin", {60, 1}},
};

std::vector<double> Numbers(std::string text, char separator) {
    std::vector<double> numbers;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        if (!part.empty()) numbers.push_back(std::strtod(part.c_str(), nullptr));
    return numbers;
}

// "5 ft 8.89 in" -> {5, 8.89}: the numbers between the labels.
std::vector<double> MezuraParts(const std::string& text) {
    std::vector<double> numbers;
    const char* at = text.c_str();
    while (*at != '\0') {
        char* end = nullptr;
        const double number = std::strtod(at, &end);
        if (end != at) {
            numbers.push_back(number);
            at = end;
        } else {
            ++at;
        }
    }
    return numbers;
}

class MixedAgainstGnuUnits : public GnuUnitsTest {
protected:
    std::vector<double> RandomValues(unsigned seed) {
        std::mt19937_64 random(seed);
        std::uniform_real_distribution<double> exponent(-2, 4);
        std::vector<double> values;
        for (int i = 0; i < ValuesPerForm; ++i) values.push_back(std::pow(10.0, exponent(random)));
        return values;
    }
};

double Total(const std::vector<double>& parts, const std::vector<double>& ratios) {
    double total = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) total += parts[i] * ratios[i];
    return total;
}

TEST_F(MixedAgainstGnuUnits, TargetsAgreePartByPart) {
    int compared = 0;
    int straddling = 0;
    unsigned seed = 1;
    for (const Form& form : Targets) {
        const std::vector<double> values = RandomValues(seed++);
        std::string batch, pairs;
        for (double value : values) {
            batch += Text(value) + "\t" + form.from + "\t" + form.to + "\n";
            pairs += Text(value) + " " + form.unitsFrom + "\n" + form.unitsTo + "\n";
        }
        const auto ours = Mezura({}, batch);
        const auto theirs = Units(pairs, 15);
        ASSERT_EQ(ours.size(), values.size()) << form.to;
        ASSERT_EQ(theirs.size(), values.size()) << form.unitsTo;
        for (std::size_t i = 0; i < values.size(); ++i) {
            SCOPED_TRACE(Text(values[i]) + " " + form.from + " to " + form.to + ": " + ours[i] +
                         " against " + theirs[i]);
            const std::vector<double> mine = MezuraParts(ours[i]);
            std::vector<double> reference = Numbers(theirs[i], ';');
            // GNU units leaves out trailing parts that are zero.
            reference.resize(form.ratios.size(), 0.0);
            ASSERT_EQ(mine.size(), form.ratios.size());
            const double total = Total(reference, form.ratios);
            const double tolerance = RelativeTolerance * total + 1e-12;
            bool wholesAgree = true;
            for (std::size_t p = 0; p + 1 < mine.size(); ++p)
                wholesAgree = wholesAgree && mine[p] == reference[p];
            if (wholesAgree) {
                EXPECT_NEAR(mine.back(), reference.back(), tolerance);
            } else {
                ++straddling;
                EXPECT_NEAR(Total(mine, form.ratios), total, tolerance);
            }
            EXPECT_LT(mine.back(), form.ratios[form.ratios.size() - 2]) << "last part not carried";
            ++compared;
        }
    }
    std::printf("%d mixed targets compared with GNU units, %d across a whole unit\n", compared,
                straddling);
    EXPECT_LT(straddling, compared / 100);
}

TEST_F(MixedAgainstGnuUnits, FractionsAreTheNearestSixteenth) {
    const std::vector<double> values = RandomValues(99);
    std::string batch, pairs;
    for (double value : values) {
        batch += Text(value) + "\tcm\tft+in\n";
        pairs += Text(value) + " cm\nin\n";
    }
    const auto ours = Mezura({"--fraction", "16"}, batch);
    const auto theirs = Units(pairs, 15);
    ASSERT_EQ(ours.size(), values.size());
    ASSERT_EQ(theirs.size(), values.size());
    int compared = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        SCOPED_TRACE(Text(values[i]) + " cm: " + ours[i] + " against " + theirs[i] + " in");
        const double sixteenths = std::strtod(theirs[i].c_str(), nullptr) * 16;
        // Too near a half-sixteenth to say which way it rounds.
        if (std::fabs(sixteenths - std::floor(sixteenths) - 0.5) < 1e-6) continue;
        const auto nearest = static_cast<long long>(std::round(sixteenths));
        // "5 ft 8 7/8 in": whole feet, then inches as a mixed number.
        const std::size_t ft = ours[i].find(" ft ");
        ASSERT_NE(ft, std::string::npos);
        EXPECT_EQ(std::stoll(ours[i].substr(0, ft)), nearest / (12 * 16));
        const auto inches = ReadAmount(ours[i].substr(ft + 4, ours[i].size() - ft - 7));
        ASSERT_TRUE(inches);
        EXPECT_EQ(*inches * 16, static_cast<double>(nearest % (12 * 16)));
        ++compared;
    }
    std::printf("%d sixteenths compared with GNU units\n", compared);
}

// Sums typed with their units, against GNU units adding the same parts.
TEST_F(MixedAgainstGnuUnits, SumsAgree) {
    struct Sum {
        const char* ours;  // printf pattern: whole numbers a and b, then a fraction
        const char* theirs;
        const char* to;
        const char* unitsTo;
    };
    const Sum sums[] = {
        {"%d ft %d %s in", "%d ft + %d in + %s in", "cm", "cm"},
        {"%d' %d %s\"", "%d ft + %d in + %s in", "m", "m"},
        {"%d st %d %s lb", "%d stone + %d lb + %s lb", "kg", "kg"},
        {"%d lb + %d %s oz", "%d lb + %d oz + %s oz", "g", "g"},
        {"%d h %d min %s s", "%d hr + %d min + %s s", "s", "s"},
        {"%d\xC2\xB0 %d\xE2\x80\xB2 %s\xE2\x80\xB3", "%d deg + %d arcmin + %s arcsec", "deg",
         "deg"},
        {"%d\xC2\xB0 %d' %s\"", "%d deg + %d arcmin + %s arcsec", "arcmin", "arcmin"},
    };
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> whole(0, 59);
    // Ours as typed, theirs with GNU units' "|", the division that binds
    // before the unit ("1/2 in" would be 1 over 2 inches there).
    const char* fractions[][2] = {{"1/2", "1|2"}, {"3/4", "3|4"},   {"5/16", "5|16"},
                                  {"7/8", "7|8"}, {"1/64", "1|64"}, {"15/32", "15|32"}};
    int compared = 0;
    for (const Sum& sum : sums) {
        std::string batch, pairs;
        for (int i = 0; i < ValuesPerForm; ++i) {
            const int a = whole(random), b = whole(random);
            const auto& c = fractions[i % std::size(fractions)];
            char text[128];
            std::snprintf(text, sizeof text, sum.ours, a, b, c[0]);
            batch += std::string(text) + "\t\t" + sum.to + "\n";
            std::snprintf(text, sizeof text, sum.theirs, a, b, c[1]);
            pairs += std::string(text) + "\n" + sum.unitsTo + "\n";
        }
        const auto ours = Mezura({}, batch);
        const auto theirs = Units(pairs, 15);
        ASSERT_EQ(ours.size(), theirs.size());
        for (std::size_t i = 0; i < ours.size(); ++i) {
            const double mine = std::strtod(ours[i].c_str(), nullptr);
            const double reference = std::strtod(theirs[i].c_str(), nullptr);
            EXPECT_NEAR(mine, reference, RelativeTolerance * std::fabs(reference) + 1e-12)
                << sum.ours << " line " << i + 1;
            ++compared;
        }
    }
    std::printf("%d sums compared with GNU units\n", compared);
}

}  // namespace
