#include "Common/Backend/PackedRecord.h"
#include "Common/Backend/Plane.h"

#include "WorldFixtures.h"

#include <gtest/gtest.h>

namespace
{
class PlaneTest : public WorldTest
{
protected:
    void ShapeTables(TestTables& tables) override
    {
        tables.models[0].price = 1000000;
        tables.models[0].capacity = 150;
        tables.models[0].speed = 800;
        tables.models[0].range = 5000;
    }
};
} // namespace

TEST_F(PlaneTest, ANewPlaneIsWorthEightyFivePercent)
{
    Plane plane(0, "Plane1", start, 1);
    EXPECT_EQ(850000, plane.Value(start));
    EXPECT_EQ(0, plane.Age(start));
    EXPECT_EQ("Not Assigned", plane.Status());
    Enviroment::SetSurcharge(100);
    EXPECT_EQ(935000, plane.Value(start));
    Enviroment::SetSurcharge(-150);
    EXPECT_EQ(722500, plane.Value(start));
}

TEST_F(PlaneTest, ValueWearsDownButNeverBelowZero)
{
    Plane plane(0, "Old", start, 1);
    plane._flight_hours = 3500; // -0.1
    EXPECT_EQ(750000 - 10000 * 3, plane.Value(Time(1962, 6, 1)));
    plane._damages = 20;
    EXPECT_EQ(0, plane.Value(Time(1962, 6, 1)));
    Plane damaged(0, "Broken", start, 2);
    damaged._damaged = 1;
    damaged._repair_cost = 2000000;
    EXPECT_EQ(0, damaged.Value(start));
    EXPECT_EQ(0, plane.Age(Time(1958, 0, 1)));
}

TEST_F(PlaneTest, RunningCostsAndTheBuyingEstimate)
{
    Plane plane(0, "P", start, 1);
    // 1000000 x 0.005 x 1, at index 200.
    EXPECT_EQ(1000, plane.MaintenanceCost(start));
    plane._flight_hours = 35000;
    plane._damages = 10;
    EXPECT_EQ(3020, plane.MaintenanceCost(Time(1961, 0, 1)));
    // 1000000 x 0.00755 = 7550, x 0.2 = 1510, in whole hundreds 1500.
    EXPECT_EQ(1500, Plane::MaintenanceEstimate(0));
}

TEST_F(PlaneTest, RisksFollowTheMonthsRule)
{
    Plane plane(0, "P", start, 1);
    plane._flight_hours = 35000;
    plane._damages = 2;
    // One year and one month after the purchase the months part is 1: safe.
    EXPECT_EQ(0, plane.DamageRisk(Time(1960, 1, 5), 4000));
    EXPECT_EQ(0, plane.CrashRisk(Time(1960, 1, 5), 4000));
    const double full = (1 + 0.01 * 1) * 0.05 + 0.002 + 0.5 * 0.04;
    EXPECT_DOUBLE_EQ(full, plane.DamageRisk(Time(1960, 7, 1), 4000));
    EXPECT_DOUBLE_EQ(full / 2, plane.DamageRisk(Time(1960, 3, 1), 4000));
    const double crash = (1 + 0.01) * 0.005 + 0.001 + 0.04 * 0.04;
    EXPECT_DOUBLE_EQ(crash, plane.CrashRisk(Time(1960, 6, 1), 4000));
    EXPECT_DOUBLE_EQ(crash / 2, plane.CrashRisk(Time(1960, 5, 30), 4000));
}

TEST_F(PlaneTest, DamageSetsTheRepairAndStopsThePlane)
{
    for (uint32_t tick = 0; tick < 50; ++tick)
    {
        clock.Set(tick * 7919);
        Plane plane(0, "P", start, 1);
        plane._flight_state = Plane::PHASE_CHECK_IN;
        plane._running = 1;
        plane.Damage();
        EXPECT_GE(plane._repair_cost, 40000);
        EXPECT_LE(plane._repair_cost, 590000);
        EXPECT_EQ(1, plane._damaged);
        EXPECT_EQ(1, plane._damages);
        EXPECT_EQ(33, plane._flight_state);
        EXPECT_EQ(0, plane._running);
        EXPECT_EQ("Damaged", plane.Status());
    }
}

