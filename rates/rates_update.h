#pragma once
// Taking in a downloaded rates file, and putting the kept rates to use. The
// window and mezura-convert --update-rates share it, so both refuse the same
// things and keep the same caches.
#include <cstdint>
#include <string>
#include <string_view>

#include "name_language.h"
#include "rates_cache.h"
#include "rates_in_use.h"
#include "rates_sources.h"

class Catalogue;

struct RatesUpdate {
    std::optional<CachedRates> cached;  // the new rates, now in the cache
    std::string error;                  // why nothing changed
};

// Parses `body` strictly as a file of `table` and, when it is one, writes
// that source's cache at `cachePath`. On any refusal the cache stays as it
// was, and the error names the reason; no other source's cache is touched.
RatesUpdate AcceptDownloadedRates(std::string_view body, std::string_view source,
                                  std::int64_t nowUtc, const std::string& cachePath,
                                  RatesSource table = RatesSource::Ecb);

// Reads every source's cache (the ECB's at `ecbCachePath`, the others beside
// it) and fills the Currency category from them; the category keeps the euro
// alone when there is nothing usable.
// The currencies' German names are there in a German session.
KeptRates UseCachedRates(Catalogue& catalogue, const std::string& ecbCachePath, std::int64_t nowUtc,
                         NameLanguage language = NameLanguage::English);

// The same from rates already read; `kept.inUse` is set to the rates put in.
void UseRates(Catalogue& catalogue, KeptRates& kept, NameLanguage language = NameLanguage::English);
