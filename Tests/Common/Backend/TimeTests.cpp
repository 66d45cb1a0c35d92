#include "Common/Backend/Time.h"

#include "Common/LocaleDate.h"
#include "Wkrimp/Config/ConfigBlock.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
void ExpectTime(const Time& t, int32_t y, int32_t mo, int32_t d, int32_t h, int32_t mi, int32_t s)
{
    EXPECT_TRUE(t.Equals(y, mo, d, h, mi, s)) << t._year << "-" << t._month << "-" << t._day << " " << t._hour
                                              << ":" << t._minute << ":" << t._second;
}
} // namespace

TEST(Time, ConstructorsAndDurationsFromMinutes)
{
    ExpectTime(Time(), 0, 0, 0, 0, 0, 0);
    ExpectTime(Time(1959, 0, 1), 1959, 0, 1, 0, 0, 0);
    ExpectTime(Time(1959, 1, 40, 25, 61, 70), 1959, 1, 40, 25, 61, 70); // never normalised
    ExpectTime(Time::FromMinutes(1500), 0, 0, 1, 1, 0, 0);
    ExpectTime(Time::FromMinutes(59), 0, 0, 0, 0, 59, 0);
    ExpectTime(Time::FromMinutes(60 * 24 * 45 + 61), 0, 0, 45, 1, 1, 0); // days never become months

    Time t(1970, 5, 6, 7, 8, 9);
    t.SetTimeOfDay(22, 15);
    ExpectTime(t, 1970, 5, 6, 22, 15, 9);
    t.SetDate(1980, 11, 31);
    ExpectTime(t, 1980, 11, 31, 22, 15, 9);
}

TEST(Time, AddCarriesOneUnitPerField)
{
    ExpectTime(Time(1959, 11, 31, 23, 59, 59).Add(0, 0, 0, 0, 0, 1), 1960, 0, 1, 0, 0, 0);
    for (int32_t year : {1959, 1960, 1964, 2000})
        ExpectTime(Time(year, 1, 28).Add(0, 0, 1, 0, 0, 0), year, 2, 1, 0, 0, 0);
    const Time february31 = Time(1959, 0, 31).Add(0, 1, 0, 0, 0, 0);
    ExpectTime(february31, 1959, 1, 31, 0, 0, 0);
    ExpectTime(february31.Add(0, 0, 1, 0, 0, 0), 1959, 2, 4, 0, 0, 0);
    ExpectTime(Time(1959, 0, 31).Add(0, 0, 1, 0, 0, 0), 1959, 1, 1, 0, 0, 0);
    ExpectTime(Time(1959, 11, 15).Add(1, 1, 0, 0, 0, 0), 1961, 0, 15, 0, 0, 0);
    // The day carry uses the length of the operand's month, before months are added.
    ExpectTime(Time(1959, 0, 30).Add(0, 1, 2, 0, 0, 0), 1959, 2, 1, 0, 0, 0);
    // Only one unit is carried: 150 seconds are 1 minute and 30 seconds.
    ExpectTime(Time(1959, 0, 1, 0, 0, 0).Add(0, 0, 0, 0, 0, 150), 1959, 0, 1, 0, 1, 30);
    // A carry chain through every field at once.
    ExpectTime(Time(1962, 11, 31, 23, 59, 59).Add(0, 0, 0, 0, 0, 59), 1963, 0, 1, 0, 0, 58);
    // The operand is left alone.
    const Time base(1959, 5, 10, 12, 0, 0);
    base.Add(0, 0, 3, 0, 0, 0);
    ExpectTime(base, 1959, 5, 10, 12, 0, 0);
}

TEST(Time, AddDaysLandsOnARealDateHoweverFar)
{
    struct Case
    {
        Time from;
        int32_t days;
        Time wanted;
    };
    const Case cases[] = {
        {Time(1959, 0, 1), 90, Time(1959, 3, 1)},   // not 29 February
        {Time(1959, 0, 1), 91, Time(1959, 3, 2)},   // not 30 February
        {Time(1959, 0, 1), 365, Time(1960, 0, 1)},  // no leap years
        {Time(1959, 0, 1), 3650, Time(1969, 0, 1)}, // ten years
        {Time(1959, 0, 31), 28, Time(1959, 1, 28)},
        {Time(1959, 0, 31), 29, Time(1959, 2, 1)},
        {Time(1959, 11, 31, 23, 59, 59), 1, Time(1960, 0, 1, 23, 59, 59)},
        {Time(1959, 4, 10, 6, 30, 0), 0, Time(1959, 4, 10, 6, 30, 0)},
        // Dates past the end of their month count from the day they stand for.
        {Time(1959, 1, 31), 0, Time(1959, 2, 3)},
        {Time(1959, 11, 35), 1, Time(1960, 0, 5)},
        {Time(1959, 2, 0), 1, Time(1959, 2, 1)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << c.from._year << "-" << c.from._month << "-" << c.from._day << " + "
                                          << c.days);
        const Time t = c.from.AddDays(c.days);
        ExpectTime(t, c.wanted._year, c.wanted._month, c.wanted._day, c.wanted._hour, c.wanted._minute,
                   c.wanted._second);
    }
}

