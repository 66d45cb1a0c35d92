#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/PackedRecord.h"

#include "WorldFixtures.h"

#include <gtest/gtest.h>

namespace
{
// In the test tables airport 4 has size 250; its neighbours are 5..10 with
// sizes 50, 100, 150, 200, 250, 50 and distances 1000, 1500, ... km.
constexpr int32_t BIG = 4;

class AirportDetailsTest : public WorldTest
{
};

class HugeAirportTest : public WorldTest
{
protected:
    void ShapeTables(TestTables& tables) override
    {
        tables.airports[BIG].size = 20000;
        tables.airports[5].size = 20000;
    }
};
} // namespace

TEST_F(AirportDetailsTest, ResearchDemandFollowsBothAirportSizes)
{
    AirportDetails d(BIG, 1);
    d.Gather(start);
    // Two size-250 airports: s = 5000, v = 3500 + 3000, demand 1625.
    EXPECT_EQ(1625, d.GetDemand(4));
    // 250 and 50: s = 3000, v = 2100 + 1800 = 3900, demand 975.
    EXPECT_EQ(975, d.GetDemand(0));
    EXPECT_EQ(162, d.DemandFor(4));
    for (int32_t v : {d._event_chance, d._smuggling_risk, d._strike_risk, d._weather_risk})
    {
        EXPECT_GE(v, 0);
        EXPECT_LT(v, 5000);
    }
    EXPECT_TRUE(d._research_date.Equals(start));
}

TEST_F(HugeAirportTest, DemandAboveTheCapIsStoredAsTenThousand)
{
    AirportDetails d(BIG, 1);
    d.Gather(start);
    EXPECT_EQ(10000, d.GetDemand(0));
    d.SetDemand(1, 40001);
    EXPECT_EQ(10000, d.GetDemand(1));
}

TEST_F(AirportDetailsTest, PricesFollowSizeSeedAndCostIndex)
{
    // Seed 7 at airport 4: (7 x 4) mod 20 = 8, so 90 % + 8 % of the base.
    EXPECT_EQ((810000 + 72000) * 200 / 1000, AirportDetails::OfficePrice(BIG));
    EXPECT_EQ((405000 + 36000) * 200 / 1000, AirportDetails::ResearchCost(BIG));
    // 120 x 1000000 / 80 x (250 / 2.5 / 100) x (90 + 7) / 100 x 0.2.
    EXPECT_EQ(291000, AirportDetails::AdvertisingCost(BIG, 120));
    Enviroment::RaiseCostIndex(800);
    EXPECT_EQ(882000, AirportDetails::OfficePrice(BIG));
}

TEST_F(AirportDetailsTest, CampaignRunsItsTwelveMonthsAndLeavesItsLastingPart)
{
    AirportDetails d(BIG, 1);
    d.SetDemand(0, 1000);
    int32_t snapshot[6];
    d.StartCampaign(40, snapshot);
    EXPECT_EQ(1000, snapshot[0]);
    EXPECT_EQ(0, d._bonus[0]);
    EXPECT_EQ(800, d._adv_efficiency);
    d.ApplyCampaignMonth(snapshot, 40, 12);
    EXPECT_EQ(20, d._bonus[0]);
    for (int32_t left = 11; left >= 1; --left)
        d.ApplyCampaignMonth(snapshot, 40, left);
    EXPECT_EQ(30, d._bonus[0]);
    d.CloseCampaign(snapshot, 40);
    EXPECT_EQ(0, d._bonus[0]);
    EXPECT_EQ(1030, d.GetDemand(0));
}

TEST_F(AirportDetailsTest, RepeatedLargeCampaignsFloorTheEfficiencyAtTen)
{
    AirportDetails d(BIG, 1);
    int32_t snapshot[6];
    for (int i = 0; i < 12; ++i)
    {
        d.StartCampaign(120, snapshot);
        EXPECT_GE(d._adv_efficiency, 10);
    }
    EXPECT_EQ(10, d._adv_efficiency);
    EXPECT_FALSE(d.GrowEfficiency(120));
    EXPECT_EQ(130, d._adv_efficiency);
    d._adv_efficiency = 950;
    EXPECT_TRUE(d.GrowEfficiency(80));
    EXPECT_EQ(1000, d._adv_efficiency);
}

