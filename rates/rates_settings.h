#pragma once
// What the profile says about exchange rates, in its [Currency] section:
//
//   [Currency]
//   RatesUrl=https://mirror.example/eurofxref-daily.xml   (absent: the ECB's own)
//   DownloadRates=FALSE                                    (absent: TRUE)
//
// The window downloads only while DownloadRates is on; mezura-convert
// --update-rates is an explicit request and always does.
#include <string>
#include <string_view>

#include "profile_store.h"

inline constexpr std::string_view CurrencySection = "Currency";
inline constexpr std::string_view RatesUrlKey = "RatesUrl";
inline constexpr std::string_view DownloadRatesKey = "DownloadRates";
inline constexpr std::string_view EcbRatesUrl =
    "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";

std::string RatesUrl(const ProfileStore& store);

// Why an address may not be used, empty when it may: only https://, or
// http:// to this machine (127.0.0.1 or localhost, for tests and local
// mirrors), since rates read over plain HTTP could be changed on the way.
//   RatesUrlProblem("http://example.com/r.xml") -> "... only https:// ..."
std::string RatesUrlProblem(std::string_view url);

bool IsRatesDownloadOn(const ProfileStore& store);
ProfileWriteResult WriteRatesDownload(ProfileStore& store, bool on);