TEST_F(PlaneTest, StatusTexts)
{
    Plane plane(0, "P", start, 1);
    plane.SetRoute(std::make_unique<Route>(4));
    plane._flight_state = Plane::PHASE_REFUEL;
    EXPECT_EQ("Refuel", plane.Status());
    plane._flight_state = Plane::PHASE_FLIGHT;
    plane.GetRoute()->_passengers_per_flight = 400;
    EXPECT_EQ("Flight (150 passeng.)", plane.Status());
    plane._flight_state = Plane::PHASE_CHECK_IN;
    EXPECT_EQ("Check In", plane.Status());
    plane._flight_state = 7;
    EXPECT_EQ("Not Assigned", plane.Status());
    plane._flight_state = Plane::STOPPED | Plane::PHASE_REFUEL;
    plane._stop_reason = 6;
    EXPECT_EQ("Military maneuvers", plane.Status());
    plane._stop_reason = 12;
    EXPECT_EQ("Paused", plane.Status());
    plane._stop_reason = 19;
    EXPECT_EQ("VIP transport", plane.Status());
    plane._damaged = 1;
    EXPECT_EQ("Damaged", plane.Status());
}

TEST_F(PlaneTest, HaltAndResume)
{
    Plane plane(0, "P", start, 1);
    plane._running = 1;
    plane._flight_state = Plane::PHASE_CHECK_IN;
    EXPECT_TRUE(plane.Halt());
    EXPECT_EQ(33, plane._flight_state);
    EXPECT_EQ(0, plane._running);
    EXPECT_EQ(Plane::PHASE_REFUEL, plane.Resume());
    EXPECT_EQ(1, plane._running);
    plane._flight_state = Plane::PHASE_FLIGHT;
    EXPECT_FALSE(plane.Halt());
    EXPECT_EQ(-1, plane.Resume());
    plane._flight_state = Plane::PHASE_NONE;
    EXPECT_EQ(0, plane.Resume());
}

TEST_F(PlaneTest, SavesAndLoadsWithItsRoute)
{
    Plane plane(0, "Jumbo", Time(1961, 3, 4, 5, 6, 7), 12);
    plane._damages = 3;
    plane._flight_hours = 1234.5678;
    plane._damaged = 1;
    plane._repair_cost = 99999;
    plane._flight_state = 33;
    plane._stop_reason = 17;
    plane._running = 1;
    plane._profit = -123456789012LL;
    plane._pass_carried = 5000;
    plane._pass_on_board = 120;
    plane._pass_flown = 4100;
    plane._next_id = 14;
    auto route = std::make_unique<Route>(4);
    route->SetDestination(5);
    route->ComputeDuration(800);
    route->_agency_tickets = 10;
    route->_hold[1] = 1;
    plane.SetRoute(std::move(route));
    ConfigBlock block;
    plane.Save(block);
    const uint8_t* data = nullptr;
    int32_t length = 0;
    ASSERT_TRUE(block.FindEntry("p", 1, data, length));
    EXPECT_EQ(58, length);

    Plane loaded(1, "", Time(), 0);
    std::string error;
    ASSERT_TRUE(loaded.Load(block, &error)) << error;
    EXPECT_TRUE(loaded == plane);
    EXPECT_EQ(4100, loaded._pass_flown);
    ConfigBlock again;
    loaded.Save(again);
    EXPECT_EQ(block.GetRaw(), again.GetRaw());

    // A saved plane without a route drops the one the object had.
    Plane bare(0, "Bare", start, 13);
    ConfigBlock bareBlock;
    bare.Save(bareBlock);
    ASSERT_TRUE(loaded.Load(bareBlock, &error));
    EXPECT_FALSE(loaded.HasRoute());
}

TEST_F(PlaneTest, APlaneOfAnUnknownModelIsRefused)
{
    Plane plane(0, "P", start, 1);
    ConfigBlock block;
    plane.Save(block);
    PackedRecord p;
    ASSERT_TRUE(p.LoadFrom(block, "p"));
    std::vector<uint8_t> bytes = p.Bytes();
    bytes[0] = 106;
    block.SetEntry(ConfigBlock::VALUE_ENTRY, "p", 1, bytes.data(), static_cast<int32_t>(bytes.size()));
    std::string error;
    EXPECT_FALSE(plane.Load(block, &error));
    EXPECT_NE(std::string::npos, error.find("model 106"));
    EXPECT_EQ(0, plane._model);
}
