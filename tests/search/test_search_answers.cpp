// The search service's answers and both desktops' interfaces, called in
// process with a recording desktop: what each query form answers, from the
// profile's units and result format, and what acting on a result does.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "catalogue.h"
#include "gnome_search_provider.h"
#include "krunner_runner.h"
#include "rates_cache.h"
#include "result_format.h"
#include "search_answers.h"
#include "search_desktop.h"

namespace {

class RecordingSearchDesktop : public SearchDesktop {
public:
    void CopyText(const QString& text) override { copied << text; }
    void OpenWindow(const QString& query) override { opened << query; }
    QStringList copied;
    QStringList opened;
};

class SearchAnswersTest : public ::testing::Test {
protected:
    std::string Profile() const {
        return folder_.filePath(QStringLiteral("mezura.INI")).toStdString();
    }
    std::string Rates() const { return folder_.filePath(QStringLiteral("rates")).toStdString(); }
    std::string History() const {
        return folder_.filePath(QStringLiteral("history")).toStdString();
    }
    void WriteProfile(const std::string& text) {
        std::ofstream(Profile(), std::ios::binary) << text;
    }
    // "value unit" of each answer.
    std::vector<std::string> Shown(std::string_view query) {
        std::vector<std::string> shown;
        for (const SearchAnswer& answer : answers_.Answer(query))
            shown.push_back(answer.value + ' ' + answer.unit);
        return shown;
    }

    QTemporaryDir folder_;
    SearchAnswers answers_{Profile(), Rates(), History()};
};

// German spellings are read in any session; a German one answers with the
// German names, while what it hands the window keeps the catalogue's.
TEST_F(SearchAnswersTest, GermanSessionsAnswerWithGermanNames) {
    EXPECT_EQ(Shown("10 Zoll in cm"), std::vector<std::string>{"25.4 Centimeters"});
    answers_.SetNameLanguage(NameLanguage::German);
    const std::vector<SearchAnswer> answers = answers_.Answer("10 Zoll nach cm");
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].unit, "Zentimeter");
    // The line under it is written in symbols, in any language.
    EXPECT_EQ(answers[0].description, "10 in = 25.4 cm");
    EXPECT_EQ(answers[0].windowQuery, "10 Inches to Centimeters");
    EXPECT_EQ(Shown("1 Meile in km"), std::vector<std::string>{"1.609344 Kilometer"});
}

TEST_F(SearchAnswersTest, ADecimalCommaLanguageReadsAndWritesTheComma) {
    answers_.SetNameLanguage(NameLanguage::German);
    answers_.SetDecimalComma(true);
    std::vector<SearchAnswer> answers = answers_.Answer("1,5 km in m");
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].value, "1500");
    EXPECT_EQ(answers[0].description, "1,5 km = 1500 m");
    EXPECT_EQ(answers[0].windowQuery, "1.5 Kilometers to Meters");
    EXPECT_EQ(Shown("1.5 m in km"), std::vector<std::string>{"0,0015 Kilometer"});
    // Without the comma language, "1,5" is no number to convert.
    answers_.SetDecimalComma(false);
    EXPECT_TRUE(answers_.Answer("1,5 km in m").empty());
}

// The user's choice of always "." on the Result Format page holds here too,
// and is read again when the profile changes.
TEST_F(SearchAnswersTest, ThePointChosenInTheProfileWinsOverTheLanguagesComma) {
    answers_.SetNameLanguage(NameLanguage::German);
    answers_.SetDecimalComma(true);
    WriteProfile("[Settings]\r\nDecimalPoint=TRUE\r\n");
    std::vector<SearchAnswer> answers = answers_.Answer("1.5 km in m");
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].description, "1.5 km = 1500 m");
    EXPECT_EQ(Shown("1.5 m in km"), std::vector<std::string>{"0.0015 Kilometer"});
    EXPECT_TRUE(answers_.Answer("1,5 km in m").empty());
    // Turned back to the language's (a longer file, so that its stamp changes).
    WriteProfile("[Settings]\r\nDecimalPoint=FALSE\r\nFormat=0\r\n");
    EXPECT_EQ(Shown("1,5 m in km"), std::vector<std::string>{"0,0015 Kilometer"});
}

