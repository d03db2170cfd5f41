#pragma once
// The NBP's tables A and B in the layout of its web API, written here from a
// few chosen mid rates (złoty per unit), for the reader and the fixture server.
#include <string>
#include <string_view>

struct NbpFixtureRate {
    const char* code;
    const char* mid;  // as the NBP writes it
    double value;
};

// Table A: the euro, a currency the ECB also publishes (USD: the ECB's rate
// wins), and one it does not (THB is in the ECB's file; AED is not).
inline constexpr NbpFixtureRate NbpTableARates[] = {
    {"EUR", "4.2400", 4.24},
    {"USD", "3.9000", 3.9},
    {"AED", "1.0650", 1.065},
};
// Table B: currencies neither the ECB nor table A has, and a withdrawn code.
inline constexpr NbpFixtureRate NbpTableBRates[] = {
    {"ARS", "0.0037", 0.0037},
    {"NGN", "0.0025", 0.0025},
    {"HRK", "0.5600", 0.56},
};

inline std::string NbpTable(char table, std::string_view date, std::string_view rates) {
    // Appended piece by piece: g++ 12 warns wrongly of "literal" + char + ...
    std::string text = "[{\"table\":\"";
    text += table;
    text += "\",\"no\":\"236/";
    text += table;
    text += "/NBP/2026\",\"effectiveDate\":\"";
    text += date;
    text += "\",\"rates\":[";
    text += rates;
    text += "]}]";
    return text;
}

template <std::size_t N>
std::string NbpFixtureTable(char table, std::string_view date, const NbpFixtureRate (&rates)[N]) {
    std::string lines;
    for (const NbpFixtureRate& rate : rates) {
        if (!lines.empty()) lines += ',';
        lines += "{\"currency\":\"waluta\",\"code\":\"";
        lines += rate.code;
        lines += "\",\"mid\":";
        lines += rate.mid;
        lines += '}';
    }
    return NbpTable(table, date, lines);
}
