#include "Common/Backend/ModelReturn.h"

#include "WorldFixtures.h"

#include <gtest/gtest.h>

namespace
{
// In the test tables airport i has size 50, 100, 150, 200 or 250 by i mod 5
// and the next six airports as neighbours, 1000 km away and then 500 km more
// each: airport 4 (size 250) reaches 5 (size 50) at 1000 km, 6 (size 100) at
// 1500 km and 9 (size 250) at 3000 km. Model i costs 500000 + 10000 i and
// flies at 600 + i km/h.
class ModelReturnTest : public WorldTest
{
protected:
    void ShapeTables(TestTables& tables) override
    {
        tables.models[SMALL].capacity = 40;
        tables.models[SHORT_RANGE].range = 1200;
        tables.models[NO_RANGE].range = 900;
    }
    static constexpr int32_t SMALL = 1;
    static constexpr int32_t SHORT_RANGE = 2;
    static constexpr int32_t NO_RANGE = 3;
};
} // namespace

TEST_F(ModelReturnTest, FiguresFollowTheRouteAndTheModel)
{
    struct Case
    {
        const char* what;
        int32_t model;
        int32_t source;
        int32_t destination;
        bool valid;
        int32_t distance;
        int32_t legs;
        int32_t fewestPassengers;
        int32_t mostPassengers;
    };
    // Medium price and service draw 90 to 109 % of the researched demand:
    // 97 passengers between sizes 250 and 50, 162 between two of size 250.
    // A leg takes the flight plus two hours before it and ten after it.
    const Case cases[] = {
        {"1000 km at 600 km/h: 100 + 720 minutes a leg", 0, 4, 5, true, 1000, 525600 / 820, 87, 106},
        {"a cabin below the demand flies full", SMALL, 4, 9, true, 3000, 525600 / (720 + 3000 * 60 / 601), 40, 40},
        {"a route beyond the model's range", SHORT_RANGE, 4, 6, false, 0, 0, 0, 0},
        {"an airport that is no neighbour", 0, 4, 11, false, 0, 0, 0, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        const ModelReturn::Figures f = ModelReturn::OnRoute(c.model, c.source, c.destination, 200);
        ASSERT_EQ(c.valid, f.Valid());
        if (!c.valid)
            continue;
        EXPECT_EQ(c.model, f.model);
        EXPECT_EQ(c.distance, f.distance);
        EXPECT_EQ(c.legs, f.legsPerYear);
        EXPECT_GE(f.passengers, c.fewestPassengers);
        EXPECT_LE(f.passengers, c.mostPassengers);
        EXPECT_EQ(Enviroment::GetPlaneModel(c.model)._price, f.price);
        EXPECT_EQ(static_cast<int32_t>(f.yearlyNet * 100 / f.price), f.percent);
    }
}

TEST_F(ModelReturnTest, AYearIsTheFlightsLessUpkeepAndRouteFees)
{
    const ModelReturn::Figures f = ModelReturn::OnRoute(0, 4, 5, 200);
    ASSERT_TRUE(f.Valid());
    const int64_t n = f.passengers;
    // Ticket base 6 x 31 = 186 at 1000 km; the flight's service part is a
    // tenth of it for each passenger and its operating part 3 x 150 x 31.
    EXPECT_EQ(n * 186 * 200 / 1000 - (18 * n + 3 * 150 * 31) * 200 / 1000, f.flightNet);
    // Upkeep: half a percent of the price a month. Fee: a fifth of the setup
    // cost, half of (102000 + the research cost 105000 at airport 5 with game
    // seed 7), all at index 200.
    const int64_t upkeep = 500000 * 5 / 1000 * 200 / 1000;
    const int64_t fee = (102000 * 200 / 1000 + 105000 * 200 / 1000) / 2 / 5 * 200 / 1000;
    EXPECT_EQ(f.flightNet * f.legsPerYear - 12 * upkeep - 12 * fee, f.yearlyNet);
}

TEST_F(ModelReturnTest, TheGamesIndexAndRandomStreamAreLeftAsFound)
{
    Enviroment::RaiseCostIndex(100);
    Enviroment::SetSurcharge(50);
    SRand(99);
    const uint32_t stream = GetRandState();

    const ModelReturn::Figures dear = ModelReturn::OnRoute(0, 4, 5, 600);
    EXPECT_EQ(350, Enviroment::GetCostIndex());
    EXPECT_EQ(50, Enviroment::GetSurcharge());
    EXPECT_EQ(stream, GetRandState());

    // The answer does not depend on the game's stream, and the index asked
    // for is the one applied: three times 200 gives three times the flight's
    // net, give or take the cut of each step.
    SRand(4242);
    const ModelReturn::Figures again = ModelReturn::OnRoute(0, 4, 5, 600);
    EXPECT_EQ(dear.yearlyNet, again.yearlyNet);
    const ModelReturn::Figures cheap = ModelReturn::OnRoute(0, 4, 5, 200);
    EXPECT_EQ(600, dear.costIndex);
    EXPECT_NEAR(3 * cheap.flightNet, dear.flightNet, 6);
}

TEST_F(ModelReturnTest, BestRouteSearchesTheWorldOrOnlyTheLargestAirports)
{
    const ModelReturn::Figures best = ModelReturn::BestRoute(0, 200, false);
    const ModelReturn::Figures largest = ModelReturn::BestRoute(0, 200, true);
    ASSERT_TRUE(best.Valid());
    ASSERT_TRUE(largest.Valid());
    EXPECT_EQ(250, Enviroment::GetAirportSize(largest.source));
    EXPECT_EQ(250, Enviroment::GetAirportSize(largest.destination));
    EXPECT_GE(best.yearlyNet, largest.yearlyNet);
    for (int32_t slot = 0; slot < AirportInfo::NEIGHBOURS; ++slot)
    {
        const int32_t to = Enviroment::GetNeighbour(4, slot);
        const ModelReturn::Figures f = ModelReturn::OnRoute(0, 4, to, 200);
        if (f.Valid())
        {
            EXPECT_LE(f.yearlyNet, best.yearlyNet) << "route to " << to;
        }
    }
    // Every neighbour lies at least 1000 km away: a 900-km model reaches none.
    EXPECT_FALSE(ModelReturn::BestRoute(NO_RANGE, 200, false).Valid());
    EXPECT_FALSE(ModelReturn::BestRoute(NO_RANGE, 200, true).Valid());
}
