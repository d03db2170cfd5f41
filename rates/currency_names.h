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
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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
    struct Entry {
        std::string_view code, english;  // into the file's text
    };
    class MoFile;

    // The text of the file, which the entries view.
    std::shared_ptr<const std::string> json_;
    std::vector<Entry> entries_;  // sorted by code
    // The German catalogue, read when a German name is first asked for.
    std::string germanMoPath_;
    mutable std::shared_ptr<const std::string> mo_;
    mutable std::shared_ptr<const MoFile> german_;
};
