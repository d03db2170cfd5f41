// The names are the ECB's own English names. Symbols shared by several
// currencies ("$", "kr", "Fr") belong to none of them; "¥" is the yen's, as
// the ECB and most keyboards use it, the yuan being "CN¥". Symbols that are
// also units elsewhere ("Ft" the foot, "kn" the knot) are left out.
#include "currency_units.h"

#include <array>

#include "catalogue.h"
#include "text_1252.h"

namespace {

constexpr const char* C = "Currency";

constexpr UnitAliases CurrencyTable[] = {
    {C, "Euro (EUR)", "EUR|euro|euros", "\x80"},
    {C, "Australian dollar (AUD)", "AUD|Australian dollar|A$", ""},
    {C, "Brazilian real (BRL)", "BRL|Brazilian real|R$", ""},
    {C, "Bulgarian lev (BGN)", "BGN|Bulgarian lev", ""},
    {C, "Canadian dollar (CAD)", "CAD|Canadian dollar|C$|CA$", ""},
    {C, "Chinese yuan renminbi (CNY)", "CNY|Chinese yuan renminbi|yuan|renminbi|CN\xA5", ""},
    {C, "Croatian kuna (HRK)", "HRK|Croatian kuna", ""},
    {C, "Czech koruna (CZK)", "CZK|Czech koruna", ""},
    {C, "Danish krone (DKK)", "DKK|Danish krone", ""},
    {C, "Hong Kong dollar (HKD)", "HKD|Hong Kong dollar|HK$", ""},
    {C, "Hungarian forint (HUF)", "HUF|Hungarian forint|forint", ""},
    {C, "Icelandic krona (ISK)", "ISK|Icelandic krona", ""},
    {C, "Indian rupee (INR)", "INR|Indian rupee", ""},
    {C, "Indonesian rupiah (IDR)", "IDR|Indonesian rupiah", "Rp"},
    {C, "Israeli shekel (ILS)", "ILS|Israeli shekel|shekel", ""},
    {C, "Japanese yen (JPY)", "JPY|Japanese yen|yen|JP\xA5", "\xA5"},
    {C, "Malaysian ringgit (MYR)", "MYR|Malaysian ringgit|ringgit", "RM"},
    {C, "Mexican peso (MXN)", "MXN|Mexican peso|Mex$", ""},
    {C, "New Zealand dollar (NZD)", "NZD|New Zealand dollar|NZ$", ""},
    {C, "Norwegian krone (NOK)", "NOK|Norwegian krone", ""},
    {C, "Philippine peso (PHP)", "PHP|Philippine peso", ""},
    {C, "Polish zloty (PLN)", "PLN|Polish zloty|zloty", ""},
    {C, "Pound sterling (GBP)", "GBP|Pound sterling|sterling", "\xA3"},
    {C, "Romanian leu (RON)", "RON|Romanian leu", "lei"},
    {C, "Russian rouble (RUB)", "RUB|Russian rouble", ""},
    {C, "Singapore dollar (SGD)", "SGD|Singapore dollar|S$", ""},
    {C, "South African rand (ZAR)", "ZAR|South African rand|rand", ""},
    {C, "South Korean won (KRW)", "KRW|South Korean won", ""},
    {C, "Swedish krona (SEK)", "SEK|Swedish krona", ""},
    {C, "Swiss franc (CHF)", "CHF|Swiss franc", ""},
    {C, "Thai baht (THB)", "THB|Thai baht|baht", ""},
    {C, "Turkish lira (TRY)", "TRY|Turkish lira", ""},
    {C, "US dollar (USD)", "USD|US dollar|US$", ""},
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

std::string CurrencyUnitName(std::string_view code) {
    std::string suffix(1, '(');
    suffix += code;
    suffix += ')';
    for (const UnitAliases& entry : CurrencyTable) {
        if (entry.unit.ends_with(suffix)) return std::string(entry.unit);
    }
    return std::string(code);
}

int CurrencyUnitCount(const Catalogue& catalogue) { return catalogue.BuiltinUnitsOf(CurrencyRow); }

bool NamesKnownCurrency(std::string_view name) {
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
