// The strict reader of the ECB's daily file: what it takes, and each reason
// it refuses a text.
#include <gtest/gtest.h>

#include "ecb_fixture.h"
#include "ecb_rates.h"

namespace {

TEST(EcbRates, ReadsTheDateAndEveryRateInFileOrder) {
    const EcbRatesParse parse = ParseEcbRates(FixtureEcbFile("2026-12-07"), FixtureNow);
    ASSERT_TRUE(parse.rates) << parse.error;
    EXPECT_EQ(parse.rates->date, "2026-12-07");
    ASSERT_EQ(parse.rates->rates.size(), std::size(FixtureRates));
    for (std::size_t i = 0; i < std::size(FixtureRates); ++i) {
        EXPECT_EQ(parse.rates->rates[i].code, FixtureRates[i].code);
        EXPECT_EQ(parse.rates->rates[i].perEuro, FixtureRates[i].perEuro);
    }
}

TEST(EcbRates, TakesRatesAtTheEdgesOfTheRangeAndTheDayItIs) {
    const EcbRatesParse parse = ParseEcbRates(
        EcbFile("2026-12-09", RateLine("AAA", "0.000000000001") + RateLine("ZZZ", "1000000000000")),
        FixtureNow);
    ASSERT_TRUE(parse.rates) << parse.error;
    EXPECT_EQ(parse.rates->rates.at(0).perEuro, 1e-12);
    EXPECT_EQ(parse.rates->rates.at(1).perEuro, 1e12);
}

// A root element with many attributes, named "a0", "a1" ...; `repeat` adds
// one more named as attribute `of` is, after the one numbered `after`.
std::string ManyAttributes(int count, int repeat = -1, int after = -1) {
    std::string root = "<gesmes:Envelope";
    for (int k = 0; k < count; ++k) {
        root += " a" + std::to_string(k) + "='x'";
        if (k == after) root += " a" + std::to_string(repeat) + "='y'";
    }
    return root + "><Cube><Cube time='2026-12-07'>" + RateLine("USD", "1.08") +
           "</Cube></Cube></gesmes:Envelope>";
}

TEST(EcbRates, FindsTheFirstRepeatedAttributeAmongMany) {
    EXPECT_TRUE(ParseEcbRates(ManyAttributes(20000), FixtureNow).rates);
    for (const auto& [repeat, after] :
         {std::pair{12, 15000}, std::pair{19999, 19999}, std::pair{0, 1}, std::pair{3, 5}}) {
        const std::string text = ManyAttributes(20000, repeat, after);
        const std::string name = " a" + std::to_string(repeat) + "='y'";
        const std::size_t end = text.find(name) + name.size() - 4;  // after the repeated name
        const EcbRatesParse parse = ParseEcbRates(text, FixtureNow);
        EXPECT_EQ(parse.error, "not well-formed XML at byte " + std::to_string(end) +
                                   ": the attribute a" + std::to_string(repeat) + " twice");
    }
    // Two names repeated: the one that comes first is told.
    std::string two = ManyAttributes(100, 7, 95);
    two.insert(two.find(" a40="), " a90='z'");
    EXPECT_NE(ParseEcbRates(two, FixtureNow).error.find("the attribute a90 twice"),
              std::string::npos);
}

TEST(EcbRates, TakesDoubleQuotesCommentsAndABom) {
    const std::string text = "\xEF\xBB\xBF<!-- mirror -->" +
                             EcbFile("2024-02-29", "<Cube currency=\"USD\" rate=\"1.5\" ></Cube>");
    const EcbRatesParse parse = ParseEcbRates(text, FixtureNow);
    ASSERT_TRUE(parse.rates) << parse.error;
    EXPECT_EQ(parse.rates->rates.at(0).perEuro, 1.5);
}

struct Refusal {
    const char* what;
    std::string text;
    const char* reason;  // a part of the message
};

class EcbRatesRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(EcbRatesRefusal, NamesTheReason) {
    const EcbRatesParse parse = ParseEcbRates(GetParam().text, FixtureNow);
    EXPECT_FALSE(parse.rates);
    EXPECT_NE(parse.error.find(GetParam().reason), std::string::npos) << parse.error;
}

const std::string Usd = RateLine("USD", "1.08");

INSTANTIATE_TEST_SUITE_P(
    Texts, EcbRatesRefusal,
    testing::Values(
        Refusal{"empty", "", "holds no XML element"},
        Refusal{"html", "<html><body>Service unavailable</body></html>",
                "the root element is <html>, not <gesmes:Envelope>"},
        Refusal{"no date",
                "<gesmes:Envelope><Cube><Cube currency='USD' rate='1'/></Cube></gesmes:Envelope>",
                "a rate outside the dated <Cube>"},
        Refusal{"no date at all", "<gesmes:Envelope><Cube/></gesmes:Envelope>", "gives no date"},
        Refusal{"no rates", EcbFile("2026-12-07", ""), "gives no rates"},
        Refusal{"bad day", EcbFile("2026-02-29", Usd), "not a day written YYYY-MM-DD"},
        Refusal{"negative", EcbFile("2026-12-07", RateLine("USD", "-1")),
                "the rate of USD is not a positive number: \"-1\""},
        Refusal{"zero", EcbFile("2026-12-07", RateLine("USD", "0.000")), "not a positive number"},
        Refusal{"nan", EcbFile("2026-12-07", RateLine("USD", "nan")), "not a positive number"},
        Refusal{"inf", EcbFile("2026-12-07", RateLine("USD", "inf")), "not a positive number"},
        Refusal{"exponent", EcbFile("2026-12-07", RateLine("USD", "1e3")), "not a positive number"},
        Refusal{"overflow", EcbFile("2026-12-07", RateLine("USD", std::string(400, '9'))),
                "not a positive number"},
        Refusal{"twice", EcbFile("2026-12-07", Usd + RateLine("JPY", "160") + Usd),
                "USD appears twice"},
        Refusal{"euro", EcbFile("2026-12-07", RateLine("EUR", "1")), "a rate for EUR"},
        // Rates whose inverse would be infinite or 0, or that a double holds
        // but whose cross rates would not be ordinary numbers.
        Refusal{"huge", EcbFile("2026-12-07", RateLine("USD", "1" + std::string(301, '0'))),
                "the rate of USD, 1e+301, is outside the range 1e-12 to 1e+12"},
        Refusal{"tiny", EcbFile("2026-12-07", RateLine("USD", "0." + std::string(309, '0') + "1")),
                "the rate of USD, 1e-310, is outside the range"},
        Refusal{"future", EcbFile("2026-12-10", Usd), "the date 2026-12-10 is in the future"},
        Refusal{"lower case", EcbFile("2026-12-07", RateLine("usd", "1")), "not a currency code"},
        Refusal{"two dates", EcbFile("2026-12-07", Usd + "<Cube time='2026-12-08'/>"),
                "more than one date"},
        Refusal{"too large", FixtureEcbFile("2026-12-07") + std::string(1024 * 1024, ' '),
                "larger than 1 MiB"},
        Refusal{"unclosed", "<gesmes:Envelope><Cube>", "<Cube> is never closed"},
        Refusal{"crossed", "<gesmes:Envelope><Cube></gesmes:Envelope></Cube>", "closes nothing"},
        Refusal{"doctype", "<!DOCTYPE x [<!ENTITY a 'b'>]>" + FixtureEcbFile("2026-12-07"),
                "a declaration"},
        Refusal{"second root", FixtureEcbFile("2026-12-07") + "<gesmes:Envelope/>",
                "a second root element"},
        Refusal{"text outside", FixtureEcbFile("2026-12-07") + "junk", "text outside the root"},
        Refusal{"twice an attribute",
                EcbFile("2026-12-07", "<Cube currency='USD' currency='JPY' rate='1'/>"),
                "the attribute currency twice"},
        Refusal{"currency alone", EcbFile("2026-12-07", "<Cube currency='USD'/>"),
                "a rate without its currency"}),
    [](const testing::TestParamInfo<Refusal>& param) {
        std::string name = param.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

}  // namespace
