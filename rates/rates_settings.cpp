#include "rates_settings.h"

#include "profile_keys.h"

std::string SourceUrl(const ProfileStore& store, RatesSource source) {
    const RatesSourceInfo& info = InfoOf(source);
    return store.GetProfileString(CurrencySection, info.urlKey, info.defaultUrl);
}

std::string RatesUrlProblem(std::string_view url) {
    const auto hostOf = [](std::string_view rest) {
        return rest.substr(0, rest.find_first_of(":/?#"));
    };
    if (url.starts_with("https://") && !hostOf(url.substr(8)).empty()) return {};
    if (url.starts_with("http://")) {
        const auto host = hostOf(url.substr(7));
        if (host == "127.0.0.1" || host == "localhost") return {};
    }
    return "the rates address \"" + std::string(url) +
           "\" is refused: only https:// is used, or http:// to 127.0.0.1 or localhost";
}

bool IsRatesDownloadOn(const ProfileStore& store) {
    return profile::IsSwitchOn(
        store.GetProfileString(CurrencySection, DownloadRatesKey, profile::True));
}

ProfileWriteResult WriteRatesDownload(ProfileStore& store, bool on) {
    return store.WriteProfileString(CurrencySection, DownloadRatesKey, profile::SwitchText(on));
}
