#pragma once
// When the European Central Bank last published its reference rates.
//
// The rates appear on every TARGET working day (Monday to Friday except
// 1 January, Good Friday, Easter Monday, 1 May, 25 and 26 December) around
// 16:00 Frankfurt time (CET, or CEST in summer). Times are seconds since the
// Unix epoch, UTC.
//
//   LatestEcbPublication(Tue 2026-12-08 15:59 CET) -> Mon 2026-12-07 16:00 CET
//   LatestEcbPublication(Tue 2026-12-08 16:00 CET) -> Tue 2026-12-08 16:00 CET
//   LatestEcbPublication(Mon 2026-12-28 10:00 CET) -> Thu 2026-12-24 16:00 CET
#include <cstdint>

// Days since 1970-01-01 of a day of the Gregorian calendar.
std::int64_t DaysFromCivil(int year, int month, int day);

bool IsEcbWorkingDay(int year, int month, int day);

// The latest 16:00 Frankfurt time on a working day at or before `nowUtc`.
std::int64_t LatestEcbPublication(std::int64_t nowUtc);

// Whole days from the day `isoDate` ("YYYY-MM-DD", taken as its 00:00 UTC)
// to `nowUtc`, rounded down; negative for a date ahead of now.
std::int64_t DaysSince(const char* isoDate, std::int64_t nowUtc);
