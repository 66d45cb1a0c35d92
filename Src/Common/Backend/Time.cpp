#include "Common/Backend/Time.h"

#include "Common/LocaleDate.h"
#include "WinCE/Assert.h"
#include "Wkr/Util/LittleEndian.h"
#include "Wkrimp/Config/ConfigBlock.h"

#include <cstring>

namespace
{
// The only calendar knowledge of the game: fixed month lengths, no leap years.
constexpr int32_t MONTH_DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The saved image: six little-endian 32-bit fields in declaration order.
constexpr int32_t SAVED_SIZE = 24;
} // namespace

Time::Time() : Time(0, 0, 0, 0, 0, 0) {}

Time::Time(int32_t year, int32_t month, int32_t day) : Time(year, month, day, 0, 0, 0) {}

Time::Time(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second)
    : _year(year), _month(month), _day(day), _hour(hour), _minute(minute), _second(second)
{
}

Time Time::FromMinutes(int32_t minutes)
{
    Time t;
    t._minute = minutes % 60;
    const int32_t hours = minutes / 60;
    if (hours == 0)
        return t;
    t._hour = hours % 24;
    const int32_t days = hours / 24;
    if (days == 0)
        return t;
    t._day = days;
    return t;
}

int32_t Time::DaysInMonth(int32_t month)
{
    return MONTH_DAYS[((month % 12) + 12) % 12];
}

Time Time::Add(int32_t years, int32_t months, int32_t days, int32_t hours, int32_t minutes,
               int32_t seconds) const
{
    // Each field passes at most one unit on; the amounts the game adds are
    // small enough for that (the clock moves by at most a few weeks at once).
    Time t;
    int32_t carry = 0;

    t._second = _second + seconds;
    if (t._second > 59)
    {
        carry = 1;
        t._second %= 60;
    }

    t._minute = carry + _minute + minutes;
    carry = 0;
    if (t._minute > 59)
    {
        carry = 1;
        t._minute %= 60;
    }

    t._hour = carry + _hour + hours;
    carry = 0;
    if (t._hour > 23)
    {
        carry = 1;
        t._hour %= 24;
    }

    // The day overflows by the length of the month the operand is in; taking
    // the remainder only on overflow keeps the day one-based (32 January is
    // 1 February).
    const int32_t monthLength = DaysInMonth(_month);
    t._day = carry + _day + days;
    carry = 0;
    if (t._day > monthLength)
    {
        carry = 1;
        t._day %= monthLength;
    }

    t._month = carry + _month + months;
    carry = 0;
    if (t._month > 11)
    {
        carry = 1;
        t._month %= 12;
    }

    t._year = carry + _year + years;
    return t;
}

Time Time::Subtract(int32_t years, int32_t months, int32_t days, int32_t hours, int32_t minutes,
                    int32_t seconds) const
{
    ASSERT(_year >= 0);
    // Each field borrows at most once, and only while the next larger field
    // has something to give; otherwise the field stays negative, which callers
    // reading whole years, months or days of an age tolerate.
    Time t = *this;
    t._second -= seconds;
    if (t._second < 0 && t._minute > 0)
    {
        t._second += 60;
        t._minute -= 1;
    }
    t._minute -= minutes;
    if (t._minute < 0 && t._hour > 0)
    {
        t._minute += 60;
        t._hour -= 1;
    }
    t._hour -= hours;
    if (t._hour < 0 && t._day > 0)
    {
        t._hour += 24;
        t._day -= 1;
    }
    t._day -= days;
    if (t._day < 0 && t._month > 0)
    {
        t._day += DaysInMonth(t._month);
        t._month -= 1;
    }
    t._month -= months;
    if (t._month < 0 && t._year > 0)
    {
        t._month += 12;
        t._year -= 1;
    }
    t._year -= years;
    return t;
}

