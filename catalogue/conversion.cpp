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
int PositionOrFirst(int position) {
    return position >= 1 && position <= MaxUnitsPerRow ? position : 1;
}

// The way rests on the category's name. Built-in names never change, so a
// built-in row is the temperature row by its number, and only a custom row
// (which a hand-edited profile may call "Temperature") has its name compared.
bool ConvertsByFormula(const Catalogue& catalogue, int row) {
    if (row < FirstCustomRow) return row == TemperatureRow;
    return catalogue.CategoryName(row) == TemperatureName;
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

double ConvertValue(const Catalogue& catalogue, int row, int inputPosition, int outputPosition,
                    double value) {
    if (row < 0 || row >= CategoryRowCount) row = 0;
    // A row without units converts with position 1 on both sides.
    const bool hasUnits = catalogue.Factor(row, 0) >= 1.0;  // UnitCount(row) > 0, without the call
    const int p = hasUnits ? PositionOrFirst(inputPosition) : 1;
    const int q = hasUnits ? PositionOrFirst(outputPosition) : 1;

    if (ConvertsByFormula(catalogue, row)) {
        const int from = p - 1;
        const int to = q - 1;
        // A sixth temperature unit can only come from a hand-edited profile;
        // -999 would be shown as if it were a temperature.
        if (!IsScale(from) || !IsScale(to)) return std::numeric_limits<double>::quiet_NaN();
        return FromCelsius(0, to, ToCelsius(from, 0, value));
    }

    const double product = value * catalogue.Factor(row, p);
    return product / catalogue.Factor(row, q);
}
