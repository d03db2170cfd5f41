#pragma once
// The rates in use put into the Currency category: the euro, then one unit
// for each currency, sorted by name; the custom units stay after them
// whatever the rates hold. A unit is named by its ISO 4217 name and code
// ("US Dollar (USD)"), or by its code where iso-codes has no name for it, and
// answers to its code and its English and German ISO names.
//
//   SetCurrencyRates(catalogue, {{"USD", 1.08, Ecb}, {"JPY", 162.1, Ecb}})
//     row "Currency": Euro (EUR) 1, US Dollar (USD) 1/1.08, Yen (JPY) 1/162.1,
//                     then the custom units
#include <vector>

#include "currency_names.h"
#include "ecb_rates.h"
#include "name_language.h"
#include "rates_in_use.h"

class Catalogue;

// The names of the installed iso-codes, read once per run.
const CurrencyNames& InstalledCurrencyNames();

// The German names are put in for a German session only: reading them costs
// as much as the rest of a conversion.
void SetCurrencyRates(Catalogue& catalogue, const std::vector<RateInUse>& rates,
                      NameLanguage language = NameLanguage::English,
                      const CurrencyNames& names = InstalledCurrencyNames());
// The ECB's rates alone.
void SetCurrencyRates(Catalogue& catalogue, const EcbRates& rates);

// The euro alone, and the custom units.
void ClearCurrencyRates(Catalogue& catalogue, NameLanguage language = NameLanguage::English);
