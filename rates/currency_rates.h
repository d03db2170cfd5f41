#pragma once
// The rates of a rates file put into the Currency category: the euro, then
// one unit for each currency, sorted by name; the custom units stay after
// them whatever the rates hold.
//
//   SetCurrencyRates(catalogue, {"2026-12-07", {{"USD", 1.08}, {"JPY", 162.1}}})
//     row "Currency": Euro (EUR) 1, Japanese yen (JPY) 1/162.1,
//                     US dollar (USD) 1/1.08, then the custom units
#include "ecb_rates.h"

class Catalogue;

// Puts the currencies of `rates` in the Currency row, sorted by name after
// the euro, and keeps its custom units after them.
void SetCurrencyRates(Catalogue& catalogue, const EcbRates& rates);

// The euro alone, and the custom units.
void ClearCurrencyRates(Catalogue& catalogue);
