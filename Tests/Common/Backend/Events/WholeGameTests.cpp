// A whole game from 1959 to its end in 2003, headless: a few planes on
// routes, a credit, an office and a campaign, a fake clock moved by varied
// amounts between events, a seeded generator, and a player who answers every
// notice at once. Every event class must have fired, and the game must end
// with the final-year game over.
#include "../WorldFixtures.h"
#include "CarefulPlayer.h"

#include "Common/Backend/BankActions.h"
#include "Common/Backend/EventListener.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/Notices.h"

#include <map>
#include <sstream>

using namespace events_test;

namespace
{
// Answers notices the way a sensible, slightly greedy player would: the
// careful answers, but smuggling taken and the lowest installment rate; a
// plane that cannot be repaired is renewed, and planes left without a route
// get one back.
class Player : public CarefulPlayer
{
public:
    void OnEvent(ScheduledEvent* event) override
    {
        CarefulPlayer::OnEvent(event);
        monthStarted = monthStarted || event->GetType() == 203;
    }

    // The answers to the notices of the event that has just fired.
    void Answer()
    {
        if (monthStarted)
            TendFleet(TimeSimulation::GetCurrGameTime());
        monthStarted = false;
        CarefulPlayer::Answer();
    }

    // The cheapest model on sale that the company can afford and that
    // reaches `distance`, or -1.
    static int32_t ModelFor(int32_t distance)
    {
        const int32_t model = Enviroment::CheapestModelFor(distance);
        return model >= 0 && Enviroment::GetPlaneModel(model)._price <= Enviroment::GetCompany()->GetCash()
                   ? model
                   : -1;
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

protected:
    bool Answers(int32_t notice) const override { return notice != Notices::CREDIT_FINE; }
    NoticePlayer::Answer AnswerTo(int32_t notice) const override
    {
        NoticePlayer::Answer answer = CarefulPlayer::AnswerTo(notice);
        if (notice == Notices::SMUGGLING_OFFER)
            answer.take = true;
        if (notice == Notices::CHANGE_RATE)
            answer.rate = 1;
        return answer;
    }
    void Answered(const Pending& notice, const NoticePlayer::Outcome& outcome, const Time& today) override
    {
        if (notice.number == Notices::PLANE_DAMAGE && std::string(outcome.result) != "repaired")
            Renew(notice.plane, today);
    }
};

class WholeGameTest : public EventsTest
{
protected:
    // The test tables withdraw every model before 2000; one stays on sale to
    // the end, so a crashed plane can always be replaced and the company
    // never loses its last plane for want of a model to buy.
    void ShapeTables(TestTables& tables) override { tables.models[AVAIL_MODELS - 1].withdrawal = 2010; }

    void SetUp() override
    {
        EventsTest::SetUp();
        world.SendNoticesTo(&player);
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
    std::string error;
    ASSERT_TRUE(world.Restart(&error)) << error;
    ASSERT_TRUE(GameState::LoadBytes(midway.data(), midway.size(), &error)) << error;
    EXPECT_EQ(midway, GameState::SaveBytes());
    TimeSimulation::SetEventListener(&player);
    ticks = midTicks;
    clock.Set(midClock);
    SRand(777);
    GameState::RunUntil(Time(1985, 0, 1), step);
    EXPECT_EQ(straight, GameState::SaveBytes());
}
