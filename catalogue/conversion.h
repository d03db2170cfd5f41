#pragma once
// Conversion between two units of one category.
//
// Every category but "Temperature" and "Fuel economy" converts linearly:
// value x factor[in], then / factor[out], in that order (the order decides
// the last bits). "Temperature" goes through Celsius by formula; a unit's
// scale code is its position minus 1: Celsius 0, Fahrenheit 1, Kelvin 2,
// Rankine 3, Reaumur 4. "Fuel economy" goes through kilometers per liter,
// liters per 100 km being its inverse.

class Catalogue;

inline constexpr double UnhandledScale = -999.0;

// Value on scale `from` to Celsius; only pairs (0..4, 0) are handled, every
// other pair gives -999.0.
double ToCelsius(int from, int to, double value);

// Celsius to scale `to`; only pairs (0, 0..4) are handled, every other pair
// gives -999.0.
double FromCelsius(int from, int to, double celsius);

// `value` in unit `inputPosition` of `row` expressed in unit `outputPosition`
// (positions 1..count). The way is chosen by the row's name. A formula
// category's unit beyond its known ones (only a hand-edited profile puts one
// there) gives not-a-number rather than the -999 sentinel passed off as a
// value.
double ConvertValue(const Catalogue& catalogue, int row, int inputPosition, int outputPosition,
                    double value);

// False for the rows converted by formula ("Temperature", "Fuel economy").
bool ConvertsByFactors(const Catalogue& catalogue, int row);
