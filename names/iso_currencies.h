#pragma once
// What ISO 4217 says of a currency code, kept in the program: whether the
// code is current or withdrawn, and the currency's minor unit (the decimals
// money in it is written to). Debian's iso-codes carries the names but no
// minor units, and its list still holds codes ISO has since withdrawn.
//
//   CurrencyMinorUnit("USD") -> 2    CurrencyMinorUnit("JPY") -> 0
//   CurrencyMinorUnit("KWD") -> 3    CurrencyMinorUnit("XAU") -> nothing (gold)
//   IsWithdrawnCurrency("HRK") -> true (the euro replaced the kuna in 2023)
#include <optional>
#include <string_view>

// A code of ISO 4217's list of current currencies and funds.
bool IsCurrentCurrencyCode(std::string_view code);

// A code ISO 4217 lists as withdrawn; its rates are never offered.
bool IsWithdrawnCurrency(std::string_view code);

// The decimals of the currency's minor unit; nothing for a code that is not
// current, or has none (precious metals, the SDR, the testing code).
std::optional<int> CurrencyMinorUnit(std::string_view code);
