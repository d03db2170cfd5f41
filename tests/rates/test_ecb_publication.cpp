// When the ECB last published, worked out by hand from the calendar: 16:00
// Frankfurt time is 15:00 UTC in winter and 14:00 UTC in summer.
#include <gtest/gtest.h>

#include "ecb_publication.h"

namespace {

std::int64_t Utc(int year, int month, int day, int hour, int minute = 0) {
    return DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60;
}

struct Case {
    const char* what;
    std::int64_t now;
    std::int64_t latest;
};

class LatestPublication : public testing::TestWithParam<Case> {};

TEST_P(LatestPublication, IsTheLastWorkingDayAtFourInFrankfurt) {
    EXPECT_EQ(LatestEcbPublication(GetParam().now), GetParam().latest) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, LatestPublication,
    testing::Values(
        Case{"Tuesday before four", Utc(2026, 12, 8, 14, 59), Utc(2026, 12, 7, 15)},
        Case{"Tuesday at four", Utc(2026, 12, 8, 15), Utc(2026, 12, 8, 15)},
        Case{"Monday morning: Friday", Utc(2026, 12, 7, 8), Utc(2026, 12, 4, 15)},
        Case{"Sunday: Friday", Utc(2026, 12, 6, 20), Utc(2026, 12, 4, 15)},
        Case{"after Christmas: the 24th", Utc(2026, 12, 28, 9), Utc(2026, 12, 24, 15)},
        Case{"New Year's Day on a Friday", Utc(2027, 1, 1, 18), Utc(2026, 12, 31, 15)},
        Case{"Easter Monday 2026: Thursday", Utc(2026, 4, 6, 18), Utc(2026, 4, 2, 14)},
        Case{"1 May 2026 is a Friday", Utc(2026, 5, 1, 18), Utc(2026, 4, 30, 14)},
        Case{"summer: 14:00 UTC", Utc(2026, 7, 15, 14, 30), Utc(2026, 7, 15, 14)},
        Case{"summer, before", Utc(2026, 7, 15, 13, 59), Utc(2026, 7, 14, 14)},
        Case{"Monday after the clocks went back", Utc(2026, 10, 26, 16), Utc(2026, 10, 26, 15)},
        Case{"Monday after the clocks went forward", Utc(2026, 3, 30, 10), Utc(2026, 3, 27, 15)}),
    [](const testing::TestParamInfo<Case>& param) { return "case" + std::to_string(param.index); });

TEST(EcbWorkingDays, HolidaysOfSeveralYears) {
    // Good Friday and Easter Monday of 2025 and 2027, from published calendars.
    EXPECT_FALSE(IsEcbWorkingDay(2025, 4, 18));
    EXPECT_FALSE(IsEcbWorkingDay(2025, 4, 21));
    EXPECT_FALSE(IsEcbWorkingDay(2027, 3, 26));
    EXPECT_FALSE(IsEcbWorkingDay(2027, 3, 29));
    EXPECT_TRUE(IsEcbWorkingDay(2027, 3, 25));
    EXPECT_FALSE(IsEcbWorkingDay(2026, 12, 26));  // a Saturday anyway
    EXPECT_TRUE(IsEcbWorkingDay(2026, 12, 24));
}

TEST(EcbDays, SinceADate) {
    EXPECT_EQ(DaysSince("2026-12-07", Utc(2026, 12, 8, 0)), 1);
    EXPECT_EQ(DaysSince("2026-12-07", Utc(2026, 12, 7, 23, 59)), 0);
    EXPECT_EQ(DaysSince("2026-11-30", Utc(2026, 12, 8, 12)), 8);
}

}  // namespace
