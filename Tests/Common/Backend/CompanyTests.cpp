#include "Common/Backend/Company.h"

#include "WorldFixtures.h"

#include <gtest/gtest.h>

namespace
{
// Airport 4 (size 250) has neighbours 5..10 at 1000, 1500, ... km; model 0
// costs 300000, flies 800 km/h over 5000 km with 150 seats.
constexpr int32_t HOME = 4;

class CompanyTest : public WorldTest
{
protected:
    void ShapeTables(TestTables& tables) override
    {
        tables.models[0] = TestModel{"Liner", 1950, 1990, 300000, 800, 5000, 150, 24};
        tables.models[1] = TestModel{"Hopper", 1950, 1990, 50000, 400, 900, 20, 12};
    }

    Plane* PlaneOnRoute(int32_t source = HOME, int32_t destination = 5)
    {
        // Appended, not "P" + the number: GCC 12 warns falsely about the
        // latter in Release builds (-Wrestrict).
        std::string name = "P";
        name += std::to_string(company().NextPlaneId());
        Plane* plane = company().BuyPlane(0, name, start);
        company().OpenRoute(plane, source, destination, Route::LEVEL_MEDIUM, Route::LEVEL_MEDIUM, start);
        return plane;
    }
};
} // namespace

TEST_F(CompanyTest, AFreshCompany)
{
    EXPECT_EQ(500000, company().GetCash());
    EXPECT_EQ(5, company().GetMIR());
    EXPECT_EQ(0, company().GetInitialCredit());
    EXPECT_EQ(0, company().GetRemainingCredit());
    EXPECT_EQ(1, company().NextPlaneId());
    EXPECT_EQ(300, company().GetCreditFactor());
    EXPECT_EQ(500000, company().Worth(start));
    EXPECT_EQ(150000, company().CreditLimit(start));
    EXPECT_EQ(-1, company().GetHomeAirport());
}

TEST_F(CompanyTest, SpendAndEarnBookOnlyWhenAsked)
{
    company().Spend(1000, true);
    company().Earn(300, true);
    company().Spend(50, false);
    company().Earn(20, false);
    EXPECT_EQ(500000 - 1000 + 300 - 50 + 20, company().GetCash());
    EXPECT_EQ(1000, stats().GetCosts(3));
    EXPECT_EQ(300, stats().GetIncomes(3));
}

TEST_F(CompanyTest, CashOutsideItsRangeIsAnError)
{
    EXPECT_DEATH(company().Earn(200000000000LL, false), "_cash > -20000000000 && _cash < 200000000000");
    EXPECT_DEATH(company().Spend(20000500000LL, false), "_cash > -20000000000");
}

TEST_F(CompanyTest, CreditObtainRepayAndInterest)
{
    company().ObtainCredit(100000);
    company().ObtainCredit(120000);
    EXPECT_EQ(120000, company().GetInitialCredit());
    EXPECT_EQ(120000, company().GetRemainingCredit());
    EXPECT_EQ(500000 + 100000 + 120000, company().GetCash());
    company().RepayCredit(20000);
    EXPECT_EQ(100000, company().GetRemainingCredit());
    company().AddInterest();
    EXPECT_EQ(100800, company().GetRemainingCredit());
    EXPECT_EQ(800, stats().GetCosts(3));
    EXPECT_EQ(0, stats().GetIncomes(3));
    company().Fine();
    EXPECT_EQ(100800 + 4800, company().GetRemainingCredit());
    company().SetMIR(0);
    EXPECT_EQ(1, company().GetMIR());
}

