// The Currency category filled from rates, its names, the cache and the
// download settings. Expected values are worked out from the fixture's rates
// (one euro buys `perEuro` of a currency), not from the code's factors.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "catalogue.h"
#include "conversion.h"
#include "currency_rates.h"
#include "currency_units.h"
#include "custom_catalogue.h"
#include "ecb_fixture.h"
#include "iso_currencies.h"
#include "rates_cache.h"
#include "rates_settings.h"
#include "rates_update.h"
#include "result_format.h"
#include "shown_names.h"
#include "unit_lookup.h"

namespace {

class CurrencyTest : public testing::Test {
protected:
    void SetUp() override {
        rates_ = *ParseEcbRates(FixtureEcbFile("2026-12-07"), FixtureNow).rates;
    }

    double Convert(double value, std::string_view from, std::string_view to) {
        const auto a = FindUnitIn(catalogue_, CurrencyRow, from),
                   b = FindUnitIn(catalogue_, CurrencyRow, to);
        EXPECT_TRUE(a && b) << from << " " << to;
        return a && b ? ConvertValue(catalogue_, CurrencyRow, *a, *b, value) : 0;
    }

    Catalogue catalogue_;
    EcbRates rates_;
};

TEST_F(CurrencyTest, HoldsOnlyTheEuroBeforeAnyRates) {
    EXPECT_EQ(catalogue_.Name(CurrencyRow, 0), CurrencyName);
    EXPECT_EQ(catalogue_.UnitCount(CurrencyRow), 1);
    EXPECT_EQ(catalogue_.Name(CurrencyRow, 1), "Euro (EUR)");
    EXPECT_FALSE(FindUnitIn(catalogue_, CurrencyRow, "USD"));
}

TEST_F(CurrencyTest, CrossRatesGoThroughTheEuro) {
    SetCurrencyRates(catalogue_, rates_);
    EXPECT_EQ(catalogue_.UnitCount(CurrencyRow), 1 + static_cast<int>(std::size(FixtureRates)));
    EXPECT_DOUBLE_EQ(Convert(100, "USD", "EUR"), 100 / 1.0803);
    EXPECT_DOUBLE_EQ(Convert(100, "USD", "JPY"), 100 * 162.15 / 1.0803);
    EXPECT_DOUBLE_EQ(Convert(1, "EUR", "GBP"), 0.8421);
    EXPECT_DOUBLE_EQ(Convert(5000, "KRW", "INR"), 5000 * 90.123 / 1523.45);
}

TEST_F(CurrencyTest, NamesCodesAndSymbolsInAnyCase) {
    SetCurrencyRates(catalogue_, rates_);
    const struct {
        const char* typed;
        const char* unit;
    } names[] = {
        {"US Dollar (USD)", "US Dollar (USD)"},
        {"usd", "US Dollar (USD)"},
        {"US$", "US Dollar (USD)"},
        {"\x80", "Euro (EUR)"},
        {"eur", "Euro (EUR)"},
        {"\xA3", "Pound Sterling (GBP)"},
        {"\xA5", "Yen (JPY)"},
        {"Yen", "Yen (JPY)"},
        {"chf", "Swiss Franc (CHF)"},
        {"XAA", "XAA"},  // a code the table lacks
    };
    for (const auto& name : names) {
        const auto position = FindUnitIn(catalogue_, CurrencyRow, name.typed);
        ASSERT_TRUE(position) << name.typed;
        EXPECT_EQ(catalogue_.Name(CurrencyRow, *position), name.unit) << name.typed;
    }
    EXPECT_EQ(UnitNameFromUtf8("\u20B9"), "INR");
    EXPECT_EQ(UnitNameFromUtf8("\u20A9"), "KRW");
    EXPECT_EQ(UnitNameFromUtf8("z\u0142"), "PLN");
    EXPECT_EQ(UnitNameFromUtf8("\u20AC"), "\x80");  // the euro sign has its own byte
    EXPECT_FALSE(UnitNameFromUtf8("\u4E00"));
}

TEST_F(CurrencyTest, NoCurrencyNameIsAlsoAnotherCategorysUnit) {
    SetCurrencyRates(catalogue_, rates_);
    for (const AliasPlace& alias : EveryAlias(catalogue_)) {
        if (alias.place.row != CurrencyRow) continue;
        for (const UnitPlace& place : FindUnits(catalogue_, alias.alias))
            EXPECT_EQ(place.row, CurrencyRow) << alias.alias << " is also " << place.row;
    }
}

TEST_F(CurrencyTest, CustomUnitsStayAfterNewRates) {
    SetCurrencyRates(catalogue_, rates_);
    ASSERT_TRUE(catalogue_.AppendUnit(CurrencyRow, "Bitcoin", 90000.0));
    rates_.rates.resize(2);
    SetCurrencyRates(catalogue_, rates_);
    EXPECT_EQ(catalogue_.UnitCount(CurrencyRow), 4);
    EXPECT_EQ(catalogue_.BuiltinUnitsOf(CurrencyRow), 3);
    EXPECT_EQ(catalogue_.Name(CurrencyRow, 4), "Bitcoin");
    EXPECT_DOUBLE_EQ(Convert(1, "Bitcoin", "USD"), 90000 * 1.0803);
    ClearCurrencyRates(catalogue_);
    EXPECT_EQ(catalogue_.UnitCount(CurrencyRow), 2);
    EXPECT_EQ(catalogue_.Name(CurrencyRow, 2), "Bitcoin");
}

// Rates of `count` currencies, in code order from AAA, with USD among them.
EcbRates ManyRates(int count) {
    EcbRates rates{"2026-12-07", {{"USD", 1.25}}};
    for (int k = 0; static_cast<int>(rates.rates.size()) < count; ++k) {
        const std::string code{char('A' + k / 26 % 26), char('A' + k % 26), 'X'};
        rates.rates.push_back({code, 2.0 + k});
    }
    return rates;
}

TEST_F(CurrencyTest, HoldsEveryCurrencyOfTheRatesAndTheCustomUnitsWhateverTheirNumber) {
    SetCurrencyRates(catalogue_, ManyRates(150));
    EXPECT_EQ(catalogue_.BuiltinUnitsOf(CurrencyRow), 151);
    // As the profile adds them after the rates: every one of them fits.
    for (int k = 0; k < MaxCustomUnits; ++k)
        ASSERT_TRUE(catalogue_.AppendUnit(CurrencyRow, "Token " + std::to_string(k), 2.0 + k));
    EXPECT_EQ(catalogue_.UnitCount(CurrencyRow), 151 + MaxCustomUnits);
    EXPECT_DOUBLE_EQ(Convert(100, "USD", "EUR"), 100 / 1.25);
    EXPECT_DOUBLE_EQ(Convert(1, "FSX", "BAX"), 28.0 / 150);  // FSX is the last currency
    EXPECT_DOUBLE_EQ(Convert(1, "Token 9", "USD"), 11 * 1.25);

    // Fewer rates, then as many again: the custom units stay after them.
    SetCurrencyRates(catalogue_, rates_);
    EXPECT_EQ(catalogue_.UnitCount(CurrencyRow), 9 + MaxCustomUnits);
    SetCurrencyRates(catalogue_, ManyRates(150));
    EXPECT_EQ(catalogue_.UnitCount(CurrencyRow), 151 + MaxCustomUnits);
    EXPECT_EQ(catalogue_.UnitByName(CurrencyRow, "Token 0"), 152);
    EXPECT_DOUBLE_EQ(Convert(1, "Token 9", "USD"), 11 * 1.25);
}

struct SilentListener : CatalogueListener {
    void OnCatalogueChanged(const CatalogueNotice&) override {}
};

TEST_F(CurrencyTest, TheCustomPageKeepsItsLimitsBesideManyCurrencies) {
    char pattern[] = "/tmp/mezura-profile-XXXXXX";
    const std::string folder = ::mkdtemp(pattern);
    ProfileStore profile(folder + "/mezura.INI");
    SilentListener window;
    CustomCatalogue custom(catalogue_, profile, window);
    SetCurrencyRates(catalogue_, ManyRates(150));
    for (int k = 0; k < MaxCustomUnits; ++k) {
        const CustomResult added =
            custom.AddUnit(CurrencyRow, "Token" + std::string(1, char('a' + k)), "2", "Euro (EUR)");
        EXPECT_TRUE(added.changed) << k << " " << static_cast<int>(added.message);
    }
    EXPECT_EQ(custom.AddUnit(CurrencyRow, std::string("Tokenz"), "2", "Euro (EUR)").message,
              CustomMessage::UnitLimit);
    EXPECT_EQ(catalogue_.UnitCount(CurrencyRow), 151 + MaxCustomUnits);
    std::filesystem::remove_all(folder);
}

class RatesCacheTest : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/mezura-rates-XXXXXX";
        folder_ = ::mkdtemp(pattern);
        path_ = folder_ + "/sub/rates";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string Bytes() {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    Catalogue catalogue_;
    std::string folder_, path_;
};

TEST_F(RatesCacheTest, KeepsAcceptedRatesAndReadsThemBackExactly) {
    const RatesUpdate update = AcceptDownloadedRates(FixtureEcbFile("2026-12-07"),
                                                     "http://127.0.0.1/r", FixtureNow, path_);
    ASSERT_TRUE(update.cached) << update.error;
    const CachedRatesRead read = UseCachedRates(catalogue_, path_, FixtureNow).Of(RatesSource::Ecb);
    ASSERT_TRUE(read.cached) << read.error;
    EXPECT_EQ(read.cached->source, "http://127.0.0.1/r");
    EXPECT_EQ(read.cached->fetched, FixtureNow);
    EXPECT_EQ(read.cached->rates.date, "2026-12-07");
    ASSERT_EQ(read.cached->rates.rates.size(), std::size(FixtureRates));
    for (std::size_t i = 0; i < std::size(FixtureRates); ++i)
        EXPECT_EQ(read.cached->rates.rates[i].perEuro, FixtureRates[i].perEuro);
    EXPECT_TRUE(FindUnitIn(catalogue_, CurrencyRow, "JPY"));
}

TEST_F(RatesCacheTest, ARefusedDownloadLeavesTheCacheAsItWas) {
    ASSERT_TRUE(AcceptDownloadedRates(FixtureEcbFile("2026-12-07"), "x", FixtureNow, path_).cached);
    const std::string before = Bytes();
    const struct {
        std::string body;
        const char* reason;
    } refused[] = {
        {EcbFile("2026-12-08", RateLine("USD", "-1")), "not a positive number"},
        {EcbFile("2026-12-08", RateLine("USD", "1" + std::string(301, '0'))), "outside the range"},
        {EcbFile("2026-12-08", RateLine("USD", "0." + std::string(309, '0') + "1")),
         "outside the range"},
        {EcbFile("2026-12-10", RateLine("USD", "1.1")), "in the future"},
    };
    for (const auto& download : refused) {
        const RatesUpdate update = AcceptDownloadedRates(download.body, "x", FixtureNow, path_);
        EXPECT_FALSE(update.cached);
        EXPECT_NE(update.error.find(download.reason), std::string::npos) << update.error;
        EXPECT_EQ(Bytes(), before);
    }
    // An address the cache could not hold on its one line is refused as well.
    EXPECT_FALSE(
        AcceptDownloadedRates(FixtureEcbFile("2026-12-08"), "x\ny", FixtureNow, path_).cached);
    EXPECT_EQ(Bytes(), before);
}

TEST_F(RatesCacheTest, WhatADownloadTakesTheCacheTakesBack) {
    // The edges of the range, and the day it is.
    const std::string body =
        EcbFile("2026-12-09", RateLine("AAA", "0.000000000001") + RateLine("BBB", "1000000000000") +
                                  RateLine("CCC", "0.30000000000000004") + RateLine("DDD", "7"));
    ASSERT_TRUE(AcceptDownloadedRates(body, "x", FixtureNow, path_).cached);
    const CachedRatesRead read = UseCachedRates(catalogue_, path_, FixtureNow).Of(RatesSource::Ecb);
    ASSERT_TRUE(read.cached) << read.error;
    EXPECT_EQ(read.cached->rates.rates.at(2).perEuro, 0.30000000000000004);
    EXPECT_EQ(catalogue_.UnitCount(CurrencyRow), 5);
}

TEST_F(RatesCacheTest, AHandEditedCacheIsRefusedWithTheLineInFault) {
    ASSERT_TRUE(AcceptDownloadedRates(FixtureEcbFile("2026-12-07"), "x", FixtureNow, path_).cached);
    const std::string text = Bytes();
    ASSERT_TRUE(text.ends_with("CHF 0.9387\nXAA 2.5\n")) << text;  // lines 11 and 12
    const struct {
        const char* line;
        const char* edited;
        const char* error;
    } edits[] = {
        {"USD 1.0803\n", "USD 1.0\n", "line 5: the rate of USD is not as Mezura wrote it: \"1.0\""},
        {"USD 1.0803\n", "USD -5\n", "line 5: the rate of USD, -5, is outside the range"},
        {"USD 1.0803\n", "USD 1e+301\n", "line 5: the rate of USD, 1e+301, is outside the range"},
        {"USD 1.0803\n", "USD 1e-310\n", "line 5: the rate of USD, 1e-310, is outside the range"},
        {"JPY 162.15\n", "EUR 1\n", "line 6: a rate for EUR, the euro itself"},
        {"GBP 0.8421\n", "USD 2\n", "line 7: USD appears twice"},
        {"date 2026-12-07\n", "date 2026-12-10\n", "line 4: the date 2026-12-10 is in the future"},
        {"date 2026-12-07\n", "date x\n", "line 4: the date is not a day written YYYY-MM-DD"},
        {"XAA 2.5\n", "XAA 2", "line 12 is cut off: \"XAA 2\""},
        {"Mezura exchange rates 1\n", "Mezura exchange rates 2\n",
         "line 1: not a rates file Mezura wrote"},
    };
    for (const auto& edit : edits) {
        std::string edited = text;
        edited.replace(edited.find(edit.line), std::string_view(edit.line).size(), edit.edited);
        std::ofstream(path_, std::ios::binary) << edited;
        const CachedRatesRead read =
            UseCachedRates(catalogue_, path_, FixtureNow).Of(RatesSource::Ecb);
        EXPECT_FALSE(read.cached) << edit.edited;
        EXPECT_NE(read.error.find(edit.error), std::string::npos) << read.error;
        EXPECT_EQ(catalogue_.UnitCount(CurrencyRow), 1) << edit.edited;
    }
}

TEST(RatesCachePath, FollowsXdgCacheHome) {
    const char* saved = std::getenv("XDG_CACHE_HOME");
    const std::string keep = saved ? saved : "";
    ::setenv("XDG_CACHE_HOME", "/x/cache", 1);
    EXPECT_EQ(RatesCachePath(), "/x/cache/mezura/rates");
    ::setenv("XDG_CACHE_HOME", "relative", 1);
    EXPECT_EQ(RatesCachePath(), std::string(std::getenv("HOME")) + "/.cache/mezura/rates");
    if (saved)
        ::setenv("XDG_CACHE_HOME", keep.c_str(), 1);
    else
        ::unsetenv("XDG_CACHE_HOME");
}

TEST(RatesDateLine, SaysTheAgeOnlyWhenOld) {
    CachedRates cached;
    cached.rates.date = "2026-12-07";
    const std::int64_t day = 86400, dec7 = 1796601600;  // 2026-12-07 00:00 UTC
    EXPECT_EQ(RatesDateLine(cached, dec7 + 4 * day + 100), "ECB reference rates of 2026-12-07");
    EXPECT_EQ(RatesDateLine(cached, dec7 + 9 * day),
              "ECB reference rates of 2026-12-07 (9 days old)");
}

TEST(RatesUrl, OnlyHttpsOrPlainHttpToThisMachine) {
    EXPECT_EQ(RatesUrlProblem(EcbRatesUrl), "");
    EXPECT_EQ(RatesUrlProblem("http://127.0.0.1:8080/r.xml"), "");
    EXPECT_EQ(RatesUrlProblem("http://localhost/r.xml"), "");
    for (const char* refused : {"http://example.com/r.xml", "http://127.0.0.1.evil.com/r",
                                "ftp://127.0.0.1/r", "https://", "file:///etc/passwd", ""})
        EXPECT_NE(RatesUrlProblem(refused), "") << refused;
}

TEST(RatesSettings, DownloadIsOnUntilTurnedOffAndTheAddressDefaultsToTheEcb) {
    char pattern[] = "/tmp/mezura-profile-XXXXXX";
    const std::string folder = ::mkdtemp(pattern);
    ProfileStore store(folder + "/mezura.INI");
    EXPECT_TRUE(IsRatesDownloadOn(store));
    EXPECT_EQ(SourceUrl(store, RatesSource::Ecb), EcbRatesUrl);
    EXPECT_FALSE(WriteRatesDownload(store, false));
    EXPECT_FALSE(IsRatesDownloadOn(store));
    std::ifstream in(folder + "/mezura.INI");
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(text, "[Currency]\r\nDownloadRates=FALSE\r\n");
    std::filesystem::remove_all(folder);
}

}  // namespace

