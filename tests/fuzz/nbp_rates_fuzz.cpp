// Arbitrary bytes as a downloaded NBP table. Whatever the reader accepts
// must be what the rest of the program relies on: a real date, codes of three
// capitals given once and never the złoty's, rates within the range whose
// inverses are finite and not zero; and the same table written out again
// must read back to the same rates. Anything else aborts.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "nbp_rates.h"
#include "rates_check.h"

namespace {

// 9999-12-31 23:59:59 UTC: every date a table can give is behind it.
constexpr std::int64_t LastSecond = 253402300799;

void Check(bool holds) {
    if (!holds) std::abort();
}

std::string Rewritten(char table, const EcbRates& rates) {
    std::string text = std::string("[{\"table\":\"") + table +
                       "\",\"no\":\"1\",\"effectiveDate\":\"" + rates.date + "\",\"rates\":[";
    for (std::size_t i = 0; i < rates.rates.size(); ++i) {
        char number[64];
        // The mid rate, shortest and exact: 1 / (1 / mid) may differ from
        // mid in the last bit, so what is compared below is the reading.
        const auto end =
            std::to_chars(number, number + sizeof number, 1 / rates.rates[i].perEuro).ptr;
        text += std::string(i ? "," : "") + "{\"code\":\"" + rates.rates[i].code +
                "\",\"mid\":" + std::string(number, end) + "}";
    }
    return text + "]}]";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const char table : {'A', 'B'}) {
        const EcbRatesParse parse = ParseNbpTable(text, table, LastSecond);
        Check(parse.rates.has_value() == parse.error.empty());
        if (!parse.rates) continue;
        const EcbRates& rates = *parse.rates;
        Check(IsIsoDate(rates.date) && !rates.rates.empty());
        for (std::size_t i = 0; i < rates.rates.size(); ++i) {
            Check(IsCurrencyCode(rates.rates[i].code) && rates.rates[i].code != "PLN");
            Check(rates.rates[i].perEuro >= SmallestRatePerEuro &&
                  rates.rates[i].perEuro <= LargestRatePerEuro);
            Check(std::isfinite(1 / rates.rates[i].perEuro) && 1 / rates.rates[i].perEuro > 0);
            for (std::size_t j = 0; j < i; ++j) Check(rates.rates[j].code != rates.rates[i].code);
        }
        const EcbRatesParse again = ParseNbpTable(Rewritten(table, rates), table, LastSecond);
        Check(again.rates && again.rates->date == rates.date &&
              again.rates->rates.size() == rates.rates.size());
        for (std::size_t i = 0; i < rates.rates.size(); ++i) {
            Check(again.rates->rates[i].code == rates.rates[i].code);
            Check(again.rates->rates[i].perEuro == 1 / (1 / rates.rates[i].perEuro));
        }
    }
    return 0;
}