// Each form a launcher hands over, against GNU units' value for it
// (`units -t '5 km' mi`, `units -t 'tempF(100)' tempC`, `units -t '3.2 lbf' N`).
TEST_F(SearchAnswersTest, EveryQueryFormAnswersTheConversion) {
    const std::pair<const char*, const char*> rows[] = {
        {"5 km to mi", "3.1068559611867 Miles"},
        {"5 km in mi", "3.1068559611867 Miles"},
        {"5km mi", "3.1068559611867 Miles"},
        {"  5 KILOMETERS   to   miles ", "3.1068559611867 Miles"},
        {"100 °F to °C", "37.777777777778 Celsius"},
        {"3.2 Pound Force N", "14.234309168834 Newtons"},
        {"3.2 pound force to newton", "14.234309168834 Newtons"},
        {"2 in in cm", "5.08 Centimeters"},
    };
    for (const auto& [query, expected] : rows)
        EXPECT_EQ(Shown(query), std::vector<std::string>{expected}) << query;
    const SearchAnswer answer = answers_.Answer("5 km to mi").at(0);
    EXPECT_EQ(answer.description, "5 km = 3.1068559611867 mi");
    EXPECT_EQ(answer.windowQuery, "5 Kilometers to Miles");
}

// Sums read as mezura-convert reads them, against GNU units
// (`units -t '5 ft + 3 in' cm`, `units -t '2 lb + 8 oz' kg`); the catalogue's
// own factors for minutes and ounces are rounded, hence the tolerance.
TEST_F(SearchAnswersTest, ASumOfUnitsAnswersInItsLastUnit) {
    struct Row {
        const char* query;
        const char* unit;
        double value;
    };
    const Row rows[] = {
        {"5 ft 3 in to cm", "Centimeters", 160.02},
        {"5' 3\" to cm", "Centimeters", 160.02},
        {"1 h 30 min in s", "Seconds", 5400},
        {"2 lb + 8 oz to kg", "Kilograms", 1.133980925},
    };
    for (const Row& row : rows) {
        const auto answers = answers_.Answer(row.query);
        ASSERT_EQ(answers.size(), 1u) << row.query;
        EXPECT_EQ(answers[0].unit, row.unit) << row.query;
        EXPECT_NEAR(std::stod(answers[0].value), row.value, 1e-8 * row.value) << row.query;
    }
    EXPECT_EQ(answers_.Answer("5 ft 3 in to cm").at(0).windowQuery, "63 Inches to Centimeters");
    for (const char* query : {"5 ft 3 lb to cm", "5 °C 3 °F to K", "5 ft 3 zorks to cm"})
        EXPECT_TRUE(answers_.Answer(query).empty()) << query;
}

// Queries whose value or units are expressions, against GNU units
// (`units -t '1 kg/m^3' 'lb/ft^3'`, `units -t '10 km / 2 h' 'km/h'`,
// `units -t '9.81 m/s^2' 'ft/s^2'`, `units -t '3*12 in' ft`,
// `units -t 'tempF(350)' tempC`); the line under each says how it was read.
TEST_F(SearchAnswersTest, AnExpressionAnswersAsItWasRead) {
    struct Row {
        const char* query;
        const char* shown;
        const char* description;
    };
    const Row rows[] = {
        {"1 kg/m^3 to lb/ft^3", "0.062427960576145 lb/ft\u00b3",
         "1 kg/m\u00b3 = 0.062427960576145 lb/ft\u00b3"},
        {"10 km / 2 h to km/h", "5 km/h", "10 km / 2 h = 5 km/h"},
        {"9.81 m/s^2 to ft/s^2", "32.185039370079 ft/s\u00b2",
         "9.81 m/s\u00b2 = 32.185039370079 ft/s\u00b2"},
        {"3*12 in to ft", "3 ft", "3\u00b712 in = 3 ft"},
        {"350 F to C", "176.66666666667 \u00b0C", "350 \u00b0F = 176.66666666667 \u00b0C"},
    };
    for (const Row& row : rows) {
        const std::vector<SearchAnswer> answers = answers_.Answer(row.query);
        ASSERT_EQ(answers.size(), 1u) << row.query;
        EXPECT_EQ(answers[0].value + ' ' + answers[0].unit, row.shown) << row.query;
        EXPECT_EQ(answers[0].description, row.description) << row.query;
        EXPECT_TRUE(answers[0].typedTarget) << row.query;
        // Its id answers again, as GNOME asks for it after the query.
        const auto again = answers_.AnswerFor(answers[0].id);
        ASSERT_TRUE(again) << row.query;
        EXPECT_EQ(again->description, row.description) << row.query;
    }
    // In a decimal comma language, both numbers are written with it.
    answers_.SetDecimalComma(true);
    EXPECT_EQ(answers_.Answer("2,5 kg/m^3 to g/cm^3").at(0).description,
              "2,5 kg/m\u00b3 = 0,0025 g/cm\u00b3");
}

