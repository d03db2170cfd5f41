#include "suggested_targets.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "catalogue.h"
#include "catalogue_limits.h"

namespace {

constexpr std::size_t MostTargets = 5;

// The everyday units of the built-in categories that people convert between
// systems, by their catalogue names (Windows-1252), most used first. A
// category with one system only lists its units as metric.
struct EverydayUnits {
    std::string_view category;
    std::array<std::string_view, 5> metric;
    std::array<std::string_view, 5> imperial;
};

constexpr EverydayUnits Everyday[] = {
    {"Distance",
     {"Kilometers", "Meters", "Centimeters", "Millimeters"},
     {"Miles", "Feet", "Inches", "Yards"}},
    {"Mass", {"Kilograms", "Grams", "Tons(metric)"}, {"Pounds", "Ounces", "Stones"}},
    {"Volume", {"Liters", "Milliliters", "Meter\xB3"}, {"Gallons", "Cups", "Ounces", "Pints"}},
    {"Temperature", {"Celsius", "Kelvin"}, {"Fahrenheit"}},
    {"Velocity", {"Kilometers/hour", "Meters/sec"}, {"Miles/hour", "Knots", "Feet/sec"}},
    {"Area",
     {"Meters\xB2", "Hectares", "Kilometers\xB2", "Centimeters\xB2"},
     {"Feet\xB2", "Acres", "Miles\xB2", "Inches\xB2"}},
    {"Pressure", {"Bars", "Kilopascals", "Pascals", "Atmospheres"}, {"PSI", "Inches of Mercury"}},
    {"Force", {"Newtons", "Kilonewtons", "Kilogram Force"}, {"Pound Force", "Ounce Force"}},
    {"Energy", {"Joules", "kilowatt hour", "kilocalorie (IT)"}, {"BTU (IT)", "Foot pound-force"}},
    {"Power", {"Watts", "Kilowatts"}, {"Horsepower", "BTU/hour"}},
    {"Torque", {"Newton meter", "kilogram-force meter"}, {"Pound-force foot", "Pound-force inch"}},
    {"Density",
     {"Kilograms/meter\xB3", "Grams/centimeter\xB3"},
     {"Pound/foot\xB3", "Pound/gallon (US)"}},
    {"Flow", {"Liters/min", "Meter\xB3/hour", "Liters/sec"}, {"Gallons/min", "Feet\xB3/min"}},
    {"Acceleration", {"Meters/sec\xB2", "Free fall (g)"}, {"Feet/sec\xB2"}},
    {"Time", {"Seconds", "Minutes", "Hours", "Days", "Weeks"}, {}},
    {"Angle", {"Degrees", "Radians", "Gon", "Revolutions"}, {}},
};

bool Holds(const std::array<std::string_view, 5>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

void AddNamed(std::vector<int>& targets, const Catalogue& catalogue, int row, int from,
              const std::array<std::string_view, 5>& names) {
    for (std::string_view name : names) {
        if (name.empty() || targets.size() == MostTargets) continue;
        const auto position = catalogue.UnitByName(row, name);
        if (position && *position != from &&
            std::find(targets.begin(), targets.end(), *position) == targets.end())
            targets.push_back(*position);
    }
}

}  // namespace

std::vector<int> SuggestedTargets(const Catalogue& catalogue, int row, int from) {
    std::vector<int> targets;
    if (row < BuiltinCategoryCount) {
        const std::string_view category = catalogue.CategoryName(row);
        for (const EverydayUnits& units : Everyday) {
            if (units.category != category) continue;
            // The typed unit's own system comes second.
            const bool typedImperial = Holds(units.imperial, catalogue.Name(row, from));
            AddNamed(targets, catalogue, row, from, typedImperial ? units.metric : units.imperial);
            AddNamed(targets, catalogue, row, from, typedImperial ? units.imperial : units.metric);
        }
    }
    for (int position = 1; position <= catalogue.UnitCount(row) && targets.size() < 3; ++position) {
        if (position != from &&
            std::find(targets.begin(), targets.end(), position) == targets.end())
            targets.push_back(position);
    }
    return targets;
}
