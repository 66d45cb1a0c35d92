// A whole game on the world tables that ship in the data file: the real
// airports, distances and plane models drive the events from 1959 to 2003.
#include "CarefulPlayer.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/EventListener.h"
#include "Common/Backend/Events/EventRegistry.h"
#include "Common/Backend/FleetRules.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/NoticeSink.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/ScheduledEvent.h"
#include "Common/Backend/ShippedEntries.h"
#include "Common/Backend/TestWorld.h"
#include "Common/Backend/TimeSimulation.h"
#include "WinCE/Random.h"
#include "WinCE/TickCount.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace
{
// A state of emergency at an airport takes every plane off the routes that
// touch it. Once the home airport is open again, a player sets each such
// plane up on the first neighbour it may fly to, as the route screens offer.
void RouteIdlePlanes(Company& company, int32_t home, const Time& now)
{
    if (!FleetRules::IsStartingAirport(home))
        return;
    for (int32_t i = 0; i < company.GetPlaneCount(); ++i)
    {
        Plane* plane = company.GetPlane(i);
        if (plane->GetRoute() || plane->_damaged)
            continue;
        const std::vector<int32_t> destinations = FleetRules::Destinations(*plane, home);
        if (!destinations.empty() && FleetRules::IsStartingAirport(home))
            FleetRules::SetUpRoute(plane, home, destinations.front(), 1, 1, now);
    }
}
} // namespace

TEST(ShippedTablesGame, AWholeGameRunsToTheFinalYear)
{
    const std::vector<uint8_t> models = ReadShippedEntry("planemodels_rsc");
    const std::vector<uint8_t> airports = ReadShippedEntry("airports_rsc");
    if (models.empty() || airports.empty())
        GTEST_SKIP() << "the world tables are not in Data/Entries";
    FakeClock clock(5000);
    std::string error;
    TestWorld world;
    ASSERT_TRUE(world.Create(models, airports, &error)) << error;
    world.StartScheduler();
    CarefulPlayer player;
    world.SendNoticesTo(&player);
    SRand(31);

    const int32_t home = 0;
    ASSERT_TRUE(GameState::NewGame("Shipped Air", home));
    TimeSimulation::SetEventListener(&player);
    Company& company = *Enviroment::GetCompany();
    const Time start = TimeSimulation::GetCurrGameTime();
    company.Earn(4000000000LL, false);
    int32_t flying = 0;
    for (int32_t k = 0; k < 4; ++k)
    {
        const int32_t destination = Enviroment::GetNeighbour(home, k);
        int32_t model = -1;
        for (int32_t m = 0; m < AVAIL_MODELS; ++m)
        {
            if (Enviroment::GetModelAvailability(m) == Enviroment::MODEL_ON_SALE &&
                Enviroment::GetPlaneModel(m)._range >=
                    static_cast<uint32_t>(Enviroment::GetDistance(home, destination)) &&
                (model < 0 || Enviroment::GetPlaneModel(m)._price < Enviroment::GetPlaneModel(model)._price))
                model = m;
        }
        if (model < 0 || !company.MayOpenRoute(home, destination))
            continue;
        Plane* plane = company.BuyPlane(model, "Liner", start);
        ASSERT_NE(nullptr, plane);
        company.OpenRoute(plane, home, destination, 1, 1, start);
        ++flying;
    }
    ASSERT_GT(flying, 0);

    uint32_t ticks = 7;
    const int64_t events = GameState::RunUntil(Time(2003, 0, 2),
                                               [&]
                                               {
                                                   player.Answer();
                                               RouteIdlePlanes(company, home,
                                                               TimeSimulation::GetCurrGameTime());
                                                   ticks = ticks * 1103515245u + 12345u;
                                                   clock.Advance(1 + (ticks >> 16) % 4000);
                                                   return player.gameOver == 0;
                                               });
    EXPECT_EQ(Notices::GAME_OVER_FINAL_YEAR, player.gameOver);
    EXPECT_GT(events, 10000);
    EXPECT_EQ(44, player.fired[204]);
    EXPECT_GT(player.fired[207], 0) << "new models come on the market";
    EXPECT_GT(player.fired[208], 0) << "and are withdrawn";
    EXPECT_GT(player.fired[1], 20000) << "planes fly all along";
    EXPECT_GT(company.GetPlaneCount(), 0);
    ::testing::Test::RecordProperty("events", std::to_string(events));
}
