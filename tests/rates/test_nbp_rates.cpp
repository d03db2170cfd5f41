// The NBP reader, the cache of each source, and the rates put together:
// which source each currency takes, through the euro, and what the reader
// refuses.
#include <gtest/gtest.h>

#include "ecb_fixture.h"
#include "ecb_publication.h"
#include "nbp_fixture.h"
#include "nbp_rates.h"
#include "rates_in_use.h"

namespace {

TEST(NbpRates, ReadsATableAsRatesPerZloty) {
    const EcbRatesParse parse =
        ParseNbpTable(NbpFixtureTable('A', "2026-12-07", NbpTableARates), 'A', FixtureNow);
    ASSERT_TRUE(parse.rates) << parse.error;
    EXPECT_EQ(parse.rates->date, "2026-12-07");
    ASSERT_EQ(parse.rates->rates.size(), 3u);
    EXPECT_EQ(parse.rates->rates[0].code, "EUR");
    EXPECT_EQ(parse.rates->rates[0].perEuro, 1 / 4.24);
}

// The one table of an answer, without its list's brackets.
std::string Inner(const std::string& answer) { return answer.substr(1, answer.size() - 2); }

TEST(NbpRates, RefusesWhatIsNotAWellFormedTable) {
    const std::string rate = "{\"currency\":\"x\",\"code\":\"USD\",\"mid\":3.9}";
    const struct {
        const char* name;
        std::string text;
        const char* reason;
    } cases[] = {
        {"not JSON", "<html>", "not well-formed JSON"},
        {"cut off", NbpTable('B', "2026-12-02", rate).substr(0, 40), "not well-formed JSON"},
        {"no date", std::string("[{\"table\":\"B\",\"no\":\"1\",\"rates\":[") + rate + "]}]",
         "gives no date"},
        {"a day that is none", NbpTable('B', "2026-02-30", rate), "not a day"},
        {"the other table", NbpTable('A', "2026-12-02", rate), "not the NBP's table B"},
        {"no rates", NbpTable('B', "2026-12-02", ""), "gives no rates"},
        {"a negative rate", NbpTable('B', "2026-12-02", "{\"code\":\"USD\",\"mid\":-3.9}"),
         "the rate of USD is not a positive finite number"},
        {"a rate as text", NbpTable('B', "2026-12-02", "{\"code\":\"USD\",\"mid\":\"3.9\"}"),
         "the rate of USD is not a positive finite number"},
        {"a zero rate", NbpTable('B', "2026-12-02", "{\"code\":\"USD\",\"mid\":0}"),
         "not a positive finite number"},
        {"a code twice", NbpTable('B', "2026-12-02", rate + "," + rate), "USD appears twice"},
        {"a code not three capitals", NbpTable('B', "2026-12-02", "{\"code\":\"usd\",\"mid\":1}"),
         "\"usd\" is not a currency code"},
        {"a rate for the zloty", NbpTable('B', "2026-12-02", "{\"code\":\"PLN\",\"mid\":1}"),
         "a rate for PLN"},
        {"a key twice", NbpTable('B', "2026-12-02", "{\"code\":\"USD\",\"mid\":1,\"mid\":2}"),
         "the key \"mid\" appears twice"},
        {"two tables",
         std::string("[") + Inner(NbpTable('B', "2026-12-02", rate)) + "," +
             Inner(NbpTable('B', "2026-12-02", rate)) + "]",
         "not a list of one table"},
        {"over 1 MiB", NbpTable('B', "2026-12-02", rate) + std::string(1 << 20, ' '),
         "larger than 1 MiB"},
    };
    for (const auto& c : cases) {
        const EcbRatesParse parse = ParseNbpTable(c.text, 'B', FixtureNow);
        EXPECT_FALSE(parse.rates) << c.name;
        EXPECT_NE(parse.error.find(c.reason), std::string::npos) << c.name << ": " << parse.error;
    }
}

KeptRates Kept(bool withEcb, bool withA, bool withB) {
    KeptRates kept;
    if (withEcb)
        kept.Of(RatesSource::Ecb).cached =
            CachedRates{"ecb", 0, {"2026-12-07", {{"USD", 1.08}, {"PLN", 4.25}}}};
    if (withA)
        kept.Of(RatesSource::NbpTableA).cached = CachedRates{
            "a", 0,
            *ParseNbpTable(NbpFixtureTable('A', "2026-12-07", NbpTableARates), 'A', FixtureNow)
                 .rates,
            RatesSource::NbpTableA};
    if (withB)
        kept.Of(RatesSource::NbpTableB).cached = CachedRates{
            "b", 0,
            *ParseNbpTable(NbpFixtureTable('B', "2026-12-02", NbpTableBRates), 'B', FixtureNow)
                 .rates,
            RatesSource::NbpTableB};
    return kept;
}

const RateInUse* Find(const std::vector<RateInUse>& rates, std::string_view code) {
    for (const RateInUse& rate : rates)
        if (rate.code == code) return &rate;
    return nullptr;
}

TEST(RatesInUse, TheEcbFirstThenTheNbpThroughTheEuro) {
    const auto rates = RatesInUse(Kept(true, true, true));
    ASSERT_TRUE(Find(rates, "USD"));
    EXPECT_EQ(Find(rates, "USD")->source, RatesSource::Ecb);  // not table A's 3.90
    EXPECT_EQ(Find(rates, "USD")->perEuro, 1.08);
    EXPECT_EQ(Find(rates, "PLN")->source, RatesSource::Ecb);
    ASSERT_TRUE(Find(rates, "AED"));
    EXPECT_EQ(Find(rates, "AED")->source, RatesSource::NbpTableA);
    EXPECT_NEAR(Find(rates, "AED")->perEuro, 4.24 / 1.065, 1e-12);
    ASSERT_TRUE(Find(rates, "ARS"));
    EXPECT_EQ(Find(rates, "ARS")->source, RatesSource::NbpTableB);
    EXPECT_NEAR(Find(rates, "ARS")->perEuro, 4.24 / 0.0037, 1e-8);
    EXPECT_FALSE(Find(rates, "HRK")) << "a withdrawn code";
    EXPECT_FALSE(Find(rates, "EUR"));
    EXPECT_EQ(rates.size(), 5u);  // USD PLN AED ARS NGN
}

TEST(RatesInUse, EachSourceAloneOrMissing) {
    // Without the ECB, the złoty is table A's euro rate.
    const auto nbp = RatesInUse(Kept(false, true, true));
    EXPECT_NEAR(Find(nbp, "PLN")->perEuro, 4.24, 1e-12);
    EXPECT_EQ(Find(nbp, "USD")->source, RatesSource::NbpTableA);
    // Without table A, table B cannot be put in euros.
    EXPECT_EQ(RatesInUse(Kept(true, false, true)).size(), 2u);
    EXPECT_EQ(RatesInUse(Kept(true, true, false)).size(), 3u);
}

TEST(RatesInUse, TheLineNamesEverySourceAConversionUses) {
    const KeptRates kept = Kept(true, true, true);
    const auto rates = RatesInUse(kept);
    EXPECT_EQ(SourcesLine(SourcesUsed(kept, rates, {"USD", "EUR"}, FixtureNow)),
              "ECB reference rates of 2026-12-07");
    EXPECT_EQ(SourcesLine(SourcesUsed(kept, rates, {"USD", "ARS"}, FixtureNow)),
              "ECB reference rates of 2026-12-07; NBP table B of 2026-12-02 for ARS, in euros "
              "by NBP table A of 2026-12-07");
    EXPECT_EQ(SourcesLine(SourcesUsed(kept, rates, {"AED", "ARS"}, FixtureNow)),
              "NBP table A of 2026-12-07 for AED; NBP table B of 2026-12-02 for ARS");
    // Table B is weekly: seven days old is not old, ten is.
    const std::int64_t dec12 = FixtureNow + 3 * 86400;
    EXPECT_EQ(SourcesLine(SourcesUsed(kept, rates, {"ARS"}, dec12)),
              "NBP table B of 2026-12-02 (10 days old) for ARS, in euros by NBP table A of "
              "2026-12-07 (5 days old)");
    EXPECT_EQ(SourcesLine(SourcesUsed(kept, rates, {"ARS"}, FixtureNow)).find("old"),
              std::string::npos);
}

TEST(RatesCache, AnNbpTableReadsBackAndIsNotTakenForTheEcbs) {
    const KeptRates kept = Kept(false, true, false);
    const CachedRates& table = *kept.Of(RatesSource::NbpTableA).cached;
    const std::string text = RatesCacheText(table);
    EXPECT_NE(text.find("\nbase PLN\n"), std::string::npos);
    const CachedRatesRead back = ReadRatesCacheText(text, FixtureNow, RatesSource::NbpTableA);
    ASSERT_TRUE(back.cached) << back.error;
    EXPECT_EQ(back.cached->rates.rates[0].perEuro, table.rates.rates[0].perEuro);
    EXPECT_FALSE(ReadRatesCacheText(text, FixtureNow).cached);  // as the ECB's
}

// Table A is due after every working day's publication, table B after a
// Wednesday's only.
TEST(RatesCache, EachTableIsDueAfterItsOwnPublication) {
    // Wednesday 2026-12-02 17:00 UTC, after the day's publication.
    const std::int64_t fetched = DaysFromCivil(2026, 12, 2) * 86400 + 17 * 3600;
    const CachedRates tableA{"a", fetched, {"2026-12-02", {}}, RatesSource::NbpTableA};
    const CachedRates tableB{"b", fetched, {"2026-12-02", {}}, RatesSource::NbpTableB};
    const std::int64_t tuesday = DaysFromCivil(2026, 12, 8) * 86400 + 17 * 3600;
    EXPECT_TRUE(IsBehindSource(tableA, tuesday));
    EXPECT_FALSE(IsBehindSource(tableB, tuesday));
    const std::int64_t wednesday = DaysFromCivil(2026, 12, 9) * 86400 + 17 * 3600;
    EXPECT_TRUE(IsBehindSource(tableB, wednesday));
    EXPECT_FALSE(IsStale(tableB, DaysFromCivil(2026, 12, 11) * 86400));  // 9 days: not yet old
    EXPECT_TRUE(IsStale(tableB, DaysFromCivil(2026, 12, 12) * 86400));
    EXPECT_TRUE(IsStale(tableA, DaysFromCivil(2026, 12, 7) * 86400));  // 5 days: old
}

}  // namespace