TEST_F(CompanyTest, InstallmentsNeedCashStrictlyAboveThem)
{
    company().ObtainCredit(1000000);
    company().Spend(company().GetCash() - 50000, false);
    // Interest first: 8000; the installment is 5 % of the initial credit.
    EXPECT_EQ(Company::CreditOutcome::ASK_MIR, company().MonthlyCredit());
    EXPECT_TRUE(company().GetMIRPrompt());
    EXPECT_EQ(1008000, company().GetRemainingCredit());
    EXPECT_EQ(50000, company().GetCash());

    // Cash exactly 1 % of the initial credit avoids the fine.
    company().Spend(40000, false);
    EXPECT_EQ(Company::CreditOutcome::ASK_MIR, company().MonthlyCredit());
    company().Spend(1, false);
    const int64_t before = company().GetRemainingCredit();
    EXPECT_EQ(Company::CreditOutcome::FINED, company().MonthlyCredit());
    EXPECT_EQ(before + before * 8 / 1000 + 40000, company().GetRemainingCredit());

    company().Earn(2000000, false);
    EXPECT_EQ(Company::CreditOutcome::PAID_CONTINUE, company().MonthlyCredit());
}

TEST_F(CompanyTest, TheLastInstallmentPaysOnlyWhatIsLeft)
{
    company().ObtainCredit(100000);
    company().SetMIR(60);
    EXPECT_EQ(Company::CreditOutcome::PAID_CONTINUE, company().MonthlyCredit());
    EXPECT_EQ(100800 - 60000, company().GetRemainingCredit());
    const int64_t cash = company().GetCash();
    EXPECT_EQ(Company::CreditOutcome::PAID_FINISHED, company().MonthlyCredit());
    EXPECT_EQ(0, company().GetRemainingCredit());
    EXPECT_EQ(cash - (40800 + 326), company().GetCash());
    // Nothing left: no interest, nothing more paid.
    EXPECT_EQ(Company::CreditOutcome::PAID_FINISHED, company().MonthlyCredit());
    EXPECT_EQ(cash - (40800 + 326), company().GetCash());
}

TEST_F(CompanyTest, CreditLimitIsWholeThousandsAndNeverNegative)
{
    company().Spend(1234, false);
    EXPECT_EQ(149000, company().CreditLimit(start));
    company().Spend(600000, false);
    EXPECT_EQ(0, company().CreditLimit(start));
    EXPECT_TRUE(company().IsBankrupt(start));
    company().Earn(101234, false);
    EXPECT_EQ(0, company().Worth(start));
    EXPECT_FALSE(company().IsBankrupt(start));
}

TEST_F(CompanyTest, BuyingAPlaneNeedsTheWholePriceInCash)
{
    company().Spend(company().GetCash() - 299999, false);
    EXPECT_EQ(nullptr, company().BuyPlane(0, "Too dear", start));
    EXPECT_EQ(299999, company().GetCash());
    EXPECT_EQ(0, company().GetPlaneCount());
    company().Earn(1, false);
    Plane* plane = company().BuyPlane(0, "Plane1", start);
    ASSERT_NE(nullptr, plane);
    EXPECT_EQ(0, company().GetCash());
    EXPECT_EQ(1, plane->_id);
    EXPECT_EQ(2, company().NextPlaneId());
    EXPECT_EQ(300000, stats().GetCosts(3));
    const RecordedEvent* upkeep = hooks.Last("plane", WorldEventHooks::PLANE_UPKEEP);
    ASSERT_NE(nullptr, upkeep);
    EXPECT_EQ(plane, upkeep->plane);
    EXPECT_TRUE(upkeep->at.Equals(Time(1959, 1, 1)));
    EXPECT_EQ(255000, company().Worth(start));
    EXPECT_EQ(255000, company().PlanesValue(start)) << "all of the worth lies in the plane";
    EXPECT_EQ(0, company().RealEstateValue());
}

