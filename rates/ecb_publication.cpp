#include "ecb_publication.h"

namespace {

constexpr std::int64_t SecondsPerDay = 86400;
constexpr std::int64_t PublicationHour = 16;

struct Civil {
    int year, month, day;
};

// The day of a day number (the inverse of DaysFromCivil).
Civil CivilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {static_cast<int>(yearOfEra + era * 400 + (month <= 2)), month, day};
}

// 0 Sunday .. 6 Saturday; 1970-01-01 was a Thursday.
int Weekday(std::int64_t days) { return static_cast<int>(((days % 7) + 11) % 7); }

// Easter Sunday of the Gregorian calendar (the anonymous algorithm).
std::int64_t EasterSunday(int year) {
    const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
    return DaysFromCivil(year, month, day);
}

// The last Sunday of a month, as a day number.
std::int64_t LastSunday(int year, int month) {
    const std::int64_t last = DaysFromCivil(month == 12 ? year + 1 : year, month % 12 + 1, 1) - 1;
    return last - Weekday(last);
}

// Frankfurt keeps CET (UTC+1) and, from 01:00 UTC on the last Sunday of March
// to 01:00 UTC on the last Sunday of October, CEST (UTC+2).
std::int64_t FrankfurtOffset(std::int64_t utc) {
    const int year = CivilFromDays(utc / SecondsPerDay).year;
    const std::int64_t summerFrom = LastSunday(year, 3) * SecondsPerDay + 3600;
    const std::int64_t summerTo = LastSunday(year, 10) * SecondsPerDay + 3600;
    return utc >= summerFrom && utc < summerTo ? 7200 : 3600;
}

bool IsWorkingDay(std::int64_t days) {
    const int weekday = Weekday(days);
    if (weekday == 0 || weekday == 6) return false;
    const Civil civil = CivilFromDays(days);
    if ((civil.month == 1 && civil.day == 1) || (civil.month == 5 && civil.day == 1) ||
        (civil.month == 12 && (civil.day == 25 || civil.day == 26)))
        return false;
    const std::int64_t easter = EasterSunday(civil.year);
    return days != easter - 2 && days != easter + 1;
}

}  // namespace

std::int64_t DaysFromCivil(int year, int month, int day) {
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool IsEcbWorkingDay(int year, int month, int day) {
    return IsWorkingDay(DaysFromCivil(year, month, day));
}

std::int64_t LatestEcbPublication(std::int64_t nowUtc) {
    // Walk back over Frankfurt's days; the offset of each 16:00 is its own, so
    // a change of clocks between today and the last working day is no matter.
    std::int64_t day = (nowUtc + FrankfurtOffset(nowUtc)) / SecondsPerDay;
    for (;; --day) {
        if (!IsWorkingDay(day)) continue;
        const std::int64_t localFour = day * SecondsPerDay + PublicationHour * 3600;
        const std::int64_t utcFour = localFour - FrankfurtOffset(localFour - 3600);
        if (utcFour <= nowUtc) return utcFour;
    }
}

std::int64_t DaysSince(const char* isoDate, std::int64_t nowUtc) {
    const auto digits = [&](int from, int count) {
        int value = 0;
        for (int i = from; i < from + count; ++i) value = value * 10 + (isoDate[i] - '0');
        return value;
    };
    const std::int64_t day = DaysFromCivil(digits(0, 4), digits(5, 2), digits(8, 2));
    const std::int64_t now =
        nowUtc >= 0 ? nowUtc / SecondsPerDay : (nowUtc + 1) / SecondsPerDay - 1;
    return now - day;
}