Time Time::AddDays(int32_t days) const
{
    ASSERT(days >= 0 && "whole days are added, never taken away");
    Time t = *this;
    // Bring the day into its month first, then walk month by month.
    while (t._day > DaysInMonth(t._month))
    {
        t._day -= DaysInMonth(t._month);
        t = t.NextMonth();
    }
    while (t._day < 1)
    {
        // Day 0 is the last day of the month before.
        if (--t._month < 0)
        {
            t._month = 11;
            --t._year;
        }
        t._day += DaysInMonth(t._month);
    }
    int32_t left = days;
    while (left > DaysInMonth(t._month) - t._day)
    {
        left -= DaysInMonth(t._month) - t._day + 1;
        t._day = 1;
        t = t.NextMonth();
    }
    t._day += left;
    return t;
}

Time Time::FirstMomentAfter() const
{
    const bool dayInMonth = _day >= 1 && _day <= DaysInMonth(_month);
    const bool timeOfDay = _hour >= 0 && _hour <= 23 && _minute >= 0 && _minute <= 59 && _second >= 0 &&
                           _second <= 59;
    if (dayInMonth && timeOfDay)
        return Add(0, 0, 0, 0, 0, 1);
    if (_day < 1)
        return Time(_year, _month, 1);
    // A time of day beyond its range ends the day; a day beyond the month
    // ends the month.
    if (dayInMonth && _day < DaysInMonth(_month))
        return Time(_year, _month, _day + 1);
    return Time(_year, _month, 1).NextMonth();
}

Time Time::NextMonth() const
{
    Time t = *this;
    if (++t._month > 11)
    {
        t._month = 0;
        ++t._year;
    }
    return t;
}

bool Time::Equals(const Time& other) const
{
    return Equals(other._year, other._month, other._day, other._hour, other._minute, other._second);
}

bool Time::Equals(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                  int32_t second) const
{
    return _year == year && _month == month && _day == day && _hour == hour && _minute == minute &&
           _second == second;
}

void Time::SetDate(int32_t year, int32_t month, int32_t day)
{
    _year = year;
    _month = month;
    _day = day;
}

void Time::SetTimeOfDay(int32_t hour, int32_t minute)
{
    _hour = hour;
    _minute = minute;
}

void Time::Save(ConfigBlock& block) const
{
    uint8_t bytes[SAVED_SIZE];
    const int32_t fields[6] = {_year, _month, _day, _hour, _minute, _second};
    for (int i = 0; i < 6; ++i)
        LittleEndian::WriteInt32(bytes + 4 * i, fields[i]);
    block.SetEntry(ConfigBlock::VALUE_ENTRY, "t", 1, bytes, SAVED_SIZE);
}

bool Time::IsPlausibleMoment() const
{
    const auto field = [](int32_t value) { return value >= 0 && value <= MAX_PLAUSIBLE_FIELD; };
    return _year >= FIRST_PLAUSIBLE_YEAR && _year <= LAST_PLAUSIBLE_YEAR && _month >= 0 && _month <= 11 &&
           field(_day) && field(_hour) && field(_minute) && field(_second);
}

bool Time::IsUnset() const
{
    return _year == 0 && _month == 0 && _day == 0 && _hour == 0 && _minute == 0 && _second == 0;
}

bool Time::Load(const ConfigBlock& block)
{
    const uint8_t* data = nullptr;
    int32_t length = 0;
    if (!block.FindEntry("t", 1, data, length))
        return false;
    // A shorter value cannot come from our own saves; keep the old time
    // rather than read past it.
    if (length < SAVED_SIZE)
        return false;
    _year = LittleEndian::ReadInt32(data);
    _month = LittleEndian::ReadInt32(data + 4);
    _day = LittleEndian::ReadInt32(data + 8);
    _hour = LittleEndian::ReadInt32(data + 12);
    _minute = LittleEndian::ReadInt32(data + 16);
    _second = LittleEndian::ReadInt32(data + 20);
    return true;
}

void Time::FormatDate(char* buffer) const
{
    FormatLocaleDate(_day, _month + 1, _year, buffer);
}
