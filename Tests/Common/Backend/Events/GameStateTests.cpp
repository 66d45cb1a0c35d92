// Whole-game save and load: every class of pending event comes back with its
// references and fields, and a loaded game saves to the same bytes.
#include "../WorldFixtures.h"

#include "Common/Backend/EventFactory.h"
#include "Common/Backend/Events/AirportEffectEvent.h"
#include "Common/Backend/Events/AirportGrowthEvent.h"
#include "Common/Backend/Events/AirportReopenEvent.h"
#include "Common/Backend/Events/ModelRetirementEvent.h"
#include "Common/Backend/Events/ModelWithdrawalEvent.h"
#include "Common/Backend/Events/NewModelEvent.h"

#include <map>

using namespace events_test;

namespace
{
class GameStateTest : public EventsTest
{
protected:
    // A running game with planes, airports, and one pending event of every
    // class on top of those the game made itself.
    void BuildGame()
    {
        ASSERT_TRUE(GameState::NewGame("Round Trip", 10));
        company().Earn(20000000, false);
        const Time now = TimeSimulation::GetCurrGameTime();
        company().Research(11, false, now);
        first = PlaneOnRoute(0, 10);
        second = PlaneOnRoute(5, 11);
        company().Advertise(10, 40, now);
        airport = company().FindDetails(11);
        ASSERT_NE(nullptr, airport);

        for (int32_t i = 0; i < EventRegistry::CLASS_COUNT; ++i)
        {
            const int32_t type = EventRegistry::Types()[i];
            ScheduledEvent* event = EventFactory::Create(type);
            event->_time = Time(1961, i % 12, 1 + i % 28, i % 24, i, 0);
            if (event->IsPlaneEvent())
                event->_plane = i % 2 ? first : second;
            else if (event->IsAirportEvent())
                event->_airport = airport;
            if (type == AirportGrowthEvent::TYPE)
                static_cast<AirportGrowthEvent*>(event)->_size = 120;
            if (type == AirportEffectEvent::TYPE)
            {
                auto* effect = static_cast<AirportEffectEvent*>(event);
                for (int32_t k = 0; k < 6; ++k)
                    effect->_effect[k] = 100 * k + 7;
                effect->_repeat = 5;
                effect->_size = 80;
            }
            if (type == NewModelEvent::TYPE)
                static_cast<NewModelEvent*>(event)->_model = 17;
            if (type == ModelWithdrawalEvent::TYPE)
                static_cast<ModelWithdrawalEvent*>(event)->_model = 18;
            if (type == ModelRetirementEvent::TYPE)
                static_cast<ModelRetirementEvent*>(event)->_model = 105;
            TimeSimulation::Schedule(event);
        }
        GameState::RunUntil(Time(1959, 2, 10, 7, 0, 0));
    }

    // What identifies a pending event across a save, its id aside.
    struct Record
    {
        int32_t type;
        Time at;
        int32_t planeId;
        int32_t airportId;
        std::vector<int32_t> fields;
    };
    static std::vector<Record> Pending()
    {
        std::vector<Record> records;
        for (int32_t slot = 0; slot < TimeSimulation::GetEventCount(); ++slot)
        {
            const ScheduledEvent* e = TimeSimulation::GetEvent(slot);
            Record r{e->GetType(),
                     e->_time,
                     e->_plane ? e->_plane->_id : -1,
                     e->_airport ? e->_airport->_id : -1,
                     {}};
            if (auto* g = dynamic_cast<const AirportGrowthEvent*>(e))
                r.fields = {g->_size};
            if (auto* f = dynamic_cast<const AirportEffectEvent*>(e))
                r.fields = {f->_effect[0], f->_effect[1], f->_effect[2], f->_effect[3],
                            f->_effect[4], f->_effect[5], f->_repeat,    f->_size};
            if (auto* m = dynamic_cast<const NewModelEvent*>(e))
                r.fields = {m->_model};
            if (auto* m = dynamic_cast<const ModelWithdrawalEvent*>(e))
                r.fields = {m->_model};
            if (auto* m = dynamic_cast<const ModelRetirementEvent*>(e))
                r.fields = {m->_model};
            records.push_back(r);
        }
        return records;
    }

    // A fresh program: the world made again from the tables, a new scheduler.
    void Restart()
    {
        std::string error;
        ASSERT_TRUE(world.Restart(&error)) << error;
    }

    Plane* first = nullptr;
    Plane* second = nullptr;
    AirportDetails* airport = nullptr;
};
} // namespace

