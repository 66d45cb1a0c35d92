// Airport incidents, reopening, the offers' expiry and the airport
// bookkeeping events.
#include "../WorldFixtures.h"

#include "Common/Backend/Events/AirportEffectEvent.h"
#include "Common/Backend/Events/AirportGrowthEvent.h"
#include "Common/Backend/Events/AirportReopenEvent.h"
#include "Common/Backend/Events/BadWeatherEvent.h"
#include "Common/Backend/Events/CharityOfferExpiryEvent.h"
#include "Common/Backend/Events/DepartureEvent.h"
#include "Common/Backend/Events/EmergencyStateEvent.h"
#include "Common/Backend/Events/ManeuversEvent.h"
#include "Common/Backend/Events/OfficeRentEvent.h"
#include "Common/Backend/Events/RouteOfferExpiryEvent.h"
#include "Common/Backend/Events/StaffStrikeEvent.h"
#include "Common/Backend/Events/ThickFogEvent.h"
#include "Common/Backend/Events/VipOfferExpiryEvent.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/Notices.h"

using namespace events_test;

namespace
{
class AirportTest : public EventsTest
{
protected:
    void SetUp() override
    {
        EventsTest::SetUp();
        details = company().Research(AIRPORT, true, Time(1959, 0, 1));
        for (int32_t i = 0; i < AirportDetails::NEIGHBOURS; ++i)
        {
            details->SetDemand(i, 5000);
            details->_bonus[i] = 0;
        }
        TimeSimulation::Clear();
    }

    static constexpr int32_t AIRPORT = 40;
    AirportDetails* details = nullptr;
};
} // namespace

TEST_F(AirportTest, AStaffStrikeCostsAFiftiethOfDemandAndClosesForDays)
{
    details->_event_pending = 1;
    StaffStrikeEvent strike;
    strike._airport = details;
    EXPECT_EQ(1, Run(strike, Time(1960, 2, 10, 14, 0, 0)));
    EXPECT_EQ(4900, details->GetDemand(0));
    EXPECT_EQ(4900, details->GetDemand(5));
    EXPECT_FALSE(details->_open);
    EXPECT_EQ(0, details->_event_pending);
    EXPECT_EQ(AirportDetails::CLOSED_STRIKE, details->_closure_reason);
    EXPECT_EQ(details, Enviroment::GetDialogAirport());
    EXPECT_EQ(std::vector<int32_t>{Notices::STAFF_STRIKE}, log.notices);
    ScheduledEvent* reopen = FindPending(AirportReopenEvent::TYPE);
    ASSERT_NE(nullptr, reopen);
    EXPECT_EQ(details, reopen->_airport);
    EXPECT_TRUE(reopen->_time.IsAfter(Time(1960, 2, 12, 13, 0, 0)) &&
                Time(1960, 2, 16, 15, 0, 0).IsAfter(reopen->_time));

    EXPECT_EQ(0, Run(*reopen, reopen->_time));
    EXPECT_TRUE(details->_open);
    EXPECT_EQ(AirportDetails::OPEN, details->_closure_reason);
}

TEST_F(AirportTest, BadWeatherOnThe28thReopensAtDay35AtTheTurnOfTheMonth)
{
    clock.Set(0);
    BadWeatherEvent* weather = new BadWeatherEvent();
    weather->_airport = details;
    weather->_time = Time(1961, 0, 28, 9, 0, 0);
    TimeSimulation::Schedule(weather);
    GameState::RunUntil(Time(1961, 0, 28, 10, 0, 0));
    EXPECT_EQ(4500, details->GetDemand(2));
    EXPECT_EQ(AirportDetails::CLOSED_BAD_WEATHER, details->_closure_reason);
    ScheduledEvent* reopen = FindPending(AirportReopenEvent::TYPE);
    ASSERT_NE(nullptr, reopen);
    EXPECT_TRUE(reopen->_time.Equals(Time(1961, 0, 35, 0, 0, 0)));

    GameState::RunUntil(Time(1961, 0, 31, 23, 59, 0));
    EXPECT_FALSE(details->_open) << "still closed on the last day of January";
    GameState::RunUntil(Time(1961, 1, 1, 0, 0, 2));
    EXPECT_TRUE(details->_open);
}

TEST_F(AirportTest, OverlappingClosuresOpenOnlyWithTheLastReopening)
{
    ManeuversEvent maneuvers;
    maneuvers._airport = details;
    Run(maneuvers, Time(1962, 5, 10));
    ThickFogEvent fog;
    fog._airport = details;
    Run(fog, Time(1962, 5, 11, 6, 0, 0));
    EXPECT_EQ(AirportDetails::CLOSED_FOG, details->_closure_reason);
    EXPECT_EQ(2, Pending(AirportReopenEvent::TYPE));
    // The manoeuvres' reopening comes first (2 days after 10 June): the fog
    // (10 to 29 hours from the 11th, 6:00) is over by then.
    GameState::RunUntil(Time(1962, 5, 11, 16, 0, 0));
    EXPECT_FALSE(details->_open) << "the fog still closes the airport";
    GameState::RunUntil(Time(1962, 5, 13, 0, 0, 1));
    EXPECT_TRUE(details->_open);
    EXPECT_EQ(0, Pending(AirportReopenEvent::TYPE));
}