TEST_F(CompanyTest, StartingAirportResearchAndOffices)
{
    company().OpenStartingAirport(HOME, start);
    EXPECT_EQ(HOME, company().GetHomeAirport());
    AirportDetails* home = company().FindDetails(HOME);
    ASSERT_NE(nullptr, home);
    EXPECT_EQ(1, home->_office);
    EXPECT_EQ(1625, home->GetDemand(4));
    EXPECT_EQ(AirportDetails::OfficePrice(HOME) / 20, home->_office_fee);
    EXPECT_EQ(500000, company().GetCash());
    EXPECT_EQ(1, hooks.Count("airport", WorldEventHooks::OFFICE_RENT));
    EXPECT_EQ(500000 + AirportDetails::OfficePrice(HOME) / 2, company().Worth(start));
    EXPECT_EQ(AirportDetails::OfficePrice(HOME) / 2, company().RealEstateValue());
    EXPECT_EQ(0, company().PlanesValue(start));
    EXPECT_FALSE(company().NeedsResearch(HOME, Time(1965, 0, 1)));

    EXPECT_TRUE(company().NeedsResearch(7, start));
    AirportDetails* other = company().Research(7, false, start);
    EXPECT_EQ(2, other->_id);
    EXPECT_EQ(500000 - AirportDetails::ResearchCost(7), company().GetCash());
    EXPECT_FALSE(company().NeedsResearch(7, Time(1959, 11, 1)));
    EXPECT_TRUE(company().NeedsResearch(7, Time(1960, 0, 1)));

    const int64_t price = AirportDetails::OfficePrice(9);
    const int64_t cash = company().GetCash();
    company().BuyOffice(9, price, start);
    AirportDetails* office = company().FindDetails(9);
    ASSERT_NE(nullptr, office);
    EXPECT_EQ(1, office->_office);
    EXPECT_EQ(price / 20, office->_office_fee);
    EXPECT_EQ(cash - price - AirportDetails::ResearchCost(9), company().GetCash());
    company().SellOffice(9, price / 2, Time(1960, 5, 1));
    EXPECT_EQ(0, office->_office);
    EXPECT_TRUE(office->_research_date.Equals(Time(1960, 5, 1)));
}

TEST_F(CompanyTest, AdvertisingWithoutDetailsDoesNothing)
{
    company().Advertise(7, 120, start);
    EXPECT_EQ(500000, company().GetCash());
    EXPECT_TRUE(hooks.events.empty());

    company().OpenStartingAirport(HOME, start);
    company().Advertise(HOME, 80, start);
    EXPECT_EQ(500000 - AirportDetails::AdvertisingCost(HOME, 80), company().GetCash());
    const RecordedEvent* step = hooks.Last("step", WorldEventHooks::AIRPORT_EFFECT);
    ASSERT_NE(nullptr, step);
    EXPECT_EQ(80, step->size);
    EXPECT_EQ(1625, step->effects[4]);
    EXPECT_TRUE(step->at.Equals(Time(1959, 1, 1)));
    const RecordedEvent* growth = hooks.Last("growth", WorldEventHooks::AIRPORT_GROWTH);
    ASSERT_NE(nullptr, growth);
    EXPECT_TRUE(growth->at.Equals(Time(1960, 0, 1)));
    EXPECT_EQ(1625 * 90 / 1000, company().FindDetails(HOME)->_bonus[4]);
}

TEST_F(CompanyTest, StaleDetailsAreDroppedUnlessInUse)
{
    company().OpenStartingAirport(HOME, start);
    company().Research(20, true, start);
    company().Research(30, true, start);
    company().Research(40, true, Time(1959, 6, 1));
    Enviroment::SetDialogAirport(company().FindDetails(20));
    company().FindDetails(30)->_event_state = AirportDetails::OFFER_VIP;
    company().DropStaleDetails(Time(1960, 0, 2));
    EXPECT_NE(nullptr, company().FindDetails(HOME));
    EXPECT_EQ(nullptr, company().FindDetails(20));
    EXPECT_NE(nullptr, company().FindDetails(30));
    EXPECT_NE(nullptr, company().FindDetails(40));
    EXPECT_EQ(nullptr, Enviroment::GetDialogAirport());
    const RecordedEvent* cancel = hooks.Last("cancel-airport", -1);
    ASSERT_NE(nullptr, cancel);
    EXPECT_TRUE(cancel->allButType);
}

