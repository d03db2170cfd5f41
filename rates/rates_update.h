#pragma once
// Taking in a downloaded rates file, and putting the kept rates to use. The
// window and mezura-convert --update-rates share it, so both refuse the same
// things and keep the same cache.
#include <cstdint>
#include <string>
#include <string_view>

#include "rates_cache.h"

class Catalogue;

struct RatesUpdate {
    std::optional<CachedRates> cached;  // the new rates, now in the cache
    std::string error;                  // why nothing changed
};

// Parses `body` strictly and, when it is a rates file, writes the cache.
// On any refusal the cache stays as it was, and the error names the reason.
RatesUpdate AcceptDownloadedRates(std::string_view body, std::string_view source,
                                  std::int64_t nowUtc, const std::string& cachePath);

// Reads the cache and fills the Currency category from it; the category
// keeps the euro alone when there is nothing usable.
CachedRatesRead UseCachedRates(Catalogue& catalogue, const std::string& cachePath,
                               std::int64_t nowUtc);

// The same from rates already read.
void UseRates(Catalogue& catalogue, const CachedRatesRead& read);
