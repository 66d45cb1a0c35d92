// A whole game played headless through the notice screens: from a new game
// started at the menu to the final year, a player-bot answers every notice
// the events open through its buttons, and walks on through the screens an
// answer leads to. Every kind of notice an event can open must have been
// shown and answered.
#include "../../GameTestSupport.h"
#include "../../PlayerBot.h"

#include "Common/Backend/BankActions.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/PlaneCrashEvent.h"
#include "Common/Backend/FleetRules.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/TimeSimulation.h"

#include <algorithm>
#include <set>
#include <vector>
#include <sstream>

namespace
{
// The notices the events open, by the event classes that open them. The
// notices reached through an answer (the plane choice of the special
// flights, "No free plane") are counted with them.
struct EventNotice
{
    const char* event;
    int32_t notice;
};
constexpr EventNotice EVENT_NOTICES[] = {
    {"DepartureEvent", Screens::PLANE_DAMAGE},
    {"DepartureEvent", Screens::SMUGGLING_OFFER},
    {"DepartureEvent", Screens::AGENCY_SHORT_OF_SEATS},
    {"LandingEvent", Screens::SMUGGLING_DETECTED},
    {"PlaneCrashEvent", Screens::PLANE_CRASH},
    {"AgencyContractEndEvent", Screens::AGENCY_DEMAND_FALLEN},
    {"BirthInAirEvent", Screens::BIRTH_IN_AIR},
    {"HeartAttackEvent", Screens::HEART_ATTACK},
    {"FoodPoisoningEvent", Screens::FOOD_POISONING},
    {"BadWeatherEvent", Screens::BAD_WEATHER},
    {"StaffStrikeEvent", Screens::STAFF_STRIKE},
    {"ThunderstormEvent", Screens::THUNDERSTORM},
    {"StrongWindEvent", Screens::STRONG_WIND},
    {"RouteOfferExpiryEvent", Screens::ROUTE_OFFER_EXPIRED},
    {"CharityOfferExpiryEvent", Screens::CHARITY_EXPIRED},
    {"VipOfferExpiryEvent", Screens::VIP_EXPIRED},
    {"ManeuversEvent", Screens::MANEUVERS},
    {"ThickFogEvent", Screens::THICK_FOG},
    {"EmergencyStateEvent", Screens::EMERGENCY_STATE},
    {"CreditInstallmentEvent", Screens::CHANGE_RATE},
    {"CreditInstallmentEvent", Screens::CREDIT_FINE},
    {"YearlyEvent", Screens::GAME_OVER_FINAL_YEAR},
    {"NewModelEvent", Screens::NEW_MODEL},
    {"ModelWithdrawalEvent", Screens::MODEL_WITHDRAWAL},
    {"RouteOfferEvent", Screens::ROUTE_OFFER},
    {"CharityOfferEvent", Screens::CHARITY_OFFER},
    {"CharityOfferEvent", Screens::CHARITY_ASSIGN},
    {"CharityOfferEvent", Screens::CHARITY_NO_PLANE},
    {"VipOfferEvent", Screens::VIP_OFFER},
    {"VipOfferEvent", Screens::VIP_ASSIGN},
    {"VipOfferEvent", Screens::VIP_NO_PLANE},
    {"AgencyOfferEvent", Screens::AGENCY_OFFER},
    {"EconomyGrowsEvent", Screens::ECONOMY_GROWS},
    {"EconomyFallsEvent", Screens::ECONOMY_FALLS},
    {"EconomyLevelsEvent", Screens::ECONOMY_LEVELS},
};

// The answers with a choice, each of which must have been given.
constexpr const char* CHOICES[] = {
    "45 sr_Yes_button.bmp",        "45 sr_No_button.bmp",           "46 sr_Replace_button.bmp",
    "46 sr_ShutDown_button.bmp",   "53 sr_Accept_button.bmp",       "53 sr_Reject_button.bmp",
    "60 sr_Accept_button.bmp",     "60 sr_Reject_button.bmp",       "64 sr_AssignPlane_button.bmp",
    "64 sr_Ok_button.bmp",         "73 sr_AssignPlane_button.bmp",  "73 sr_Ok_button.bmp",
};

class NoticeRunTest : public game_test::GameTest
{
protected:
    // A new game through the menu's screens, then a fleet on routes from the
    // home airport and a reserve that keeps the company in business to the
    // end: the run is about the notices, not about making money.
    void StartGame(PlayerBot& bot)
    {
        Start();
        bot.Rebind(*script);
        Run("wait 50\ntap 120 160\ntap 120 160\nwait 100\n");
        ASSERT_TRUE(bot.StartNewGame("Notice Air", "")) << bot.Failure();

        Company& company = *Enviroment::GetCompany();
        const Time now = TimeSimulation::GetCurrGameTime();
        company.Earn(4000000000LL, false);
        _home = company.GetDetails(0)->_airport;
        const AirportInfo info = Enviroment::GetAirport(_home);
        for (int32_t i = 0; i < 6; ++i)
        {
            company.Research(info._neighbours[i], false, now);
            if (i < 2)
                company.BuyOffice(info._neighbours[i], AirportDetails::OfficePrice(info._neighbours[i]), now);
        }
        company.Advertise(_home, 40, now);
        TendFleet();
        ASSERT_GE(company.GetPlaneCount(), 3);
    }

