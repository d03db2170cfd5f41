#pragma once
// The rates of every source put together, each currency's rate from one
// official source and in euros, so that every cross rate goes through the
// euro:
//  - a currency the ECB publishes takes the ECB's rate;
//  - any other takes the NBP's, table A before table B, turned into euros
//    through table A's rate of the euro (złoty per euro), and the złoty
//    itself, when the ECB has none, is that rate;
//  - without table A the NBP's rates cannot be put in euros and are left out;
//  - a code ISO 4217 has withdrawn is never offered.
//
//   ECB   2026-12-07: USD 1.08, PLN 4.25
//   NBP A 2026-12-07: EUR 4.24 zł, USD 3.93 zł, THB 0.11 zł
//   NBP B 2026-12-02: ARS 0.0037 zł
//   -> USD 1.08 (ECB), PLN 4.25 (ECB), THB 4.24/0.11 (NBP A), ARS 4.24/0.0037 (NBP B)
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rates_cache.h"
#include "rates_sources.h"

struct RateInUse {
    std::string code;
    double perEuro;  // units of the currency one euro buys
    RatesSource source;
};

// What each source's cache held when read.
struct KeptRates {
    std::array<CachedRatesRead, RatesSources.size()> sources;
    std::vector<RateInUse> inUse;  // RatesInUse(*this), once put to use (UseRates)

    const CachedRatesRead& Of(RatesSource source) const { return sources[IndexOf(source)]; }
    CachedRatesRead& Of(RatesSource source) { return sources[IndexOf(source)]; }
    // True when any source gives rates.
    bool Any() const;
};

// Reads every source's cache: the ECB's at `ecbCachePath`, the others beside it.
KeptRates ReadKeptRates(const std::string& ecbCachePath, std::int64_t nowUtc);

// The currencies of the kept rates, the ECB's first, then table A's, then
// table B's, each once; never the euro itself.
std::vector<RateInUse> RatesInUse(const KeptRates& kept);

// One source a conversion uses.
struct SourceUse {
    RatesSource source;
    std::string date;
    std::int64_t age;                // days
    bool stale;                      // older than the source's limit
    std::vector<std::string> codes;  // the NBP's currencies it gives; empty for the ECB
};

// The sources the rates of `codes` come from, in the order of RatesSources.
// A rate from table B is in euros by table A, which is then named too.
std::vector<SourceUse> SourcesUsed(const KeptRates& kept, const std::vector<RateInUse>& inUse,
                                   const std::vector<std::string_view>& codes, std::int64_t nowUtc);

// The texts SourcesLine is made of, "%1" standing for what each names; the
// window hands in its translations.
struct SourcesWording {
    std::array<std::string, RatesSources.size()> dated = {
        "ECB reference rates of %1", "NBP table A of %1", "NBP table B of %1"};  // the date
    std::string age = " (%1 days old)";
    std::string codes = " for %1";             // the NBP's currencies, ", " between them
    std::string inEuros = ", in euros by %1";  // table A's dated text
};

// "ECB reference rates of 2026-12-07; NBP table B of 2026-12-02 for ARS,
// in euros by NBP table A of 2026-12-07", each old source followed by its
// age: " (9 days old)".
std::string SourcesLine(const std::vector<SourceUse>& uses, const SourcesWording& wording = {});
