#pragma once
// The fixed shape of the unit catalogue.
#include <string_view>

inline constexpr int CategoryRowCount = 32;      // rows 0..31
inline constexpr int BuiltinCategoryCount = 26;  // rows 0..25, alphabetical
inline constexpr int FirstCustomRow = 26;        // rows 26..30 are custom slots
inline constexpr int CustomCategoryCount = 5;
inline constexpr int RowEntryCount = 60;  // entry 0 + positions 1..59
inline constexpr int MaxUnitsPerRow = 59;
inline constexpr int MaxCustomUnits = 10;  // per category
inline constexpr int BuiltinUnitTotal = 347;

// The name of a free custom row, free profile record and free unit record.
inline constexpr std::string_view FreeName = "Custom";
// The one category converted by formula rather than by factors.
inline constexpr std::string_view TemperatureName = "Temperature";
// The built-in row of that name.
inline constexpr int TemperatureRow = 18;
// The category whose units and factors come from the exchange rates: a row
// after the custom slots, always in use, whose built-in units (the euro and
// the currencies of the rates) change with the rates.
inline constexpr std::string_view CurrencyName = "Currency";
inline constexpr int CurrencyRow = 31;
inline constexpr int CustomRowEnd = FirstCustomRow + CustomCategoryCount;  // one past the last