TEST_F(AirportTest, AStateOfEmergencyClosesTheRoutesThroughTheAirportForMonths)
{
    Plane* through = PlaneOnRoute(0, AIRPORT);
    Plane* into = PlaneOnRoute(1, AIRPORT - 1); // AIRPORT is the first neighbour of AIRPORT - 1
    Plane* elsewhere = PlaneOnRoute(2, 90);
    ASSERT_EQ(AIRPORT, into->GetRoute()->_destination);
    details->_event_pending = 1;

    EmergencyStateEvent emergency;
    emergency._airport = details;
    EXPECT_EQ(1, Run(emergency, Time(1963, 3, 3, 3, 0, 0)));
    EXPECT_FALSE(through->HasRoute());
    EXPECT_FALSE(into->HasRoute());
    EXPECT_TRUE(elsewhere->HasRoute());
    EXPECT_FALSE(details->_open);
    EXPECT_EQ(AirportDetails::CLOSED_EMERGENCY, details->_closure_reason);
    EXPECT_EQ(1, details->_event_pending) << "the weekly check stays quiet";
    EXPECT_EQ(5000, details->GetDemand(0));
    EXPECT_EQ(0, details->RoutesOut());
    EXPECT_EQ(Notices::EMERGENCY_STATE, log.notices.back());
    ScheduledEvent* reopen = FindPending(AirportReopenEvent::TYPE);
    ASSERT_NE(nullptr, reopen);
    EXPECT_TRUE(reopen->_time.IsAfter(Time(1963, 5, 3, 2, 0, 0)) &&
                Time(1963, 11, 3, 4, 0, 0).IsAfter(reopen->_time));
}

TEST_F(AirportTest, APlaneHaltedByAClosureFliesAgainAfterTheReopening)
{
    Plane* plane = PlaneOnRoute(0, AIRPORT);
    GameState::RunUntil(Time(1959, 0, 1, 0, 30, 0)); // check-in done
    StaffStrikeEvent strike;
    strike._airport = details;
    Run(strike, Time(1959, 0, 1, 0, 40, 0));
    GameState::RunUntil(Time(1959, 0, 1, 1, 30, 0)); // the departure finds the airport closed
    EXPECT_TRUE(plane->IsStopped());
    EXPECT_EQ(AirportDetails::CLOSED_STRIKE, plane->_stop_reason);
    EXPECT_EQ(0, Pending(DepartureEvent::TYPE) + Pending(2) + Pending(3) + Pending(4));

    GameState::RunUntil(Time(1959, 0, 8));
    EXPECT_TRUE(details->_open);
    EXPECT_FALSE(plane->IsStopped());
    EXPECT_TRUE(plane->_running);
    EXPECT_GT(plane->_pass_carried + Pending(2) + Pending(3) + Pending(4) + Pending(1), 0)
        << "the cycle has started again";
}

TEST_F(AirportTest, AnExpiredRouteOfferFreesTheAirportForNewOffers)
{
    details->_event_state = AirportDetails::OFFER_ROUTE;
    details->_route_offer_pending = 1;
    RouteOfferExpiryEvent expiry;
    expiry._airport = details;
    EXPECT_EQ(1, Run(expiry, Time(1960, 1, 1)));
    EXPECT_EQ(Notices::ROUTE_OFFER_EXPIRED, log.notices.back());
    EXPECT_FALSE(details->HasOpenOffer());
}

TEST_F(AirportTest, ACharityFlightRaisesDemandByATenthUpToTheCap)
{
    Plane* plane = PlaneOnRoute(0, AIRPORT);
    details->SetDemand(1, 9500);
    details->_event_state = AirportDetails::OFFER_CHARITY;
    details->_reserved_a = Enviroment::GetNeighbour(AIRPORT, 1);
    ASSERT_EQ(std::vector<Plane*>{plane}, NoticeActions::PlanesForSpecialFlight(details));
    ASSERT_TRUE(NoticeActions::AssignSpecialFlight(details, plane));
    EXPECT_FALSE(NoticeActions::AssignSpecialFlight(details, plane)) << "one plane per flight";

    const int64_t profit = plane->_profit;
    CharityOfferExpiryEvent expiry;
    expiry._airport = details;
    EXPECT_EQ(0, Run(expiry, Time(1959, 0, 5)));
    EXPECT_EQ(5500, details->GetDemand(0));
    EXPECT_EQ(10000, details->GetDemand(1));
    EXPECT_LT(plane->_profit, profit) << "the flight's cost";
    EXPECT_FALSE(details->HasOpenOffer());
    EXPECT_TRUE(log.notices.empty());
}