// What GNOME and KRunner do with an expression's answer: copy its value,
// or open the window on the same conversion between the units a category
// lists, and on the query itself where none lists them.
TEST_F(SearchAnswersTest, AnExpressionsAnswerIsCopiedOrOpenedAsItsPlainConversion) {
    RecordingSearchDesktop desktop;
    GnomeSearchProvider gnome(answers_, desktop, nullptr);
    const QStringList terms = QStringLiteral("1 kg/m^3 to lb/ft^3").split(QLatin1Char(' '));
    const QStringList ids = gnome.GetInitialResultSet(terms);
    ASSERT_EQ(ids.size(), 1);
    const QList<QVariantMap> metas = gnome.GetResultMetas(ids);
    ASSERT_EQ(metas.size(), 1);
    EXPECT_EQ(metas[0][QStringLiteral("name")].toString(),
              QString::fromUtf8("0.062427960576145 lb/ft\u00b3"));
    EXPECT_EQ(metas[0][QStringLiteral("clipboardText")].toString(),
              QStringLiteral("0.062427960576145"));
    gnome.ActivateResult(ids[0], terms, 0);
    EXPECT_EQ(desktop.copied, QStringList{QStringLiteral("0.062427960576145")});

    KRunnerRunner runner(answers_, desktop, nullptr);
    const QString open = QString::fromLatin1(OpenActionId);
    for (const char* query : {"1 kg/m^3 to lb/ft^3", "1 J/(mol*K) to cal/(mol*K)"}) {
        const RemoteMatches matches = runner.Match(QString::fromUtf8(query));
        ASSERT_EQ(matches.size(), 1) << query;
        EXPECT_EQ(matches[0].type, ExactMatchType) << query;
        runner.Run(matches[0].id, open);
    }
    EXPECT_EQ(desktop.opened,
              (QStringList{QString::fromUtf8("1 Kilograms/meter\u00b3 to Pound/foot\u00b3"),
                           QStringLiteral("1 J/(mol*K) to cal/(mol*K)")}));
}

// A refusal of the expression reader, a result past the doubles and a
// query past the limit answer nothing, and an id of one no more than its query.
TEST_F(SearchAnswersTest, AnExpressionThatDoesNotConvertAnswersNothing) {
    const std::string overLimit = "1 kg/m^3 to lb/ft^3" + std::string(MaxQueryBytes, ' ');
    for (const std::string& query : {
             std::string("1 kg/m^3 to lb/ft^2"),  // density is no mass per area
             std::string("1 pt to l"),            // the US liquid pint or the dry one
             std::string("1e400 m*m to ft^2"),    // no finite value
             std::string("1e300 km*km to mm^2"),  // no finite result
             std::string("5 km*zorks to mi"),
             overLimit,
         })
        EXPECT_TRUE(answers_.Answer(query).empty()) << query.substr(0, 40);
    for (const std::string& id :
         {std::string(1, ExpressionIdMark), ExpressionIdMark + std::string("1 pt to l"),
          ExpressionIdMark + overLimit})
        EXPECT_FALSE(answers_.AnswerFor(id)) << id.substr(0, 40);
}

// A bare F or C after a number is the temperature first, and the farad or
// the speed of light after it: (72 - 32) × 5/9 °C, 20 × 9/5 + 32 °F, and
// 72 F = 72,000,000 µF.
TEST_F(SearchAnswersTest, ABareFOrCIsATemperatureFirst) {
    const std::vector<std::string> fahrenheit = Shown("72 F");
    ASSERT_FALSE(fahrenheit.empty());
    EXPECT_EQ(fahrenheit.front(), "22.222222222222 Celsius");
    EXPECT_NE(std::find(fahrenheit.begin(), fahrenheit.end(), "72000000 Microfarad"),
              fahrenheit.end());
    EXPECT_EQ(answers_.Answer("72 F").at(0).description, "72 \u00b0F = 22.222222222222 \u00b0C");
    EXPECT_EQ(Shown("20 C").at(0), "68 Fahrenheit");
    // With its degree sign it is only ever the temperature.
    for (const SearchAnswer& answer : answers_.Answer("72 \u00b0F"))
        EXPECT_TRUE(answer.description.starts_with("72 \u00b0F = ")) << answer.description;
}

