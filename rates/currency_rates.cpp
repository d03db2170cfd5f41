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

CurrencyUnit UnitOf(std::string_view code, double factor, const CurrencyNames& names,
                    NameLanguage language) {
    // A name the code page cannot hold is left out, as one iso-codes lacks.
    std::string english = Cp1252FromUtf8(names.English(code)).value_or("");
    std::string german = language == NameLanguage::German
                             ? Cp1252FromUtf8(names.German(code)).value_or("")
                             : std::string();
    std::string name =
        english.empty() ? std::string(code) : english + " (" + std::string(code) + ")";
    return {{std::move(name), factor}, {std::string(code), std::move(english), std::move(german)}};
}

void Put(Catalogue& catalogue, std::vector<CurrencyUnit> currencies, const CurrencyNames& names,
         NameLanguage language) {
    // Sorted by place, not by moving the units' four strings about.
    std::vector<std::size_t> order(currencies.size());
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return CollateNoCase(currencies[a].unit.first, currencies[b].unit.first) < 0;
    });
    CurrencyUnit euro = UnitOf("EUR", 1.0, names, language);
    std::vector<NamedFactor> units;
    std::vector<CurrencyWords> words;
    units.reserve(currencies.size() + 1);
    words.reserve(currencies.size() + 1);
    units.push_back(std::move(euro.unit));
    words.push_back(std::move(euro.words));
    for (const std::size_t k : order) {
        units.push_back(std::move(currencies[k].unit));
        words.push_back(std::move(currencies[k].words));
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
                      NameLanguage language, const CurrencyNames& names) {
    std::vector<CurrencyUnit> currencies;
    currencies.reserve(rates.size() + 1);
    for (const RateInUse& rate : rates)
        currencies.push_back(UnitOf(rate.code, 1.0 / rate.perEuro, names, language));
    Put(catalogue, std::move(currencies), names, language);
}

void SetCurrencyRates(Catalogue& catalogue, const EcbRates& rates) {
    std::vector<RateInUse> inUse;
    for (const CurrencyRate& rate : rates.rates)
        inUse.push_back({rate.code, rate.perEuro, RatesSource::Ecb});
    SetCurrencyRates(catalogue, inUse);
}

void ClearCurrencyRates(Catalogue& catalogue, NameLanguage language) {
    Put(catalogue, {}, InstalledCurrencyNames(), language);
}
