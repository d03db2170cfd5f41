#include "currency_names.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "file_read.h"

namespace {

constexpr const char* IsoJsonPath = "/usr/share/iso-codes/json/iso_4217.json";
constexpr const char* GermanMoPath = "/usr/share/locale/de/LC_MESSAGES/iso_4217.mo";

}  // namespace

// A gettext catalogue (.mo) read in place: a header, then the tables of the
// original texts (sorted, so found by halving) and of their translations.
// Only what the lookup needs is checked; any entry outside the file reads as
// no translation.
class CurrencyNames::MoFile {
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

namespace {

// Calls `take(code, name)` for each object of iso_4217.json's one list,
// {"alpha_3": "ARS", "name": "Argentine Peso", "numeric": "032"}. The file
// is read on every money conversion, and a general JSON parse of its 16 KB
// costs more than the whole conversion: its one shape, flat objects of
// strings, is searched in place for its two keys. An object of any other
// shape, or a name with an escape, is passed over, and its currency is
// listed by its code.
template <typename Take>
void ForEachCurrency(std::string_view text, Take take) {
    // The string value of `"key":` in one object; empty when there is none.
    const auto value = [](std::string_view object, std::string_view quotedKey) {
        std::size_t at = object.find(quotedKey);
        if (at == std::string_view::npos) return std::string_view();
        at = object.find_first_not_of(" \t\r\n", at + quotedKey.size());
        if (at == std::string_view::npos || object[at] != ':') return std::string_view();
        at = object.find_first_not_of(" \t\r\n", at + 1);
        if (at == std::string_view::npos || object[at] != '"') return std::string_view();
        const std::size_t end = object.find('"', at + 1);
        if (end == std::string_view::npos) return std::string_view();
        const std::string_view found = object.substr(at + 1, end - at - 1);
        return found.find('\\') == std::string_view::npos ? found : std::string_view();
    };
    std::size_t at = text.find('[');
    while (at != std::string_view::npos && (at = text.find('{', at)) != std::string_view::npos) {
        const std::size_t end = text.find('}', at);
        if (end == std::string_view::npos) return;
        const std::string_view object = text.substr(at + 1, end - at - 1);
        at = end;
        if (object.find('{') != std::string_view::npos ||
            object.find('[') != std::string_view::npos)
            continue;  // not flat
        const std::string_view code = value(object, "\"alpha_3\""),
                               name = value(object, "\"name\"");
        if (code.size() == 3 && !name.empty()) take(code, name);
    }
}

std::string FileText(const std::string& path) {
    FileRead read = ReadProfileFile(path);
    return read.exists && !read.error ? std::move(read.text) : std::string();
}

}  // namespace

CurrencyNames CurrencyNames::Installed() { return FromFiles(IsoJsonPath, GermanMoPath); }

CurrencyNames CurrencyNames::FromFiles(const std::string& jsonPath,
                                       const std::string& germanMoPath) {
    CurrencyNames names;
    names.json_ = std::make_shared<const std::string>(FileText(jsonPath));
    names.germanMoPath_ = germanMoPath;
    ForEachCurrency(*names.json_, [&](std::string_view code, std::string_view english) {
        names.entries_.push_back({code, english});
    });
    // iso-codes keeps its list in order of code; sorting it anyway would
    // cost a tenth of a money conversion.
    const auto byCode = [](const Entry& a, const Entry& b) { return a.code < b.code; };
    if (!std::is_sorted(names.entries_.begin(), names.entries_.end(), byCode))
        std::sort(names.entries_.begin(), names.entries_.end(), byCode);
    return names;
}

std::string_view CurrencyNames::English(std::string_view code) const {
    const auto found =
        std::lower_bound(entries_.begin(), entries_.end(), code,
                         [](const Entry& e, std::string_view c) { return e.code < c; });
    return found != entries_.end() && found->code == code ? found->english : std::string_view();
}

std::string_view CurrencyNames::German(std::string_view code) const {
    const std::string_view english = English(code);
    if (english.empty()) return english;
    if (!german_) {
        mo_ = std::make_shared<const std::string>(FileText(germanMoPath_));
        german_ = std::make_shared<const MoFile>(*mo_);
    }
    return german_->Translate(english);
}
