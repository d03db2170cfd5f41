#pragma once
// What the profile says about exchange rates, in its [Currency] section:
//
//   [Currency]
//   RatesUrl=https://mirror.example/eurofxref-daily.xml   (absent: the ECB's own)
//   NbpTableAUrl=https://mirror.example/a.json             (absent: the NBP's own)
//   NbpTableBUrl=https://mirror.example/b.json             (absent: the NBP's own)
//   DownloadRates=FALSE                                    (absent: TRUE)
//
// The window downloads only while DownloadRates is on, one switch for every
// source; mezura-convert --update-rates is an explicit request and always
// fetches them all.
#include <string>
#include <string_view>

#include "profile_store.h"
#include "rates_sources.h"

inline constexpr std::string_view CurrencySection = "Currency";
inline constexpr std::string_view RatesUrlKey = "RatesUrl";
inline constexpr std::string_view DownloadRatesKey = "DownloadRates";
inline constexpr std::string_view EcbRatesUrl =
    "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";

// The address of `source`: its key in [Currency], else its own default.
std::string SourceUrl(const ProfileStore& store, RatesSource source);

// Why an address may not be used, empty when it may: only https://, or
// http:// to this machine (127.0.0.1 or localhost, for tests and local
// mirrors), since rates read over plain HTTP could be changed on the way.
//   RatesUrlProblem("http://example.com/r.xml") -> "... only https:// ..."
std::string RatesUrlProblem(std::string_view url);

bool IsRatesDownloadOn(const ProfileStore& store);
ProfileWriteResult WriteRatesDownload(ProfileStore& store, bool on);
