// The offers at the company's airports: route set-up awards, charity and VIP
// flights, from the offer draw to the reward or the expiry.
#include "Common/Backend/Company.h"

#include "WorldFixtures.h"

#include <gtest/gtest.h>

namespace
{
constexpr int32_t HOME = 4;
constexpr int32_t OTHER = 14; // size 250 too, neighbours 15..20

class OfferTest : public WorldTest
{
protected:
    void ShapeTables(TestTables& tables) override
    {
        tables.models[0] = TestModel{"Liner", 1950, 1990, 100000, 800, 5000, 150, 24};
        tables.models[1] = TestModel{"Short", 1950, 1990, 100000, 800, 900, 150, 24};
    }

    // Draws offers of the kind until one is made (each draw passes with a
    // chance well above 10 %), or gives up.
    AirportDetails* DrawOffer(int32_t kind)
    {
        for (int i = 0; i < 400; ++i)
        {
            if (AirportDetails* d = company().TryMakeOffer(kind, fire))
                return d;
        }
        return nullptr;
    }

    const Time fire{1961, 3, 10, 12, 0, 0};
};
} // namespace

TEST_F(OfferTest, NoAirportsNoOffer)
{
    EXPECT_EQ(nullptr, company().TryMakeOffer(AirportDetails::OFFER_ROUTE, fire));
    EXPECT_EQ(nullptr, company().TryMakeOffer(AirportDetails::OFFER_VIP, fire));
}

TEST_F(OfferTest, TheHomeAirportMakesNoRouteOffers)
{
    company().OpenStartingAirport(HOME, start);
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(nullptr, company().TryMakeOffer(AirportDetails::OFFER_ROUTE, fire));
}

TEST_F(OfferTest, RouteOffersComeSometimesNotAlways)
{
    company().OpenStartingAirport(HOME, start);
    company().Research(OTHER, true, start);
    int made = 0;
    for (int i = 0; i < 1000; ++i)
    {
        AirportDetails* d = company().TryMakeOffer(AirportDetails::OFFER_ROUTE, fire);
        if (d)
        {
            ++made;
            d->ClearOffer();
            d->_route_offer_pending = 0;
        }
    }
    // Half of the draws pick the home airport; the other has a chance of 650.
    EXPECT_GT(made, 200);
    EXPECT_LT(made, 450);
}

TEST_F(OfferTest, ARouteOfferNamesAnUnservedNeighbourAndPaysWhenTheRouteOpens)
{
    company().OpenStartingAirport(HOME, start);
    AirportDetails* other = company().Research(OTHER, true, start);
    company().Earn(1000000, false);
    // Serve four of the five neighbours but one; the offer must name it.
    for (int32_t slot : {0, 1, 2, 3, 5})
    {
        Plane* plane = company().BuyPlane(0, "P", start);
        if (slot != 5)
            company().OpenRoute(plane, OTHER, Enviroment::GetNeighbour(OTHER, slot), 1, 1, start);
        else
            company().OpenRoute(plane, Enviroment::GetNeighbour(OTHER, slot), OTHER, 1, 1, start);
    }
    // Four routes out: no offers at all.
    EXPECT_EQ(nullptr, DrawOffer(AirportDetails::OFFER_ROUTE));
    company().CloseRoute(company().GetPlane(3), start);
    AirportDetails* d = DrawOffer(AirportDetails::OFFER_ROUTE);
    ASSERT_EQ(other, d);
    const int32_t destination = d->_reserved_a;
    EXPECT_TRUE(destination == Enviroment::GetNeighbour(OTHER, 3) || destination == Enviroment::GetNeighbour(OTHER, 4));
    EXPECT_EQ(AirportDetails::OFFER_ROUTE, d->_event_state);
    EXPECT_EQ(1, d->_route_offer_pending);
    const int64_t setup = Route::SetupCost(OTHER, destination);
    EXPECT_GE(d->_event_value, setup * 30 / 100 / 100 * 100);
    EXPECT_LE(d->_event_value, setup * 70 / 100);
    EXPECT_EQ(0, d->_event_value % 100);
    EXPECT_TRUE(d->_expiry_date.Equals(fire.Add(0, 1, 0, 0, 0, 0)));
    EXPECT_EQ(d, Enviroment::GetDialogAirport());
    const RecordedEvent* expiry = hooks.Last("airport", WorldEventHooks::ROUTE_OFFER_EXPIRY);
    ASSERT_NE(nullptr, expiry);
    EXPECT_EQ(d, expiry->airport);

    // A second route offer waits for the new year.
    EXPECT_EQ(nullptr, DrawOffer(AirportDetails::OFFER_ROUTE));

    // The wrong destination earns nothing; the offered one the reward.
    EXPECT_EQ(0, company().ClaimRouteOffer(OTHER, 99));
    const int64_t reward = d->_event_value;
    const int64_t cash = company().GetCash();
    EXPECT_EQ(reward, company().ClaimRouteOffer(OTHER, destination));
    EXPECT_EQ(cash + reward, company().GetCash());
    EXPECT_EQ(AirportDetails::OFFER_NONE, d->_event_state);
    EXPECT_EQ(1, hooks.Count("cancel-airport", WorldEventHooks::ROUTE_OFFER_EXPIRY));
    EXPECT_EQ(0, company().ClaimRouteOffer(OTHER, destination));
}