    // Once a month the fleet is tended as a player would at the planes
    // screens: a plane left damaged (the bot answers No in turn) or without
    // a route (a crash shut it, an emergency closed it) is sold, and the
    // fleet is made up to six planes, each flying from home to a neighbour.
    void TendFleet()
    {
        Company& company = *Enviroment::GetCompany();
        const Time now = TimeSimulation::GetCurrGameTime();
        for (int32_t i = company.GetPlaneCount() - 1; i >= 0; --i)
        {
            Plane* plane = company.GetPlane(i);
            if (plane->_damaged || !plane->HasRoute())
                company.SellPlane(plane, now);
        }
        const AirportInfo info = Enviroment::GetAirport(_home);
        for (int32_t slot = 0; slot < 6 && company.GetPlaneCount() < 6; ++slot)
        {
            const int32_t destination = info._neighbours[slot];
            const int32_t model = Enviroment::CheapestModelFor(Enviroment::GetDistance(_home, destination));
            if (model < 0 || !company.MayOpenRoute(_home, destination))
                continue;
            Plane* plane = company.BuyPlane(model, "Liner " + std::to_string(++_bought), now);
            if (plane)
                company.OpenRoute(plane, _home, destination, 1, 1, now);
        }
    }

    // The bank's two questions come only when the cash does not cover an
    // installment: once a month from 1961, while they have not both been
    // asked, the company has a credit (half what its planes are worth, so it
    // stays solvent) and its cash falls short of the installment, to between
    // it and a hundredth of the credit (the rate question) or to nothing (the
    // fine). What the flights earn and cost before the installment is due
    // may spoil a month; another one follows.
    void Tend(const PlayerBot& bot)
    {
        Company& company = *Enviroment::GetCompany();
        const Time now = TimeSimulation::GetCurrGameTime();
        const int32_t month = now._year * 12 + now._month;
        if (month != _tendedMonth)
        {
            _tendedMonth = month;
            TendFleet();
            if (bot.Answered().count(Screens::AGENCY_SHORT_OF_SEATS) == 0)
                OutgrowAContract();
            // Crashes are rare: when the years have not brought one for each
            // of its answers by 1990, a plane crashes now.
            if (now._year >= 1990 && bot.Answers().count("46 sr_ShutDown_button.bmp") == 0)
                Crash();
        }
        const bool rateAsked = bot.Answered().count(Screens::CHANGE_RATE) > 0;
        const bool fined = bot.Answered().count(Screens::CREDIT_FINE) > 0;
        if (rateAsked && fined)
        {
            if (company.GetCash() < 1000000000LL)
                company.Earn(4000000000LL, false);
            return;
        }
        if (month == _hardMonth || now._year < 1961)
            return;
        _hardMonth = month;
        if (!company.HasCredit())
        {
            const BankActions::AmountRange amounts = BankActions::CreditAmounts(now);
            const int64_t amount = std::min(amounts.high, company.PlanesValue(now) / 2);
            ASSERT_TRUE(BankActions::ObtainCredit(amount, now));
        }
        const int64_t cash = rateAsked ? 0 : (company.GetInitialCredit() / 100 + company.Installment()) / 2;
        company.Spend(company.GetCash() - cash, false);
    }

