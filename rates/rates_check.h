#pragma once
// What exchange rates must be before anything uses them. A downloaded file
// and the cache are read by different readers (XML, lines of text), but both
// put every date, code and rate through one RatesCheck, so the download takes
// exactly what the cache will take back: a file refused here never replaces
// the cache, and rates the cache holds are never refused when read again.
//
//   RatesCheck check(now);          // now: 2026-12-09
//   check.Date("2026-12-07")        -> ""
//   check.Date("2027-01-04")        -> "the date 2027-01-04 is in the future"
//   check.Code("USD")               -> ""   (and USD is now taken)
//   check.Code("USD")               -> "USD appears twice"
//   check.Code("EUR")               -> "a rate for EUR, the euro itself"
//   RatesCheck(now, "PLN").Code("PLN") -> "a rate for PLN, the currency the rates are in"
//   check.Code("usd")               -> "\"usd\" is not a currency code"
//   RatesCheck::Value("USD", 1e301) -> "the rate of USD, 1e+301, is outside ..."
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

// One euro buys between these amounts of any currency. Within them a rate
// and its inverse are both ordinary doubles, so a currency's factor is never
// 0 or infinite and a cross rate stays far from the limits of a double.
inline constexpr double SmallestRatePerEuro = 1e-12;
inline constexpr double LargestRatePerEuro = 1e12;

// A text of a file in double quotes, its first 40 bytes at most (a hostile
// file could hold a value of a megabyte). Its bytes are as they were: the
// programs escape every message with such a text when they show it.
std::string QuotedExcerpt(std::string_view text);

class RatesCheck {
public:
    // Dates after the UTC day of `nowUtc` are refused, and so is a rate for
    // `base`, the currency the table's rates are against (the euro, or the
    // złoty in the NBP's tables).
    explicit RatesCheck(std::int64_t nowUtc, std::string_view base = "EUR")
        : nowUtc_(nowUtc), base_(base) {}

    // Why `date` cannot be the day of the rates; empty when it can.
    std::string Date(std::string_view date) const;

    // Why a rate for `code` cannot be taken after the codes taken so far;
    // empty when it can, and the code is then taken.
    std::string Code(std::string_view code);

    // Why one euro cannot buy `perEuro` of `code`; empty when it can.
    static std::string Value(std::string_view code, double perEuro);

private:
    std::int64_t nowUtc_;
    std::string_view base_;
    std::bitset<26 * 26 * 26> taken_;  // one bit for each code of three capitals
};
