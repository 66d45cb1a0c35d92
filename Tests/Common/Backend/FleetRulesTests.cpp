#include "Common/Backend/FleetRules.h"

#include "Common/Backend/Notices.h"
#include "Common/Backend/Route.h"
#include "WorldFixtures.h"

#include <gtest/gtest.h>

namespace
{
// Airport i has neighbours i+1 .. i+6 at 1000, 1500, ..., 3500 km. Model 0
// reaches 1200 km, model 1 reaches 5000 km.
constexpr int32_t HOME = 4;

class FleetRulesTest : public WorldTest
{
protected:
    void ShapeTables(TestTables& tables) override
    {
        tables.models[0] = TestModel{"Short", 1950, 1990, 100000, 500, 1200, 50, 24};
        tables.models[1] = TestModel{"Long", 1950, 1990, 200000, 800, 5000, 150, 24};
    }
    void SetUp() override
    {
        WorldTest::SetUp();
        company().OpenStartingAirport(HOME, start);
    }
    void OnlyOnSale(std::initializer_list<int32_t> models)
    {
        for (int32_t m = 0; m < AVAIL_MODELS; ++m)
            Enviroment::SetModelAvailability(m, Enviroment::MODEL_UNSERVICED);
        for (const int32_t m : models)
            Enviroment::SetModelAvailability(m, Enviroment::MODEL_ON_SALE);
    }
    Plane* Buy(int32_t model)
    {
        company().Earn(1000000, false);
        return company().BuyPlane(model, "P" + std::to_string(company().NextPlaneId()), start);
    }
};
} // namespace

