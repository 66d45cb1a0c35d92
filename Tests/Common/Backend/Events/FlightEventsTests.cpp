// The flight cycle and the plane incidents, with the notices' answers.
#include "../WorldFixtures.h"

#include "Common/Backend/EventListener.h"
#include "Common/Backend/Events/AgencyContractEndEvent.h"
#include "Common/Backend/Events/DepartureEvent.h"
#include "Common/Backend/Events/FoodPoisoningEvent.h"
#include "Common/Backend/Events/LandingEvent.h"
#include "Common/Backend/Events/PlaneCrashEvent.h"
#include "Common/Backend/Events/PlaneUpkeepEvent.h"
#include "Common/Backend/Events/PoliceReleaseEvent.h"
#include "Common/Backend/Events/RouteCostEvent.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/Notices.h"

using namespace events_test;

namespace
{
struct Fired
{
    int32_t type;
    Time at;
};

class FiredLog : public EventListener
{
public:
    void OnEvent(ScheduledEvent* event) override { fired.push_back({event->GetType(), event->_time}); }
    std::vector<Fired> fired;
};

// Minutes from a to b, both within a few days of each other in one month or the next.
int32_t MinutesBetween(const Time& a, const Time& b)
{
    const auto minutes = [](const Time& t)
    {
        int32_t days = t._day;
        for (int32_t m = 0; m < t._month; ++m)
            days += Time::DaysInMonth(m);
        return ((t._year * 365 + days) * 24 + t._hour) * 60 + t._minute;
    };
    return minutes(b) - minutes(a);
}

// A seed whose first rand() mod 1000 lies in [low, high).
uint32_t SeedForFirstDraw(int32_t low, int32_t high)
{
    for (uint32_t seed = 1;; ++seed)
    {
        SRand(seed);
        const int32_t r = Rand() % 1000;
        if (r >= low && r < high)
            return seed;
    }
}

class FlightTest : public EventsTest
{
protected:
    void SetUp() override
    {
        EventsTest::SetUp();
        TimeSimulation::Clear();
        TimeSimulation::SetEventListener(&fired);
        // Ticks at 999 mod 1000: no window above t can hold a value of r
        // (r <= 999), so no chance strikes.
        clock.Set(10999);
    }
    void TearDown() override
    {
        TimeSimulation::SetEventListener(nullptr);
        EventsTest::TearDown();
    }

    std::vector<Fired> Of(int32_t type) const
    {
        std::vector<Fired> out;
        for (const Fired& f : fired.fired)
        {
            if (f.type == type)
                out.push_back(f);
        }
        return out;
    }

    FiredLog fired;
};
} // namespace

TEST_F(FlightTest, ASafePlaneLandsAfterTheFlightTimeAndDepartsAgainTwelveHoursLater)
{
    Plane* plane = PlaneOnRoute(0, 20);
    const int32_t duration = plane->GetRoute()->DurationMinutes();
    ASSERT_GT(duration, 60);
    GameState::RunUntil(Time(1959, 0, 4));
    const std::vector<Fired> departures = Of(DepartureEvent::TYPE);
    const std::vector<Fired> landings = Of(LandingEvent::TYPE);
    ASSERT_GE(departures.size(), 2u);
    ASSERT_GE(landings.size(), 1u);
    EXPECT_EQ(60, MinutesBetween(Time(1959, 0, 1), departures[0].at))
        << "check-in, then departure an hour later";
    EXPECT_EQ(duration, MinutesBetween(departures[0].at, landings[0].at));
    EXPECT_EQ(600 + 60 + 60, MinutesBetween(landings[0].at, departures[1].at));
    EXPECT_TRUE(log.notices.empty());
}

TEST_F(FlightTest, ThePassengerWindowHoldsOneValueOfRAndNoneAtTheTopOfTheRange)
{
    PlaneOnRoute(0, 20);
    PlaneOnRoute(1, 30);
    GameState::RunUntil(Time(1960, 6, 1));
    EXPECT_GT(Of(DepartureEvent::TYPE).size(), 1000u);
    EXPECT_TRUE(Of(13).empty() && Of(14).empty() && Of(15).empty());
    EXPECT_TRUE(log.notices.empty());

    // At t = 998 only r = 999 lies in t < r < t + 2: incidents are rare but
    // possible, each of the three about once in a thousand departures.
    clock.Set(20998);
    const size_t before = Of(DepartureEvent::TYPE).size();
    GameState::RunUntil(Time(1962, 0, 1));
    const size_t departures = Of(DepartureEvent::TYPE).size() - before;
    const size_t incidents = Of(13).size() + Of(14).size() + Of(15).size();
    EXPECT_GT(incidents, 0u);
    EXPECT_LT(incidents, departures * 6 / 1000 + 3);
}

