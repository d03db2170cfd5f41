#include "rates_update.h"

#include "currency_rates.h"

RatesUpdate AcceptDownloadedRates(std::string_view body, std::string_view source,
                                  std::int64_t nowUtc, const std::string& cachePath) {
    EcbRatesParse parse = ParseEcbRates(body, nowUtc);
    if (!parse.rates) return {std::nullopt, "the rates were refused: " + parse.error};
    CachedRates cached{std::string(source), nowUtc, std::move(*parse.rates)};
    // What the cache would not take back is never written: the reader sees
    // the very text, so nothing of the address or the rates can slip by.
    if (const CachedRatesRead back = ReadRatesCacheText(RatesCacheText(cached), nowUtc);
        !back.cached)
        return {std::nullopt, "the rates were refused: " + back.error};
    if (const auto error = WriteRatesCache(cachePath, cached))
        return {std::nullopt,
                "the rates could not be kept in " + cachePath + ": " + error.message()};
    return {std::move(cached), {}};
}

CachedRatesRead UseCachedRates(Catalogue& catalogue, const std::string& cachePath,
                               std::int64_t nowUtc) {
    CachedRatesRead read = ReadRatesCache(cachePath, nowUtc);
    UseRates(catalogue, read);
    return read;
}

void UseRates(Catalogue& catalogue, const CachedRatesRead& read) {
    if (read.cached)
        SetCurrencyRates(catalogue, read.cached->rates);
    else
        ClearCurrencyRates(catalogue);
}