TEST_F(SearchAnswersTest, AValueAloneAnswersTheOtherSystemFirst) {
    EXPECT_EQ(Shown("5 km"), (std::vector<std::string>{"3.1068559611867 Miles",
                                                       "5468.0664916885 Yards", "5000 Meters"}));
    EXPECT_EQ(Shown("1 mi"), (std::vector<std::string>{"1.609344 Kilometers", "1609.344 Meters",
                                                       "5280 Feet", "1760 Yards"}));
    EXPECT_EQ(Shown("100 °F").at(0), "37.777777777778 Celsius");
    EXPECT_GE(Shown("2 h").size(), 3u);
}

// No suggestion is a run of zeros or of digits ("1 mi" once offered
// 160934.4 Centimeters and 1609344 Millimeters): each reads between 0.1 and
// 10,000 where the category has such units, and there are still three when
// it has none (0 km).
TEST_F(SearchAnswersTest, ASuggestionReadsBetweenATenthAndTenThousand) {
    for (const char* query :
         {"1 mi", "5 km", "0.2 in", "100 \u00b0F", "3 kg", "250 ml", "1 acre", "1 m/s"}) {
        const auto answers = answers_.Answer(query);
        EXPECT_GE(answers.size(), 3u) << query;
        for (const SearchAnswer& answer : answers) {
            const double value = std::fabs(std::stod(answer.value));
            EXPECT_TRUE(value >= 0.1 && value <= 10'000)
                << query << ": " << answer.value << ' ' << answer.unit;
        }
    }
    EXPECT_EQ(Shown("0 km").size(), 3u);
    // Time has two units that 2 hours read well in; the third is the nearest.
    EXPECT_EQ(Shown("2 h"),
              (std::vector<std::string>{"7200 Seconds", "120 Minutes", "0.083333333333333 Days"}));
}

// The line under a result is written as one writes it, with symbols; a unit
// with none keeps its name.
TEST_F(SearchAnswersTest, DescriptionsUseTheUnitsSymbols) {
    WriteProfile("[Distance]\r\nCustomUnits=1\r\nCustomUnit_1=Rods\r\nCustomValue_1=502.92\r\n");
    const std::pair<const char*, const char*> rows[] = {
        {"1 mi to km", "1 mi = 1.609344 km"},
        {"100 \u00b0F to \u00b0C", "100 \u00b0F = 37.777777777778 \u00b0C"},
        {"300 kelvin to celsius", "300 K = 26.85 \u00b0C"},
        {"2 h to min", "2 h = 120 min"},
        {"5 mm to m", "5 mm = 0.005 m"},
        {"2 decades to years", "2 Decades = 20 yr"},
        {"2 rods to m", "2 Rods = 10.0584 m"},
    };
    for (const auto& [query, expected] : rows) {
        const auto answers = answers_.Answer(query);
        ASSERT_EQ(answers.size(), 1u) << query;
        EXPECT_EQ(answers[0].description, expected) << query;
    }
}

TEST_F(SearchAnswersTest, AValueAloneAnswersTheFavouritesThenTheHistoryThenTheSuggestions) {
    WriteProfile(
        "[Settings]\r\nFavourite_1=Distance/Kilometers/Nautical%20miles\r\n"
        "Favourite_2=Distance/Miles/Furlongs\r\n");
    std::ofstream(History(), std::ios::binary) << "Mezura history 1\n"
                                                  "Distance\tKilometers\tFurlongs\t2\t9.9\n"
                                                  "Distance\tKilometers\tMiles\t1\t0.62\n"
                                                  "Mass\tGrams\tOunces\t1\t0.035\n";
    EXPECT_EQ(Shown("5 km"), (std::vector<std::string>{
                                 "2.6997840172786 Nautical miles", "24.854847689493 Furlongs",
                                 "3.1068559611867 Miles", "5468.0664916885 Yards", "5000 Meters"}));

    // Switched off in the window, the history is not read here either.
    QFile::remove(QString::fromStdString(Profile()));
    WriteProfile("[Settings]\r\nKeepHistory=FALSE\r\n");
    EXPECT_EQ(Shown("5 km").at(0), "3.1068559611867 Miles");
}

TEST_F(SearchAnswersTest, NothingButAConversionIsAnswered) {
    const std::string long1MiB(1 << 20, '5');
    const std::string justOverLimit = "5 km to mi" + std::string(MaxQueryBytes, ' ');
    for (const std::string& query :
         {std::string("hello"), std::string("km to mi"), std::string("5 zorkmids"), std::string(""),
          std::string("5 km to mi\x01\x1b[2J"), std::string("5 \xff\xfe to mi"),
          std::string("5 km to \xc3"), long1MiB, justOverLimit, std::string(5000, ' ') + "5 km"})
        EXPECT_TRUE(answers_.Answer(query).empty()) << query.substr(0, 40);
    for (const char* id : {"", "10:10:14", "10:10:99:5", "99:1:1:5", "10:10:14:5x", "x:y:z:w"})
        EXPECT_FALSE(answers_.AnswerFor(id)) << id;
}

// An id is only ever made from a finite value; one that is not, or one whose
// conversion is not (1e308 km in Angstrom), names no conversion anybody was
// shown.
TEST_F(SearchAnswersTest, AnIdOfNoFiniteValueAnswersNothing) {
    ASSERT_TRUE(answers_.AnswerFor("13:10:14:5"));
    for (const char* id :
         {"13:10:14:nan", "13:10:14:NaN", "13:10:14:-nan", "13:10:14:inf", "13:10:14:infinity",
          "13:10:14:-Infinity", "13:10:14:1e999", "13:10:1:1e308"})
        EXPECT_FALSE(answers_.AnswerFor(id)) << id;
    RecordingSearchDesktop desktop;
    GnomeSearchProvider gnome(answers_, desktop, nullptr);
    EXPECT_TRUE(gnome.GetResultMetas({QStringLiteral("13:10:14:nan")}).isEmpty());
    gnome.ActivateResult(QStringLiteral("13:10:14:infinity"), {}, 0);
    KRunnerRunner runner(answers_, desktop, nullptr);
    runner.Run(QStringLiteral("13:10:14:nan"), QString());
    runner.Run(QStringLiteral("13:10:14:nan"), QString::fromLatin1(OpenActionId));
    EXPECT_TRUE(desktop.copied.isEmpty());
    EXPECT_TRUE(desktop.opened.isEmpty());
}

TEST_F(SearchAnswersTest, TheProfileIsReadAgainWhenItChanges) {
    WriteProfile(
        "[Settings]\r\nFormat=2\r\nPrecision=2\r\n[Distance]\r\nVisibility=0\r\n"
        "CustomUnits=1\r\nCustomUnit_1=Rods\r\nCustomValue_1=502.92\r\n");
    EXPECT_EQ(Shown("2 rods to m"), std::vector<std::string>{"10.06 Meters"});
    // The file replaced, as the window saves it: another factor (in
    // centimetres, the reference of Distance), Auto format.
    QFile::remove(QString::fromStdString(Profile()));
    WriteProfile("[Distance]\r\nCustomUnits=1\r\nCustomUnit_1=Rods\r\nCustomValue_1=1000\r\n");
    EXPECT_EQ(Shown("2 rods to m"), std::vector<std::string>{"20 Meters"});
}

// Money converts with the cached rates, cross rates through the euro, and
// rates downloaded since (the cache replaced) answer the next query.
TEST_F(SearchAnswersTest, MoneyConvertsWithTheCachedRatesAsTheyChange) {
    EXPECT_TRUE(Shown("100 usd to eur").empty()) << "no rates yet";
    CachedRates cached{"test", 0, {"2026-12-07", {{"USD", 1.25}, {"JPY", 160.0}}}};
    ASSERT_FALSE(WriteRatesCache(Rates(), cached));
    EXPECT_EQ(Shown("100 usd to eur"), std::vector<std::string>{"80.00 Euro (EUR)"});
    EXPECT_EQ(Shown("100 USD JPY"), std::vector<std::string>{"12800 Yen (JPY)"});
    EXPECT_EQ(answers_.Answer("100 \u20ac to usd").at(0).description,
              "100 EUR = 125.00 USD (ECB 2026-12-07)");
    cached.rates.rates[0].perEuro = 2.0;
    ASSERT_FALSE(WriteRatesCache(Rates(), cached));
    EXPECT_EQ(Shown("100 usd to eur"), std::vector<std::string>{"50.00 Euro (EUR)"});
}

// A currency of the NBP's table B: its description names both sources in
// short, and a new table B answers the next query.
TEST_F(SearchAnswersTest, AnNbpCurrencyNamesItsSourcesInShort) {
    const CachedRates ecb{"test", 0, {"2026-12-07", {{"USD", 1.25}}}};
    const CachedRates tableA{"test", 0, {"2026-12-07", {{"EUR", 0.25}}}, RatesSource::NbpTableA};
    CachedRates tableB{"test", 0, {"2026-12-02", {{"ARS", 250.0}}}, RatesSource::NbpTableB};
    ASSERT_FALSE(WriteRatesCache(Rates(), ecb));
    ASSERT_FALSE(WriteRatesCache(SourceCachePath(Rates(), RatesSource::NbpTableA), tableA));
    ASSERT_FALSE(WriteRatesCache(SourceCachePath(Rates(), RatesSource::NbpTableB), tableB));
    // One euro is 4 złoty, one złoty 250 pesos: one euro is 1000 pesos.
    EXPECT_EQ(answers_.Answer("100 usd to ars").at(0).description,
              "100 USD = 80000.00 ARS (ECB 2026-12-07, NBP A 2026-12-07, NBP B 2026-12-02)");
    tableB.rates.rates[0].perEuro = 500.0;
    ASSERT_FALSE(WriteRatesCache(SourceCachePath(Rates(), RatesSource::NbpTableB), tableB));
    EXPECT_EQ(Shown("1 eur to ars"), std::vector<std::string>{"2000.00 Argentine Peso (ARS)"});
}

TEST_F(SearchAnswersTest, GnomeJoinsTheTermsCopiesTheValueAndLaunchesTheWindow) {
    RecordingSearchDesktop desktop;
    GnomeSearchProvider gnome(answers_, desktop, nullptr);
    const QStringList terms{QStringLiteral("5"), QStringLiteral("km"), QStringLiteral("to"),
                            QStringLiteral("mi")};
    const QStringList ids = gnome.GetInitialResultSet(terms);
    ASSERT_EQ(ids.size(), 1);
    const QList<QVariantMap> metas = gnome.GetResultMetas(ids);
    ASSERT_EQ(metas.size(), 1);
    EXPECT_EQ(metas[0][QStringLiteral("clipboardText")].toString(),
              QStringLiteral("3.1068559611867"));
    EXPECT_EQ(metas[0][QStringLiteral("description")].toString(),
              QStringLiteral("5 km = 3.1068559611867 mi"));
    gnome.ActivateResult(ids[0], terms, 0);
    gnome.LaunchSearch(terms, 0);
    EXPECT_EQ(desktop.copied, QStringList{QStringLiteral("3.1068559611867")});
    EXPECT_EQ(desktop.opened, QStringList{QStringLiteral("5 km to mi")});
}

// However many ids one request holds, only the first MostResultMetas are
// answered, in their order; one that names nothing still counts.
TEST_F(SearchAnswersTest, GnomeAnswersTheMetasOfABoundedNumberOfIds) {
    RecordingSearchDesktop desktop;
    GnomeSearchProvider gnome(answers_, desktop, nullptr);
    QStringList ids{QStringLiteral("forged")};
    for (int i = 1; i < 5000; ++i) ids << QStringLiteral("13:10:14:%1").arg(i);
    const QList<QVariantMap> metas = gnome.GetResultMetas(ids);
    ASSERT_EQ(metas.size(), MostResultMetas - 1);
    for (qsizetype i = 0; i < metas.size(); ++i)
        EXPECT_EQ(metas[i][QStringLiteral("id")].toString(), ids[i + 1]);
}

TEST_F(SearchAnswersTest, KRunnerCopiesByDefaultAndOpensTheWindowOnItsSecondAction) {
    RecordingSearchDesktop desktop;
    KRunnerRunner runner(answers_, desktop, nullptr);
    const RemoteActions actions = runner.Actions();
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(actions[0].text, QStringLiteral("Open in Mezura"));
    const RemoteMatches matches = runner.Match(QStringLiteral("100 °F to °C"));
    ASSERT_EQ(matches.size(), 1);
    EXPECT_EQ(matches[0].text, QStringLiteral("37.777777777778 Celsius"));
    runner.Run(matches[0].id, QString());
    runner.Run(matches[0].id, actions[0].id);
    runner.Run(QStringLiteral("forged"), QString());
    EXPECT_EQ(desktop.copied, QStringList{QStringLiteral("37.777777777778")});
    EXPECT_EQ(desktop.opened, QStringList{QStringLiteral("100 Fahrenheit to Celsius")});
}

}  // namespace