TEST_F(FlightTest, WithOtherTickWindowsPassengerIncidentsDoHappen)
{
    PlaneOnRoute(0, 20);
    PlaneOnRoute(1, 30);
    uint32_t ticks = 0;
    GameState::RunUntil(Time(1962, 0, 1),
                        [&]
                        {
                            ticks = ticks * 1664525u + 1013904223u;
                            clock.Set(ticks >> 8);
                            return true;
                        });
    EXPECT_FALSE(Of(13).empty() && Of(14).empty() && Of(15).empty());
}

TEST_F(FlightTest, ACaughtSmugglingRunKeepsThePlaneOutForFourteenDaysAndTenHours)
{
    Plane* plane = PlaneOnRoute(0, 20);
    TimeSimulation::Clear();
    NoticeActions::SmugglingTerms terms = NoticeActions::DrawSmugglingOffer(plane);
    ASSERT_GT(terms.base, 0);
    ASSERT_TRUE(NoticeActions::AcceptSmuggling(plane, terms));
    const int64_t fine = 4 * terms.base;
    const int64_t cash = company().GetCash();

    clock.Set(20000); // t = 0: caught when 0 < r < 250
    SRand(SeedForFirstDraw(1, 250));
    const Time landingAt(1959, 0, 2, 8, 0, 0);
    LandingEvent landing;
    landing._plane = plane;
    EXPECT_EQ(1, Run(landing, landingAt));
    EXPECT_EQ(std::vector<int32_t>{Notices::SMUGGLING_DETECTED}, log.notices);
    EXPECT_EQ(fine, NoticeActions::GetNoticeAmount());
    EXPECT_EQ(cash - fine, company().GetCash());
    EXPECT_EQ(Plane::STOP_IMPOUNDED, plane->_stop_reason);
    EXPECT_FALSE(plane->_running);
    EXPECT_FALSE(plane->GetRoute()->IsSmuggling());

    GameState::RunUntil(Time(1959, 0, 30));
    const std::vector<Fired> releases = Of(PoliceReleaseEvent::TYPE);
    const std::vector<Fired> refuels = Of(3);
    ASSERT_EQ(1u, releases.size());
    ASSERT_FALSE(refuels.empty());
    EXPECT_EQ(14 * 24 * 60, MinutesBetween(landingAt, releases[0].at));
    EXPECT_EQ((14 * 24 + 10) * 60, MinutesBetween(landingAt, refuels[0].at));
    EXPECT_EQ(Plane::STOP_PAUSED, plane->_stop_reason);
}

TEST_F(FlightTest, AnUncaughtRunPaysAndARejectedOneNothing)
{
    Plane* plane = PlaneOnRoute(0, 20);
    NoticeActions::SmugglingTerms terms = NoticeActions::DrawSmugglingOffer(plane);
    terms.factor = 1;
    ASSERT_TRUE(NoticeActions::AcceptSmuggling(plane, terms));
    clock.Set(20000);
    SRand(SeedForFirstDraw(250, 1000));
    const int64_t cash = company().GetCash();
    LandingEvent landing;
    landing._plane = plane;
    EXPECT_EQ(0, Run(landing, Time(1959, 0, 2)));
    EXPECT_EQ(cash + terms.base + terms.base / 2, company().GetCash());
    EXPECT_TRUE(plane->_running);

    EXPECT_EQ(0, Run(landing, Time(1959, 0, 3)));
    EXPECT_EQ(cash + terms.base + terms.base / 2, company().GetCash()) << "no run on board, nothing paid";
}

TEST_F(FlightTest, ACrashCancelsTheLandingSoThePlaneNeverLands)
{
    Plane* plane = PlaneOnRoute(0, 20);
    GameState::RunUntil(Time(1959, 0, 1, 1, 30, 0)); // in the air
    ASSERT_EQ(1, Pending(LandingEvent::TYPE));
    PlaneCrashEvent* crash = new PlaneCrashEvent();
    crash->_plane = plane;
    crash->_time = Time(1959, 0, 1, 1, 45, 0);
    TimeSimulation::Schedule(crash);

    GameState::RunUntil(Time(1959, 0, 1, 1, 50, 0));
    EXPECT_EQ(std::vector<int32_t>{Notices::PLANE_CRASH}, log.notices);
    EXPECT_EQ(plane, Enviroment::GetDialogPlane());
    EXPECT_EQ(0, PendingForPlane(plane)) << "no landing, no monthly costs";
    GameState::RunUntil(Time(1959, 0, 3));
    EXPECT_TRUE(Of(LandingEvent::TYPE).empty());

    NoticeActions::ShutDownCrashedPlane(plane, Time(1959, 0, 3));
    EXPECT_EQ(0, company().GetPlaneCount());
    EXPECT_EQ(0, Enviroment::GetStatistics()->GetPassengersInTheAir());
    EXPECT_FALSE(company().ServesPair(20, Enviroment::GetNeighbour(20, 0)));
}