TEST(Time, FirstMomentAfterIsTheNextRealClockReading)
{
    ExpectTime(Time(1959, 4, 10, 6, 30, 0).FirstMomentAfter(), 1959, 4, 10, 6, 30, 1);
    ExpectTime(Time(1959, 11, 31, 23, 59, 59).FirstMomentAfter(), 1960, 0, 1, 0, 0, 0);
    // No real reading lies between day 35 of December and the new year.
    ExpectTime(Time(1959, 11, 35).FirstMomentAfter(), 1960, 0, 1, 0, 0, 0);
    ExpectTime(Time(1959, 1, 31, 12, 0, 0).FirstMomentAfter(), 1959, 2, 1, 0, 0, 0);
    ExpectTime(Time(1959, 1, 28, 24, 0, 0).FirstMomentAfter(), 1959, 2, 1, 0, 0, 0);
    ExpectTime(Time(1959, 1, 20, 30, 0, 0).FirstMomentAfter(), 1959, 1, 21, 0, 0, 0);
    ExpectTime(Time(1959, 2, 0, 5, 0, 0).FirstMomentAfter(), 1959, 2, 1, 0, 0, 0);
    for (const Time& t : {Time(1959, 11, 35), Time(1959, 1, 31, 12, 0, 0), Time(1959, 2, 0, 5, 0, 0)})
        EXPECT_TRUE(t.FirstMomentAfter().IsAfter(t));
}

TEST(Time, SubtractBorrowsOnlyFromPositiveFields)
{
    ExpectTime(Time(1960, 0, 1, 0, 0, 0).Subtract(0, 0, 0, 0, 0, 1), 1960, 0, 1, 0, 0, -1);
    ExpectTime(Time(1960, 0, 1, 0, 1, 0).Subtract(0, 0, 0, 0, 0, 1), 1960, 0, 1, 0, 0, 59);
    // Day borrow adds the length of the current month (March: 31) before the month drops.
    ExpectTime(Time(1960, 2, 5).Subtract(0, 0, 10, 0, 0, 0), 1960, 1, 26, 0, 0, 0);
    ExpectTime(Time(1960, 0, 5).Subtract(0, 1, 0, 0, 0, 0), 1959, 11, 5, 0, 0, 0);
    // An age: 3 May 1965 minus 1 June 1960 is 4 years, 11 months and 2 days.
    ExpectTime(Time(1965, 4, 3).Subtract(1960, 5, 1, 0, 0, 0), 4, 11, 2, 0, 0, 0);
    // A larger subtrahend leaves negative fields when nothing can be borrowed.
    ExpectTime(Time(0, 0, 0).Subtract(0, 0, 1, 0, 0, 0), 0, 0, -1, 0, 0, 0);
}

TEST(TimeDeathTest, SubtractFromNegativeYearIsAnAssertion)
{
    EXPECT_DEATH(Time(-1, 0, 1).Subtract(0, 0, 1, 0, 0, 0),
                 "Assertion '_year >= 0' failed in file 'Src/Common/Backend/Time.cpp'");
}

TEST(Time, IsAfterIsLexicographicOnTheRawFields)
{
    const Time t(1959, 11, 31, 23, 59, 59);
    EXPECT_FALSE(t.IsAfter(t));
    EXPECT_TRUE(Time(1960, 0, 1).IsAfter(t));
    EXPECT_FALSE(t.IsAfter(Time(1960, 0, 1)));
    // An unnormalised day sorts after every real day of its month and before the next month.
    const Time day35(1959, 0, 35);
    EXPECT_TRUE(day35.IsAfter(Time(1959, 0, 31, 23, 59, 59)));
    EXPECT_FALSE(day35.IsAfter(Time(1959, 1, 1)));
    for (int field = 0; field < 6; ++field)
    {
        int32_t a[6] = {1970, 5, 15, 12, 30, 30};
        int32_t b[6] = {1970, 5, 15, 12, 30, 30};
        b[field] += 1;
        // Lower fields of the other value do not matter once a higher one differs.
        for (int lower = field + 1; lower < 6; ++lower)
            a[lower] += 5;
        const Time ta(a[0], a[1], a[2], a[3], a[4], a[5]);
        EXPECT_FALSE(ta.IsAfter(b[0], b[1], b[2], b[3], b[4], b[5])) << "field " << field;
        EXPECT_TRUE(Time(b[0], b[1], b[2], b[3], b[4], b[5]).IsAfter(ta)) << "field " << field;
        EXPECT_FALSE(ta.Equals(b[0], b[1], b[2], b[3], b[4], b[5]));
    }
}