TEST_F(CompanyTest, OpeningARouteCountsMarksAndStartsTheCycle)
{
    company().OpenStartingAirport(HOME, start);
    company().Research(5, true, start);
    Plane* plane = company().BuyPlane(0, "P1", start);
    const int64_t cash = company().GetCash();
    ASSERT_TRUE(company().MayOpenRoute(HOME, 5));
    EXPECT_FALSE(company().MayOpenRoute(HOME, 20));
    company().OpenRoute(plane, HOME, 5, Route::LEVEL_LOW, Route::LEVEL_HIGH, start);
    const int64_t setup = Route::SetupCost(HOME, 5);
    EXPECT_EQ(cash - setup, company().GetCash());
    EXPECT_EQ(setup / 5, plane->GetRoute()->_monthly_fee);
    EXPECT_EQ(75, plane->GetRoute()->DurationMinutes());
    AirportDetails* home = company().FindDetails(HOME);
    AirportDetails* dest = company().FindDetails(5);
    EXPECT_EQ(1, home->RoutesOut());
    EXPECT_EQ(1, dest->RoutesIn());
    EXPECT_TRUE(home->IsMarked(0));
    // Airport 5's neighbours are 6..11: airport 4 is none of them.
    EXPECT_EQ(0u, dest->_neighbour_marks);
    EXPECT_FALSE(company().MayOpenRoute(HOME, 5));
    EXPECT_FALSE(company().MayOpenRoute(5, HOME));
    EXPECT_EQ(1, hooks.Count("plane", WorldEventHooks::ROUTE_COST));
    EXPECT_EQ(1, hooks.Count("plane", WorldEventHooks::CHECK_IN));
    EXPECT_EQ(Plane::PHASE_CHECK_IN, plane->_flight_state);
    EXPECT_EQ(1, plane->_running);

    company().CloseRoute(plane, Time(1960, 2, 3));
    EXPECT_FALSE(plane->HasRoute());
    EXPECT_EQ(0, home->RoutesOut());
    EXPECT_EQ(0, dest->RoutesIn());
    EXPECT_FALSE(home->IsMarked(0));
    EXPECT_TRUE(home->_research_date.Equals(Time(1960, 2, 3)));
    const RecordedEvent* cancel = hooks.Last("cancel-plane", WorldEventHooks::ROUTE_COST);
    ASSERT_NE(nullptr, cancel);
    EXPECT_FALSE(cancel->allButType);
}