TEST_F(AirportDetailsTest, RouteResponseWalksTheSlotsUpToTheDestination)
{
    AirportDetails d(BIG, 1);
    for (int32_t i = 0; i < 6; ++i)
        d.SetDemand(i, 1000);
    d.SetDemand(5, 9990);
    // Low price, high service: E = 25, half 12.
    d.RespondToRoute(2, 0, 2);
    EXPECT_EQ(1012, d.GetDemand(0));
    EXPECT_EQ(1012, d.GetDemand(1));
    EXPECT_EQ(1037, d.GetDemand(2));
    EXPECT_EQ(1000, d.GetDemand(3));
    // High price, low service: E = -25, half -12 (cut toward zero); the
    // destination takes both steps: 9990 x 0.988 = 9870, x 0.975 = 9623.
    d.RespondToRoute(5, 2, 0);
    EXPECT_EQ(9623, d.GetDemand(5));
    d.SetDemand(5, 9990);
    d.RespondToRoute(5, 0, 2);
    EXPECT_EQ(10000, d.GetDemand(5));
}

TEST_F(AirportDetailsTest, RisksDriftWithinBoundsAndHaveCategories)
{
    AirportDetails d(BIG, 1);
    d._smuggling_risk = 0;
    d._weather_risk = 4999;
    for (int i = 0; i < 200; ++i)
    {
        d.RandomiseRisks();
        for (int32_t v : {d._event_chance, d._smuggling_risk, d._strike_risk, d._weather_risk})
            ASSERT_TRUE(v >= 0 && v <= 4999) << v;
    }
    d._strike_risk = 4999;
    d._weather_risk = 999;
    d._smuggling_risk = 2000;
    EXPECT_EQ(4, d.RiskCategory(AirportDetails::RISK_STRIKE));
    EXPECT_EQ(0, d.RiskCategory(AirportDetails::RISK_WEATHER));
    EXPECT_EQ(2, d.RiskCategory(AirportDetails::RISK_SMUGGLING));
    EXPECT_STREQ("very high", AirportDetails::RiskName(4));
}

TEST_F(AirportDetailsTest, StalenessNeedsAYearAndNoBusiness)
{
    AirportDetails d(BIG, 1);
    d._research_date = start;
    EXPECT_FALSE(d.IsStale(Time(1959, 11, 31)));
    EXPECT_TRUE(d.IsStale(Time(1960, 0, 1)));
    d._office = 1;
    EXPECT_FALSE(d.IsStale(Time(1961, 0, 1)));
    d._office = 0;
    d.RouteInOpened();
    EXPECT_FALSE(d.IsStale(Time(1961, 0, 1)));
    d.RouteInClosed(Time(1961, 0, 1));
    EXPECT_FALSE(d.IsStale(Time(1961, 5, 1)));
    d._event_state = AirportDetails::OFFER_ROUTE;
    EXPECT_FALSE(d.IsStale(Time(1963, 0, 1)));
}

TEST_F(AirportDetailsTest, NeighbourMarksReportChanges)
{
    AirportDetails d(BIG, 1);
    EXPECT_TRUE(d.MarkNeighbour(3));
    EXPECT_FALSE(d.MarkNeighbour(3));
    EXPECT_TRUE(d.IsMarked(3));
    EXPECT_EQ(5, d.UnservedNeighbourCount());
    EXPECT_TRUE(d.UnmarkNeighbour(3));
    EXPECT_FALSE(d.UnmarkNeighbour(3));
}

TEST_F(AirportDetailsTest, DeathOnAFifthRouteOutOrASeventhSlot)
{
    AirportDetails d(BIG, 1);
    for (int i = 0; i < 4; ++i)
        d.RouteOutOpened();
    EXPECT_DEATH(d.RouteOutOpened(), "_route_out_cnt<=4");
    EXPECT_DEATH(d.MarkNeighbour(6), "dst < 6");
}

