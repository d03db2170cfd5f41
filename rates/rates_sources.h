#pragma once
// The official sources of exchange rates, and what sets each apart: the
// European Central Bank's daily reference rates, and the National Bank of
// Poland's tables A (daily) and B (weekly) for the currencies the ECB does
// not publish. Each has its own address in the profile, its own cache file
// and its own age past which its rates are called old; a source that fails
// leaves the others alone.
//
//   RatesSource   name                   base  published        old after
//   Ecb           "ECB reference rates"  EUR   working days     4 days
//   NbpTableA     "NBP table A"          PLN   working days     4 days
//   NbpTableB     "NBP table B"          PLN   Wednesdays       9 days
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ecb_rates.h"

enum class RatesSource { Ecb, NbpTableA, NbpTableB };

inline constexpr std::array<RatesSource, 3> RatesSources = {
    RatesSource::Ecb, RatesSource::NbpTableA, RatesSource::NbpTableB};

struct RatesSourceInfo {
    std::string_view name;         // "ECB reference rates", "NBP table B"
    std::string_view shortName;    // "ECB", "NBP B": the desktop search's description
    std::string_view urlKey;       // its address's key in [Currency]
    std::string_view defaultUrl;   // when the profile names none
    std::string_view cacheSuffix;  // after the ECB's cache path: "", "-nbp-a", "-nbp-b"
    std::string_view base;         // the currency its rates are against
    int staleDays;                 // older than this is said to be old
};

const RatesSourceInfo& InfoOf(RatesSource source);

inline std::size_t IndexOf(RatesSource source) { return static_cast<std::size_t>(source); }

// The cache file of `source`, beside the ECB's (which keeps the name it
// always had, so rates kept by earlier versions stay in use).
std::string SourceCachePath(const std::string& ecbCachePath, RatesSource source);

// Reads a download of `source` strictly.
EcbRatesParse ParseSourceRates(RatesSource source, std::string_view body, std::int64_t nowUtc);