// Routes may end at an airport the company holds no details for; research
// or an office there later must count them, so that every order in which a
// player can open, research and close keeps the counts of each airport equal
// to the routes through it (a close never takes off what was not counted).
TEST_F(CompanyTest, RouteCountsStayTrueInEveryOrderOfOpeningResearchAndClosing)
{
    // O opens a route from home to D, I one from D onwards (D must be known
    // for that), R researches D, F buys an office there, Y lets a year pass
    // and drops stale details; C shuts the first route down, S sells its
    // plane, X crashes it, E closes D in a state of emergency.
    constexpr int32_t D = 5;
    const char* const orders[] = {"ORC", "ORS", "ORX", "ORE", "OFC", "OFS", "OFE", "ROC", "ROS", "ROX",
                                  "ROE", "OCR", "OORSC", "RIC", "RIOE", "ORIXC", "RYORC", "ROYRC", "YOFX"};
    for (const char* order : orders)
    {
        SCOPED_TRACE(order);
        TearDown();
        SetUp();
        company().OpenStartingAirport(HOME, start);
        company().Earn(50000000, false);
        Time now = start;
        const auto firstWithRoute = [&]() -> Plane*
        {
            for (int32_t i = 0; i < company().GetPlaneCount(); ++i)
                if (company().GetPlane(i)->HasRoute())
                    return company().GetPlane(i);
            return nullptr;
        };
        for (const char* step = order; *step; ++step)
        {
            Plane* flying = firstWithRoute();
            switch (*step)
            {
            case 'O':
            case 'I':
            {
                const int32_t from = *step == 'O' ? HOME : D;
                const int32_t to = Enviroment::GetNeighbour(from, company().GetPlaneCount() % 3);
                ASSERT_TRUE(company().MayOpenRoute(from, to));
                company().OpenRoute(company().BuyPlane(0, "P", now), from, to, 1, 1, now);
                break;
            }
            case 'R':
                company().Research(D, false, now);
                break;
            case 'F':
                company().BuyOffice(D, AirportDetails::OfficePrice(D), now);
                break;
            case 'Y':
                now = now.Add(1, 0, 1, 0, 0, 0);
                company().DropStaleDetails(now);
                break;
            case 'C':
                ASSERT_NE(nullptr, flying);
                company().CloseRoute(flying, now);
                break;
            case 'S':
                ASSERT_NE(nullptr, flying);
                company().SellPlane(flying, now);
                break;
            case 'X':
                ASSERT_NE(nullptr, flying);
                company().RemoveCrashedPlane(flying, false, now);
                break;
            case 'E':
                EXPECT_GT(company().CloseRoutesThrough(D, now), 0);
                break;
            }
            for (int32_t airport : {HOME, D, 6})
            {
                const AirportDetails* details = company().FindDetails(airport);
                if (!details)
                    continue;
                int32_t out = 0;
                int32_t in = 0;
                for (int32_t i = 0; i < company().GetPlaneCount(); ++i)
                {
                    if (const Route* route = company().GetPlane(i)->GetRoute())
                    {
                        out += route->_source == airport;
                        in += route->_destination == airport;
                    }
                }
                EXPECT_EQ(out, details->RoutesOut()) << "after " << *step << " at airport " << airport;
                EXPECT_EQ(in, details->RoutesIn()) << "after " << *step << " at airport " << airport;
            }
        }
    }
}

TEST_F(CompanyTest, DepartureBooksRevenueAndCountsEverySoldTicket)
{
    company().OpenStartingAirport(HOME, start);
    Plane* plane = company().BuyPlane(1, "Small", start); // 20 seats
    company().OpenRoute(plane, HOME, 5, Route::LEVEL_MEDIUM, Route::LEVEL_MEDIUM, start);
    const int64_t cash = company().GetCash();
    const int64_t revenue = company().DepartureBookkeeping(plane);
    Route* route = plane->GetRoute();
    const int32_t sold = route->_passengers_per_flight;
    ASSERT_GT(sold, 20);
    EXPECT_EQ(Plane::PHASE_FLIGHT, plane->_flight_state);
    EXPECT_EQ(1, route->_outbound);
    EXPECT_EQ(20, plane->_pass_on_board);
    EXPECT_EQ(20, stats().GetPassengersInTheAir());
    EXPECT_EQ(sold, plane->_pass_carried);
    EXPECT_EQ(20, plane->_pass_flown);
    EXPECT_EQ(route->TicketIncome(20) - route->FlightCost(20, 20), revenue);
    EXPECT_EQ(cash + revenue, company().GetCash());
    EXPECT_EQ(revenue, plane->_profit + Route::SetupCost(HOME, 5) * 0);
    EXPECT_EQ(revenue, company().FindDetails(HOME)->_result_curr);
    EXPECT_DOUBLE_EQ(1000.0 / 400, plane->_flight_hours);
    company().Landing(plane);
    EXPECT_EQ(0, stats().GetPassengersInTheAir());
    EXPECT_EQ(20, stats().GetPassengersEver());
}

