#include "rates_update.h"

#include "currency_rates.h"

RatesUpdate AcceptDownloadedRates(std::string_view body, std::string_view source,
                                  std::int64_t nowUtc, const std::string& cachePath) {
    EcbRatesParse parse = ParseEcbRates(body);
    if (!parse.rates) return {std::nullopt, "the rates were refused: " + parse.error};
    CachedRates cached{std::string(source), nowUtc, std::move(*parse.rates)};
    if (const auto error = WriteRatesCache(cachePath, cached))
        return {std::nullopt,
                "the rates could not be kept in " + cachePath + ": " + error.message()};
    return {std::move(cached), {}};
}

CachedRatesRead UseCachedRates(Catalogue& catalogue, const std::string& cachePath) {
    CachedRatesRead read = ReadRatesCache(cachePath);
    if (read.cached)
        SetCurrencyRates(catalogue, read.cached->rates);
    else
        ClearCurrencyRates(catalogue);
    return read;
}
