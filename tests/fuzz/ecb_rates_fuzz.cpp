// Arbitrary bytes as a downloaded rates file. Whatever the reader accepts
// must be what the rest of the program relies on: a real date, codes of three
// capitals given once, rates within the range whose inverses are finite and
// not zero. And it must read the same
// rates again from a file written from them. Anything else aborts.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ecb_rates.h"
#include "rates_check.h"

namespace {

// 9999-12-31 23:59:59 UTC: every date a file can write is behind it.
constexpr std::int64_t LastSecond = 253402300799;

void Check(bool holds) {
    if (!holds) std::abort();
}

std::string Rewritten(const EcbRates& rates) {
    std::string text = "<gesmes:Envelope><Cube><Cube time=\"" + rates.date + "\">";
    for (const CurrencyRate& rate : rates.rates) {
        char number[400];
        const auto end =
            std::to_chars(number, number + sizeof number, rate.perEuro, std::chars_format::fixed)
                .ptr;
        text += "<Cube currency='" + rate.code + "' rate='" + std::string(number, end) + "'/>";
    }
    return text + "</Cube></Cube></gesmes:Envelope>";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const EcbRatesParse parse = ParseEcbRates(text, LastSecond);
    Check(parse.rates.has_value() == parse.error.empty());
    if (!parse.rates) return 0;
    const EcbRates& rates = *parse.rates;
    Check(IsIsoDate(rates.date) && !rates.rates.empty());
    for (std::size_t i = 0; i < rates.rates.size(); ++i) {
        Check(IsCurrencyCode(rates.rates[i].code) && rates.rates[i].code != "EUR");
        Check(rates.rates[i].perEuro >= SmallestRatePerEuro &&
              rates.rates[i].perEuro <= LargestRatePerEuro);
        Check(std::isfinite(1 / rates.rates[i].perEuro) && 1 / rates.rates[i].perEuro > 0);
        for (std::size_t j = 0; j < i; ++j) Check(rates.rates[j].code != rates.rates[i].code);
    }
    const EcbRatesParse again = ParseEcbRates(Rewritten(rates), LastSecond);
    Check(again.rates && again.rates->date == rates.date &&
          again.rates->rates.size() == rates.rates.size());
    for (std::size_t i = 0; i < rates.rates.size(); ++i) {
        Check(again.rates->rates[i].code == rates.rates[i].code);
        Check(again.rates->rates[i].perEuro == rates.rates[i].perEuro);
    }
    return 0;
}
