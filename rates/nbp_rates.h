#pragma once
// The National Bank of Poland's tables of mid rates against the złoty, as its
// web API gives them in JSON: table A (every working day, some 33
// currencies, the euro among them) and table B (Wednesdays, some 115 more).
//
//   [{"table":"B","no":"048/B/NBP/2026","effectiveDate":"2026-12-02",
//     "rates":[{"currency":"peso argentyńskie","code":"ARS","mid":0.0037},...]}]
//
// Read strictly with nlohmann-json: a download that is not exactly one such
// table is refused with the reason. Refused, for example: "the answer is not
// well-formed JSON: ...", "the table gives no date", "the rate of USD is not
// a positive finite number", "USD appears twice", "\"usd\" is not a currency
// code", "the answer is larger than 1 MiB". The date, the codes and the rates
// pass the RatesCheck the cache is read with, against the złoty.
//
// The rates come back as units of each currency one złoty buys (1 / mid),
// so that the table reads like the ECB's, with the złoty for the euro.
#include <cstdint>
#include <string_view>

#include "ecb_rates.h"

inline constexpr std::string_view NbpBase = "PLN";

// `table` is 'A' or 'B', the table the answer must be.
EcbRatesParse ParseNbpTable(std::string_view json, char table, std::int64_t nowUtc);