TEST_F(GameStateTest, EveryClassOfEventComesBackAndTheGameSavesToTheSameBytes)
{
    BuildGame();
    const std::vector<Record> before = Pending();
    std::map<int32_t, int> types;
    for (const Record& r : before)
        types[r.type]++;
    ASSERT_EQ(42u, types.size()) << "one of every class is pending";
    const int32_t maxId = TimeSimulation::GetMaxEventId();
    const Time now = TimeSimulation::GetCurrGameTime();
    const std::vector<uint8_t> saved = GameState::SaveBytes();

    Restart();
    std::string error;
    ASSERT_TRUE(GameState::LoadBytes(saved.data(), saved.size(), &error)) << error;
    const std::vector<Record> after = Pending();
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); ++i)
    {
        EXPECT_EQ(before[i].type, after[i].type) << i;
        EXPECT_TRUE(before[i].at.Equals(after[i].at)) << i;
        EXPECT_EQ(before[i].planeId, after[i].planeId) << i;
        EXPECT_EQ(before[i].airportId, after[i].airportId) << i;
        EXPECT_EQ(before[i].fields, after[i].fields) << i;
        EXPECT_EQ(after[i].type < 100, after[i].planeId != -1) << i;
    }
    EXPECT_EQ(maxId, TimeSimulation::GetMaxEventId());
    EXPECT_TRUE(now.Equals(TimeSimulation::GetCurrGameTime()));
    EXPECT_EQ(2, company().GetPlaneCount());
    EXPECT_EQ(saved, GameState::SaveBytes());

    // And the loaded game plays on like the original.
    SRand(99);
    clock.Set(4242);
    GameState::RunUntil(Time(1962, 0, 1));
    const std::vector<uint8_t> playedAfterLoad = GameState::SaveBytes();
    Restart();
    ASSERT_TRUE(GameState::LoadBytes(saved.data(), saved.size(), &error)) << error;
    SRand(99);
    clock.Set(4242);
    GameState::RunUntil(Time(1962, 0, 1));
    EXPECT_EQ(playedAfterLoad, GameState::SaveBytes());
}

TEST_F(GameStateTest, ADamagedSaveIsRefusedWithAReason)
{
    BuildGame();
    std::vector<uint8_t> saved = GameState::SaveBytes();
    std::string error;
    EXPECT_FALSE(GameState::LoadBytes(saved.data(), saved.size() / 2, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(GameState::LoadBytes(nullptr, 0, &error));
    EXPECT_EQ("the saved game is empty", error);

    // A chain that names a record that is not there.
    ConfigBlock top;
    top.SetRaw(saved);
    ConfigBlock scheduler;
    ASSERT_TRUE(top.GetBlock(GameState::SCHEDULER_KEY, scheduler));
    scheduler.Put("low_event", int32_t(999999));
    top.PutBlock(GameState::SCHEDULER_KEY, scheduler);
    error.clear();
    EXPECT_FALSE(GameState::Load(top, &error));
    EXPECT_NE(std::string::npos, error.find("events"));
}

TEST_F(GameStateTest, AValueOfTheWrongSizeRefusesTheSaveInsteadOfStoppingTheProgram)
{
    BuildGame();
    ConfigBlock top;
    top.SetRaw(GameState::SaveBytes());
    ConfigBlock scheduler;
    ASSERT_TRUE(top.GetBlock(GameState::SCHEDULER_KEY, scheduler));
    // The speed is a 4-byte value; one byte is what a damaged save might hold.
    scheduler.Put("_game_speed", uint8_t(60));
    top.PutBlock(GameState::SCHEDULER_KEY, scheduler);
    std::string error;
    EXPECT_FALSE(GameState::Load(top, &error));
    EXPECT_EQ("the saved game holds values of the wrong size", error);
}

TEST_F(GameStateTest, ResumingAfterAStopNeverTurnsGameTimeBack)
{
    ASSERT_TRUE(GameState::NewGame("Clockwork", 10));
    TimeSimulation::SetSpeed(3600);
    TimeSimulation::Synchronise();
    clock.Advance(3000);
    world.Scheduler().Advance();
    const Time reached = TimeSimulation::GetCurrGameTime();
    EXPECT_TRUE(reached.Equals(Time(1959, 0, 1, 3, 0, 0)));

    // Stopped for a while, then resumed: the clock goes on from where it stood.
    clock.Advance(60000);
    GameState::ResumeSimulation();
    clock.Advance(1000);
    world.Scheduler().Advance();
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(Time(1959, 0, 1, 4, 0, 0)));
}

// Bad weather late in December reopens on "day 35": the running clock passes
// that date at the turn of the year, so a headless run fires it there too,
// and the clock never jumps past the new year's own events.
TEST_F(GameStateTest, AnEventPastTheEndOfItsMonthFiresAtTheTurnOfTheMonth)
{
    ASSERT_TRUE(GameState::NewGame("Turn of Year", 10));
    AirportDetails* home = company().FindDetails(10);
    ASSERT_NE(nullptr, home);
    const Time reopening(1959, 11, 35);
    Enviroment::Events().ScheduleAirportEvent(AirportReopenEvent::TYPE, home, reopening);

    const Time newYear(1960, 0, 1);
    GameState::RunUntil(newYear.FirstMomentAfter());
    const Time now = TimeSimulation::GetCurrGameTime();
    EXPECT_TRUE(now.Equals(Time(1960, 0, 1, 0, 0, 1))) << now._year << "-" << now._month + 1 << "-" << now._day;
    for (int32_t slot = 0; slot < TimeSimulation::GetEventCount(); ++slot)
    {
        const ScheduledEvent* event = TimeSimulation::GetEvent(slot);
        EXPECT_TRUE(event->_time.IsAfter(newYear)) << "type " << event->GetType() << " still waits";
    }
}