TEST_F(FlightTest, AReplacementTakesOverTheCrashedPlanesRoute)
{
    Plane* plane = PlaneOnRoute(0, 20);
    const int32_t destination = plane->GetRoute()->_destination;
    PlaneCrashEvent crash;
    crash._plane = plane;
    Run(crash, Time(1959, 0, 1, 1, 45, 0));

    Enviroment::SetModelAvailability(1, Enviroment::MODEL_UNSERVICED);
    EXPECT_EQ(nullptr, NoticeActions::ReplaceCrashedPlane(plane, 1, "New", Time(1959, 0, 2)));
    EXPECT_EQ(1, company().GetPlaneCount()) << "a refused replacement changes nothing";

    Enviroment::SetModelAvailability(0, Enviroment::MODEL_ON_SALE);
    Plane* replacement = NoticeActions::ReplaceCrashedPlane(plane, 0, "New", Time(1959, 0, 2));
    ASSERT_NE(nullptr, replacement);
    EXPECT_EQ(1, company().GetPlaneCount());
    ASSERT_TRUE(replacement->HasRoute());
    EXPECT_EQ(20, replacement->GetRoute()->_source);
    EXPECT_EQ(destination, replacement->GetRoute()->_destination);
    EXPECT_EQ(1, Pending(4)) << "the replacement checks in";
    EXPECT_EQ(1, Pending(RouteCostEvent::TYPE));
    EXPECT_EQ(1, Pending(PlaneUpkeepEvent::TYPE));
}

class BigPlaneTest : public FlightTest
{
protected:
    void ShapeTables(TestTables& tables) override { tables.models[0].capacity = 800; }
};

TEST_F(FlightTest, AContractLargerThanThePlaneEndsAtTheFirstDeparture)
{
    Plane* plane = PlaneOnRoute(0, 20);
    plane->GetRoute()->SetAgency(plane->Capacity() + 5, 10);
    GameState::RunUntil(Time(1959, 0, 1, 1, 30, 0));
    EXPECT_EQ(std::vector<int32_t>{Notices::AGENCY_SHORT_OF_SEATS}, log.notices);
    EXPECT_FALSE(plane->GetRoute()->HasAgency());
    EXPECT_EQ(plane->Capacity(), plane->_pass_on_board);
    EXPECT_EQ(1, Pending(LandingEvent::TYPE)) << "the plane is still on its way";
}

TEST_F(FlightTest, AnAcceptedAgencyContractEndsWhenDemandFalls)
{
    Plane* plane = PlaneOnRoute(0, 20);
    TimeSimulation::Clear();
    NoticeActions::AgencyTerms terms = NoticeActions::DrawAgencyOffer(plane);
    EXPECT_EQ(0, terms.tickets % 5);
    EXPECT_GE(terms.tickets, 5);
    ASSERT_TRUE(NoticeActions::AcceptAgencyOffer(plane, terms, Time(1960, 7, 20)));
    EXPECT_EQ(terms.tickets, plane->GetRoute()->_agency_tickets);
    ScheduledEvent* end = FindPending(AgencyContractEndEvent::TYPE);
    ASSERT_NE(nullptr, end);
    EXPECT_TRUE(end->_time.IsAfter(Time(1961, 1, 19)) && Time(1963, 6, 9).IsAfter(end->_time));
    EXPECT_LT(end->_time._month, 12);

    EXPECT_EQ(1, Run(*end, end->_time));
    EXPECT_FALSE(plane->GetRoute()->HasAgency());
    EXPECT_EQ(std::vector<int32_t>{Notices::AGENCY_DEMAND_FALLEN}, log.notices);
    AgencyContractEndEvent again;
    again._plane = plane;
    EXPECT_EQ(0, Run(again, Time(1964, 0, 1))) << "no contract, nothing to end";
}

TEST_F(BigPlaneTest, TheFoodPoisoningSettlementIsComputedIn64Bits)
{
    Plane* plane = PlaneOnRoute(0, 20);
    AirportDetails* source = company().Research(20, true, Time(1959, 0, 1));
    for (int32_t i = 0; i < AirportDetails::NEIGHBOURS; ++i)
    {
        source->SetDemand(i, 8000);
        source->_bonus[i] = 0;
    }
    plane->GetRoute()->_passengers_per_flight = 800;
    Enviroment::SetSurcharge(10000);
    const int32_t index = Enviroment::GetCostIndex();

    FoodPoisoningEvent poisoning;
    poisoning._plane = plane;
    EXPECT_EQ(1, Run(poisoning, Time(1990, 0, 1)));
    EXPECT_EQ(7200, source->GetDemand(3));
    EXPECT_EQ(std::vector<int32_t>{Notices::FOOD_POISONING}, log.notices);

    // 800 x 2500 x index overflows 32 bits; the settlement must stay a cost.
    const int64_t expected = int64_t(800) * 2500 * index / 1000;
    EXPECT_GT(int64_t(800) * 2500 * index, int64_t(INT32_MAX));
    const int64_t cash = company().GetCash();
    EXPECT_EQ(expected, NoticeActions::PayFoodPoisoningSettlement(plane));
    EXPECT_EQ(cash - expected, company().GetCash());
}