    // The bot answers; two rare turns of events are arranged first. A
    // special flight that no plane can fly: while "No free plane" has not
    // been seen, every plane is grounded as damaged while the bot answers
    // the offer (and sound again after).
    bool Answer(PlayerBot& bot, const ScreenDump& screen)
    {
        const bool charity = screen.screen == Screens::CHARITY_OFFER &&
                             bot.Answered().count(Screens::CHARITY_NO_PLANE) == 0 &&
                             bot.Answered().count(Screens::CHARITY_ASSIGN) > 0;
        const bool vip = screen.screen == Screens::VIP_OFFER && bot.Answered().count(Screens::VIP_NO_PLANE) == 0 &&
                         bot.Answered().count(Screens::VIP_ASSIGN) > 0;
        if (!charity && !vip)
            return bot.Answer(screen);
        Company& company = *Enviroment::GetCompany();
        std::vector<int32_t> grounded;
        for (int32_t i = 0; i < company.GetPlaneCount(); ++i)
        {
            Plane* plane = company.GetPlane(i);
            if (!plane->_damaged)
            {
                plane->_damaged = 1;
                grounded.push_back(plane->_id);
            }
        }
        const bool answered = bot.Answer(screen);
        for (const int32_t id : grounded)
        {
            if (Plane* plane = company.FindPlane(id))
                plane->_damaged = 0;
        }
        return answered;
    }

    // A travel agency buying more seats than the plane has (as when a smaller
    // plane takes a route over): while that notice has not been seen, the
    // first contract grows past its plane.
    static void OutgrowAContract()
    {
        Company& company = *Enviroment::GetCompany();
        for (int32_t i = 0; i < company.GetPlaneCount(); ++i)
        {
            Plane* plane = company.GetPlane(i);
            if (plane->HasRoute() && plane->GetRoute()->HasAgency())
            {
                plane->GetRoute()->_agency_tickets = plane->Capacity() + 5;
                return;
            }
        }
    }

    static void Crash()
    {
        Company& company = *Enviroment::GetCompany();
        for (int32_t i = 0; i < company.GetPlaneCount(); ++i)
        {
            Plane* plane = company.GetPlane(i);
            if (plane->HasRoute() && !plane->_damaged)
            {
                PlaneCrashEvent crash;
                crash._plane = plane;
                crash.Execute();
                return;
            }
        }
    }

    static std::string Counts(const PlayerBot& bot)
    {
        std::ostringstream counts;
        for (const auto& [notice, count] : bot.Answered())
            counts << notice << "=" << count << " ";
        return counts.str();
    }

    int32_t _hardMonth = 0;
    int32_t _tendedMonth = 0;
    int32_t _home = -1;
    int _bought = 0;
};
} // namespace

TEST_F(NoticeRunTest, AGameToTheFinalYearAnswersEveryNoticeThroughItsButtons)
{
    PlayerBot bot;
    StartGame(bot);
    int32_t lastScreen = -1;
    for (int step = 0; step < 400000; ++step)
    {
        const ScreenDump screen = bot.Look();
        lastScreen = screen.screen;
        if (screen.screen == Screens::GAME_OVER_FINAL_YEAR || screen.screen < 0)
            break;
        if (Answer(bot, screen))
            continue;
        ASSERT_EQ("", bot.Failure()) << "on screen " << screen.screen;
        Tend(bot);
        ASSERT_TRUE(bot.SkipToNextNotice(screen)) << "nothing to do on screen " << screen.screen;
    }
    ASSERT_EQ(Screens::GAME_OVER_FINAL_YEAR, lastScreen)
        << "the game did not reach its final year: " << bot.Look().form << " shown in "
        << TimeSimulation::GetCurrGameTime()._year << ", answered " << Counts(bot);
    ASSERT_TRUE(bot.Answer(bot.Look())) << bot.Failure();

    std::ostringstream missing;
    std::set<std::string> events;
    for (const EventNotice& n : EVENT_NOTICES)
    {
        events.insert(n.event);
        if (bot.Answered().count(n.notice) == 0)
            missing << " " << n.notice << " (" << n.event << ")";
    }
    for (const char* choice : CHOICES)
    {
        if (bot.Answers().count(choice) == 0)
            missing << " [" << choice << "]";
    }
    EXPECT_EQ("", missing.str()) << "never shown or answered";
    RecordProperty("answered", Counts(bot));
    RecordProperty("event classes", static_cast<int>(events.size()));
}