TEST_F(CompanyTest, SellingAPlaneClosesItsRouteAndForgetsIt)
{
    company().OpenStartingAirport(HOME, start);
    Plane* plane = PlaneOnRoute();
    company().DepartureBookkeeping(plane);
    Enviroment::SetDialogPlane(plane);
    const int64_t value = plane->Value(Time(1960, 0, 1));
    const int64_t cash = company().GetCash();
    company().SellPlane(plane, Time(1960, 0, 1));
    EXPECT_EQ(0, company().GetPlaneCount());
    EXPECT_EQ(cash + value, company().GetCash());
    EXPECT_EQ(0, company().FindDetails(HOME)->RoutesOut());
    EXPECT_EQ(nullptr, Enviroment::GetDialogPlane());
    // The landing will not happen: its passengers leave the air count.
    EXPECT_EQ(0, stats().GetPassengersInTheAir());
    const RecordedEvent* cancel = hooks.Last("cancel-plane", -1);
    ASSERT_NE(nullptr, cancel);
    EXPECT_TRUE(cancel->allButType);
}

TEST_F(CompanyTest, ACrashedPlanesRouteCanWaitForAReplacement)
{
    company().OpenStartingAirport(HOME, start);
    company().Earn(1000000, false);
    Plane* crashed = PlaneOnRoute();
    Plane* spare = company().BuyPlane(0, "Spare", start);
    std::unique_ptr<Route> route = company().RemoveCrashedPlane(crashed, true, start);
    ASSERT_NE(nullptr, route);
    EXPECT_EQ(1, route->_replacement);
    EXPECT_EQ(1, company().GetPlaneCount());
    EXPECT_EQ(1, company().FindDetails(HOME)->RoutesOut());
    company().AttachRoute(spare, std::move(route), Time(1959, 3, 1));
    EXPECT_EQ(0, spare->GetRoute()->_replacement);
    EXPECT_EQ(Plane::PHASE_CHECK_IN, spare->_flight_state);
    EXPECT_EQ(1, company().FindDetails(HOME)->RoutesOut());

    std::unique_ptr<Route> none = company().RemoveCrashedPlane(spare, false, start);
    EXPECT_EQ(nullptr, none);
    EXPECT_EQ(0, company().FindDetails(HOME)->RoutesOut());
}

TEST_F(CompanyTest, RepairPaysAndResumesTheCycle)
{
    company().OpenStartingAirport(HOME, start);
    Plane* plane = PlaneOnRoute();
    plane->Damage();
    const int64_t repair = plane->_repair_cost;
    const int64_t cash = company().GetCash();
    const int64_t profit = plane->_profit;
    hooks.events.clear();
    company().RepairPlane(plane, Time(1960, 0, 1));
    EXPECT_EQ(cash - repair, company().GetCash());
    EXPECT_EQ(profit - repair, plane->_profit);
    EXPECT_EQ(0, plane->_damaged);
    EXPECT_EQ(Plane::PHASE_REFUEL, plane->_flight_state);
    EXPECT_EQ(1, plane->_running);
    EXPECT_EQ(1, hooks.Count("plane", WorldEventHooks::REFUEL));
}

TEST_F(CompanyTest, ReopeningLetsClosedOutPlanesFlyAgain)
{
    company().OpenStartingAirport(HOME, start);
    company().Earn(1000000, false);
    Plane* plane = PlaneOnRoute();
    AirportDetails* home = company().FindDetails(HOME);
    home->Close(AirportDetails::CLOSED_STRIKE);
    plane->_stop_reason = AirportDetails::CLOSED_STRIKE;
    plane->Halt();
    plane->Stop();
    Plane* paused = PlaneOnRoute(HOME, 6);
    paused->_stop_reason = Plane::STOP_PAUSED;
    paused->Stop();
    paused->_running = 0;
    hooks.events.clear();
    company().ReopeningPass(home, start);
    EXPECT_TRUE(hooks.events.empty()) << "the airport is still closed";
    home->Reopen();
    company().ReopeningPass(home, start);
    EXPECT_FALSE(plane->IsStopped());
    EXPECT_EQ(1, plane->_running);
    EXPECT_EQ(1, hooks.Count("plane", WorldEventHooks::REFUEL));
    EXPECT_TRUE(paused->IsStopped());
}

