#pragma once
// The exchange rates kept between runs: $XDG_CACHE_HOME/mezura/rates (else
// ~/.cache/mezura/rates), one small text file replaced atomically, so a
// reader sees the old rates or the new ones whole and a failed download
// leaves what was there.
//
//   Mezura exchange rates 1
//   source https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml
//   fetched 1796742300            (seconds since the epoch, UTC)
//   date 2026-12-07
//   USD 1.0803                    (one line per currency, per euro)
//
// Each source keeps its own file, the ECB's under that name, the NBP's
// tables beside it ("rates-nbp-a", "rates-nbp-b"), so that one source's
// failure never touches another's rates. Those are against the złoty and
// say so in a line after the date, "base PLN".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "ecb_rates.h"
#include "rates_sources.h"

struct CachedRates {
    std::string source;        // the address the rates were downloaded from
    std::int64_t fetched = 0;  // when
    EcbRates rates;
    RatesSource table = RatesSource::Ecb;  // whose rates they are
};

struct CachedRatesRead {
    std::optional<CachedRates> cached;  // nothing when absent or unreadable
    std::string error;                  // why it could not be used; empty when absent
};

// Empty when there is no home folder to put it in.
std::string RatesCachePath();

// The cache is refused whole, with the number of the first line in fault,
// when anything in it is not as Mezura writes it or fails the RatesCheck a
// download passed (a date after `nowUtc`, a rate for EUR, a rate out of range):
//   "line 9: the rate of USD is not as Mezura wrote it: \"1.0\""
// `table` is the source whose file it is.
CachedRatesRead ReadRatesCache(const std::string& path, std::int64_t nowUtc,
                               RatesSource table = RatesSource::Ecb);
// The same of the text of a cache.
CachedRatesRead ReadRatesCacheText(std::string_view text, std::int64_t nowUtc,
                                   RatesSource table = RatesSource::Ecb);

std::string RatesCacheText(const CachedRates& cached);

// Creates the folder when needed and replaces the file atomically.
std::error_code WriteRatesCache(const std::string& path, const CachedRates& cached);

// True when the rates' source has published since they were fetched: the
// ECB's hour of a working day for the daily tables (the NBP's table A is out
// by noon), a Wednesday's for table B.
bool IsBehindSource(const CachedRates& cached, std::int64_t nowUtc);

// The ECB's rates older than this many days are named as such wherever they
// are used; each source has its own (rates_sources.h).
inline constexpr int StaleRatesDays = 4;

// True when the rates are older than their source's limit.
bool IsStale(const CachedRates& cached, std::int64_t nowUtc);

// "ECB reference rates of 2026-12-07" and, when they are more than four days
// old, " (9 days old)"; "NBP table B of 2026-12-02", old after nine days.
std::string RatesDateLine(const CachedRates& cached, std::int64_t nowUtc);
