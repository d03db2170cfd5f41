#pragma once
// The Currency category: the euro, its reference unit, and one unit for every
// currency of the loaded ECB rates, named like "US dollar (USD)". Which
// currencies it holds follows the rates (rates/currency_rates.h puts them
// in), so its built-in unit count does too.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "unit_aliases.h"

class Catalogue;

// The aliases of every currency the ECB publishes or has published: its ISO
// code and its plain name in any case, and its symbols where they mean only
// it and Windows-1252 can hold them ("\x80" €, "\xA3" £, "\xA5" ¥ the yen).
extern const std::span<const UnitAliases> CurrencyAliases;

// The unit name of a currency code: "US dollar (USD)", or the code itself
// for a currency the table does not know.
std::string CurrencyUnitName(std::string_view code);

// The number of currencies the Currency row holds, the euro included.
int CurrencyUnitCount(const Catalogue& catalogue);

// True when `name` (Windows-1252) is a currency's code, name or symbol,
// whether or not the loaded rates hold it: "usd", "\xA3".
bool NamesKnownCurrency(std::string_view name);

// The code of a currency symbol that Windows-1252 cannot hold: "₹" -> "INR".
std::optional<std::string_view> CurrencyCodeOfSymbol(std::string_view utf8);

// A name typed in UTF-8 as the core reads it: a currency symbol that
// Windows-1252 cannot hold ("₹", "₩", "zł") becomes its code, any other text
// its Windows-1252 bytes; nothing when the text is neither.
std::optional<std::string> UnitNameFromUtf8(std::string_view utf8);
