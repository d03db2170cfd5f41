#pragma once
// The European Central Bank's daily euro reference rates (eurofxref-daily.xml),
// read strictly: a download that is not exactly such a file is refused with
// the reason, so that nothing half-read ever replaces good rates.
//
//   <gesmes:Envelope ...>            the root, and no other
//     <Cube><Cube time='2026-12-07'> one date, a real calendar day, not ahead
//       <Cube currency='USD' rate='1.0803'/>   each code once, each rate a
//       ...                                    positive decimal
//
// The date, the codes and the rates pass the RatesCheck the cache is read
// with. Refused, for example: "the root element is <html>, not
// <gesmes:Envelope>", "the file gives no date", "the rate of USD is not a
// positive number: \"-1\"", "USD appears twice", "the file is larger than
// 1 MiB". The time taken grows in step with the length of the text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Larger responses are refused unread.
inline constexpr std::size_t MaxRatesFileBytes = 1024 * 1024;

// One table's rate of one currency. The ECB's rates are against the euro;
// an NBP table read here holds rates against the złoty the same way round
// (units of the currency one złoty buys), and only rates_in_use.h turns
// those into euros.
struct CurrencyRate {
    std::string code;  // three capital letters, never the table's base
    double perEuro;    // units of the currency one unit of the base buys, within RatesCheck's range
};

struct EcbRates {
    std::string date;  // "YYYY-MM-DD"
    std::vector<CurrencyRate> rates;
};

struct EcbRatesParse {
    std::optional<EcbRates> rates;
    std::string error;  // why the text was refused; empty when it was read
};

// `nowUtc` (seconds since the epoch) is the time dates may not be after.
EcbRatesParse ParseEcbRates(std::string_view xml, std::int64_t nowUtc);

// "YYYY-MM-DD" naming a real day of the Gregorian calendar.
bool IsIsoDate(std::string_view text);

// Three capital letters A-Z.
bool IsCurrencyCode(std::string_view text);

// A rate as written in the file: digits with an optional fraction. Nothing
// when it is not such a text or not a positive finite number.
std::optional<double> ParseRate(std::string_view text);
