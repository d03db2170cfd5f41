#pragma once
// The currencies' names from the ISO 4217 list the distribution keeps:
// Debian's iso-codes package, its iso_4217.json for the English names and
// its gettext catalogue (domain iso_4217) for the German ones. Without the
// package there are no names, and a currency is listed by its code.
//
//   CurrencyNames names = CurrencyNames::Installed();
//   names.English("ARS") -> "Argentine Peso"
//   names.German("ARS")  -> "Argentinischer Peso"
//   names.English("XAA") -> ""
//
// UTF-8 as the files hold them.
#include <string>
#include <string_view>
#include <unordered_map>

class CurrencyNames {
public:
    // The installed package's names; none when it is not installed.
    static CurrencyNames Installed();
    // Those of the files given; a file that is missing or not as iso-codes
    // writes it gives no names.
    static CurrencyNames FromFiles(const std::string& jsonPath, const std::string& germanMoPath);

    std::string_view English(std::string_view code) const;
    std::string_view German(std::string_view code) const;

private:
    std::unordered_map<std::string, std::string> english_;  // by code
    std::unordered_map<std::string, std::string> german_;
};