TEST_F(CompanyTest, SmugglingIsPaidOrFined)
{
    company().OpenStartingAirport(HOME, start);
    Plane* plane = PlaneOnRoute();
    Route* route = plane->GetRoute();
    const int64_t base = route->SmugglingBase();
    route->AcceptSmuggling(base, 1);
    int64_t cash = company().GetCash();
    company().SettleSmuggling(plane, false);
    EXPECT_EQ(cash + base + base / 2, company().GetCash());
    EXPECT_FALSE(route->IsSmuggling());
    route->AcceptSmuggling(base, 0);
    cash = company().GetCash();
    company().SettleSmuggling(plane, true);
    EXPECT_EQ(cash - 4 * base, company().GetCash());
    EXPECT_EQ(Plane::STOP_IMPOUNDED, plane->_stop_reason);
    EXPECT_TRUE(plane->IsStopped());
    EXPECT_EQ("Impounded", plane->Status());
}

TEST_F(CompanyTest, MonthlyPassesRaiseTheIndexAndTheCreditFactor)
{
    company().OpenStartingAirport(HOME, start);
    clock.Set(0);
    company().MonthlyAirportChecks(Time(1959, 1, 1));
    EXPECT_EQ(202, Enviroment::GetCostIndex());
    EXPECT_EQ(301, company().GetCreditFactor());
    company().NewYearOperation();
    EXPECT_EQ(0, company().FindDetails(HOME)->_route_offer_pending);
}

TEST_F(CompanyTest, TheEconomyDrawSchedulesBothOrNeither)
{
    SRand(5);
    const int64_t r = Rand() % 100000;
    const int32_t d = Rand() % 28;
    const int32_t h = Rand() % 24;
    clock.Set(static_cast<uint32_t>(r + 1));
    SRand(5);
    company().MonthlyAirportChecks(Time(1965, 4, 1));
    ASSERT_EQ(1, hooks.Count("global", WorldEventHooks::ECONOMY_GROWS));
    ASSERT_EQ(1, hooks.Count("global", WorldEventHooks::ECONOMY_FALLS));
    EXPECT_TRUE(hooks.Last("global", WorldEventHooks::ECONOMY_GROWS)->at.Equals(Time(1965, 4, 1).Add(0, 0, d, h, 0, 0)));
}

TEST_F(CompanyTest, AprilRaisesDemandOnCheapGoodRoutes)
{
    company().OpenStartingAirport(HOME, start);
    Plane* plane = company().BuyPlane(0, "P", start);
    company().OpenRoute(plane, HOME, 9, Route::LEVEL_LOW, Route::LEVEL_HIGH, start);
    AirportDetails* home = company().FindDetails(HOME);
    const int32_t before0 = home->GetDemand(0);
    const int32_t before4 = home->GetDemand(4);
    const int32_t before5 = home->GetDemand(5);
    company().AprilOperation();
    EXPECT_EQ(static_cast<int32_t>(before0 * 1.012), home->GetDemand(0));
    EXPECT_EQ(static_cast<int32_t>(static_cast<int32_t>(before4 * 1.012) * 1.025), home->GetDemand(4));
    EXPECT_EQ(before5, home->GetDemand(5));
}

TEST_F(CompanyTest, FoodPoisoningSettlementAtLateGameValues)
{
    company().OpenStartingAirport(HOME, start);
    Plane* plane = PlaneOnRoute();
    plane->GetRoute()->_passengers_per_flight = 900;
    EXPECT_EQ(150 * 2500 * 200 / 1000, company().FoodPoisoningSettlement(plane));
    Enviroment::RaiseCostIndex(1056);
    Enviroment::SetSurcharge(628);
    // 150 x 2500 x 1884 overflows 32 bits; the settlement stays exact.
    EXPECT_EQ(int64_t{150} * 2500 * 1884 / 1000, company().FoodPoisoningSettlement(plane));
    // A late, rich company: the credit limit of worth x factor in 64 bits.
    company().Earn(150000000000LL, false);
    const int64_t worth = company().Worth(start);
    EXPECT_EQ(worth * 300 / 1000 / 1000 * 1000, company().CreditLimit(start));
}

