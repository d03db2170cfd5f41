#include "rates_in_use.h"

#include <algorithm>
#include <bitset>

#include "ecb_publication.h"
#include "iso_currencies.h"
#include "rates_check.h"

bool KeptRates::Any() const {
    return std::any_of(sources.begin(), sources.end(),
                       [](const CachedRatesRead& read) { return read.cached.has_value(); });
}

KeptRates ReadKeptRates(const std::string& ecbCachePath, std::int64_t nowUtc) {
    KeptRates kept;
    for (const RatesSource source : RatesSources)
        kept.Of(source) = ReadRatesCache(SourceCachePath(ecbCachePath, source), nowUtc, source);
    return kept;
}

std::vector<RateInUse> RatesInUse(const KeptRates& kept) {
    std::vector<RateInUse> rates;
    // One bit for each code of three capitals, as RatesCheck keeps them.
    std::bitset<26 * 26 * 26> taken;
    const auto bit = [](const std::string& code) {
        return (static_cast<std::size_t>(code[0] - 'A') * 26 +
                static_cast<std::size_t>(code[1] - 'A')) *
                   26 +
               static_cast<std::size_t>(code[2] - 'A');
    };
    taken[bit("EUR")] = true;
    const auto add = [&](const std::string& code, double perEuro, RatesSource source) {
        // Every code passed RatesCheck: three capitals.
        if (taken[bit(code)] || IsWithdrawnCurrency(code)) return;
        // A cross of two rates in range may fall outside it.
        if (!(perEuro >= SmallestRatePerEuro && perEuro <= LargestRatePerEuro)) return;
        taken[bit(code)] = true;
        rates.push_back({code, perEuro, source});
    };
    if (const auto& ecb = kept.Of(RatesSource::Ecb).cached)
        for (const CurrencyRate& rate : ecb->rates.rates)
            add(rate.code, rate.perEuro, RatesSource::Ecb);
    // The NBP's rates are in złoty: one złoty buys `eurosPerZloty` euros.
    const auto& tableA = kept.Of(RatesSource::NbpTableA).cached;
    if (!tableA) return rates;
    const auto euro = std::find_if(tableA->rates.rates.begin(), tableA->rates.rates.end(),
                                   [](const CurrencyRate& rate) { return rate.code == "EUR"; });
    if (euro == tableA->rates.rates.end()) return rates;
    const double eurosPerZloty = euro->perEuro;
    add("PLN", 1 / eurosPerZloty, RatesSource::NbpTableA);
    for (const RatesSource source : {RatesSource::NbpTableA, RatesSource::NbpTableB}) {
        if (const auto& table = kept.Of(source).cached)
            for (const CurrencyRate& rate : table->rates.rates)
                add(rate.code, rate.perEuro / eurosPerZloty, source);
    }
    return rates;
}

std::vector<SourceUse> SourcesUsed(const KeptRates& kept, const std::vector<RateInUse>& inUse,
                                   const std::vector<std::string_view>& codes,
                                   std::int64_t nowUtc) {
    std::array<bool, RatesSources.size()> used{};
    std::array<std::vector<std::string>, RatesSources.size()> given;
    for (const std::string_view code : codes) {
        for (const RateInUse& rate : inUse) {
            if (rate.code != code) continue;
            used[IndexOf(rate.source)] = true;
            // Every rate of the NBP is in euros through table A's.
            if (rate.source != RatesSource::Ecb) used[IndexOf(RatesSource::NbpTableA)] = true;
            auto& list = given[IndexOf(rate.source)];
            if (rate.source != RatesSource::Ecb &&
                std::find(list.begin(), list.end(), code) == list.end())
                list.emplace_back(code);
        }
    }
    std::vector<SourceUse> uses;
    for (const RatesSource source : RatesSources) {
        const auto& cached = kept.Of(source).cached;
        if (!used[IndexOf(source)] || !cached) continue;
        uses.push_back({source, cached->rates.date, DaysSince(cached->rates.date.c_str(), nowUtc),
                        IsStale(*cached, nowUtc), given[IndexOf(source)]});
    }
    return uses;
}

std::string SourcesLine(const std::vector<SourceUse>& uses, const SourcesWording& wording) {
    const auto fill = [](const std::string& text, const std::string& value) {
        const std::size_t mark = text.find("%1");
        return mark == std::string::npos ? text
                                         : text.substr(0, mark) + value + text.substr(mark + 2);
    };
    const auto dated = [&](const SourceUse& use) {
        std::string text = fill(wording.dated[IndexOf(use.source)], use.date);
        if (use.stale) text += fill(wording.age, std::to_string(use.age));
        return text;
    };
    std::string line;
    const SourceUse* tableA = nullptr;
    bool nbpCurrencies = false;
    for (const SourceUse& use : uses) {
        if (use.source == RatesSource::NbpTableA) tableA = &use;
        if (use.source == RatesSource::NbpTableA && use.codes.empty()) continue;
        if (!line.empty()) line += "; ";
        line += dated(use);
        if (use.codes.empty()) continue;
        std::string codes;
        for (const std::string& code : use.codes) codes += (codes.empty() ? "" : ", ") + code;
        line += fill(wording.codes, codes);
        nbpCurrencies = true;
    }
    // Table A named only for its euro rate, after the currencies it turned into euros.
    if (tableA && tableA->codes.empty() && nbpCurrencies)
        line += fill(wording.inEuros, dated(*tableA));
    return line;
}
