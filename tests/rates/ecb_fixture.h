#pragma once
// A rates file in the ECB's own layout, written here from a few chosen rates
// (not read back from the code), for the parser, the cache and the fixture
// server.
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

struct FixtureRate {
    const char* code;
    const char* text;  // as the ECB writes it
    double perEuro;
};

inline constexpr FixtureRate FixtureRates[] = {
    {"USD", "1.0803", 1.0803},  {"JPY", "162.15", 162.15},   {"GBP", "0.84210", 0.8421},
    {"INR", "90.1230", 90.123}, {"KRW", "1523.45", 1523.45}, {"PLN", "4.2501", 4.2501},
    {"CHF", "0.9387", 0.9387},  {"XAA", "2.5", 2.5},
};

inline std::string EcbFile(std::string_view date, std::string_view rateLines) {
    return std::string(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
               "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
               "\t<gesmes:subject>Reference rates</gesmes:subject>\n"
               "\t<gesmes:Sender>\n\t\t<gesmes:name>European Central Bank</gesmes:name>\n"
               "\t</gesmes:Sender>\n\t<Cube>\n\t\t<Cube time='") +
           std::string(date) + "'>\n" + std::string(rateLines) + "\t\t</Cube>\n\t</Cube>\n" +
           "</gesmes:Envelope>\n";
}

inline std::string RateLine(std::string_view code, std::string_view rate) {
    return "\t\t\t<Cube currency='" + std::string(code) + "' rate='" + std::string(rate) + "'/>\n";
}

inline std::string FixtureEcbFile(std::string_view date) {
    std::string lines;
    for (const FixtureRate& rate : FixtureRates) lines += RateLine(rate.code, rate.text);
    return EcbFile(date, lines);
}

// The rate lines of `count` currencies: USD at 1.25, then codes from AAX in
// order at 2, 3, 4 ...
inline std::string ManyRateLines(int count) {
    std::string lines = RateLine("USD", "1.25");
    for (int k = 0; k + 1 < count; ++k)
        lines += RateLine(std::string{char('A' + k / 26 % 26), char('A' + k % 26), 'X'},
                          std::to_string(2 + k));
    return lines;
}

// 2026-12-09 12:00 UTC: the time the reader is told it is, after every
// fixed date of the tests.
inline constexpr std::int64_t FixtureNow = 1796817600;

// Today's date in UTC, as the ECB would write it.
inline std::string Today() {
    const std::time_t now = std::time(nullptr);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", std::gmtime(&now));
    return text;
}
