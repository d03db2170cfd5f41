#include "rates_update.h"

#include "currency_rates.h"

RatesUpdate AcceptDownloadedRates(std::string_view body, std::string_view source,
                                  std::int64_t nowUtc, const std::string& cachePath,
                                  RatesSource table) {
    EcbRatesParse parse = ParseSourceRates(table, body, nowUtc);
    if (!parse.rates) return {std::nullopt, "the rates were refused: " + parse.error};
    CachedRates cached{std::string(source), nowUtc, std::move(*parse.rates), table};
    // What the cache would not take back is never written: the reader sees
    // the very text, so nothing of the address or the rates can slip by.
    if (const CachedRatesRead back = ReadRatesCacheText(RatesCacheText(cached), nowUtc, table);
        !back.cached)
        return {std::nullopt, "the rates were refused: " + back.error};
    if (const auto error = WriteRatesCache(cachePath, cached))
        return {std::nullopt,
                "the rates could not be kept in " + cachePath + ": " + error.message()};
    return {std::move(cached), {}};
}

KeptRates UseCachedRates(Catalogue& catalogue, const std::string& ecbCachePath, std::int64_t nowUtc,
                         NameLanguage language) {
    KeptRates kept = ReadKeptRates(ecbCachePath, nowUtc);
    UseRates(catalogue, kept, language);
    return kept;
}

void UseRates(Catalogue& catalogue, KeptRates& kept, NameLanguage language) {
    kept.inUse = RatesInUse(kept);
    if (kept.Any())
        SetCurrencyRates(catalogue, kept.inUse, language);
    else
        ClearCurrencyRates(catalogue, language);
}
