#include "currency_rates.h"

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue.h"
#include "currency_units.h"
#include "text_1252.h"

void SetCurrencyRates(Catalogue& catalogue, const EcbRates& rates) {
    std::vector<NamedFactor> currencies;
    for (const CurrencyRate& rate : rates.rates)
        currencies.emplace_back(CurrencyUnitName(rate.code), 1.0 / rate.perEuro);
    std::sort(currencies.begin(), currencies.end(),
              [](const auto& a, const auto& b) { return CollateNoCase(a.first, b.first) < 0; });
    currencies.insert(currencies.begin(), {CurrencyUnitName("EUR"), 1.0});
    catalogue.ReplaceBuiltinUnits(CurrencyRow, currencies);
}

void ClearCurrencyRates(Catalogue& catalogue) {
    const NamedFactor euro{CurrencyUnitName("EUR"), 1.0};
    catalogue.ReplaceBuiltinUnits(CurrencyRow, {&euro, 1});
}
