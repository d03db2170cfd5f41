// Each entry names its currency by its code; the names are the ECB's own
// English names, kept as aliases beside the ISO 4217 names the rates bring
// (rates/currency_names.h). Symbols shared by several currencies ("$", "kr",
// "Fr", "lei" the Romanian and the Moldovan leu) belong to none of them;
// "¥" is the yen's, as the ECB and most keyboards use it, the yuan being
// "CN¥". Symbols that are also units elsewhere ("Ft" the foot, "kn" the
// knot) are left out.
#include "currency_units.h"

#include <array>

#include "catalogue.h"
#include "iso_currencies.h"
#include "text_1252.h"

namespace {

constexpr const char* C = "Currency";

constexpr UnitAliases CurrencyTable[] = {
    {C, "EUR", "euro|euros", "\x80"},
    {C, "AUD", "Australian dollar|A$", ""},
    {C, "BRL", "Brazilian real|R$", ""},
    {C, "BGN", "Bulgarian lev", ""},
    {C, "CAD", "Canadian dollar|C$|CA$", ""},
    {C, "CNY", "Chinese yuan renminbi|yuan|renminbi|CN\xA5", ""},
    {C, "CZK", "Czech koruna", ""},
    {C, "DKK", "Danish krone", ""},
    {C, "HKD", "Hong Kong dollar|HK$", ""},
    {C, "HUF", "Hungarian forint|forint", ""},
    {C, "ISK", "Icelandic krona", ""},
    {C, "INR", "Indian rupee", ""},
    {C, "IDR", "Indonesian rupiah", "Rp"},
    {C, "ILS", "Israeli shekel|shekel", ""},
    {C, "JPY", "Japanese yen|yen|JP\xA5", "\xA5"},
    {C, "MYR", "Malaysian ringgit|ringgit", "RM"},
    {C, "MXN", "Mexican peso|Mex$", ""},
    {C, "NZD", "New Zealand dollar|NZ$", ""},
    {C, "NOK", "Norwegian krone", ""},
    {C, "PHP", "Philippine peso", ""},
    {C, "PLN", "Polish zloty|zloty", ""},
    {C, "GBP", "Pound sterling|sterling", "\xA3"},
    {C, "RON", "Romanian leu", ""},
    {C, "RUB", "Russian rouble", ""},
    {C, "SGD", "Singapore dollar|S$", ""},
    {C, "ZAR", "South African rand|rand", ""},
    {C, "KRW", "South Korean won", ""},
    {C, "SEK", "Swedish krona", ""},
    {C, "CHF", "Swiss franc", ""},
    {C, "THB", "Thai baht|baht", ""},
    {C, "TRY", "Turkish lira", ""},
    {C, "USD", "US dollar|US$", ""},
};

// Symbols outside Windows-1252, read at the edges as their codes.
struct Utf8Symbol {
    std::string_view symbol;
    std::string_view code;
};
constexpr Utf8Symbol Utf8Symbols[] = {
    {"\u20B9", "INR"}, {"\u20A9", "KRW"},  {"z\u0142", "PLN"},      {"Z\u0141", "PLN"},
    {"\u20BA", "TRY"}, {"\u20AA", "ILS"},  {"\u20B1", "PHP"},       {"\u0E3F", "THB"},
    {"\u20BD", "RUB"}, {"K\u010D", "CZK"}, {"\u043B\u0432", "BGN"},
};

// Every name, alias and symbol of the table, split apart at compile time:
// the command line asks of each word of a conversion whether it could name a
// currency before it reads the rates, and that must cost next to nothing.
struct KnownName {
    std::string_view text;
    bool anyCase;
};

template <typename Take>
constexpr void ForEachPart(std::string_view list, Take take) {
    while (!list.empty()) {
        const std::size_t bar = list.find('|');
        take(list.substr(0, bar));
        if (bar == std::string_view::npos) break;
        list.remove_prefix(bar + 1);
    }
}

constexpr std::size_t KnownNameCount = [] {
    std::size_t count = 0;
    for (const UnitAliases& entry : CurrencyTable) {
        ++count;
        for (const std::string_view list : {entry.anyCase, entry.exactCase})
            ForEachPart(list, [&](std::string_view) { ++count; });
    }
    return count;
}();

constexpr std::array<KnownName, KnownNameCount> KnownNames = [] {
    std::array<KnownName, KnownNameCount> names{};
    std::size_t k = 0;
    for (const UnitAliases& entry : CurrencyTable) {
        names[k++] = {entry.unit, true};
        ForEachPart(entry.anyCase, [&](std::string_view part) { names[k++] = {part, true}; });
        ForEachPart(entry.exactCase, [&](std::string_view part) { names[k++] = {part, false}; });
    }
    return names;
}();

}  // namespace

constinit const std::span<const UnitAliases> CurrencyAliases = CurrencyTable;

int CurrencyUnitCount(const Catalogue& catalogue) { return catalogue.BuiltinUnitsOf(CurrencyRow); }

bool NamesKnownCurrency(std::string_view name) {
    if (name.size() == 3) {
        const char code[] = {UpperCp1252(name[0]), UpperCp1252(name[1]), UpperCp1252(name[2])};
        if (IsCurrentCurrencyCode({code, 3})) return true;
    }
    for (const KnownName& known : KnownNames) {
        if (known.text.size() != name.size()) continue;
        if (known.anyCase ? EqualsNoCase(known.text, name) : known.text == name) return true;
    }
    return false;
}

std::optional<std::string_view> CurrencyCodeOfSymbol(std::string_view utf8) {
    for (const Utf8Symbol& entry : Utf8Symbols) {
        if (entry.symbol == utf8) return entry.code;
    }
    return std::nullopt;
}

std::optional<std::string> UnitNameFromUtf8(std::string_view utf8) {
    if (const auto code = CurrencyCodeOfSymbol(utf8)) return std::string(*code);
    return Cp1252FromUtf8(utf8);
}

ResultStyle CurrencyStyle(const Catalogue& catalogue, int position, const ResultStyle& style) {
    const CurrencyWords* words = position <= catalogue.BuiltinUnitsOf(CurrencyRow)
                                     ? catalogue.CurrencyWordsAt(position)
                                     : nullptr;
    const auto minor = words ? CurrencyMinorUnit(words->code) : std::nullopt;
    if (!minor) return style;
    return {FormatFixed, *minor};
}
