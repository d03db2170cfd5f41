// Units written by their dimensions against GNU units, the reference
// program: prefixed units, products, quotients and powers, each pair with
// random values, in one --batch run of mezura-convert and one run of
// `units -t`, compared value by value.
//
// Both programs define these units exactly (the SI prefixes, the 1959 inch
// and pound, the IT calorie and BTU, standard gravity), so the results
// agree to the last digits printed; the tolerance, 1e-12 of the value,
// leaves room for the two programs' own roundings only.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "gnu_units_fixture.h"

namespace {

constexpr int ValuesPerPair = 24;
constexpr double RelativeTolerance = 1e-12;

struct Pair {
    const char* from;  // as mezura-convert reads it
    const char* to;
    const char* unitsFrom;  // as GNU units reads it; nullptr when it is the same
    const char* unitsTo;
};

// SI prefixes on every kind of metric unit, each toward another prefix.
const char* const Prefixes[] = {"k", "M", "G", "T", "m", "u", "n", "p", "c", "d", "h"};
const char* const MetricUnits[] = {"g", "s", "A", "N", "J", "W", "C", "V", "F", "Hz", "L", "Pa"};

// Products, quotients and powers, over the categories' own units: every
// category that converts by a factor is among them (money has no reference
// rates here, and temperatures and fuel economy convert by formula).
const Pair Built[] = {
    {"kg/m^3", "lb/ft^3", nullptr, nullptr},
    {"g/cm^3", "oz/in^3", nullptr, nullptr},
    {"m/s^2", "ft/s^2", nullptr, nullptr},
    {"km/h", "mi/h", nullptr, nullptr},
    {"km/h/s", "m/s^2", "km/hr/s", "m/s^2"},  // GNU units' h is Planck's constant
    {"N*m", "ft*lbf", nullptr, nullptr},
    {"N m", "in lbf", nullptr, nullptr},
    {"W/(m*K)",
     "BTU/(h*ft*\xC2\xB0"
     "F)",
     "W/(m*K)", "btu/(hr*ft*degF)"},
    {"J/(kg*K)",
     "cal/(g*\xC2\xB0"
     "C)",
     "J/(kg*K)", "calorie/(g*K)"},
    {"kWh", "MJ", nullptr, nullptr},
    {"kW*h", "BTU", "kW*hr", "btu"},
    {"m^2", "ft^2", nullptr, nullptr},
    {"km2", "mi2", "km^2", "mi^2"},
    {"cm^3", "in^3", nullptr, nullptr},
    {"ft3", "L", "ft^3", "L"},
    {"m\xC2\xB3/s", "L/min", "m^3/s", "L/min"},
    {"gal/min", "L/s", nullptr, nullptr},
    {"kg*m/s^2", "lbf", nullptr, nullptr},
    {"Pa*s", "lb/(ft*s)", nullptr, nullptr},
    {"m^2/s", "ft^2/h", "m^2/s", "ft^2/hr"},
    {"lbf/in^2", "kPa", nullptr, nullptr},
    {"kg*m^2/s^3", "hp", nullptr, nullptr},
    {"V*A", "W", nullptr, nullptr},
    {"mA*h", "C", "mA*hr", "C"},
    {"W*s", "J", nullptr, nullptr},
    {"1/s", "Hz", nullptr, nullptr},
    {"kbit/s", "B/min", nullptr, nullptr},
    {"MiB", "kbit", nullptr, nullptr},
    {"KiB/s", "bit/s", nullptr, nullptr},
    {"lm/m^2", "lx", nullptr, nullptr},
    {"cd*sr/ft^2", "lx", nullptr, nullptr},
    {"mi/gal", "km/L", nullptr, nullptr},
    {"t/m^3", "lb/yd^3", "tonne/m^3", "lb/yd^3"},
    {"mm^2", "in^2", nullptr, nullptr},
    {"\xC2\xB5m^3", "mm^3", "micron^3", "mm^3"},
    // GNU units' rad is the unit of absorbed dose; its radian is spelt out.
    {"rad", "deg", "radian", "deg"},
    {"mrad", "arcmin", "milliradian", "arcmin"},
    {"sr", "deg^2", nullptr, nullptr},
    {"rad/s", "rpm", "radian/s", "rpm"},
    {"deg/s", "rad/min", "deg/s", "radian/min"},
    {"kS", "mS", nullptr, nullptr},
    {"kohm", "ohm", nullptr, nullptr},
    {"M\xCE\xA9", "kohm", "Mohm", "kohm"},
    {"bu", "L", "bushel", "L"},
    {"m^3", "bu", "m^3", "bushel"},
    {"K/s",
     "\xC2\xB0"
     "F/min",
     "K/s", "degF/min"},
    {"Mm", "mi", nullptr, nullptr},
    {"dm", "in", nullptr, nullptr},
};

class ExpressionsAgainstGnuUnits : public GnuUnitsTest {};

TEST_F(ExpressionsAgainstGnuUnits, PrefixesProductsQuotientsAndPowersAgree) {
    std::vector<Pair> pairs(std::begin(Built), std::end(Built));
    // Kept alive for the pairs' pointers.
    std::vector<std::string> prefixed;
    prefixed.reserve(2 * std::size(Prefixes) * std::size(MetricUnits));
    for (std::size_t u = 0; u < std::size(MetricUnits); ++u) {
        for (std::size_t p = 0; p < std::size(Prefixes); ++p) {
            const std::size_t q = (p + 1 + u) % std::size(Prefixes);
            prefixed.push_back(std::string(Prefixes[p]) + MetricUnits[u]);
            prefixed.push_back(std::string(Prefixes[q]) + MetricUnits[u]);
        }
    }
    // GNU units reads "hg" as mercury and "Gs" as the gauss.
    const auto gnuSpelling = [](const std::string& unit) -> const char* {
        if (unit == "hg") return "hectogram";
        if (unit == "Gs") return "gigasecond";
        return nullptr;
    };
    for (std::size_t i = 0; i < prefixed.size(); i += 2) {
        const char* from = gnuSpelling(prefixed[i]);
        const char* to = gnuSpelling(prefixed[i + 1]);
        pairs.push_back({prefixed[i].c_str(), prefixed[i + 1].c_str(),
                         from ? from : prefixed[i].c_str(), to ? to : prefixed[i + 1].c_str()});
    }

    std::mt19937_64 random(27);
    std::uniform_real_distribution<double> exponent(-3, 6);
    std::string batch, reference;
    std::vector<std::string> asked;
    for (const Pair& pair : pairs) {
        for (int i = 0; i < ValuesPerPair; ++i) {
            const std::string value = Text(std::pow(10.0, exponent(random)));
            batch += value + "\t" + pair.from + "\t" + pair.to + "\n";
            reference += value + " " + (pair.unitsFrom ? pair.unitsFrom : pair.from) + "\n" +
                         (pair.unitsTo ? pair.unitsTo : pair.to) + "\n";
            asked.push_back(value + " " + pair.from + " to " + pair.to);
        }
    }
    const std::vector<std::string> mine = Mezura({}, batch), gnu = Units(reference, 17);
    ASSERT_EQ(mine.size(), asked.size());
    for (const std::string& line : gnu) {
        char* end = nullptr;
        std::strtod(line.c_str(), &end);
        ASSERT_TRUE(end != line.c_str() && *end == '\0') << "GNU units answered " << line;
    }
    ASSERT_EQ(gnu.size(), asked.size());

    double largest = 0;
    for (std::size_t i = 0; i < asked.size(); ++i) {
        const double a = std::strtod(mine[i].c_str(), nullptr);
        const double b = std::strtod(gnu[i].c_str(), nullptr);
        const double difference = std::fabs(a - b) / std::fabs(b);
        EXPECT_LE(difference, RelativeTolerance)
            << asked[i] << ": " << mine[i] << " against " << gnu[i];
        largest = std::max(largest, difference);
    }
    std::printf("%zu expressions compared with GNU units, largest relative difference %.3g\n",
                asked.size(), largest);
    EXPECT_GE(asked.size(), 2000u);
}

}  // namespace