TEST_F(AirportDetailsTest, IncidentsTakeTheirShareOfTheDemand)
{
    AirportDetails d(BIG, 1);
    d.SetDemand(0, 5000);
    d.ApplyIncidentLoss(50);
    EXPECT_EQ(4900, d.GetDemand(0));
    d.SetDemand(0, 5000);
    d.ApplyIncidentLoss(10);
    EXPECT_EQ(4500, d.GetDemand(0));
    // The loss is measured on base plus bonus but never folds the bonus into
    // the base.
    d.SetDemand(0, 5000);
    d._bonus[0] = 1000;
    d.ApplyIncidentLoss(50);
    EXPECT_EQ(4880, d.GetDemand(0));
    d.SetDemand(1, 5000);
    d.SetDemand(2, 9500);
    d.ScaleDemand(110, 100);
    EXPECT_EQ(5500, d.GetDemand(1));
    EXPECT_EQ(10000, d.GetDemand(2));
}

TEST_F(AirportDetailsTest, ClosingAndReopening)
{
    AirportDetails d(BIG, 1);
    d._event_pending = 1;
    d.Close(AirportDetails::CLOSED_FOG);
    EXPECT_EQ(0, d._open);
    EXPECT_EQ(0, d._event_pending);
    // A second closure keeps it closed instead of toggling it open.
    d.Close(AirportDetails::CLOSED_BAD_WEATHER);
    EXPECT_EQ(0, d._open);
    d.Reopen();
    EXPECT_EQ(1, d._open);
    EXPECT_EQ(0, d._closure_reason);
}

TEST_F(AirportDetailsTest, MonthlyCheckSchedulesBadWeatherInsideItsWindow)
{
    AirportDetails d(BIG, 1);
    d._event_chance = 4000;
    d._result_curr = 77;
    SRand(99);
    Rand();
    const int32_t r1 = Rand() % 100000;
    const int32_t day = Rand() % 28;
    const int32_t hour = Rand() % 24;
    clock.Set(static_cast<uint32_t>(r1 + 1));
    SRand(99);
    d.MonthlyAirportCheck(Time(1960, 2, 1));
    const RecordedEvent* e = hooks.Last("airport", WorldEventHooks::BAD_WEATHER);
    ASSERT_NE(nullptr, e);
    EXPECT_TRUE(e->at.Equals(Time(1960, 2, 1).Add(0, 0, day, hour, 0, 0)));
    EXPECT_EQ(1, d._event_pending);
    // No roll of the monthly result in a month with an incident.
    EXPECT_EQ(77, d._result_curr);

    // With no chance and the tick far outside every window nothing happens
    // and the result rolls over.
    d._event_chance = 0;
    clock.Set(0);
    d.MonthlyAirportCheck(Time(1960, 3, 1));
    EXPECT_EQ(0, d._result_curr);
    EXPECT_EQ(77, d._result_last);
}

TEST_F(AirportDetailsTest, WeeklyCheckDrawsNothingWhileAnIncidentIsPending)
{
    AirportDetails d(BIG, 1);
    d._event_pending = 1;
    d._strike_risk = 4999;
    const uint32_t state = GetRandState();
    d.WeeklyAirportCheck(start);
    EXPECT_EQ(state, GetRandState());
    EXPECT_TRUE(hooks.events.empty());
}

TEST_F(AirportDetailsTest, OfferChancesStayBetweenSometimesAndOften)
{
    AirportDetails d(BIG, 1);
    EXPECT_EQ(0, d.RouteOfferChance(true));
    EXPECT_EQ(650, d.RouteOfferChance(false));
    d.RouteOutOpened();
    d.RouteOutOpened();
    EXPECT_EQ(450, d.RouteOfferChance(false));
    for (uint32_t i = 0; i < 6; ++i)
        d.MarkNeighbour(i);
    EXPECT_EQ(0, d.RouteOfferChance(false));
    EXPECT_EQ(150, d.CharityOfferChance());
    EXPECT_EQ(300, d.VipOfferChance());
    AirportDetails small(0, 2); // size 50
    EXPECT_EQ(250, small.RouteOfferChance(false));
    EXPECT_EQ(300, small.CharityOfferChance());
    EXPECT_EQ(100, small.VipOfferChance());
}

