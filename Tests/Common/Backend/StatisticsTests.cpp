#include "Common/Backend/Statistics.h"

#include <gtest/gtest.h>

TEST(Statistics, StartsWithTheStartingWorthInEveryHistory)
{
    Statistics s;
    EXPECT_EQ(500000, s.GetHistoryMonth(0));
    EXPECT_EQ(500000, s.GetHistoryYear(0));
    EXPECT_EQ(500000, s.GetHistoryTotal(0));
    EXPECT_EQ(0, s.GetHistoryMonth(30));
    EXPECT_EQ(0, s.GetHistoryYear(11));
    EXPECT_EQ(0, s.GetHistoryTotal(43));
    EXPECT_EQ(0, s.GetIncomes(Statistics::PERIOD_TOTAL));
}

TEST(Statistics, IncomeMovesFromCurrentMonthToLastMonthAndTotal)
{
    Statistics s;
    s.AddIncome(700);
    s.AddCost(300);
    EXPECT_EQ(700, s.GetIncomes(3));
    EXPECT_EQ(300, s.GetCosts(3));
    EXPECT_EQ(0, s.GetIncomes(2));
    s.MonthlyUpdate(1, 123456);
    EXPECT_EQ(0, s.GetIncomes(3));
    EXPECT_EQ(700, s.GetIncomes(2));
    EXPECT_EQ(700, s.GetIncomes(0));
    EXPECT_EQ(300, s.GetCosts(2));
    EXPECT_EQ(300, s.GetCosts(0));
    EXPECT_EQ(123456, s.GetHistoryYear(1));
    EXPECT_EQ(0, s.GetIncomes(4));
    EXPECT_EQ(0, s.GetCosts(-1));
}

TEST(Statistics, TheYearSumLagsOneMonthRollBehind)
{
    Statistics s;
    s.AddIncome(100);
    s.MonthlyUpdate(0, 0);
    // The month just rolled is not yet in the year sum; it joins at the next roll.
    EXPECT_EQ(0, s.GetIncomesCurrentYear());
    s.AddIncome(50);
    s.AddCost(20);
    s.MonthlyUpdate(1, 0);
    EXPECT_EQ(100, s.GetIncomesCurrentYear());
    EXPECT_EQ(0, s.GetCostsCurrentYear());
    s.YearlyUpdate(1960, 999);
    EXPECT_EQ(100, s.GetIncomes(1));
    EXPECT_EQ(0, s.GetIncomesCurrentYear());
    EXPECT_EQ(999, s.GetHistoryTotal(1));
    EXPECT_EQ(150, s.GetIncomes(0));
}

TEST(Statistics, PassengersInTheAirAndEver)
{
    Statistics s;
    s.AddPassengers(120);
    s.AddPassengers(30);
    s.RemovePassengers(120);
    EXPECT_EQ(30, s.GetPassengersInTheAir());
    EXPECT_EQ(150, s.GetPassengersEver());
}

TEST(Statistics, DailyUpdateWritesTheDayOfTheMonth)
{
    Statistics s;
    s.DailyUpdate(31, -5);
    s.DailyUpdate(1, 42);
    EXPECT_EQ(-5, s.GetHistoryMonth(30));
    EXPECT_EQ(42, s.GetHistoryMonth(0));
}

TEST(StatisticsDeathTest, HistoryReadsAreChecked)
{
    Statistics s;
    EXPECT_DEATH(s.GetHistoryMonth(31), "i<31");
    EXPECT_DEATH(s.GetHistoryYear(12), "i<12");
    EXPECT_DEATH(s.GetHistoryTotal(44), "i<44");
    EXPECT_DEATH(s.YearlyUpdate(2003, 0), "year roll");
}

TEST(Statistics, SavesAndLoadsEveryField)
{
    Statistics s;
    s.AddIncome(5000000000LL);
    s.AddCost(7);
    s.MonthlyUpdate(3, 1);
    s.AddIncome(11);
    s.AddPassengers(1234);
    s.DailyUpdate(17, -99);
    s.YearlyUpdate(2002, 123456789012LL);
    ConfigBlock block;
    s.Save(block);

    Statistics loaded;
    loaded.Load(block);
    EXPECT_TRUE(loaded == s);
    ConfigBlock again;
    loaded.Save(again);
    EXPECT_EQ(block.GetRaw(), again.GetRaw());
}

TEST(Statistics, MissingOrMisSizedKeysKeepTheCurrentValues)
{
    Statistics s;
    s.AddIncome(10);
    ConfigBlock block;
    block.Put("_pass_ever", int64_t{77});
    const uint8_t shortHistory[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    block.SetEntry(ConfigBlock::VALUE_ENTRY, "_history_year", 13, shortHistory, sizeof(shortHistory));
    s.Load(block);
    EXPECT_EQ(77, s.GetPassengersEver());
    EXPECT_EQ(10, s.GetIncomes(3));
    EXPECT_EQ(500000, s.GetHistoryYear(0));
}
