#include "currency_names.h"

#include <cstdint>
#include <nlohmann/json.hpp>

#include "file_read.h"

namespace {

constexpr const char* IsoJsonPath = "/usr/share/iso-codes/json/iso_4217.json";
constexpr const char* GermanMoPath = "/usr/share/locale/de/LC_MESSAGES/iso_4217.mo";

// A gettext catalogue (.mo) read in place: a header, then the tables of the
// original texts (sorted, so found by halving) and of their translations.
// Only what the lookup needs is checked; any entry outside the file reads as
// no translation.
class MoFile {
public:
    explicit MoFile(std::string_view bytes) : bytes_(bytes) {
        if (Word(0) != 0x950412de) return;  // also refuses a file of the other byte order
        count_ = Word(8);
        originals_ = Word(12);
        translations_ = Word(16);
    }

    std::string_view Translate(std::string_view text) const {
        std::uint32_t low = 0, high = count_;
        while (low < high) {
            const std::uint32_t middle = low + (high - low) / 2;
            const std::string_view original = Entry(originals_, middle);
            if (original == text) return Entry(translations_, middle);
            if (original < text)
                low = middle + 1;
            else
                high = middle;
        }
        return {};
    }

private:
    std::uint32_t Word(std::size_t at) const {
        if (at + 4 > bytes_.size()) return 0;
        // Little-endian, as the magic number above was read.
        std::uint32_t word = 0;
        for (std::size_t k = 4; k-- > 0;)
            word = word << 8 | static_cast<unsigned char>(bytes_[at + k]);
        return word;
    }
    std::string_view Entry(std::uint32_t table, std::uint32_t index) const {
        const std::size_t at = table + std::size_t{8} * index;
        const std::size_t length = Word(at), offset = Word(at + 4);
        if (offset > bytes_.size() || length > bytes_.size() - offset) return {};
        return bytes_.substr(offset, length);
    }

    std::string_view bytes_;
    std::uint32_t count_ = 0, originals_ = 0, translations_ = 0;
};

std::string FileText(const std::string& path) {
    FileRead read = ReadProfileFile(path);
    return read.exists && !read.error ? std::move(read.text) : std::string();
}

}  // namespace

CurrencyNames CurrencyNames::Installed() { return FromFiles(IsoJsonPath, GermanMoPath); }

CurrencyNames CurrencyNames::FromFiles(const std::string& jsonPath,
                                       const std::string& germanMoPath) {
    CurrencyNames names;
    const std::string text = FileText(jsonPath);
    if (text.empty()) return names;
    const auto document = nlohmann::json::parse(text, nullptr, /*allow_exceptions=*/false);
    const auto list = document.is_object() ? document.find("4217") : document.end();
    if (list == document.end() || !list->is_array()) return names;
    const std::string moText = FileText(germanMoPath);
    const MoFile german(moText);
    for (const auto& entry : *list) {
        const auto code = entry.find("alpha_3"), name = entry.find("name");
        if (code == entry.end() || name == entry.end() || !code->is_string() || !name->is_string())
            continue;
        const std::string& english = name->get_ref<const std::string&>();
        names.english_[code->get<std::string>()] = english;
        if (const std::string_view translated = german.Translate(english); !translated.empty())
            names.german_[code->get<std::string>()] = std::string(translated);
    }
    return names;
}

std::string_view CurrencyNames::English(std::string_view code) const {
    const auto found = english_.find(std::string(code));
    return found == english_.end() ? std::string_view() : found->second;
}

std::string_view CurrencyNames::German(std::string_view code) const {
    const auto found = german_.find(std::string(code));
    return found == german_.end() ? std::string_view() : found->second;
}