TEST(Time, SavedAsTwentyFourLittleEndianBytesUnderT)
{
    const Time t(1961, 7, 14, 9, 45, 3);
    ConfigBlock block;
    t.Save(block);
    const std::vector<uint8_t> raw = block.GetRaw();
    ASSERT_EQ(12u + 1 + 24, raw.size());
    EXPECT_EQ('t', raw[12]);
    EXPECT_EQ(24, raw[11]);
    EXPECT_EQ(std::vector<uint8_t>(
                  {0xA9, 0x07, 0, 0, 7, 0, 0, 0, 14, 0, 0, 0, 9, 0, 0, 0, 45, 0, 0, 0, 3, 0, 0, 0}),
              std::vector<uint8_t>(raw.begin() + 13, raw.end()));

    Time loaded;
    EXPECT_TRUE(loaded.Load(block));
    EXPECT_TRUE(loaded.Equals(t));

    // Missing or too short: the old value stays.
    ConfigBlock empty;
    EXPECT_FALSE(loaded.Load(empty));
    EXPECT_TRUE(loaded.Equals(t));
    ConfigBlock shortValue;
    shortValue.Put("t", int32_t(2000));
    EXPECT_FALSE(loaded.Load(shortValue));
    EXPECT_TRUE(loaded.Equals(t));
}

TEST(Time, DamagedMonthsNeverIndexOutsideTheCalendar)
{
    EXPECT_EQ(31, Time::DaysInMonth(0));
    EXPECT_EQ(28, Time::DaysInMonth(1));
    EXPECT_EQ(28, Time::DaysInMonth(13));
    EXPECT_EQ(31, Time::DaysInMonth(-1));
    ExpectTime(Time(1959, 40, 1).Add(0, 0, 0, 0, 0, 0), 1960, 4, 1, 0, 0, 0);
}

TEST(Time, FormatDateUsesTheRegionalOrder)
{
    char buffer[LOCALE_DATE_SIZE];
    const Time t(1959, 0, 2);
    const LocaleDateOrder german = {'1', '.'};
    SetLocaleDateOrder(&german);
    t.FormatDate(buffer);
    EXPECT_STREQ("02.01.1959", buffer);
    const LocaleDateOrder american = {'0', '/'};
    SetLocaleDateOrder(&american);
    t.FormatDate(buffer);
    EXPECT_STREQ("01/02/1959", buffer);
    SetLocaleDateOrder(nullptr);
}

TEST(Time, PlausibleMomentsAreThoseTheArithmeticProduces)
{
    EXPECT_TRUE(Time(1959, 0, 1).IsPlausibleMoment());
    EXPECT_TRUE(Time(2100, 11, 99, 99, 99, 99).IsPlausibleMoment());
    EXPECT_TRUE(Time(1960, 1, 31).IsPlausibleMoment()) << "31 February is a moment the arithmetic reaches";
    EXPECT_TRUE(Time(1959, 0, 31).Add(0, 0, 31, 0, 0, 0).IsPlausibleMoment()) << "so is 0 February";
    const Time unsound[] = {Time(1958, 11, 31), Time(2101, 0, 1),          Time(1960, -1, 1),
                            Time(1960, 12, 1),  Time(1960, 0, -1),         Time(1960, 0, 100),
                            Time(1960, 0, 1, 100, 0, 0), Time(1960, 0, 1, 0, -60, 0), Time(1960, 0, 1, 0, 0, -1),
                            Time()};
    for (const Time& t : unsound)
        EXPECT_FALSE(t.IsPlausibleMoment()) << t._year << "-" << t._month << "-" << t._day << " " << t._hour
                                            << ":" << t._minute << ":" << t._second;
    EXPECT_TRUE(Time().IsUnset());
    EXPECT_FALSE(Time(0, 0, 0, 0, 0, 1).IsUnset());
}
