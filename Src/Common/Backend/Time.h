// Time: a moment of the game world, or a duration.
//
// A plain broken-down calendar record (year, zero-based month, one-based day,
// hour, minute, second) with the game's own fixed calendar: no leap years, one
// table of month lengths. Arithmetic passes at most one unit of carry (Add) or
// borrow (Subtract) from each field to the next, exactly as event dates have
// always been computed, and values are never normalised behind the caller's
// back: 31 January plus one month is 31 February, which still orders correctly
// among real dates. Comparison is lexicographic on the raw fields.
//
// The game starts on 1 January 1959 00:00:00 and ends when the year 2003 is
// reached (the scheduler watches for that). Saved as the key "t" holding the
// six fields as 24 little-endian bytes.
#pragma once

#include <cstdint>

class ConfigBlock;

class Time
{
public:
    Time();
    Time(int32_t year, int32_t month, int32_t day);
    Time(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second);

    // A duration of n minutes spread over minutes, hours and days (never
    // months or years).
    static Time FromMinutes(int32_t minutes);

    // The length of a month of the game calendar; `month` is taken modulo 12
    // so that values from a damaged save cannot index outside the table.
    static int32_t DaysInMonth(int32_t month);

    Time Add(int32_t years, int32_t months, int32_t days, int32_t hours, int32_t minutes,
             int32_t seconds) const;
    Time Subtract(int32_t years, int32_t months, int32_t days, int32_t hours, int32_t minutes,
                  int32_t seconds) const;

    // A real moment (every field within its range, the day within its
    // month) `days` whole days later, carrying through as many months and
    // years as it takes. A date past the end of its month counts from the
    // real day it stands for (31 February is 3 March).
    Time AddDays(int32_t days) const;
    // The earliest real moment strictly after this one: one second later
    // for a real moment; for a date past the end of its month (31 February,
    // day 35) the first moment of the next month, since no real clock
    // reading lies between the two; for day 0 the first moment of the month.
    Time FirstMomentAfter() const;

    // Strictly later, comparing year, month, day, hour, minute, second in turn.
    bool IsAfter(const Time& other) const
    {
        return IsAfter(other._year, other._month, other._day, other._hour, other._minute, other._second);
    }
    bool IsAfter(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second) const
    {
        if (_year != year)
            return _year > year;
        if (_month != month)
            return _month > month;
        if (_day != day)
            return _day > day;
        if (_hour != hour)
            return _hour > hour;
        if (_minute != minute)
            return _minute > minute;
        return _second > second;
    }
    bool Equals(const Time& other) const;

    // The years a saved moment of the game can fall in: from the start of
    // the game to well past its end, which leaves room for events scheduled
    // ahead of the last year.
    static constexpr int32_t FIRST_PLAUSIBLE_YEAR = 1959;
    static constexpr int32_t LAST_PLAUSIBLE_YEAR = 2100;
    // The largest day, hour, minute or second a saved moment may hold.
    static constexpr int32_t MAX_PLAUSIBLE_FIELD = 99;
    // True for a moment the game's arithmetic can produce: a year of the
    // game, a month of 0 to 11, and days, hours, minutes and seconds from 0
    // to MAX_PLAUSIBLE_FIELD. Fields are not normalised: 31 February, day 0 (62
    // days after 31 January) and day 38 (a week after 31 January, written
    // field by field) all occur in play. Anything else in a save is damage,
    // and arithmetic on it could overflow.
    bool IsPlausibleMoment() const;
    // True for the all-zero value of a date that was never set.
    bool IsUnset() const;
    bool Equals(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second) const;

    void SetDate(int32_t year, int32_t month, int32_t day);
    // Sets hour and minute; the seconds stay as they are.
    void SetTimeOfDay(int32_t hour, int32_t minute);

    void Save(ConfigBlock& block) const;
    // Returns false, keeping the value, when the block holds no usable "t".
    bool Load(const ConfigBlock& block);

    // The date in the user's regional order (see FormatLocaleDate); `buffer`
    // must hold LOCALE_DATE_SIZE characters.
    void FormatDate(char* buffer) const;

    int32_t _year;
    int32_t _month;
    int32_t _day;
    int32_t _hour;
    int32_t _minute;
    int32_t _second;

private:
    // The same day and time one month later, the month kept in 0..11.
    Time NextMonth() const;
};
