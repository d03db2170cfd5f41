// The two ways of converting. Each formula keeps its order of operations:
// the results are compared to the last bit (0 Rankine is -5.684341886080802e-14
// Kelvin, not 0), and a reordering or a fused multiply-add would change them.
#include "conversion.h"

#include <limits>

#include "catalogue.h"

namespace {

constexpr int ScaleCount = 5;  // Celsius, Fahrenheit, Kelvin, Rankine, Reaumur

bool IsScale(int code) { return code >= 0 && code < ScaleCount; }

// Positions a caller could not resolve fall back to the first unit, and no
// position ever reads outside the row.
int PositionOrFirst(const Catalogue& catalogue, int row, int position) {
    return position >= 1 && position <= catalogue.UnitRoom(row) ? position : 1;
}

// The way rests on the category's name. Built-in names never change, so a
// built-in row has its way from the table, and only a custom row (which a
// hand-edited profile may call "Temperature") has its name compared.
ConversionWay WayOf(const Catalogue& catalogue, int row) {
    if (row < FirstCustomRow) return BuiltinCategories[row].way;
    if (catalogue.CategoryName(row) == TemperatureName) return ConversionWay::Temperature;
    if (catalogue.CategoryName(row) == FuelEconomyName) return ConversionWay::FuelEconomy;
    return ConversionWay::Factors;
}

// Fuel economy goes through kilometers per liter. Codes are positions minus
// 1: km/L 0, L/100 km 1, mpg (UK) 2, mpg (US) 3. Liters per 100 km is the
// inverse measure, so 0 of it is an infinite distance per liter.
constexpr int FuelUnitCount = 4;
constexpr long double KilometerPerLiter = unit_size::Kilometer / unit_size::Liter;
constexpr double MilePerUkGallon =
    static_cast<double>(unit_size::Mile / unit_size::ImperialGallon / KilometerPerLiter);
constexpr double MilePerUsGallon =
    static_cast<double>(unit_size::Mile / unit_size::Gallon / KilometerPerLiter);

double ToKilometersPerLiter(int from, double value) {
    switch (from) {
        case 1:
            return 100.0 / value;
        case 2:
            return value * MilePerUkGallon;
        case 3:
            return value * MilePerUsGallon;
        default:
            return value;
    }
}

double FromKilometersPerLiter(int to, double kmPerLiter) {
    switch (to) {
        case 1:
            return 100.0 / kmPerLiter;
        case 2:
            return kmPerLiter / MilePerUkGallon;
        case 3:
            return kmPerLiter / MilePerUsGallon;
        default:
            return kmPerLiter;
    }
}

}  // namespace

double ToCelsius(int from, int to, double value) {
    if (to != 0) return UnhandledScale;
    switch (from) {
        case 0:
            return value;
        case 1:
            return (value - 32.0) / 9.0 * 5.0;
        case 2:
            return value - 273.15;
        case 3:
            return (value - 459.67 - 32.0) / 9.0 * 5.0;
        case 4:
            return value * 5.0 / 4.0;
        default:
            return UnhandledScale;
    }
}

double FromCelsius(int from, int to, double celsius) {
    if (from != 0) return UnhandledScale;
    switch (to) {
        case 0:
            return celsius;
        case 1:
            return celsius / 5.0 * 9.0 + 32.0;
        case 2:
            return celsius + 273.15;
        case 3:
            return celsius / 5.0 * 9.0 + 32.0 + 459.67;
        case 4:
            return celsius * 4.0 / 5.0;
        default:
            return UnhandledScale;
    }
}

bool ConvertsByFactors(const Catalogue& catalogue, int row) {
    if (row < 0 || row >= CategoryRowCount) row = 0;
    return WayOf(catalogue, row) == ConversionWay::Factors;
}

double ConvertValue(const Catalogue& catalogue, int row, int inputPosition, int outputPosition,
                    double value) {
    if (row < 0 || row >= CategoryRowCount) row = 0;
    // A row without units converts with position 1 on both sides.
    const bool hasUnits = catalogue.Factor(row, 0) >= 1.0;  // UnitCount(row) > 0, without the call
    const int p = hasUnits ? PositionOrFirst(catalogue, row, inputPosition) : 1;
    const int q = hasUnits ? PositionOrFirst(catalogue, row, outputPosition) : 1;

    const int from = p - 1;
    const int to = q - 1;
    switch (WayOf(catalogue, row)) {
        case ConversionWay::Temperature:
            // A sixth temperature unit can only come from a hand-edited
            // profile; -999 would be shown as if it were a temperature.
            if (!IsScale(from) || !IsScale(to)) return std::numeric_limits<double>::quiet_NaN();
            return FromCelsius(0, to, ToCelsius(from, 0, value));
        case ConversionWay::FuelEconomy:
            if (from >= FuelUnitCount || to >= FuelUnitCount)
                return std::numeric_limits<double>::quiet_NaN();
            if (from == to) return value;
            return FromKilometersPerLiter(to, ToKilometersPerLiter(from, value));
        case ConversionWay::Factors:
            break;
    }

    const double product = value * catalogue.Factor(row, p);
    return product / catalogue.Factor(row, q);
}
