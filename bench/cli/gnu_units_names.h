#pragma once
// Units of ours that GNU units knows, with its name for each: the common
// ground on which both programs convert the same batch. Each was checked to
// be a unit GNU units accepts (`units -t "1 km" km` gives 1).
#include <array>

struct GnuUnitName {
    const char* category;  // ours, UTF-8
    const char* unit;      // ours, UTF-8
    const char* gnu;       // GNU units
};

inline constexpr std::array<GnuUnitName, 62> GnuUnitNames = {{
    {"Distance", "Kilometers", "km"},       {"Distance", "Miles", "mile"},
    {"Distance", "Meters", "m"},            {"Distance", "Centimeters", "cm"},
    {"Distance", "Millimeters", "mm"},      {"Distance", "Feet", "ft"},
    {"Distance", "Inches", "inch"},         {"Distance", "Yards", "yard"},
    {"Distance", "Nautical miles", "nmile"}, {"Distance", "Furlongs", "furlong"},
    {"Distance", "Angstrom", "angstrom"},   {"Distance", "Light years", "lightyear"},
    {"Distance", "Parsecs", "parsec"},      {"Distance", "Decimeters", "dm"},
    {"Mass", "Grams", "g"},                 {"Mass", "Kilograms", "kg"},
    {"Mass", "Pounds", "lb"},               {"Mass", "Ounces", "oz"},
    {"Mass", "Carats", "carat"},            {"Mass", "Grains", "grain"},
    {"Mass", "Milligrams", "mg"},           {"Mass", "Stones", "stone"},
    {"Volume", "Liters", "liter"},          {"Volume", "Milliliters", "ml"},
    {"Volume", "Gallons", "gallon"},        {"Volume", "Cups", "cup"},
    {"Volume", "Pints", "pint"},            {"Volume", "Quarts", "quart"},
    {"Volume", "Teaspoons", "tsp"},         {"Volume", "Tablespoons", "tbsp"},
    {"Volume", "Centimeters³", "cm^3"},     {"Volume", "Meter³", "m^3"},
    {"Volume", "Feet³", "ft^3"},            {"Time", "Seconds", "s"},
    {"Time", "Minutes", "min"},             {"Time", "Hours", "hour"},
    {"Time", "Days", "day"},                {"Time", "Weeks", "week"},
    {"Time", "Milliseconds", "ms"},         {"Velocity", "Meters/sec", "m/s"},
    {"Velocity", "Kilometers/hour", "km/hr"}, {"Velocity", "Miles/hour", "mph"},
    {"Velocity", "Knots", "knot"},          {"Velocity", "Feet/sec", "ft/s"},
    {"Pressure", "Pascals", "Pa"},          {"Pressure", "Kilopascals", "kPa"},
    {"Pressure", "Bars", "bar"},            {"Pressure", "Atmospheres", "atm"},
    {"Pressure", "PSI", "psi"},             {"Pressure", "Torrs", "torr"},
    {"Power", "Watts", "W"},                {"Power", "Kilowatts", "kW"},
    {"Power", "Horsepower", "hp"},          {"Energy", "Joules", "J"},
    {"Energy", "Erg", "erg"},               {"Energy", "kilowatt hour", "kWh"},
    {"Energy", "Electron volt", "eV"},      {"Area", "Acres", "acre"},
    {"Area", "Hectares", "hectare"},        {"Area", "Meters²", "m^2"},
    {"Area", "Feet²", "ft^2"},              {"Area", "Kilometers²", "km^2"},
}};