TEST_F(OfferTest, AnExpiredRouteOfferFreesTheAirport)
{
    company().Research(OTHER, true, start);
    AirportDetails* d = DrawOffer(AirportDetails::OFFER_ROUTE);
    ASSERT_NE(nullptr, d);
    company().ExpireRouteOffer(d);
    EXPECT_FALSE(d->HasOpenOffer());
    company().NewYearOperation();
    EXPECT_NE(nullptr, DrawOffer(AirportDetails::OFFER_ROUTE));
}

TEST_F(OfferTest, AVipFlightPaysItsRewardAndReleasesThePlane)
{
    AirportDetails* d = company().Research(OTHER, true, start);
    company().Earn(1000000, false);
    Plane* longRange = company().BuyPlane(0, "Long", start);
    Plane* shortRange = company().BuyPlane(1, "Short", start);
    Plane* idle = company().BuyPlane(0, "Idle", start);
    company().OpenRoute(longRange, OTHER, 15, 1, 1, start);
    company().OpenRoute(shortRange, OTHER, 16, 1, 1, start);
    ASSERT_EQ(d, DrawOffer(AirportDetails::OFFER_VIP));
    // Make the flight long enough to rule out the short-range plane.
    while (Enviroment::GetDistance(OTHER, d->_reserved_a) <= 900)
    {
        d->ClearOffer();
        d->_special_offer_pending = 0;
        ASSERT_EQ(d, DrawOffer(AirportDetails::OFFER_VIP));
    }
    EXPECT_EQ(AirportDetails::OFFER_VIP, d->_event_state);
    EXPECT_GT(d->_event_value, 0);
    EXPECT_EQ(0, d->_event_value % 100);
    EXPECT_TRUE(company().PlaneFitsSpecialFlight(longRange, d));
    EXPECT_FALSE(company().PlaneFitsSpecialFlight(shortRange, d));
    EXPECT_FALSE(company().PlaneFitsSpecialFlight(idle, d));

    company().AssignSpecialFlight(d, longRange);
    EXPECT_EQ(longRange->_id, d->_event_mark);
    EXPECT_EQ(1, longRange->GetRoute()->_hold[Route::HOLD_VIP]);
    EXPECT_EQ(Plane::STOP_VIP, longRange->_stop_reason);
    EXPECT_EQ(0, longRange->_running);
    EXPECT_EQ(d, company().SpecialFlightOf(longRange));
    EXPECT_FALSE(company().PlaneFitsSpecialFlight(longRange, d));
    // Held planes are not resumed.
    EXPECT_FALSE(company().ResumePlane(longRange, start));

    const int64_t cost = company().SpecialFlightCost(longRange, d);
    const int64_t reward = d->_event_value;
    const int64_t cash = company().GetCash();
    const int64_t profit = longRange->_profit;
    hooks.events.clear();
    EXPECT_EQ(Company::SpecialFlightOutcome::FLOWN, company().CompleteSpecialFlight(d, fire));
    EXPECT_EQ(cash + reward - cost, company().GetCash());
    EXPECT_EQ(profit + reward - cost, longRange->_profit);
    EXPECT_FALSE(d->HasOpenOffer());
    EXPECT_EQ(0, longRange->GetRoute()->_hold[Route::HOLD_VIP]);
    EXPECT_EQ(Plane::STOP_PAUSED, longRange->_stop_reason);
    EXPECT_EQ(1, longRange->_running);
}

