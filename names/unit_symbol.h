#pragma once
// The short form a unit is written in beside a number: its symbol, where the
// built-in units' aliases hold one, else its name.
//
//   Distance, Miles       -> "mi"        Distance, Meters  -> "m"
//   Temperature, Celsius  -> "\xB0C"     Temperature, Kelvin -> "K"
//   Currency, US dollar (USD) -> "USD"   Time, Decades -> "Decades" (no symbol)
//   any custom unit       -> its name
#include <string>

#include "catalogue.h"

// Windows-1252, like the catalogue.
std::string UnitSymbol(const Catalogue& catalogue, int row, int position);
