// mezura-convert against rates served on 127.0.0.1: --update-rates, then
// conversions, --rates, the old-rates note, and every refusal leaving the
// cache and the conversions as they were.
#include <gtest/gtest.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include "ecb_fixture.h"
#include "fixture_server.h"
#include "nbp_fixture.h"
#include "run_program.h"

namespace {

class RatesConvert : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server_.Running()) << "the fixture server did not start";
        char pattern[] = "/tmp/mezura-rates-cli-XXXXXX";
        folder_ = ::mkdtemp(pattern);
        server_.Serve("a.json", NbpFixtureTable('A', "2026-12-07", NbpTableARates));
        server_.Serve("b.json", NbpFixtureTable('B', "2026-12-02", NbpTableBRates));
        UseUrl(server_.Url("eurofxref-daily.xml"));
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    // The NBP's tables come from the fixture server too: a test never goes online.
    void UseUrl(const std::string& url, const std::string& tableB = "b.json") {
        std::ofstream(folder_ / "mezura.INI")
            << "[Currency]\r\nRatesUrl=" << url << "\r\nNbpTableAUrl=" << server_.Url("a.json")
            << "\r\nNbpTableBUrl=" << server_.Url(tableB) << "\r\n";
    }

    ProgramRun Run(std::vector<std::string> arguments, const std::string& input = {}) {
        arguments.insert(arguments.begin(), {"--profile", (folder_ / "mezura.INI").string()});
        return RunProgram(MEZURA_CONVERT_PATH, arguments, input,
                          {"XDG_CACHE_HOME=" + (folder_ / "cache").string()}, folder_);
    }

    std::string Cache() {
        std::ifstream in(folder_ / "cache/mezura/rates", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    void Update(const std::string& body) {
        server_.Serve("eurofxref-daily.xml", body);
        const ProgramRun run = Run({"--update-rates"});
        ASSERT_EQ(run.status, 0) << run.err;
    }

    static double Number(const ProgramRun& run) { return std::stod(run.out); }

    FixtureServer server_;
    std::filesystem::path folder_;
};

TEST_F(RatesConvert, UpdateThenConvertThroughTheEuro) {
    server_.Serve("eurofxref-daily.xml", FixtureEcbFile(Today()));
    const ProgramRun update = Run({"--update-rates"});
    ASSERT_EQ(update.status, 0) << update.err;
    EXPECT_NE(update.out.find("ECB reference rates of " + Today()), std::string::npos);

    const ProgramRun euros = Run({"100", "USD", "EUR"});
    ASSERT_EQ(euros.status, 0) << euros.err;
    EXPECT_EQ(euros.out, "92.57\n");                      // to the cent
    const ProgramRun yen = Run({"100 usd to \xC2\xA5"});  // "¥" is the yen
    ASSERT_EQ(yen.status, 0) << yen.err;
    EXPECT_EQ(yen.out, "15010\n");  // the yen has no minor unit
    EXPECT_EQ(yen.err, "");         // rates of today are not old
    const ProgramRun rupees = Run({"1", "\xE2\x82\xAC", "\xE2\x82\xB9"});  // € to ₹
    ASSERT_EQ(rupees.status, 0) << rupees.err;
    EXPECT_EQ(rupees.out, "90.12\n");
    // A batch that has looked up many names by then (and so turns unknown
    // ones away by a set of every name) still reads the symbol.
    std::string lines;
    for (const char* code : {"USD", "usd", "US$", "JPY", "yen", "GBP", "INR", "KRW", "PLN", "CHF"})
        lines += std::string("1\tEUR\t") + code + "\n";
    const ProgramRun batch = Run({"--batch"}, lines + "1\t\xE2\x82\xAC\t\xE2\x82\xB9\n");
    ASSERT_EQ(batch.status, 0) << batch.err;
    EXPECT_TRUE(batch.out.ends_with("\n90.12\n")) << batch.out;
}

TEST_F(RatesConvert, EveryCurrencyAndTheCustomMoneyUnitsAreThere) {
    server_.Serve("eurofxref-daily.xml", EcbFile(Today(), ManyRateLines(150)));
    std::ofstream(folder_ / "mezura.INI")
        << "[Currency]\r\nRatesUrl=" << server_.Url("eurofxref-daily.xml")
        << "\r\nNbpTableAUrl=" << server_.Url("a.json")
        << "\r\nNbpTableBUrl=" << server_.Url("b.json")
        << "\r\nCustomUnits=1\r\nCustomUnit_1=Bitcoin\r\nCustomValue_1=90000\r\n";
    const ProgramRun update = Run({"--update-rates"});
    ASSERT_EQ(update.status, 0) << update.err;
    EXPECT_NE(update.out.find(", 150 currencies, "), std::string::npos) << update.out;
    EXPECT_EQ(Run({"100", "USD", "EUR"}).out, "80.00\n");
    EXPECT_EQ(Run({"1", "EUR", "FSX"}).out, "150\n");  // a code without a minor unit
    EXPECT_EQ(Run({"1", "Bitcoin", "USD"}).out, "112500.00\n");
}

TEST_F(RatesConvert, RatesListsDateSourceAgeAndEveryRate) {
    Update(FixtureEcbFile("2026-11-20"));
    const ProgramRun rates = Run({"--rates"});
    ASSERT_EQ(rates.status, 0) << rates.err;
    EXPECT_TRUE(rates.out.starts_with("source\tECB reference rates\t2026-11-20\t")) << rates.out;
    // The address ends the ECB's line.
    const std::string url = server_.Url("eurofxref-daily.xml");
    const std::size_t at = rates.out.find(url);
    ASSERT_NE(at, std::string::npos) << rates.out;
    EXPECT_EQ(rates.out.substr(at - 1, url.size() + 2), '\t' + url + '\n');
    for (const FixtureRate& rate : FixtureRates)
        EXPECT_NE(rates.out.find(std::string(rate.code) + "\t"), std::string::npos) << rate.code;
    EXPECT_NE(rates.out.find("USD\t1.0803\tUS Dollar (USD)\tECB reference rates of 2026-11-20\n"),
              std::string::npos)
        << rates.out;
}

TEST_F(RatesConvert, OldRatesAreNamedOnStderr) {
    Update(FixtureEcbFile("2026-11-20"));
    const ProgramRun money = Run({"100", "USD", "EUR"});
    EXPECT_EQ(money.status, 0);
    EXPECT_NE(money.err.find("note: the exchange rates are of 2026-11-20"), std::string::npos)
        << money.err;
    const ProgramRun length = Run({"1", "km", "mi"});
    EXPECT_EQ(length.err, "");
}

TEST_F(RatesConvert, ARefusedDownloadLeavesCacheAndConversionsAsTheyWere) {
    Update(FixtureEcbFile(Today()));
    const std::string cache = Cache();
    const std::string before = Run({"100", "USD", "JPY"}).out;
    const struct {
        const char* what;
        std::string body;
        const char* reason;
    } bad[] = {
        {"html", "<html><body>maintenance</body></html>", "the root element is <html>"},
        {"negative", EcbFile(Today(), RateLine("USD", "-1.2")), "not a positive number"},
        {"twice", EcbFile(Today(), RateLine("USD", "1") + RateLine("USD", "2")), "twice"},
        {"no date", "<gesmes:Envelope/>", "no date"},
        {"too large", FixtureEcbFile(Today()) + std::string(1 << 20, ' '), "larger than 1 MiB"},
        // Taken, these gave a cache the next run refused, or conversions
        // into Infinity and 0.
        {"huge", EcbFile(Today(), RateLine("USD", "1" + std::string(301, '0'))),
         "outside the range"},
        {"tiny", EcbFile(Today(), RateLine("USD", "0." + std::string(309, '0') + "1")),
         "outside the range"},
    };
    for (const auto& answer : bad) {
        server_.Serve("eurofxref-daily.xml", answer.body);
        const ProgramRun run = Run({"--update-rates"});
        EXPECT_EQ(run.status, 1) << answer.what;
        EXPECT_NE(run.err.find(answer.reason), std::string::npos) << answer.what << run.err;
        EXPECT_EQ(Cache(), cache) << answer.what;
        EXPECT_EQ(Run({"100", "USD", "JPY"}).out, before) << answer.what;
    }
}

TEST_F(RatesConvert, ARefusedCacheIsNamedAlikeByRatesAndByAConversion) {
    Update(FixtureEcbFile("2026-11-20"));
    std::string text = Cache();
    text.replace(text.find("USD 1.0803\n"), 11, "USD 1.0\n");  // cut short by hand
    std::ofstream(folder_ / "cache/mezura/rates", std::ios::binary) << text;
    // The NBP's tables kept would still give rates of their own.
    std::filesystem::remove(folder_ / "cache/mezura/rates-nbp-a");
    std::filesystem::remove(folder_ / "cache/mezura/rates-nbp-b");
    const std::string why = "cannot use the cached rates in " +
                            (folder_ / "cache/mezura/rates").string() +
                            ": line 5: the rate of USD is not as Mezura wrote it: \"1.0\"\n";
    const ProgramRun rates = Run({"--rates"});
    EXPECT_EQ(rates.status, 1);
    EXPECT_EQ(rates.err, "mezura-convert: " + why);
    const ProgramRun money = Run({"100", "USD", "EUR"});
    EXPECT_EQ(money.status, 2);
    EXPECT_EQ(money.err, "mezura-convert: " + why);
}

TEST_F(RatesConvert, RefusesPlainHttpElsewhereAndRedirectsAwayFromHttps) {
    UseUrl("http://example.com/eurofxref-daily.xml");
    ProgramRun run = Run({"--update-rates"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("only https://"), std::string::npos) << run.err;

    UseUrl(server_.Url("redirect"));
    run = Run({"--update-rates"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("redirected away from HTTPS"), std::string::npos) << run.err;
    EXPECT_EQ(Cache(), "");

    UseUrl(server_.Url("missing.xml"));
    run = Run({"--update-rates"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("the server answered 404 Not Found"), std::string::npos) << run.err;
}

TEST_F(RatesConvert, EachFailedDownloadNamesItsOwnCause) {
    UseUrl(server_.Url("loop"));
    ProgramRun run = Run({"--update-rates"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.ends_with(": redirected more than 5 times, the last time to " +
                                  server_.Url("loop") + "\n"))
        << run.err;
    // Allowed (it goes to https), then no TLS where it leads: not the 302.
    UseUrl(server_.Url("tls"));
    run = Run({"--update-rates"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(": the TLS handshake with 127.0.0.1:"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("302"), std::string::npos) << run.err;
    EXPECT_EQ(Cache(), "");
}

TEST_F(RatesConvert, WhatAServerOrTheCacheSaysIsShownEscaped) {
    UseUrl(server_.Url("escapes"));
    ProgramRun run = Run({"--update-rates"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("the server answered 500 \\e]0;TITLE\\a\\e[31m<b>red</b>\n"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos);

    UseUrl(server_.Url("eurofxref-daily.xml"));
    const struct {
        std::string file;
        const char* shown;
    } files[] = {
        {EcbFile(Today(), RateLine("USD", "1\x1b[31m")), "number: \"1\\e[31m\""},
        {EcbFile(Today(), RateLine("\x1b[3", "1")), "\"\\e[3\" is not a currency code"},
        {EcbFile("\x1b]0;T\a", RateLine("USD", "1")), "YYYY-MM-DD: \"\\e]0;T\\a\""},
        // A C1 control in UTF-8, and a byte that is not UTF-8.
        {EcbFile(Today(), RateLine("USD", "\xC2\x9B\xFF")), "\"\\u009B\\xFF\""},
    };
    for (const auto& file : files) {
        server_.Serve("eurofxref-daily.xml", file.file);
        run = Run({"--update-rates"});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(file.shown), std::string::npos) << run.err;
        for (const char c : run.err) EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << run.err;
    }

    Update(FixtureEcbFile(Today()));
    std::string text = Cache();
    text.replace(text.find("source "), 7, "source \x1b]0;TITLE\a");
    std::ofstream(folder_ / "cache/mezura/rates", std::ios::binary) << text;
    run = Run({"--rates"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\t\\e]0;TITLE\\a"), std::string::npos) << run.out;
}

TEST_F(RatesConvert, WithoutRatesCurrencyHasOnlyTheEuro) {
    const ProgramRun rates = Run({"--rates"});
    EXPECT_EQ(rates.status, 1);
    EXPECT_NE(rates.err.find("no exchange rates yet"), std::string::npos);
    const ProgramRun money = Run({"100", "USD", "EUR"});
    EXPECT_EQ(money.status, 2);
    EXPECT_NE(money.err.find("no exchange rates yet"), std::string::npos) << money.err;
    EXPECT_TRUE(server_.Requests().empty());  // a conversion never downloads
}

}  // namespace

namespace {

// The NBP's tables beside the ECB's file: a currency neither the ECB nor
// table A has comes from table B, in euros through table A's euro rate.
TEST_F(RatesConvert, TableBCurrenciesConvertThroughTheEuro) {
    Update(FixtureEcbFile(Today()));
    // 100 USD in euros by the ECB, then in pesos by table B through table A.
    const ProgramRun pesos = Run({"100", "USD", "ARS"});
    ASSERT_EQ(pesos.status, 0) << pesos.err;
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.2f\n", 100 / 1.0803 * (4.24 / 0.0037));
    EXPECT_EQ(pesos.out, expected);
    const ProgramRun yen = Run({"100", "ars", "JPY"});
    ASSERT_EQ(yen.status, 0) << yen.err;
    std::snprintf(expected, sizeof expected, "%.0f\n", 100 / (4.24 / 0.0037) * 162.15);
    EXPECT_EQ(yen.out, expected);
    EXPECT_EQ(Run({"1", "Argentine Peso", "EUR"}).status, 0) << "its ISO name";
    EXPECT_EQ(Run({"1", "HRK", "EUR"}).status, 2) << "a withdrawn code is never offered";
    const ProgramRun rates = Run({"--rates"});
    EXPECT_NE(rates.out.find("\tNBP table B of 2026-12-02\n"), std::string::npos) << rates.out;
}

TEST_F(RatesConvert, AMalformedTableLeavesItsCacheAndEveryOtherSource) {
    Update(FixtureEcbFile(Today()));
    // The ECB's file is fetched again: its rates stay, its time of fetching
    // may move on by a second.
    const auto ecbRates = [&] {
        std::string text = Cache();
        const std::size_t fetched = text.find("\nfetched ");
        if (fetched != std::string::npos)
            text.erase(fetched, text.find('\n', fetched + 1) - fetched);
        return text;
    };
    const std::string ecbBefore = ecbRates();
    const auto tableB = [&] {
        std::ifstream in(folder_ / "cache/mezura/rates-nbp-b", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string tableBBefore = tableB();
    ASSERT_NE(tableBBefore.find("\nARS "), std::string::npos);
    const std::string pesos = Run({"100", "USD", "ARS"}).out;
    const std::string dollars = Run({"100", "EUR", "USD"}).out;
    server_.Serve("b.json", NbpTable('B', "2026-12-09", "{\"code\":\"ARS\",\"mid\":-1}"));
    const ProgramRun update = Run({"--update-rates"});
    EXPECT_EQ(update.status, 1);
    EXPECT_NE(update.err.find("the rate of ARS is not a positive finite number"), std::string::npos)
        << update.err;
    EXPECT_EQ(ecbRates(), ecbBefore);
    EXPECT_EQ(tableB(), tableBBefore);
    EXPECT_EQ(Run({"100", "USD", "ARS"}).out, pesos);
    EXPECT_EQ(Run({"100", "EUR", "USD"}).out, dollars);
}

TEST_F(RatesConvert, BeforeAnyRatesOnlyTheirAbsenceIsSaid) {
    const ProgramRun money = Run({"100", "usd", "eur"});
    EXPECT_EQ(money.status, 2);
    EXPECT_EQ(money.err,
              "mezura-convert: no exchange rates yet; mezura-convert --update-rates downloads "
              "them\n");
}

}  // namespace
