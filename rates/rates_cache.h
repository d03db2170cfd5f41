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
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "ecb_rates.h"

struct CachedRates {
    std::string source;        // the address the rates were downloaded from
    std::int64_t fetched = 0;  // when
    EcbRates rates;
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
CachedRatesRead ReadRatesCache(const std::string& path, std::int64_t nowUtc);
// The same of the text of a cache.
CachedRatesRead ReadRatesCacheText(std::string_view text, std::int64_t nowUtc);

std::string RatesCacheText(const CachedRates& cached);

// Creates the folder when needed and replaces the file atomically.
std::error_code WriteRatesCache(const std::string& path, const CachedRates& cached);

// True when the ECB has published since the rates were fetched.
bool IsBehindEcb(const CachedRates& cached, std::int64_t nowUtc);

// Rates older than this many days are named as such wherever they are used.
inline constexpr int StaleRatesDays = 4;

// "ECB reference rates of 2026-12-07" and, when they are more than four days
// old, " (9 days old)".
std::string RatesDateLine(const CachedRates& cached, std::int64_t nowUtc);