TEST_F(FlightTest, ADamagedPlaneIsRepairedOnlyWhenPartsAndCashAllow)
{
    Plane* plane = PlaneOnRoute(0, 20);
    TimeSimulation::Clear();
    plane->Damage();
    EXPECT_EQ(NoticeActions::RepairChoice::ASK, NoticeActions::RepairChoiceFor(plane));
    Enviroment::SetModelAvailability(0, Enviroment::MODEL_UNSERVICED);
    EXPECT_EQ(NoticeActions::RepairChoice::NO_SPARE_PARTS, NoticeActions::RepairChoiceFor(plane));
    EXPECT_FALSE(NoticeActions::RepairPlane(plane, Time(1959, 1, 1)));
    Enviroment::SetModelAvailability(0, Enviroment::MODEL_WITHDRAWN);
    const int64_t cash = company().GetCash();
    const int64_t cost = plane->_repair_cost;
    ASSERT_TRUE(NoticeActions::RepairPlane(plane, Time(1959, 1, 1)));
    EXPECT_FALSE(plane->_damaged);
    EXPECT_EQ(cash - cost, company().GetCash());
    EXPECT_EQ(1, PendingForPlane(plane)) << "back in its cycle";
    EXPECT_EQ(NoticeActions::RepairChoice::NOT_DAMAGED, NoticeActions::RepairChoiceFor(plane));
}

TEST_F(FlightTest, MonthlyRouteCostAndUpkeepAreChargedToThePlane)
{
    Plane* plane = PlaneOnRoute(0, 20);
    TimeSimulation::Clear();
    const int64_t cash = company().GetCash();
    RouteCostEvent cost;
    cost._plane = plane;
    EXPECT_EQ(0, Run(cost, Time(1959, 1, 1)));
    const int64_t fee = plane->GetRoute()->MonthlyFee();
    EXPECT_GT(fee, 0);
    EXPECT_EQ(cash - fee, company().GetCash());
    EXPECT_EQ(-fee, plane->_profit);
    EXPECT_EQ(1, Pending(RouteCostEvent::TYPE));

    PlaneUpkeepEvent upkeep;
    upkeep._plane = plane;
    const int64_t maintenance = plane->MaintenanceCost(Time(1959, 1, 1));
    EXPECT_EQ(0, Run(upkeep, Time(1959, 1, 1)));
    EXPECT_EQ(cash - fee - maintenance, company().GetCash());
    EXPECT_EQ(1, Pending(PlaneUpkeepEvent::TYPE));

    company().CloseRoute(plane, Time(1959, 1, 2));
    EXPECT_EQ(0, Pending(RouteCostEvent::TYPE));
    EXPECT_EQ(0, Run(cost, Time(1959, 2, 1)));
    EXPECT_EQ(0, Pending(RouteCostEvent::TYPE)) << "without a route the chain ends";
}

TEST_F(FlightTest, ANewAgencyContractIsNotEndedByTheEndOfAnEarlierOne)
{
    Plane* plane = PlaneOnRoute(0, 20);
    TimeSimulation::Clear();
    const NoticeActions::AgencyTerms terms{10, 5};
    ASSERT_TRUE(NoticeActions::AcceptAgencyOffer(plane, terms, Time(1960, 0, 1)));
    plane->GetRoute()->ClearAgency(); // the agency withdrew at a departure
    ASSERT_TRUE(NoticeActions::AcceptAgencyOffer(plane, terms, Time(1960, 5, 1)));
    EXPECT_EQ(1, Pending(AgencyContractEndEvent::TYPE));
    EXPECT_TRUE(FindPending(AgencyContractEndEvent::TYPE)->_time.IsAfter(Time(1960, 11, 1)));

    Plane* grounded = company().BuyPlane(1, "Spare", Time(1960, 5, 1));
    EXPECT_FALSE(NoticeActions::AcceptAgencyOffer(grounded, terms, Time(1960, 5, 1))) << "no route";
    EXPECT_FALSE(NoticeActions::AcceptAgencyOffer(plane, NoticeActions::AgencyTerms{}, Time(1960, 5, 1)));
    EXPECT_FALSE(NoticeActions::AcceptSmuggling(grounded, NoticeActions::DrawSmugglingOffer(grounded)));
}
