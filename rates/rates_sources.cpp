#include "rates_sources.h"

#include "nbp_rates.h"
#include "rates_settings.h"

namespace {

constexpr RatesSourceInfo Infos[] = {
    {"ECB reference rates", "ECB", RatesUrlKey, EcbRatesUrl, "", "EUR", 4},
    // The NBP publishes table A on working days and table B on Wednesdays;
    // a weekly table is a week old before the next one comes, so it is
    // called old only when one was missed.
    {"NBP table A", "NBP A", "NbpTableAUrl",
     "https://api.nbp.pl/api/exchangerates/tables/A/?format=json", "-nbp-a", "PLN", 4},
    {"NBP table B", "NBP B", "NbpTableBUrl",
     "https://api.nbp.pl/api/exchangerates/tables/B/?format=json", "-nbp-b", "PLN", 9},
};

}  // namespace

const RatesSourceInfo& InfoOf(RatesSource source) { return Infos[IndexOf(source)]; }

std::string SourceCachePath(const std::string& ecbCachePath, RatesSource source) {
    if (ecbCachePath.empty()) return {};
    return ecbCachePath + std::string(InfoOf(source).cacheSuffix);
}

EcbRatesParse ParseSourceRates(RatesSource source, std::string_view body, std::int64_t nowUtc) {
    switch (source) {
        case RatesSource::NbpTableA:
            return ParseNbpTable(body, 'A', nowUtc);
        case RatesSource::NbpTableB:
            return ParseNbpTable(body, 'B', nowUtc);
        case RatesSource::Ecb:
            break;
    }
    return ParseEcbRates(body, nowUtc);
}