TEST_F(FleetRulesTest, TheMarketCyclesThroughTheModelsOnSale)
{
    const struct
    {
        const char* what;
        std::initializer_list<int32_t> onSale;
        int32_t from, step, expected;
    } cases[] = {
        {"one model on sale stays put", {40}, 40, 1, 40},
        {"one model on sale stays put backwards", {40}, 40, -1, 40},
        {"from the last model to the first", {0, 50, 105}, 105, 1, 0},
        {"from the first model to the last", {0, 50, 105}, 0, -1, 105},
        {"models not on sale are skipped", {3, 90}, 3, 1, 90},
        {"the first on sale from nowhere", {7, 9}, -1, 1, 7},
        {"the last on sale from nowhere", {7, 9}, -1, -1, 9},
        {"nothing on sale", {}, 5, 1, -1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        OnlyOnSale(c.onSale);
        EXPECT_EQ(c.expected, FleetRules::NextModelOnSale(c.from, c.step));
    }
    // Withdrawn models are still serviced but not sold.
    OnlyOnSale({3, 4});
    Enviroment::SetModelAvailability(4, Enviroment::MODEL_WITHDRAWN);
    EXPECT_FALSE(FleetRules::IsOnSale(4));
    EXPECT_EQ(3, FleetRules::NextModelOnSale(3, 1));
    EXPECT_FALSE(FleetRules::IsOnSale(AVAIL_MODELS));
}

TEST_F(FleetRulesTest, APriceEqualToTheCashIsAffordable)
{
    const int64_t cash = company().GetCash();
    EXPECT_TRUE(FleetRules::CanAfford(cash));
    EXPECT_TRUE(FleetRules::CanAfford(cash - 1));
    EXPECT_FALSE(FleetRules::CanAfford(cash + 1));
    // Compared as signed 64-bit: with debts nothing positive is affordable.
    company().Spend(cash + 5000000000LL, false);
    EXPECT_FALSE(FleetRules::CanAfford(1));
    EXPECT_TRUE(FleetRules::CanAfford(-5000000000LL));
}

TEST_F(FleetRulesTest, StartingAirportsAreOpenWithRoomForRoutes)
{
    company().Research(20, true, start);
    company().Research(30, true, start);
    EXPECT_EQ((std::vector<int32_t>{HOME, 20, 30}), FleetRules::StartingAirports());
    company().FindDetails(20)->Close(AirportDetails::CLOSED_FOG);
    for (int32_t i = 0; i < AirportDetails::MAX_ROUTES_OUT; ++i)
        company().FindDetails(30)->RouteOutOpened();
    EXPECT_EQ((std::vector<int32_t>{HOME}), FleetRules::StartingAirports());
    EXPECT_TRUE(FleetRules::IsStartingAirport(HOME));
    EXPECT_FALSE(FleetRules::IsStartingAirport(20)) << "closed";
    EXPECT_FALSE(FleetRules::IsStartingAirport(30)) << "four routes out";
    EXPECT_FALSE(FleetRules::IsStartingAirport(40)) << "no details";
}

TEST_F(FleetRulesTest, DestinationsNeedRangeAFreePairAndAnOpenAirport)
{
    Plane* shortPlane = Buy(0);
    Plane* longPlane = Buy(1);
    EXPECT_EQ((std::vector<int32_t>{5}), FleetRules::Destinations(*shortPlane, HOME)) << "1200 km reach one";
    EXPECT_EQ((std::vector<int32_t>{5, 6, 7, 8, 9, 10}), FleetRules::Destinations(*longPlane, HOME));
    // A served pair, and a neighbour closed by an incident, drop out.
    FleetRules::SetUpRoute(shortPlane, HOME, 5, Route::LEVEL_MEDIUM, Route::LEVEL_MEDIUM, start);
    company().Research(7, true, start);
    company().FindDetails(7)->Close(AirportDetails::CLOSED_STRIKE);
    EXPECT_EQ((std::vector<int32_t>{6, 8, 9, 10}), FleetRules::Destinations(*longPlane, HOME));
    EXPECT_FALSE(FleetRules::IsDestination(*longPlane, HOME, 20)) << "not a neighbour";
    EXPECT_TRUE(FleetRules::Destinations(*longPlane, -1).empty());
}

TEST_F(FleetRulesTest, SettingUpARouteThatFulfilsAnOfferPaysTheAward)
{
    Plane* plane = Buy(1);
    AirportDetails* home = company().FindDetails(HOME);
    home->_event_state = AirportDetails::OFFER_ROUTE;
    home->_reserved_a = 6;
    home->_event_value = 70000;
    const int64_t cash = company().GetCash();
    EXPECT_EQ(0, FleetRules::SetUpRoute(plane, HOME, 5, 0, 2, start)) << "another destination";
    EXPECT_EQ(cash - Route::SetupCost(HOME, 5), company().GetCash());
    EXPECT_EQ(0, plane->GetRoute()->_price_level);
    EXPECT_EQ(2, plane->GetRoute()->_service_level);
    Plane* second = Buy(1);
    const int64_t before = company().GetCash();
    EXPECT_EQ(70000, FleetRules::SetUpRoute(second, HOME, 6, 1, 1, start));
    EXPECT_EQ(before - Route::SetupCost(HOME, 6) + 70000, company().GetCash());
    EXPECT_FALSE(home->HasOpenOffer());
}

TEST_F(FleetRulesTest, PlanesThatCanTakeOverARoute)
{
    Plane* flying = Buy(1);
    FleetRules::SetUpRoute(flying, HOME, 6, 1, 1, start); // 1500 km
    Plane* free = Buy(1);
    Plane* tooShort = Buy(0);
    Plane* damaged = Buy(1);
    damaged->_damaged = 1;
    Plane* busy = Buy(1);
    FleetRules::SetUpRoute(busy, HOME, 5, 1, 1, start);
    const Route& route = *flying->GetRoute();
    EXPECT_EQ((std::vector<Plane*>{free}), FleetRules::PlanesForRoute(route, flying));
    EXPECT_EQ(flying, FleetRules::PlaneFlying(&route));
    EXPECT_EQ(nullptr, FleetRules::PlaneFlying(nullptr));
    EXPECT_TRUE(FleetRules::ModelReaches(1, route));
    EXPECT_FALSE(FleetRules::ModelReaches(0, route));
    EXPECT_FALSE(FleetRules::ModelReaches(-1, route));
    // A route that waits for a plane (its plane crashed) offers every free plane.
    std::unique_ptr<Route> waiting = company().RemoveCrashedPlane(flying, true, start);
    ASSERT_TRUE(waiting);
    EXPECT_EQ((std::vector<Plane*>{free}), FleetRules::PlanesForRoute(*waiting, nullptr));
    EXPECT_EQ(nullptr, FleetRules::PlaneFlying(waiting.get()));
    company().CloseDetachedRoute(std::move(waiting), start);
    (void)tooShort;
}

TEST_F(FleetRulesTest, ABoundPlaneIsWarnedAboutBeforeASaleOrAShutDown)
{
    Plane* plane = Buy(1);
    EXPECT_EQ(FleetRules::Contract::NONE, FleetRules::BindingContract(*plane)) << "no route";
    EXPECT_TRUE(FleetRules::StandsStill(*plane));
    FleetRules::SetUpRoute(plane, HOME, 5, 1, 1, start);
    EXPECT_FALSE(FleetRules::StandsStill(*plane));
    const struct
    {
        int32_t hold;
        FleetRules::Contract contract;
        int32_t sale, shutDown;
    } cases[] = {
        {-1, FleetRules::Contract::NONE, Screens::SELL_PLANE, Screens::SHUT_DOWN},
        {Route::HOLD_CHARITY, FleetRules::Contract::CHARITY, Screens::CHARITY_WARNING,
         Screens::CHARITY_WARNING_2},
        {Route::HOLD_VIP, FleetRules::Contract::VIP, Screens::VIP_WARNING, Screens::VIP_WARNING_2},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.sale);
        Route* route = plane->GetRoute();
        route->_hold[0] = route->_hold[1] = 0;
        if (c.hold >= 0)
            route->_hold[c.hold] = 1;
        EXPECT_EQ(c.contract, FleetRules::BindingContract(*plane));
        EXPECT_EQ(c.sale, FleetRules::WarningBefore(Screens::SELL_PLANE, *plane));
        EXPECT_EQ(c.shutDown, FleetRules::WarningBefore(Screens::SHUT_DOWN, *plane));
        if (c.hold >= 0)
        {
            EXPECT_EQ(Screens::SELL_PLANE, FleetRules::ConfirmationAfter(c.sale));
            EXPECT_EQ(Screens::SHUT_DOWN, FleetRules::ConfirmationAfter(c.shutDown));
        }
    }
    EXPECT_EQ(0, FleetRules::ConfirmationAfter(Screens::CONTRACT_INFO));
    FleetRules::SetRouteLevels(plane, 2, 0);
    EXPECT_EQ(2, plane->GetRoute()->_price_level);
    EXPECT_EQ(0, plane->GetRoute()->_service_level);
}