TEST_F(AirportTest, AFlightWhosePlaneIsGoneExpiresAsIfNoneWasAssigned)
{
    Plane* plane = PlaneOnRoute(0, AIRPORT);
    details->_event_state = AirportDetails::OFFER_VIP;
    details->_event_value = 30000;
    details->_reserved_a = Enviroment::GetNeighbour(AIRPORT, 0);
    ASSERT_TRUE(NoticeActions::AssignSpecialFlight(details, plane));
    company().SellPlane(plane, Time(1959, 0, 3));
    const int64_t cash = company().GetCash();

    VipOfferExpiryEvent expiry;
    expiry._airport = details;
    EXPECT_EQ(1, Run(expiry, Time(1959, 0, 5)));
    EXPECT_EQ(std::vector<int32_t>{Notices::VIP_EXPIRED}, log.notices);
    EXPECT_EQ(cash, company().GetCash()) << "no reward, no cost";
    EXPECT_FALSE(details->HasOpenOffer());
}

TEST_F(AirportTest, AVipFlightPaysItsReward)
{
    Plane* plane = PlaneOnRoute(0, AIRPORT);
    details->_event_state = AirportDetails::OFFER_VIP;
    details->_event_value = 30000;
    details->_reserved_a = Enviroment::GetNeighbour(AIRPORT, 0);
    ASSERT_TRUE(NoticeActions::AssignSpecialFlight(details, plane));
    const int64_t cost = company().SpecialFlightCost(plane, details);
    const int64_t cash = company().GetCash();
    VipOfferExpiryEvent expiry;
    expiry._airport = details;
    EXPECT_EQ(0, Run(expiry, Time(1959, 0, 5)));
    EXPECT_EQ(cash + 30000 - cost, company().GetCash());
}

TEST_F(AirportTest, OfficeRentIsChargedMonthlyWhileTheOfficeStands)
{
    details->_office = 1;
    details->_office_fee = 1234;
    OfficeRentEvent rent;
    rent._airport = details;
    const int64_t cash = company().GetCash();
    EXPECT_EQ(0, Run(rent, Time(1959, 5, 1)));
    EXPECT_EQ(cash - 1234, company().GetCash());
    EXPECT_EQ(-1234, details->_result_curr);
    EXPECT_EQ(1, Pending(OfficeRentEvent::TYPE));
    EXPECT_TRUE(FindPending(OfficeRentEvent::TYPE)->_time.Equals(Time(1959, 6, 1)));

    // Sold and bought again: two chains, one charge.
    OfficeRentEvent second;
    second._airport = details;
    EXPECT_EQ(0, Run(second, Time(1959, 5, 20)));
    EXPECT_EQ(cash - 1234, company().GetCash());

    details->_office = 0;
    TimeSimulation::Clear();
    EXPECT_EQ(0, Run(rent, Time(1959, 6, 1)));
    EXPECT_EQ(0, TimeSimulation::GetEventCount());
}

TEST_F(AirportTest, ACampaignRunsTwelveMonthlyStepsAndItsEfficiencyGrowsBackYearly)
{
    company().Advertise(AIRPORT, 80, Time(1959, 0, 1));
    ASSERT_EQ(1, Pending(AirportEffectEvent::TYPE));
    ASSERT_EQ(1, Pending(AirportGrowthEvent::TYPE));
    const int32_t efficiency = details->_adv_efficiency;
    auto* step = static_cast<AirportEffectEvent*>(FindPending(AirportEffectEvent::TYPE));
    EXPECT_EQ(12, step->_repeat);
    EXPECT_EQ(80, step->_size);

    GameState::RunUntil(Time(1959, 11, 31));
    EXPECT_EQ(1, Pending(AirportEffectEvent::TYPE)) << "the twelfth step is due on 1 January";
    EXPECT_EQ(1, static_cast<AirportEffectEvent*>(FindPending(AirportEffectEvent::TYPE))->_repeat);
    GameState::RunUntil(Time(1960, 0, 2));
    EXPECT_EQ(0, Pending(AirportEffectEvent::TYPE));
    EXPECT_EQ(std::min(efficiency + 80, 1000), details->_adv_efficiency);

    details->_adv_efficiency = 990;
    GameState::RunUntil(Time(1961, 0, 2));
    EXPECT_EQ(1000, details->_adv_efficiency);
    EXPECT_EQ(0, Pending(AirportGrowthEvent::TYPE));
}
