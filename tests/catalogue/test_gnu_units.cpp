// GNU units as a second authority on the built-in sizes: every unit it
// knows must agree within 1e-12, save the few whose definition differs on
// purpose, which the test prints. Skipped where `units` is not installed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "conversion.h"
#include "gnu_units_names.h"

namespace {

constexpr double Agreement = 1e-12;

// Where our definition is not GNU units' one, and why.
const std::map<std::pair<std::string, std::string>, const char*> DiffersByDefinition = {
    {{"Current", "Gilbert"}, "CGS 10/(4 pi) A; GNU units uses the measured mu0 of the 2019 SI"},
    {{"Distance", "Parsecs"}, "IAU 2015, 648000/pi au; GNU units au/tan(1\")"},
    {{"Distance", "Planck"}, "CODATA 2018 value; GNU units computes it from G"},
    {{"Energy", "BTU (mean)"}, "NIST SP 811 1055.87 J; GNU units its own mean"},
    {{"Pressure", "Centimeters of Mercury"}, "torr-based, 1/76 atm; GNU units conventional"},
    {{"Pressure", "Inches of Mercury"}, "torr-based, 25.4/760 atm; GNU units conventional"},
    {{"Pressure", "Millimeters of Mercury"}, "torr-based, 1/760 atm; GNU units conventional"},
    {{"Time", "Centuries"}, "100 years of 365 days; GNU units tropical years"},
    {{"Time", "Decades"}, "10 years of 365 days; GNU units tropical years"},
    {{"Time", "Melliniums"}, "1000 years of 365 days; GNU units tropical years"},
    {{"Time", "Years"}, "365 days; GNU units the tropical year"},
};

bool HasGnuUnits() { return std::system("units --version >/dev/null 2>&1") == 0; }

// Each expression's value as GNU units gives it, one query per line of
// output: an empty "want" asks for the bare number, and an unknown name
// costs one error line, so the answers stay in step.
std::vector<std::string> AskGnuUnits(const std::vector<std::string>& expressions) {
    const std::filesystem::path queries =
        std::filesystem::temp_directory_path() / ("mezura_gnu_units_" + std::to_string(getpid()));
    {
        std::ofstream out(queries);
        for (const std::string& expression : expressions) out << expression << "\n\n";
    }
    const std::string command = "units -t -q -d 15 < '" + queries.string() + "' 2>&1";
    std::vector<std::string> answers;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char line[512];
        while (std::fgets(line, sizeof line, pipe) != nullptr) {
            std::string answer(line);
            while (!answer.empty() && (answer.back() == '\n' || answer.back() == '\r'))
                answer.pop_back();
            answers.push_back(answer);
        }
        pclose(pipe);
    }
    std::filesystem::remove(queries);
    return answers;
}

std::optional<double> Number(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0') return std::nullopt;
    return value;
}

double RelativeDifference(double ours, double theirs) {
    return std::fabs(ours - theirs) / std::fabs(theirs);
}

TEST(GnuUnits, EveryUnitItKnowsHasTheSameSize) {
    if (!HasGnuUnits()) {
        // scripts/setup installs it: without it these comparisons would prove nothing.
        FAIL() << "GNU units is not installed (scripts/setup installs it)";
    }
    const Catalogue catalogue;
    struct Query {
        int row;
        int position;
        const char* category;
        const char* unit;
    };
    std::vector<Query> queries;
    std::vector<std::string> expressions;
    for (const gnu_units::Category& category : gnu_units::Categories) {
        const std::optional<int> row = catalogue.CategoryByName(category.name);
        ASSERT_TRUE(row) << category.name;
        for (const gnu_units::Unit& unit : category.units) {
            const std::optional<int> position = catalogue.UnitByName(*row, unit.name);
            ASSERT_TRUE(position) << category.name << " / " << unit.name;
            queries.push_back({*row, *position, category.name, unit.name});
            expressions.push_back("(" + std::string(unit.gnu) + ")/(" + category.reference + ")");
        }
    }
    const std::vector<std::string> answers = AskGnuUnits(expressions);
    ASSERT_EQ(answers.size(), queries.size());

    int agreed = 0;
    for (std::size_t i = 0; i < queries.size(); ++i) {
        const Query& q = queries[i];
        SCOPED_TRACE(std::string(q.category) + " / " + q.unit + ": " + expressions[i]);
        const std::optional<double> theirs = Number(answers[i]);
        if (!theirs) {
            // Another version of GNU units may not know the name.
            std::printf("not known to this GNU units: %s\n", expressions[i].c_str());
            continue;
        }
        const double ours = catalogue.Factor(q.row, q.position);
        const double difference = RelativeDifference(ours, *theirs);
        const auto reason = DiffersByDefinition.find({q.category, q.unit});
        if (reason != DiffersByDefinition.end()) {
            if (difference > Agreement)
                std::printf("differs by definition: %s / %s: %.15g, GNU units %.15g (%s)\n",
                            q.category, q.unit, ours, *theirs, reason->second);
            continue;
        }
        EXPECT_LE(difference, Agreement) << "ours " << ours << ", GNU units " << *theirs;
        ++agreed;
    }
    EXPECT_GT(agreed, 300);
}

// Fuel economy converts by formula: each unit through kilometers per liter
// and back, L/100 km as the inverse measure.
TEST(GnuUnits, FuelEconomyConvertsAsItDoes) {
    if (!HasGnuUnits()) {
        // scripts/setup installs it: without it these comparisons would prove nothing.
        FAIL() << "GNU units is not installed (scripts/setup installs it)";
    }
    const Catalogue catalogue;
    const int row = *catalogue.CategoryByName("Fuel economy");
    const int kmPerLiter = *catalogue.UnitByName(row, "Kilometers/liter");
    // Each unit as GNU units writes a value of it, in kilometers per liter.
    const std::pair<const char*, const char*> units[] = {
        {"Kilometers/liter", "(%g km/l)"},
        {"Liters/100 km", "1/(%g l/100km)"},
        {"Miles/gallon (UK)", "(%g mile/brgallon)"},
        {"Miles/gallon (US)", "(%g mpg)"},
    };
    std::vector<std::string> expressions;
    for (const auto& [name, pattern] : units) {
        for (const double value : {4.5, 30.0}) {
            char text[64];
            std::snprintf(text, sizeof text, pattern, value);
            expressions.push_back(std::string(text) + "/(km/l)");
        }
    }
    const std::vector<std::string> answers = AskGnuUnits(expressions);
    ASSERT_EQ(answers.size(), expressions.size());
    std::size_t i = 0;
    for (const auto& [name, pattern] : units) {
        const int position = *catalogue.UnitByName(row, name);
        for (const double value : {4.5, 30.0}) {
            SCOPED_TRACE(expressions[i]);
            const std::optional<double> theirs = Number(answers[i++]);
            ASSERT_TRUE(theirs);
            const double there = ConvertValue(catalogue, row, position, kmPerLiter, value);
            EXPECT_LE(RelativeDifference(there, *theirs), Agreement);
            EXPECT_LE(RelativeDifference(ConvertValue(catalogue, row, kmPerLiter, position, there),
                                         value),
                      Agreement);
        }
    }
}

}  // namespace
