#pragma once
// The shape of the unit catalogue, computed from the built-in table: the
// built-in categories come first in list order, then the custom slots.
#include <string_view>

#include "builtin_units.h"

inline constexpr int BuiltinCategoryCount = static_cast<int>(std::size(BuiltinCategories));
inline constexpr int FirstCustomRow = BuiltinCategoryCount;  // the custom slots follow
inline constexpr int CustomCategoryCount = 5;
inline constexpr int CategoryRowCount = BuiltinCategoryCount + CustomCategoryCount;
inline constexpr int RowEntryCount = 60;  // entry 0 + positions 1..59
inline constexpr int MaxUnitsPerRow = 59;
inline constexpr int MaxCustomUnits = 10;  // per category
inline constexpr int BuiltinUnitTotal = CountBuiltinUnits();

// The name of a free custom row, free profile record and free unit record.
inline constexpr std::string_view FreeName = "Custom";

// The categories converted by formula rather than by factors, and their names.
inline constexpr int TemperatureRow = BuiltinRowConvertedBy(ConversionWay::Temperature);
inline constexpr int FuelEconomyRow = BuiltinRowConvertedBy(ConversionWay::FuelEconomy);
inline constexpr std::string_view TemperatureName = BuiltinCategories[TemperatureRow].name;
inline constexpr std::string_view FuelEconomyName = BuiltinCategories[FuelEconomyRow].name;

// The category whose built-in units follow the exchange rates.
inline constexpr int CurrencyRow = BuiltinRowNamed("Currency");
inline constexpr std::string_view CurrencyName = BuiltinCategories[CurrencyRow].name;
