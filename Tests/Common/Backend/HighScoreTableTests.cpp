#include "Common/Backend/HighScoreTable.h"

#include <gtest/gtest.h>

namespace
{
HighScoreTable DefaultTable()
{
    HighScoreTable table(HighScoreTable::GAME_CAPACITY);
    table.FillDefaults();
    return table;
}
} // namespace

TEST(HighScoreTable, DefaultsRankStrictlyInTheirOrder)
{
    const HighScoreTable table = DefaultTable();
    ASSERT_EQ(10, table.GetCount());
    EXPECT_EQ("Sunshine Air", table.Get(0)._name);
    EXPECT_EQ(1000000000, table.Get(0)._worth);
    EXPECT_EQ(2002, table.Get(0)._year);
    EXPECT_EQ(1000000, table.Get(9)._worth);
    EXPECT_EQ(1960, table.Get(9)._year);
    for (int32_t i = 0; i + 1 < table.GetCount(); ++i)
    {
        EXPECT_TRUE(table.Get(i).RanksAbove(table.Get(i + 1)));
        EXPECT_FALSE(table.Get(i + 1).RanksAbove(table.Get(i)));
    }
}

TEST(HighScoreTable, EqualWorthRanksByYear)
{
    HighScoreTable table = DefaultTable();
    // Equal to the last entry (1000000, 1960): does not qualify.
    EXPECT_FALSE(table.Qualifies("Late", 1000000, 1960));
    EXPECT_FALSE(table.Qualifies("Later", 1000000, 1961));
    EXPECT_TRUE(table.Qualifies("Earlier", 1000000, 1959));
    EXPECT_FALSE(table.Qualifies("Poor", 999999, 1959));

    // Equal to the third entry (200000000, 1995).
    EXPECT_EQ(2, table.RankOf("Same", 200000000, 1995));
    EXPECT_EQ(2, table.RankOf("Earlier", 200000000, 1990));
    EXPECT_EQ(3, table.RankOf("Later", 200000000, 1996));

    table.Insert({"Same", 200000000, 1995});
    EXPECT_EQ("Same", table.Get(2)._name);
    EXPECT_EQ("Sunshine Air", table.Get(3)._name);
    EXPECT_EQ(200000000, table.Get(3)._worth);
    // The last default dropped out.
    EXPECT_EQ(2000000, table.Get(9)._worth);
    EXPECT_EQ(10, table.GetCount());
}

TEST(HighScoreTable, AResultBelowAllIsDropped)
{
    HighScoreTable table = DefaultTable();
    table.Insert({"Poor", 5, 2002});
    for (int32_t i = 0; i < 10; ++i)
        EXPECT_NE("Poor", table.Get(i)._name);
    table.Insert({"Best", 5000000000LL, 2002});
    EXPECT_EQ("Best", table.Get(0)._name);
    EXPECT_EQ(0, table.RankOf("Best", 5000000000LL, 2001));
    EXPECT_EQ(10, table.RankOf("Poor", 5, 2002));
}

TEST(HighScoreTable, AFreePlaceTakesAnyResultInRankOrder)
{
    HighScoreTable table(3);
    EXPECT_TRUE(table.Qualifies("A", 1, 2000));
    table.Insert({"Low", 10, 1990});
    table.Insert({"High", 30, 1990});
    table.Insert({"Mid", 20, 1990});
    ASSERT_EQ(3, table.GetCount());
    EXPECT_EQ("High", table.Get(0)._name);
    EXPECT_EQ("Mid", table.Get(1)._name);
    EXPECT_EQ("Low", table.Get(2)._name);
}

TEST(HighScoreTable, SavesAndLoadsReplacingTheDefaults)
{
    HighScoreTable table = DefaultTable();
    table.Insert({"Jet Set", 750000000, 1999});
    table.Insert({"Tie", 1000000000, 2002});
    ConfigBlock block;
    table.Save(block);
    int64_t worth = 0;
    ASSERT_TRUE(block.Get("HS1", worth));
    EXPECT_EQ(1000000000, worth);

    HighScoreTable loaded = DefaultTable();
    loaded.Load(block);
    ASSERT_EQ(10, loaded.GetCount());
    for (int32_t i = 0; i < 10; ++i)
        EXPECT_EQ(table.Get(i), loaded.Get(i)) << i;
    ConfigBlock again;
    loaded.Save(again);
    EXPECT_EQ(block.GetRaw(), again.GetRaw());
}

TEST(HighScoreTable, LoadStopsAtTheFirstMissingEntry)
{
    ConfigBlock block;
    block.Put("HS0", int64_t{42});
    block.PutString("HSName0", "Only");
    block.Put("HSYear0", int32_t{1970});
    block.Put("HS2", int64_t{99});
    HighScoreTable table = DefaultTable();
    table.Load(block);
    ASSERT_EQ(1, table.GetCount());
    EXPECT_EQ("Only", table.Get(0)._name);
    EXPECT_TRUE(table.Qualifies("Any", 1, 2002));
}

TEST(HighScoreTableDeathTest, ReadingPastTheEntriesInUseIsAnError)
{
    HighScoreTable table(2);
    table.Insert({"A", 1, 1990});
    EXPECT_DEATH(table.Get(2), "index > _currententries");
}
