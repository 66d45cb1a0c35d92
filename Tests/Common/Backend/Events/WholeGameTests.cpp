// A whole game from 1959 to its end in 2003, headless: a few planes on
// routes, a credit, an office and a campaign, a fake clock moved by varied
// amounts between events, a seeded generator, and a player who answers every
// notice at once. Every event class must have fired, and the game must end
// with the final-year game over.
#include "EventTestWorld.h"

#include "Common/Backend/EventListener.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/Notices.h"

#include <map>
#include <sstream>

using namespace events_test;

namespace
{
struct Notice
{
    int32_t number;
    Plane* plane;
    AirportDetails* airport;
};

// Answers notices the way a sensible, slightly greedy player would.
class Player : public NoticeSink, public EventListener
{
public:
    void ShowNotice(int32_t notice) override
    {
        queue.push_back({notice, Enviroment::GetDialogPlane(), Enviroment::GetDialogAirport()});
        ++notices[notice];
    }
    void GameOver(int32_t reason) override
    {
        if (gameOver == 0)
            gameOver = reason;
    }
    void OnEvent(ScheduledEvent* event) override
    {
        ++fired[event->GetType()];
        monthStarted = monthStarted || event->GetType() == 203;
    }

    // The answers to the notices of the event that has just fired.
    void Answer()
    {
        std::vector<Notice> now;
        now.swap(queue);
        const Time today = TimeSimulation::GetCurrGameTime();
        if (monthStarted)
            TendFleet(today);
        monthStarted = false;
        for (const Notice& n : now)
        {
            switch (n.number)
            {
            case Notices::PLANE_DAMAGE:
                if (!NoticeActions::RepairPlane(n.plane, today))
                    Renew(n.plane, today);
                break;
            case Notices::PLANE_CRASH:
                ReplaceCrashed(n.plane, today);
                break;
            case Notices::SMUGGLING_OFFER:
                NoticeActions::AcceptSmuggling(n.plane, NoticeActions::DrawSmugglingOffer(n.plane));
                break;
            case Notices::AGENCY_OFFER:
                NoticeActions::AcceptAgencyOffer(n.plane, NoticeActions::DrawAgencyOffer(n.plane), today);
                break;
            case Notices::CHARITY_OFFER:
            case Notices::VIP_OFFER:
            {
                const std::vector<Plane*> planes = NoticeActions::PlanesForSpecialFlight(n.airport);
                if (!planes.empty())
                    NoticeActions::AssignSpecialFlight(n.airport, planes.front());
                break;
            }
            case Notices::FOOD_POISONING:
                NoticeActions::PayFoodPoisoningSettlement(n.plane);
                break;
            case Notices::CHANGE_RATE:
                NoticeActions::SetInstallmentRate(1);
                break;
            default:
                break;
            }
        }
    }

    // The cheapest model on sale that the company can afford and that
    // reaches `distance`, or -1.
    static int32_t ModelFor(int32_t distance)
    {
        int32_t best = -1;
        for (int32_t m = 0; m < Enviroment::GetModelCount(); ++m)
        {
            const PlaneModel model = Enviroment::GetPlaneModel(m);
            if (Enviroment::GetModelAvailability(m) != Enviroment::MODEL_ON_SALE ||
                model._range < static_cast<uint32_t>(distance) ||
                model._price > Enviroment::GetCompany()->GetCash())
                continue;
            if (best < 0 || model._price < Enviroment::GetPlaneModel(best)._price)
                best = m;
        }
        return best;
    }

    void ReplaceCrashed(Plane* plane, const Time& today)
    {
        const int32_t distance = plane->HasRoute() ? plane->GetRoute()->Distance() : 0;
        const int32_t model = ModelFor(distance);
        if (model < 0 || !NoticeActions::ReplaceCrashedPlane(plane, model, "Phoenix", today))
            NoticeActions::ShutDownCrashedPlane(plane, today);
    }

    // A plane that cannot be repaired is sold and a new one flies its route.
    void Renew(Plane* plane, const Time& today)
    {
        Company* company = Enviroment::GetCompany();
        if (company->PositionOf(plane) < 0 || !plane->HasRoute())
            return;
        const int32_t source = plane->GetRoute()->_source;
        const int32_t destination = plane->GetRoute()->_destination;
        const int32_t distance = plane->GetRoute()->Distance();
        company->SellPlane(plane, today);
        const int32_t model = ModelFor(distance);
        if (model < 0)
            return;
        Plane* fresh = company->BuyPlane(model, "Renewed", today);
        if (fresh && company->MayOpenRoute(source, destination))
            company->OpenRoute(fresh, source, destination, 1, 1, today);
    }

    // Once a month planes left without a route (a state of emergency closed
    // it) get one of the company's routes back, where it is free again.
    void TendFleet(const Time& today)
    {
        Company* company = Enviroment::GetCompany();
        for (int32_t i = 0; i < company->GetPlaneCount(); ++i)
        {
            Plane* plane = company->GetPlane(i);
            if (plane->HasRoute() || plane->_damaged)
                continue;
            for (const auto& route : routes)
            {
                const AirportDetails* a = company->FindDetails(route.first);
                const AirportDetails* b = company->FindDetails(route.second);
                if ((!a || a->_open) && (!b || b->_open) && company->MayOpenRoute(route.first, route.second))
                {
                    company->OpenRoute(plane, route.first, route.second, 1, 1, today);
                    break;
                }
            }
        }
    }

