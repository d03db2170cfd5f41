#include "rates_check.h"

#include <charconv>

#include "ecb_publication.h"
#include "ecb_rates.h"

namespace {

std::string NumberText(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

}  // namespace

std::string QuotedExcerpt(std::string_view text) {
    constexpr std::size_t Most = 40;
    if (text.size() <= Most) return '"' + std::string(text) + '"';
    return '"' + std::string(text.substr(0, Most)) + "\"...";
}

std::string RatesCheck::Date(std::string_view date) const {
    if (!IsIsoDate(date)) return "the date is not a day written YYYY-MM-DD: " + QuotedExcerpt(date);
    const std::string text(date);
    if (DaysSince(text.c_str(), nowUtc_) < 0) return "the date " + text + " is in the future";
    return {};
}

std::string RatesCheck::Code(std::string_view code) {
    if (!IsCurrencyCode(code)) return QuotedExcerpt(code) + " is not a currency code";
    if (code == base_)
        return base_ == "EUR"
                   ? "a rate for EUR, the euro itself"
                   : "a rate for " + std::string(code) + ", the currency the rates are in";
    const std::size_t bit =
        (static_cast<std::size_t>(code[0] - 'A') * 26 + static_cast<std::size_t>(code[1] - 'A')) *
            26 +
        static_cast<std::size_t>(code[2] - 'A');
    if (taken_[bit]) return std::string(code) + " appears twice";
    taken_[bit] = true;
    return {};
}

std::string RatesCheck::Value(std::string_view code, double perEuro) {
    // Written so that a not-a-number is refused too.
    if (perEuro >= SmallestRatePerEuro && perEuro <= LargestRatePerEuro) return {};
    return "the rate of " + std::string(code) + ", " + NumberText(perEuro) +
           ", is outside the range " + NumberText(SmallestRatePerEuro) + " to " +
           NumberText(LargestRatePerEuro);
}
