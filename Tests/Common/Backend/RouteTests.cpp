#include "Common/Backend/Route.h"

#include "Common/Backend/PackedRecord.h"
#include "WorldFixtures.h"

#include <gtest/gtest.h>

namespace
{
// Airport 4 (size 250) has neighbour 5 (size 50) at 1000 km in slot 0.
constexpr int32_t SRC = 4;
constexpr int32_t DST = 5;

class RouteTest : public WorldTest
{
protected:
    Route MediumRoute()
    {
        Route route(SRC);
        route.SetDestination(DST);
        route._price_level = Route::LEVEL_MEDIUM;
        route._service_level = Route::LEVEL_MEDIUM;
        return route;
    }
};
} // namespace

TEST(RouteISqrt, IsTheLargestRootNotAbove)
{
    EXPECT_EQ(0u, Route::ISqrt(0));
    EXPECT_EQ(1u, Route::ISqrt(1));
    EXPECT_EQ(1u, Route::ISqrt(3));
    EXPECT_EQ(2u, Route::ISqrt(4));
    EXPECT_EQ(31u, Route::ISqrt(1000));
    EXPECT_EQ(31u, Route::ISqrt(1023));
    EXPECT_EQ(32u, Route::ISqrt(1024));
    EXPECT_EQ(65535u, Route::ISqrt(0xFFFFFFFFu));
}

TEST_F(RouteTest, IncomeAtAThousandKilometres)
{
    const Route route = MediumRoute();
    EXPECT_EQ(1000, route.Distance());
    EXPECT_EQ(186, route.TicketBase());
    EXPECT_EQ(5580, route.TicketIncome(150));
    Route low = MediumRoute();
    low._price_level = Route::LEVEL_LOW;
    // 186 x 0.8 = 148.8, cut to 148.
    EXPECT_EQ(150 * 148 * 200 / 1000, low.TicketIncome(150));
    Route high = MediumRoute();
    high._price_level = Route::LEVEL_HIGH;
    EXPECT_EQ(150 * 223 * 200 / 1000, high.TicketIncome(150));
}

TEST_F(RouteTest, AgencyDiscountComesOffTheIncome)
{
    Route route = MediumRoute();
    route.SetAgency(50, 100);
    // All of the agency's 50 tickets are free: only 100 passengers pay.
    EXPECT_EQ(100 * 186 * 200 / 1000, route.TicketIncome(150));
    route.SetAgency(150, 100);
    EXPECT_EQ(0, route.TicketIncome(150));
    route.SetAgency(20, 10);
    EXPECT_EQ((150 * 186 - 20 * 186 * 10 / 100) * 200 / 1000, route.TicketIncome(150));
}

TEST_F(RouteTest, FlightCostHasAServiceAndAnOperatingPart)
{
    Route route = MediumRoute();
    // (18 x 150 + 3 x 150 x 31) x 0.2.
    EXPECT_EQ(3330, route.FlightCost(150, 150));
    route._service_level = Route::LEVEL_LOW;
    EXPECT_EQ((9 * 150 + 13950) * 200 / 1000, route.FlightCost(150, 150));
    route._service_level = Route::LEVEL_HIGH;
    EXPECT_EQ((27 * 150 + 13950) * 200 / 1000, route.FlightCost(150, 150));
}

TEST_F(RouteTest, DurationSetupCostAndFee)
{
    Route route = MediumRoute();
    route.ComputeDuration(800);
    EXPECT_EQ(0, route._duration._day);
    EXPECT_EQ(1, route._duration._hour);
    EXPECT_EQ(15, route._duration._minute);
    EXPECT_EQ(75, route.DurationMinutes());
    route.ComputeDuration(30);
    EXPECT_EQ(2000, route.DurationMinutes());
    EXPECT_EQ(1, route._duration._day);
    // A = (2 + 100) x 1000 x 0.2 = 20400; research at airport 5 (size 50,
    // seed factor 15 %): 105000 x 0.2 = 21000.
    EXPECT_EQ((20400 + 21000) / 2, Route::SetupCost(SRC, DST));
    route._monthly_fee = 4140;
    EXPECT_EQ(828, route.MonthlyFee());
    EXPECT_EQ(-1, Enviroment::GetDistance(SRC, 20));
}

TEST_F(RouteTest, PassengersPerFlightFromTheDemandAtTheSource)
{
    AirportDetails details(SRC, 1);
    details.SetDemand(0, 1500);
    details._bonus[0] = 500;
    Route route = MediumRoute();
    route._price_level = Route::LEVEL_LOW;
    route._service_level = Route::LEVEL_HIGH;
    route.SetAgency(7, 5);
    SRand(4242);
    const int32_t jitter = Rand() % 20 - 10;
    SRand(4242);
    const int32_t sold = route.PassengersPerFlight(&details);
    // Base 200; low price, high service and the third level 0 add 30 points.
    EXPECT_EQ(200 * (130 + jitter) / 100, route._passengers_per_flight);
    EXPECT_EQ(route._passengers_per_flight + 7, sold);
    // Without details at the source only the agency flies.
    EXPECT_EQ(7, route.PassengersPerFlight(nullptr));
    EXPECT_EQ(0, route._passengers_per_flight);
}