namespace {

std::vector<RateInUse> SomeRates() {
    return {{"ARS", 1100.0, RatesSource::NbpTableB},
            {"JPY", 162.15, RatesSource::Ecb},
            {"KWD", 0.33, RatesSource::NbpTableB}};
}

int PositionOf(const Catalogue& catalogue, std::string_view code) {
    for (int position = 1; position <= catalogue.BuiltinUnitsOf(CurrencyRow); ++position)
        if (catalogue.CurrencyWordsAt(position)->code == code) return position;
    return 0;
}

TEST(CurrencyNamesTest, IsoNamesInEnglishAndGermanAndTheCodeWithoutThem) {
    Catalogue catalogue;
    SetCurrencyRates(catalogue, SomeRates(), NameLanguage::German);
    const int peso = PositionOf(catalogue, "ARS");
    EXPECT_EQ(catalogue.Name(CurrencyRow, peso), "Argentine Peso (ARS)");
    EXPECT_EQ(ShownUnitName(catalogue, CurrencyRow, peso, NameLanguage::German),
              "Argentinischer Peso");
    EXPECT_EQ(FindUnitIn(catalogue, CurrencyRow, "argentinischer peso"), peso);
    EXPECT_EQ(FindUnitIn(catalogue, CurrencyRow, "ARGENTINE PESO"), peso);
    EXPECT_EQ(FindUnitIn(catalogue, CurrencyRow, "ars"), peso);

    // Without iso-codes, each currency is its code, and still found by it.
    const CurrencyNames none = CurrencyNames::FromFiles("/nonexistent.json", "/nonexistent.mo");
    Catalogue bare;
    SetCurrencyRates(bare, SomeRates(), NameLanguage::German, none);
    const int code = PositionOf(bare, "ARS");
    EXPECT_EQ(bare.Name(CurrencyRow, code), "ARS");
    EXPECT_EQ(ShownUnitName(bare, CurrencyRow, code, NameLanguage::German), "ARS");
    EXPECT_EQ(FindUnitIn(bare, CurrencyRow, "ars"), code);
    EXPECT_EQ(bare.Name(CurrencyRow, 1), "EUR");
}

TEST(CurrencyNamesTest, MoneyIsWrittenToItsMinorUnitInAutoFormatOnly) {
    Catalogue catalogue;
    SetCurrencyRates(catalogue, SomeRates());
    const auto text = [&](std::string_view code, double value, ResultStyle style) {
        return *FormatResult(
            value, StyleForUnit(catalogue, CurrencyRow, PositionOf(catalogue, code), style));
    };
    EXPECT_EQ(text("EUR", 87.504375218761, {}), "87.50");
    EXPECT_EQ(text("ARS", 87.5051, {}), "87.51");
    EXPECT_EQ(text("JPY", 15009.72, {}), "15010");
    EXPECT_EQ(text("KWD", 0.12345, {}), "0.123");
    EXPECT_EQ(text("JPY", 15009.72, {FormatScientific, 3}), "1.501e+004");
    EXPECT_EQ(text("EUR", 87.504375218761, {FormatFixed, 5}), "87.50438");
    // Any other unit keeps AutoFormat's 14 digits.
    EXPECT_EQ(*FormatResult(87.504375218761, StyleForUnit(catalogue, 0, 1, {})), "87.504375218761");
}

TEST(CurrencyNamesTest, WithdrawnCodesAndWordsThatAreNoCurrency) {
    EXPECT_TRUE(IsWithdrawnCurrency("HRK"));
    EXPECT_FALSE(IsWithdrawnCurrency("ARS"));
    EXPECT_EQ(CurrencyMinorUnit("KWD"), 3);
    EXPECT_EQ(CurrencyMinorUnit("XAU"), std::nullopt);
    EXPECT_TRUE(NamesKnownCurrency("ars"));
    EXPECT_TRUE(NamesKnownCurrency("\xA3"));
    // Three letters of a length are no code: a length never reads the rates.
    for (const char* length : {"mil", "nmi", "yds", "Mil"})
        EXPECT_FALSE(NamesKnownCurrency(length)) << length;
}

}  // namespace