TEST_F(OfferTest, ACharityFlightCostsAndRaisesDemand)
{
    AirportDetails* d = company().Research(OTHER, true, start);
    Plane* plane = company().BuyPlane(0, "Long", start);
    company().OpenRoute(plane, OTHER, 15, 1, 1, start);
    ASSERT_EQ(d, DrawOffer(AirportDetails::OFFER_CHARITY));
    EXPECT_EQ(0, d->_event_value);
    d->SetDemand(0, 9500);
    d->SetDemand(1, 5000);
    company().AssignSpecialFlight(d, plane);
    EXPECT_EQ(Plane::STOP_CHARITY, plane->_stop_reason);
    EXPECT_EQ(1, plane->GetRoute()->_hold[Route::HOLD_CHARITY]);
    const int64_t cost = company().SpecialFlightCost(plane, d);
    const int64_t cash = company().GetCash();
    EXPECT_EQ(Company::SpecialFlightOutcome::FLOWN, company().CompleteSpecialFlight(d, fire));
    EXPECT_EQ(cash - cost, company().GetCash());
    EXPECT_EQ(10000, d->GetDemand(0));
    EXPECT_EQ(5500, d->GetDemand(1));
}

TEST_F(OfferTest, AnOfferWithoutAPlaneOrWithAGonePlaneExpires)
{
    AirportDetails* d = company().Research(OTHER, true, start);
    Plane* plane = company().BuyPlane(0, "Long", start);
    company().OpenRoute(plane, OTHER, 15, 1, 1, start);
    ASSERT_EQ(d, DrawOffer(AirportDetails::OFFER_VIP));
    const int64_t cash = company().GetCash();
    EXPECT_EQ(Company::SpecialFlightOutcome::EXPIRED, company().CompleteSpecialFlight(d, fire));
    EXPECT_EQ(cash, company().GetCash());
    EXPECT_FALSE(d->HasOpenOffer());

    d->_special_offer_pending = 0;
    ASSERT_EQ(d, DrawOffer(AirportDetails::OFFER_CHARITY));
    company().AssignSpecialFlight(d, plane);
    company().SellPlane(plane, fire);
    EXPECT_EQ(0, d->_event_mark);
    EXPECT_EQ(Company::SpecialFlightOutcome::EXPIRED, company().CompleteSpecialFlight(d, fire));
}

TEST_F(OfferTest, FreeingTheAssignedPlaneKeepsTheOfferOpen)
{
    AirportDetails* d = company().Research(OTHER, true, start);
    Plane* plane = company().BuyPlane(0, "Long", start);
    company().OpenRoute(plane, OTHER, 15, 1, 1, start);
    ASSERT_EQ(d, DrawOffer(AirportDetails::OFFER_CHARITY));
    company().AssignSpecialFlight(d, plane);
    company().FreeSpecialFlight(d, start);
    EXPECT_EQ(0, d->_event_mark);
    EXPECT_EQ(AirportDetails::OFFER_CHARITY, d->_event_state);
    EXPECT_FALSE(plane->GetRoute()->IsHeld());
    EXPECT_TRUE(company().PlaneFitsSpecialFlight(plane, d));
}

// A charity or VIP offer marks its airport for the rest of the year; the mark
// is saved, so a game resumed mid-year gets no offer the straight game would
// not have had.
TEST_F(OfferTest, TheYearsSpecialOfferMarkSurvivesASave)
{
    company().Research(OTHER, true, start);
    Plane* plane = company().BuyPlane(0, "Long", start);
    company().OpenRoute(plane, OTHER, 15, 1, 1, start);
    AirportDetails* d = DrawOffer(AirportDetails::OFFER_CHARITY);
    ASSERT_NE(nullptr, d);
    EXPECT_EQ(Company::SpecialFlightOutcome::EXPIRED, company().CompleteSpecialFlight(d, fire));

    ConfigBlock saved;
    Enviroment::Save(saved);
    std::string error;
    ASSERT_TRUE(Enviroment::Load(saved, &error)) << error;
    EXPECT_EQ(nullptr, DrawOffer(AirportDetails::OFFER_VIP));
    company().NewYearOperation();
    EXPECT_NE(nullptr, DrawOffer(AirportDetails::OFFER_VIP));
}
