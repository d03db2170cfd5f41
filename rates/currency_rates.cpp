#include "currency_rates.h"

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue.h"
#include "text_1252.h"

namespace {

struct CurrencyUnit {
    NamedFactor unit;
    CurrencyWords words;
};

CurrencyUnit UnitOf(std::string_view code, double factor, const CurrencyNames& names) {
    // A name the code page cannot hold is left out, as one iso-codes lacks.
    std::string english = Cp1252FromUtf8(names.English(code)).value_or("");
    std::string german = Cp1252FromUtf8(names.German(code)).value_or("");
    std::string name =
        english.empty() ? std::string(code) : english + " (" + std::string(code) + ")";
    return {{std::move(name), factor}, {std::string(code), std::move(english), std::move(german)}};
}

void Put(Catalogue& catalogue, std::vector<CurrencyUnit> currencies, const CurrencyNames& names) {
    std::sort(currencies.begin(), currencies.end(), [](const auto& a, const auto& b) {
        return CollateNoCase(a.unit.first, b.unit.first) < 0;
    });
    currencies.insert(currencies.begin(), UnitOf("EUR", 1.0, names));
    std::vector<NamedFactor> units;
    std::vector<CurrencyWords> words;
    for (CurrencyUnit& currency : currencies) {
        units.push_back(std::move(currency.unit));
        words.push_back(std::move(currency.words));
    }
    catalogue.ReplaceBuiltinUnits(CurrencyRow, units);
    catalogue.SetCurrencyWords(std::move(words));
}

}  // namespace

const CurrencyNames& InstalledCurrencyNames() {
    static const CurrencyNames names = CurrencyNames::Installed();
    return names;
}

void SetCurrencyRates(Catalogue& catalogue, const std::vector<RateInUse>& rates,
                      const CurrencyNames& names) {
    std::vector<CurrencyUnit> currencies;
    for (const RateInUse& rate : rates)
        currencies.push_back(UnitOf(rate.code, 1.0 / rate.perEuro, names));
    Put(catalogue, std::move(currencies), names);
}

void SetCurrencyRates(Catalogue& catalogue, const EcbRates& rates) {
    std::vector<RateInUse> inUse;
    for (const CurrencyRate& rate : rates.rates)
        inUse.push_back({rate.code, rate.perEuro, RatesSource::Ecb});
    SetCurrencyRates(catalogue, inUse);
}

void ClearCurrencyRates(Catalogue& catalogue) { Put(catalogue, {}, InstalledCurrencyNames()); }