TEST_F(RouteTest, SmugglingPaysOrFines)
{
    Route route = MediumRoute();
    EXPECT_EQ(1600 * 31 * 200 / 1000, route.SmugglingBase());
    route.AcceptSmuggling(9921, -1);
    EXPECT_TRUE(route.IsSmuggling());
    EXPECT_EQ(9921 - 4960, route.SmugglingPayment());
    EXPECT_EQ(4 * 9921, route.SmugglingFine());
    route.AcceptSmuggling(9920, 1);
    EXPECT_EQ(14880, route.SmugglingPayment());
    route.ClearSmuggling();
    EXPECT_FALSE(route.IsSmuggling());
    EXPECT_EQ(0, route.SmugglingPayment());
}

TEST_F(RouteTest, AgencyTermsOnALowDemandRoute)
{
    AirportDetails details(SRC, 1);
    details.SetDemand(0, 100);
    const Route route = MediumRoute();
    for (int i = 0; i < 20; ++i)
    {
        int32_t tickets = 0;
        int32_t discount = 0;
        route.DrawAgencyTerms(&details, &tickets, &discount);
        EXPECT_EQ(5, tickets);
        EXPECT_GE(discount, 1);
        EXPECT_LE(discount, 6);
    }
}

TEST_F(RouteTest, LateGameValuesStayExact)
{
    // Forty-four years of +2 per mille a month, with a growing economy on top.
    Enviroment::RaiseCostIndex(2 * 12 * 44);
    Enviroment::SetSurcharge(Enviroment::GetCostIndex() / 2);
    const int64_t index = Enviroment::GetCostIndex();
    ASSERT_EQ(1256 + 628, index);
    Route route = MediumRoute();
    route._price_level = Route::LEVEL_HIGH;
    route.SetAgency(800, 99);
    const int64_t p = 223;
    EXPECT_EQ((900 * p - 800 * p * 99 / 100) * index / 1000, route.TicketIncome(900));
    EXPECT_EQ((18 * 900 + 3 * 900 * 31) * index / 1000, route.FlightCost(900, 900));
}

TEST_F(RouteTest, SavesAndLoadsEveryField)
{
    Route route = MediumRoute();
    route.ComputeDuration(123);
    route.Flip();
    route._monthly_fee = Company::MAX_PLAUSIBLE_FEE;
    route._replacement = 1;
    route._third_level = 2;
    route._smuggle_base = 777;
    route._passengers_per_flight = 321;
    route._smuggling = 1;
    route._smuggle_factor = -1;
    route._reserved_b = -9;
    route.SetAgency(15, 4);
    route._hold[0] = 1;
    ConfigBlock block;
    route.Save(block);
    const uint8_t* data = nullptr;
    int32_t length = 0;
    ASSERT_TRUE(block.FindEntry("r", 1, data, length));
    EXPECT_EQ(68, length);
    Route loaded(0);
    std::string error;
    ASSERT_TRUE(loaded.Load(block, &error)) << error;
    EXPECT_TRUE(loaded == route);
    ConfigBlock again;
    loaded.Save(again);
    EXPECT_EQ(block.GetRaw(), again.GetRaw());

    PackedRecord r;
    ASSERT_TRUE(r.LoadFrom(block, "r"));
    std::vector<uint8_t> bytes = r.Bytes();
    bytes[21] = 9; // the price level
    block.SetEntry(ConfigBlock::VALUE_ENTRY, "r", 1, bytes.data(), static_cast<int32_t>(bytes.size()));
    Route refused(0);
    EXPECT_FALSE(refused.Load(block, &error));
    EXPECT_NE(std::string::npos, error.find("levels"));
}

TEST_F(RouteTest, AFlightTimeNoPlayReachesIsRefusedEvenWithoutTheRecord)
{
    // A route saved without its record keeps its figures; the flight time
    // read before the record is looked for must still be intact, or the
    // route would save a record that no load accepts.
    ConfigBlock block;
    ConfigBlock duration;
    Time(0, 5, 2).Save(duration);
    block.PutBlock("_duration", duration);
    Route route(0);
    std::string error;
    EXPECT_FALSE(route.Load(block, &error));
    EXPECT_NE(std::string::npos, error.find("flight time")) << error;

    ConfigBlock intact;
    Time(0, 0, 0, 7, 30, 0).Save(duration);
    intact.PutBlock("_duration", duration);
    EXPECT_TRUE(route.Load(intact, &error)) << error;
}