TEST_F(CompanyTest, MonthlyRunningCostsEndWithTheirSubject)
{
    company().OpenStartingAirport(HOME, start);
    company().Earn(1000000, false);
    AirportDetails* home = company().FindDetails(HOME);
    Plane* plane = PlaneOnRoute();
    int64_t cash = company().GetCash();
    EXPECT_TRUE(company().PayOfficeRent(home));
    EXPECT_EQ(cash - home->_office_fee, company().GetCash());
    EXPECT_EQ(-home->_office_fee, home->_result_curr);

    cash = company().GetCash();
    const int64_t fee = plane->GetRoute()->MonthlyFee();
    EXPECT_TRUE(company().PayRouteCost(plane));
    EXPECT_EQ(cash - fee, company().GetCash());
    EXPECT_EQ(-home->_office_fee - fee, home->_result_curr);

    cash = company().GetCash();
    const int64_t upkeep = plane->MaintenanceCost(Time(1960, 0, 1));
    company().PayUpkeep(plane, Time(1960, 0, 1));
    EXPECT_EQ(cash - upkeep, company().GetCash());

    company().SellOffice(HOME, 1, start);
    EXPECT_FALSE(company().PayOfficeRent(home));
    company().CloseRoute(plane, start);
    EXPECT_FALSE(company().PayRouteCost(plane));
}

TEST_F(CompanyTest, AStateOfEmergencyClosesEveryRouteThroughTheAirport)
{
    company().OpenStartingAirport(HOME, start);
    company().Earn(2000000, false);
    Plane* out = PlaneOnRoute(HOME, 5);
    Plane* in = PlaneOnRoute(3, HOME);
    Plane* elsewhere = PlaneOnRoute(20, 21);
    EXPECT_EQ(2, company().CloseRoutesThrough(HOME, start));
    EXPECT_FALSE(out->HasRoute());
    EXPECT_FALSE(in->HasRoute());
    EXPECT_TRUE(elsewhere->HasRoute());
    EXPECT_EQ(0, company().FindDetails(HOME)->RoutesOut());
    EXPECT_EQ(0, company().FindDetails(HOME)->RoutesIn());
}

TEST_F(CompanyTest, AgencyContractsAndFoodPoisoning)
{
    company().OpenStartingAirport(HOME, start);
    company().Research(5, true, start);
    Plane* plane = PlaneOnRoute();
    const Time now(1960, 10, 15);
    for (int i = 0; i < 30; ++i)
    {
        company().AcceptAgencyOffer(plane, 10, 4, now);
        const RecordedEvent* end = hooks.Last("plane", WorldEventHooks::AGENCY_CONTRACT_END);
        ASSERT_NE(nullptr, end);
        // Between 6 months and 2 years 5 months 19 days later, a valid month.
        EXPECT_TRUE(end->at.IsAfter(Time(1961, 4, 14)));
        EXPECT_TRUE(Time(1963, 4, 5).IsAfter(end->at));
        EXPECT_LE(end->at._month, 11);
    }
    EXPECT_EQ(10, plane->GetRoute()->_agency_tickets);
    EXPECT_EQ(4, plane->GetRoute()->_agency_reduction);

    AirportDetails* home = company().FindDetails(HOME);
    AirportDetails* dest = company().FindDetails(5);
    home->SetDemand(0, 5000);
    dest->SetDemand(3, 1000);
    company().FoodPoisoningDemandLoss(plane);
    EXPECT_EQ(4500, home->GetDemand(0));
    EXPECT_EQ(900, dest->GetDemand(3));
    plane->GetRoute()->_passengers_per_flight = 100;
    const int64_t cash = company().GetCash();
    EXPECT_EQ(100 * 2500 * 200 / 1000, company().PayFoodPoisoning(plane));
    EXPECT_EQ(cash - 50000, company().GetCash());
}