    std::vector<std::pair<int32_t, int32_t>> routes;
    bool monthStarted = false;
    std::vector<Notice> queue;
    std::map<int32_t, int> notices;
    std::map<int32_t, int64_t> fired;
    int32_t gameOver = 0;
};

class WholeGameTest : public EventsTest
{
protected:
    void SetUp() override
    {
        EventsTest::SetUp();
        SetNoticeSink(&player);
    }
    void TearDown() override
    {
        TimeSimulation::SetEventListener(nullptr);
        EventsTest::TearDown();
    }

    Player player;
};
} // namespace

namespace
{
// Starts the game: home airport 10, four planes on routes, a credit, an
// office and a campaign.
void StartGame(Player& player)
{
    SRand(2024);
    ASSERT_TRUE(GameState::NewGame("Headless Air", 10));
    // A new game resets the scheduler, listener included.
    TimeSimulation::SetEventListener(&player);
    Company& c = *Enviroment::GetCompany();
    const Time start = TimeSimulation::GetCurrGameTime();
    // The test tables are not balanced for profit: a large reserve keeps the
    // company afloat for the whole game.
    c.Earn(4000000000LL, false);
    c.ObtainCredit(1000000);
    Enviroment::Events().ScheduleGlobalEvent(202, start.Add(0, 1, 0, 0, 0, 0));
    for (int32_t airport : {11, 20})
        c.Research(airport, false, start);
    c.BuyOffice(11, AirportDetails::OfficePrice(11), start);
    c.Advertise(10, 40, start);
    player.routes = {{10, 11}, {10, 12}, {11, 12}, {20, 21}};
    for (int32_t i = 0; i < 4; ++i)
    {
        Plane* plane = c.BuyPlane(i, "Liner " + std::to_string(i), start);
        ASSERT_NE(nullptr, plane);
        c.OpenRoute(plane, player.routes[i].first, player.routes[i].second, 1, 1, start);
    }
}
} // namespace

TEST_F(WholeGameTest, AGameFrom1959To2003FiresEveryEventClass)
{
    StartGame(player);
    uint32_t ticks = 1;
    const int64_t events = GameState::RunUntil(Time(2003, 0, 2),
                                               [&]
                                               {
                                                   player.Answer();
                                                   ticks = ticks * 1103515245u + 12345u;
                                                   clock.Advance(1 + (ticks >> 16) % 4000);
                                                   return player.gameOver == 0;
                                               });

    EXPECT_EQ(Notices::GAME_OVER_FINAL_YEAR, player.gameOver);
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().IsAfter(Time(2003, 0, 1)));
    std::ostringstream missing;
    std::ostringstream counts;
    for (int32_t i = 0; i < EventRegistry::CLASS_COUNT; ++i)
    {
        const int32_t type = EventRegistry::Types()[i];
        if (player.fired[type] == 0)
            missing << " " << EventRegistry::ClassName(type);
        counts << EventRegistry::ClassName(type) << "=" << player.fired[type] << " ";
    }
    EXPECT_EQ("", missing.str()) << events << " events fired";
    RecordProperty("fired", counts.str());
    // The calendar: 44 years of new years, the last one ending the game, and
    // every month from February 1959 to December 2002. The month of January
    // 2003 shares its moment with the game's end, and events of one moment
    // have no set order among themselves.
    EXPECT_EQ(44, player.fired[204]);
    EXPECT_GE(player.fired[203], 44 * 12 - 1);
    EXPECT_LE(player.fired[203], 44 * 12);
    EXPECT_GT(player.notices[Notices::PLANE_CRASH], 0);
}

TEST_F(WholeGameTest, SavingAndLoadingInTheMiddleChangesNothing)
{
    uint32_t ticks = 1;
    const auto step = [&]
    {
        player.Answer();
        ticks = ticks * 1103515245u + 12345u;
        clock.Advance(1 + (ticks >> 16) % 4000);
        return player.gameOver == 0;
    };
    StartGame(player);
    GameState::RunUntil(Time(1975, 5, 15), step);
    const std::vector<uint8_t> midway = GameState::SaveBytes();
    const uint32_t midTicks = ticks;
    const uint32_t midClock = clock.Now();
    SRand(777);
    GameState::RunUntil(Time(1985, 0, 1), step);
    const std::vector<uint8_t> straight = GameState::SaveBytes();

    // A fresh program loads the midway save and plays the same ten years.
    delete _simulation;
    Enviroment::Destroy();
    TestTables tables;
    const std::vector<uint8_t> models = tables.ModelBytes();
    const std::vector<uint8_t> airports = tables.AirportBytes();
    std::string error;
    ASSERT_TRUE(Enviroment::Create(models.data(), models.size(), airports.data(), airports.size(), &error));
    EventRegistry::Install();
    _simulation = new TimeSimulation();
    ASSERT_TRUE(GameState::LoadBytes(midway.data(), midway.size(), &error)) << error;
    EXPECT_EQ(midway, GameState::SaveBytes());
    TimeSimulation::SetEventListener(&player);
    ticks = midTicks;
    clock.Set(midClock);
    SRand(777);
    GameState::RunUntil(Time(1985, 0, 1), step);
    EXPECT_EQ(straight, GameState::SaveBytes());
}
