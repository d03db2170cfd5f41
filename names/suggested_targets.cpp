#include "suggested_targets.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>

#include "catalogue.h"
#include "catalogue_limits.h"
#include "conversion.h"

namespace {

constexpr std::size_t MostTargets = 5;
constexpr std::size_t LeastTargets = 3;
// A value reads well between these: no run of zeros after the point, no
// long run of digits before it.
constexpr double LeastReadable = 0.1;
constexpr double MostReadable = 10'000;

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

bool Holds(const std::vector<int>& positions, int position) {
    return std::find(positions.begin(), positions.end(), position) != positions.end();
}

void AddOnce(std::vector<int>& positions, int position) {
    if (!Holds(positions, position)) positions.push_back(position);
}

// The everyday units of `row` other than `from`, the other system first.
std::vector<int> EverydayTargets(const Catalogue& catalogue, int row, int from) {
    std::vector<int> targets;
    if (row >= BuiltinCategoryCount) return targets;
    const std::string_view category = catalogue.CategoryName(row);
    for (const EverydayUnits& units : Everyday) {
        if (units.category != category) continue;
        // The typed unit's own system comes second.
        const bool typedImperial = Holds(units.imperial, catalogue.Name(row, from));
        for (const auto* names : {typedImperial ? &units.metric : &units.imperial,
                                  typedImperial ? &units.imperial : &units.metric}) {
            for (std::string_view name : *names) {
                const auto position = name.empty() ? std::nullopt : catalogue.UnitByName(row, name);
                if (position && *position != from) AddOnce(targets, *position);
            }
        }
    }
    return targets;
}

}  // namespace

std::vector<int> SuggestedTargets(const Catalogue& catalogue, int row, int from, double value) {
    const std::vector<int> everyday = EverydayTargets(catalogue, row, from);
    const std::vector<int> others = [&] {
        std::vector<int> rest;
        for (int position = 1; position <= catalogue.UnitCount(row); ++position)
            if (position != from && !Holds(everyday, position)) rest.push_back(position);
        return rest;
    }();
    const auto readable = [&](int to) {
        const double shown = std::fabs(ConvertValue(catalogue, row, from, to, value));
        // 1 mm in cm is 0.09999999999999999 in doubles: a hair's breadth
        // below the bound still reads as 0.1.
        return shown >= LeastReadable * (1 - 1e-9) && shown <= MostReadable * (1 + 1e-9);
    };

    std::vector<int> targets;
    // Readable everyday units; then, only where they are too few, any
    // readable unit of the category.
    for (int to : everyday)
        if (targets.size() < MostTargets && readable(to)) targets.push_back(to);
    for (int to : others)
        if (targets.size() < LeastTargets && readable(to)) targets.push_back(to);
    if (targets.size() >= LeastTargets) return targets;
    // Still too few: those the value reads nearest to readable in, the
    // everyday ones first among equals (all are equal for a value of 0).
    std::vector<int> rest = everyday;
    rest.insert(rest.end(), others.begin(), others.end());
    std::erase_if(rest, [&](int to) { return Holds(targets, to); });
    const auto distance = [&](int to) {
        const double shown = std::fabs(ConvertValue(catalogue, row, from, to, value));
        if (!(shown > 0) || !std::isfinite(shown)) return HUGE_VAL;
        return std::fabs(std::log10(std::clamp(shown, LeastReadable, MostReadable) / shown));
    };
    std::stable_sort(rest.begin(), rest.end(),
                     [&](int a, int b) { return distance(a) < distance(b); });
    for (int to : rest)
        if (targets.size() < LeastTargets) targets.push_back(to);
    return targets;
}
