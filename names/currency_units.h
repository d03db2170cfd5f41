#pragma once
// The Currency category: the euro, its reference unit, and one unit for every
// currency of the loaded rates, named by its ISO 4217 name and code, "US
// Dollar (USD)", or by its code alone where iso-codes is not installed.
// Which currencies it holds follows the rates (rates/currency_rates.h puts
// them in), so its built-in unit count does too; each answers to its code
// and ISO names in any case (Catalogue::CurrencyWordsAt).
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "catalogue_limits.h"
#include "result_format.h"
#include "unit_aliases.h"

class Catalogue;

// More aliases of the currencies the ECB publishes, each entry naming its
// currency by its code (`unit`): the ECB's plain English name in any case,
// and its symbols where they mean only it and Windows-1252 can hold them
// ("\x80" €, "\xA3" £, "\xA5" ¥ the yen).
extern const std::span<const UnitAliases> CurrencyAliases;

// The number of currencies the Currency row holds, the euro included.
int CurrencyUnitCount(const Catalogue& catalogue);

// True when `name` (Windows-1252) is a current ISO 4217 code in any case, or
// a name or symbol of the table, whether or not the loaded rates hold it:
// "usd", "ars", "\xA3"; never a unit of another category such as "mil".
bool NamesKnownCurrency(std::string_view name);

// The code of a currency symbol that Windows-1252 cannot hold: "₹" -> "INR".
std::optional<std::string_view> CurrencyCodeOfSymbol(std::string_view utf8);

// A name typed in UTF-8 as the core reads it: a currency symbol that
// Windows-1252 cannot hold ("₹", "₩", "zł") becomes its code, any other text
// its Windows-1252 bytes; nothing when the text is neither.
std::optional<std::string> UnitNameFromUtf8(std::string_view utf8);

// The style a result in unit `position` of `row` is written in: in
// AutoFormat, a currency of the rates is written to its minor unit (Fixed
// with 2 decimals for USD and EUR, 0 for JPY, 3 for KWD) and money reads as
// money; Scientific and Fixed keep the user's decimals, and so does any
// other unit, a custom money unit, or a code without a minor unit.
// Asked for every result, so the usual answer stays inline.
ResultStyle CurrencyStyle(const Catalogue& catalogue, int position, const ResultStyle& style);
inline ResultStyle StyleForUnit(const Catalogue& catalogue, int row, int position,
                                const ResultStyle& style) {
    if (row != CurrencyRow || style.format != FormatAuto) return style;
    return CurrencyStyle(catalogue, position, style);
}