TEST_F(AirportDetailsTest, SavesAndLoadsEveryField)
{
    AirportDetails d(BIG, 3);
    d.Gather(Time(1962, 4, 5, 6, 7, 8));
    d._bonus[2] = -17;
    d._adv_efficiency = 333;
    d._office = 1;
    d._office_fee = Company::MAX_PLAUSIBLE_FEE;
    d.RouteOutOpened();
    d.RouteInOpened();
    d.MarkNeighbour(5);
    d._result_curr = -5;
    d._result_last = 6;
    d._event_state = AirportDetails::OFFER_VIP;
    d._reserved_a = 7;
    d._event_value = 55500;
    d._expiry_date = Time(1962, 5, 1);
    d._event_mark = 9;
    d._route_offer_pending = 1;
    d._special_offer_pending = 1;
    d._next_id = -1;
    d._event_pending = 1;
    d.Close(AirportDetails::CLOSED_EMERGENCY);
    ConfigBlock block;
    d.Save(block);
    const uint8_t* data = nullptr;
    int32_t length = 0;
    ASSERT_TRUE(block.FindEntry("a", 1, data, length));
    EXPECT_EQ(144, length);

    AirportDetails loaded(0, 0);
    std::string error;
    ASSERT_TRUE(loaded.Load(block, &error)) << error;
    EXPECT_TRUE(loaded == d);
    EXPECT_EQ(1, loaded._special_offer_pending);
    ConfigBlock again;
    loaded.Save(again);
    EXPECT_EQ(block.GetRaw(), again.GetRaw());

    // A save from before the mark was kept: no offer made this year.
    ConfigBlock older;
    older.SetEntry(ConfigBlock::VALUE_ENTRY, "a", 1, data, length);
    AirportDetails fromOlder(0, 0);
    ASSERT_TRUE(fromOlder.Load(older, &error)) << error;
    EXPECT_EQ(0, fromOlder._special_offer_pending);
    EXPECT_EQ(1, fromOlder._route_offer_pending);
}

TEST_F(AirportDetailsTest, DamagedRecordsAreRefused)
{
    AirportDetails d(BIG, 3);
    ConfigBlock block;
    const uint8_t shortRecord[100] = {};
    block.SetEntry(ConfigBlock::VALUE_ENTRY, "a", 1, shortRecord, sizeof(shortRecord));
    std::string error;
    EXPECT_FALSE(d.Load(block, &error));
    EXPECT_NE(std::string::npos, error.find("144"));
    EXPECT_EQ(BIG, d._airport);

    AirportDetails bad(200 % 138, 4);
    ConfigBlock saved;
    bad.Save(saved);
    PackedRecord record;
    ASSERT_TRUE(record.LoadFrom(saved, "a"));
    std::vector<uint8_t> bytes = record.Bytes();
    bytes[0] = 0xFF; // airport index becomes negative or out of the table
    bytes[3] = 0x7F;
    saved.SetEntry(ConfigBlock::VALUE_ENTRY, "a", 1, bytes.data(), static_cast<int32_t>(bytes.size()));
    EXPECT_FALSE(d.Load(saved, &error));
    EXPECT_NE(std::string::npos, error.find("airport"));

    // Without the record only the dates are read.
    ConfigBlock datesOnly;
    ConfigBlock date;
    Time(1970, 1, 2).Save(date);
    datesOnly.PutBlock("_research_date", date);
    EXPECT_TRUE(d.Load(datesOnly, &error));
    EXPECT_TRUE(d._research_date.Equals(Time(1970, 1, 2)));
    EXPECT_EQ(BIG, d._airport);
}
