#include "Common/Backend/TimeSimulation.h"

#include "Common/Backend/Notices.h"
#include "SchedulerTestSupport.h"
#include "WinCE/Random.h"

#include <gtest/gtest.h>

#include <limits>

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <string>

using namespace scheduler_test;

namespace
{
const Time START(1959, 0, 1);

bool NotLater(const Time& a, const Time& b)
{
    return !a.IsAfter(b);
}
} // namespace

TEST_F(SchedulerTest, ResetStartsANewGame)
{
    Add(GLOBAL_A, Time(1960, 0, 1), 1);
    TimeSimulation::SetSpeed(3600);
    ListenerRecorder listener;
    TimeSimulation::SetEventListener(&listener);
    _clock.Advance(77);
    TimeSimulation::Reset();
    EXPECT_EQ(0, TimeSimulation::GetEventCount());
    EXPECT_EQ(0, TheJournal().alive);
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(START));
    EXPECT_TRUE(TimeSimulation::GetLastEventGameTime().Equals(START));
    EXPECT_EQ(1077u, TimeSimulation::GetLastEventTick());
    EXPECT_EQ(60, TimeSimulation::GetGameSpeed());
    EXPECT_EQ(nullptr, TimeSimulation::GetEventListener());
    EXPECT_EQ(1, TimeSimulation::GetMaxEventId());
}

TEST_F(SchedulerTest, EventsFireInTimeOrderWithIncreasingIds)
{
    SRand(7);
    std::vector<Time> times;
    for (int i = 0; i < 300; ++i)
    {
        // Many equal dates, so ties are exercised too.
        const Time when(1959 + Rand() % 3, Rand() % 12, 1 + Rand() % 3, Rand() % 2, 0, 0);
        times.push_back(when);
        TestEvent* event = Add(i % 2 ? PLANE_A : GLOBAL_A, when, i);
        EXPECT_EQ(i + 1, event->_id);
    }
    EXPECT_EQ(301, TimeSimulation::GetMaxEventId());
    TimeSimulation::SetCurrGameTime(Time(1990, 0, 1));
    EXPECT_EQ(300, FireAll());
    ASSERT_EQ(300u, TheJournal().fired.size());
    std::vector<Time> firedTimes;
    for (int32_t tag : TheJournal().fired)
        firedTimes.push_back(times[tag]);
    EXPECT_TRUE(std::is_sorted(firedTimes.begin(), firedTimes.end(),
                               [](const Time& a, const Time& b) { return b.IsAfter(a); }));
    EXPECT_EQ(300u, std::set<int32_t>(TheJournal().fired.begin(), TheJournal().fired.end()).size());
}

TEST_F(SchedulerTest, AnEventFiresOnlyOnceTheClockHasPassedIt)
{
    ListenerRecorder listener;
    TimeSimulation::SetEventListener(&listener);
    Add(GLOBAL_A, Time(1959, 0, 1, 0, 1, 0), 1);
    Add(GLOBAL_A, Time(1959, 0, 1, 0, 1, 0), 2);
    EXPECT_EQ(0, TimeSimulation::FireDue());

    TimeSimulation::SetCurrGameTime(Time(1959, 0, 1, 0, 1, 0)); // equal: not yet
    EXPECT_EQ(0, TimeSimulation::FireDue());
    EXPECT_TRUE(TheJournal().fired.empty());

    TimeSimulation::SetCurrGameTime(Time(1959, 0, 1, 0, 1, 1));
    _clock.Advance(250);
    EXPECT_EQ(1, TimeSimulation::FireDue()); // two due: one per step
    EXPECT_EQ(1u, TheJournal().fired.size());
    EXPECT_EQ(1, TheJournal().alive);
    // Firing synchronises the clock to the moment of the event.
    EXPECT_EQ(1250u, TimeSimulation::GetLastEventTick());
    EXPECT_TRUE(TimeSimulation::GetLastEventGameTime().Equals(Time(1959, 0, 1, 0, 1, 1)));
    EXPECT_EQ(1, TimeSimulation::FireDue());
    EXPECT_EQ(0, TimeSimulation::FireDue());
    EXPECT_EQ(TheJournal().fired, listener.tags);
    EXPECT_EQ(0, TimeSimulation::GetEventCount());
}

TEST_F(SchedulerTest, EventsMayScheduleAndCancelWhileExecuting)
{
    TestEvent* first = Add(GLOBAL_A, Time(1959, 0, 2), 1);
    Add(GLOBAL_B, Time(1959, 0, 3), 2);
    first->_action = [this](TestEvent& self)
    {
        // A recurring event: the next copy fires a day after this one.
        Add(GLOBAL_A, self._time.Add(0, 0, 1, 0, 0, 0), 3);
        TimeSimulation::CancelByType(GLOBAL_B);
    };
    TimeSimulation::SetCurrGameTime(Time(1959, 1, 1));
    EXPECT_EQ(2, FireAll());
    EXPECT_EQ(std::vector<int32_t>({1, 3}), TheJournal().fired);
}

TEST_F(SchedulerTest, AdvanceTurnsRealTimeIntoGameTime)
{
    // 2.5 s at one game minute per second: 2 minutes 30 seconds.
    _clock.Advance(2500);
    _testWorld.Scheduler().Advance();
    EXPECT_EQ(3500u, _testWorld.Scheduler().GetLastAdvanceTick());
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(1959, 0, 1, 0, 2, 30));
    // Always recomputed from the synchronisation point, never accumulated.
    _clock.Advance(17);
    _testWorld.Scheduler().Advance();
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(1959, 0, 1, 0, 2, 31));
    EXPECT_TRUE(TimeSimulation::GetLastEventGameTime().Equals(START));

    // After more than five seconds without an advance the clock resumes from
    // where it stood.
    _clock.Advance(5001);
    _testWorld.Scheduler().Advance();
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(1959, 0, 1, 0, 2, 31));
    EXPECT_EQ(_clock.Now(), TimeSimulation::GetLastEventTick());
    _clock.Advance(1000);
    _testWorld.Scheduler().Advance();
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(1959, 0, 1, 0, 3, 31));

    // Exactly five seconds still counts.
    TimeSimulation::SetSpeed(3600);
    TimeSimulation::Synchronise();
    _clock.Advance(5000);
    _testWorld.Scheduler().Advance();
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(1959, 0, 1, 5, 3, 31));
}

TEST_F(SchedulerTest, AdvanceAtExtremeSpeedsAndAcrossTheTickWrap)
{
    // Five seconds at the fastest key speed: 30 days in unsigned 32-bit arithmetic.
    TimeSimulation::SetSpeed(518400);
    TimeSimulation::Synchronise();
    _clock.Advance(5000);
    _testWorld.Scheduler().Advance();
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(1959, 0, 31, 0, 0, 0));

    // Paused: nothing moves whatever the tick count does.
    TimeSimulation::SetSpeed(0);
    TimeSimulation::Synchronise();
    for (int i = 0; i < 10; ++i)
    {
        _clock.Advance(900);
        _testWorld.Scheduler().Advance();
    }
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(1959, 0, 31, 0, 0, 0));

    // The tick count wraps every 49.7 days; the clock keeps running through it.
    TimeSimulation::SetSpeed(60);
    _clock.Set(0xFFFFFC18u); // 1000 ms before the wrap
    TimeSimulation::Synchronise();
    _clock.Advance(3000);
    _testWorld.Scheduler().Advance();
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(1959, 0, 31, 0, 3, 0));
}

TEST_F(SchedulerTest, ReachingTheFinalYearEndsTheGame)
{
    TimeSimulation::SetCurrGameTime(Time(2002, 11, 31, 23, 59, 0));
    TimeSimulation::Synchronise();
    _clock.Advance(59000 / 60); // 59 game seconds at speed 60 are 983 ms
    _testWorld.Scheduler().Advance();
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(2002, 11, 31, 23, 59, 58));
    EXPECT_TRUE(_notices.gameOvers.empty());
    _clock.Advance(100);
    _testWorld.Scheduler().Advance();
    EXPECT_EQ(2003, TimeSimulation::GetCurrGameTime()._year);
    EXPECT_EQ(std::vector<int32_t>({Notices::GAME_OVER_FINAL_YEAR}), _notices.gameOvers);
    EXPECT_EQ(41, Notices::GAME_OVER_FINAL_YEAR);

    // Without a sink the end is simply not reported.
    SetNoticeSink(nullptr);
    _clock.Advance(100);
    _testWorld.Scheduler().Advance();
    EXPECT_EQ(1u, _notices.gameOvers.size());
}

TEST_F(SchedulerTest, SkipRunsThroughBookkeepingToTheNextNotice)
{
    ListenerRecorder listener;
    TimeSimulation::SetEventListener(&listener);
    Add(GLOBAL_A, Time(1959, 0, 3), 1);
    Add(GLOBAL_A, Time(1959, 0, 5), 3, 1); // opens a notice
    Add(GLOBAL_A, Time(1959, 0, 4), 2);
    Add(GLOBAL_A, Time(1959, 0, 9), 4);
    _clock.Advance(10);
    EXPECT_EQ(1, TimeSimulation::SkipToNextNotice());
    EXPECT_EQ(std::vector<int32_t>({1, 2, 3}), TheJournal().fired);
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(Time(1959, 0, 5)));
    EXPECT_TRUE(TimeSimulation::GetLastEventGameTime().Equals(Time(1959, 0, 5)));
    EXPECT_EQ(1010u, TimeSimulation::GetLastEventTick());
    // Each event saw the clock as it stood before its own time was reached.
    EXPECT_TRUE(TheJournal().firedAt[1].Equals(Time(1959, 0, 3)));
    EXPECT_TRUE(listener.tags.empty());

    EXPECT_EQ(0, TimeSimulation::SkipToNextNotice());
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(Time(1959, 0, 9)));
    EXPECT_EQ(0, TimeSimulation::GetEventCount());
    EXPECT_EQ(0, TimeSimulation::SkipToNextNotice());
}

TEST_F(SchedulerTest, CancellationRemovesEveryMatchAndKeepsTheOrder)
{
    Plane* planeA = _world.GetPlane(0);
    Plane* planeB = _world.GetPlane(1);
    AirportDetails* airport = _world.GetAirport(2);
    SRand(3);
    int32_t tag = 0;
    for (int i = 0; i < 40; ++i)
    {
        const Time when(1960, Rand() % 12, 1 + Rand() % 28);
        Add(GLOBAL_A, when, tag++);
        Add(GLOBAL_B, when, tag++);
        Add(PLANE_A, when, tag++)->_plane = i % 2 ? planeA : planeB;
        Add(PLANE_B, when, tag++)->_plane = planeA;
        Add(AIRPORT_A, when, tag++)->_airport = airport;
        Add(AIRPORT_B, when, tag++)->_airport = airport;
    }
    // The plane's event in the very last slot is among those removed.
    Add(PLANE_A, Time(1999, 0, 1), tag++)->_plane = planeA;
    ASSERT_EQ(241, TimeSimulation::GetEventCount());

    auto count = [](auto match)
    {
        int n = 0;
        for (int32_t slot = 0; slot < TimeSimulation::GetEventCount(); ++slot)
            n += match(TimeSimulation::GetEvent(slot)) ? 1 : 0;
        return n;
    };
    TimeSimulation::CancelPlaneEvents(planeA, PLANE_B, false);
    EXPECT_EQ(0, count([](ScheduledEvent* e) { return e->GetType() == PLANE_B; }));
    TimeSimulation::CancelPlaneEvents(planeA, -1, true);
    EXPECT_EQ(0, count([&](ScheduledEvent* e) { return e->_plane == planeA; }));
    EXPECT_EQ(20, count([&](ScheduledEvent* e) { return e->_plane == planeB; }));
    TimeSimulation::CancelAirportEvents(airport, AIRPORT_B, false);
    EXPECT_EQ(0, count([](ScheduledEvent* e) { return e->GetType() == AIRPORT_B; }));
    EXPECT_EQ(40, count([](ScheduledEvent* e) { return e->GetType() == AIRPORT_A; }));
    // Another airport's events are not touched.
    TimeSimulation::CancelAirportEvents(_world.GetAirport(3), -1, true);
    EXPECT_EQ(40, count([](ScheduledEvent* e) { return e->GetType() == AIRPORT_A; }));
    TimeSimulation::CancelByType(GLOBAL_B);
    EXPECT_EQ(0, count([](ScheduledEvent* e) { return e->GetType() == GLOBAL_B; }));
    EXPECT_EQ(100, TimeSimulation::GetEventCount());
    EXPECT_EQ(100, TheJournal().alive);
    // Only plane events are plane events: the global ones, which have no
    // plane either, survive a cancellation for "no plane".
    TimeSimulation::CancelPlaneEvents(nullptr, AIRPORT_A, true);
    EXPECT_EQ(100, TimeSimulation::GetEventCount());

    // The rebuilt heap still fires in time order.
    TimeSimulation::SetCurrGameTime(Time(2000, 0, 1));
    std::vector<Time> fired;
    while (TimeSimulation::GetEventCount() > 0)
    {
        fired.push_back(TimeSimulation::GetEvent(0)->_time);
        TimeSimulation::FireDue();
    }
    EXPECT_TRUE(std::is_sorted(fired.begin(), fired.end(),
                               [](const Time& a, const Time& b) { return b.IsAfter(a); }));
}

TEST_F(SchedulerTest, CancellingTheOnlyAndTheLastSlot)
{
    Add(GLOBAL_A, Time(1960, 0, 1), 1);
    TimeSimulation::CancelByType(GLOBAL_A);
    EXPECT_EQ(0, TimeSimulation::GetEventCount());
    Add(GLOBAL_A, Time(1960, 0, 1), 2);
    Add(GLOBAL_B, Time(1961, 0, 1), 3); // the last slot
    TimeSimulation::CancelByType(GLOBAL_B);
    ASSERT_EQ(1, TimeSimulation::GetEventCount());
    EXPECT_EQ(GLOBAL_A, TimeSimulation::GetEvent(0)->GetType());
}

TEST_F(SchedulerTest, SpeedCycle)
{
    const int32_t up[] = {0, 60, 1800, 3600, 10800, 0};
    for (int i = 0; i < 5; ++i)
    {
        TimeSimulation::SetSpeed(up[i]);
        TimeSimulation::SpeedUp();
        EXPECT_EQ(up[i + 1], TimeSimulation::GetGameSpeed());
        TimeSimulation::SpeedDown();
        EXPECT_EQ(up[i], TimeSimulation::GetGameSpeed());
    }
    TimeSimulation::SetSpeed(0);
    TimeSimulation::SpeedDown();
    EXPECT_EQ(10800, TimeSimulation::GetGameSpeed());
    TimeSimulation::SetSpeed(129600);
    TimeSimulation::SpeedUp();
    EXPECT_EQ(129600, TimeSimulation::GetGameSpeed());
    TimeSimulation::SpeedDown();
    EXPECT_EQ(129600, TimeSimulation::GetGameSpeed());

    // Changing speed does not synchronise.
    const uint32_t tick = TimeSimulation::GetLastEventTick();
    _clock.Advance(100);
    TimeSimulation::SpeedUp();
    EXPECT_EQ(tick, TimeSimulation::GetLastEventTick());
}

TEST_F(SchedulerTest, TheHeapGrowsBeyondItsInitialSlots)
{
    const int32_t total = 3 * TimeSimulation::INITIAL_HEAP_SLOTS + 17;
    for (int32_t i = 0; i < total; ++i)
        Add(GLOBAL_A, Time(1960, 0, 1).Add(0, 0, 0, 0, (i * 7919) % total % 60, 0), i);
    EXPECT_EQ(total, TimeSimulation::GetEventCount());
    EXPECT_GE(TimeSimulation::GetHeapCapacity(), total);
    // Cancelling with every slot taken is safe as well.
    TimeSimulation::CancelByType(GLOBAL_B);
    TimeSimulation::SetCurrGameTime(Time(1961, 0, 1));
    EXPECT_EQ(total, FireAll());
    EXPECT_TRUE(std::is_sorted(TheJournal().fired.begin(), TheJournal().fired.end(),
                               [total](int32_t a, int32_t b)
                               { return (a * 7919) % total % 60 < (b * 7919) % total % 60; }));
}

TEST_F(SchedulerTest, ScheduleInitialEventsCreatesTheCalendarEvents)
{
    const int32_t types[] = {200, 206, 205, 203, 204};
    EventFactory::Creator previous[5];
    previous[0] = EventFactory::Register(200, CreateTestEvent<200>);
    previous[1] = EventFactory::Register(206, CreateTestEvent<206>);
    previous[2] = EventFactory::Register(205, CreateTestEvent<205>);
    previous[3] = EventFactory::Register(203, CreateTestEvent<203>);
    previous[4] = EventFactory::Register(204, CreateTestEvent<204>);
    TimeSimulation::ScheduleInitialEvents();
    for (int i = 0; i < 5; ++i)
        EventFactory::Register(types[i], previous[i]);

    ASSERT_EQ(5, TimeSimulation::GetEventCount());
    std::vector<std::pair<int32_t, int32_t>> byId; // id, slot
    for (int32_t slot = 0; slot < 5; ++slot)
        byId.push_back({TimeSimulation::GetEvent(slot)->_id, slot});
    std::sort(byId.begin(), byId.end());
    const Time when[] = {Time(1959, 3, 1), Time(1959, 0, 2), Time(1959, 0, 8), Time(1959, 1, 1),
                         Time(1960, 0, 1)};
    for (int i = 0; i < 5; ++i)
    {
        ScheduledEvent* event = TimeSimulation::GetEvent(byId[i].second);
        EXPECT_EQ(i + 1, event->_id);
        EXPECT_TRUE(event->_time.Equals(when[i])) << i;
    }
    EXPECT_TRUE(TimeSimulation::GetEvent(0)->_time.Equals(Time(1959, 0, 2)));
    EXPECT_TRUE(NotLater(TimeSimulation::GetEvent(0)->_time, TimeSimulation::GetEvent(1)->_time));
}

TEST_F(SchedulerTest, SavingAnEmptyQueue)
{
    TimeSimulation::SetSpeed(1800);
    TimeSimulation::SetCurrGameTime(Time(1962, 4, 5, 6, 7, 8));
    ConfigBlock block;
    TimeSimulation::Save(block);
    bool hasEvents = true;
    int32_t value = 0;
    EXPECT_TRUE(block.Get("has_events", hasEvents));
    EXPECT_FALSE(hasEvents);
    EXPECT_FALSE(block.Get("firsttype", value));
    EXPECT_FALSE(block.Get("low_event", value));
    // The keys in their saved order.
    const std::vector<uint8_t> raw = block.GetRaw();
    const std::string text(raw.begin(), raw.end());
    const size_t speed = text.find("_game_speed"), maxId = text.find("_max_event_id"),
                 last = text.find("_last_event_game_time"), curr = text.find("_curr_game_time"),
                 has = text.find("has_events");
    EXPECT_TRUE(speed < maxId && maxId < last && last < curr && curr < has);

    TimeSimulation::Reset();
    Add(GLOBAL_A, Time(1960, 0, 1), 1);
    EXPECT_TRUE(TimeSimulation::Load(block));
    EXPECT_EQ(1800, TimeSimulation::GetGameSpeed());
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(Time(1962, 4, 5, 6, 7, 8)));
    EXPECT_EQ(1, TimeSimulation::GetEventCount()); // loading adds, it does not clear

    // No keys at all: everything keeps its reset value.
    TimeSimulation::Reset();
    EXPECT_TRUE(TimeSimulation::Load(ConfigBlock()));
    EXPECT_EQ(60, TimeSimulation::GetGameSpeed());
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(START));
}

TEST_F(SchedulerTest, SaveAndLoadRoundTripWithReferencesAndOwnFields)
{
    SRand(11);
    for (int32_t i = 0; i < 60; ++i)
    {
        const int32_t types[] = {PLANE_A, PLANE_B, AIRPORT_A, AIRPORT_B, GLOBAL_A, GLOBAL_B};
        TestEvent* event = Add(
            types[i % 6], Time(1960 + Rand() % 5, Rand() % 12, 1 + Rand() % 28, Rand() % 24, 0, 0), i, i % 3);
        event->_note = "note " + std::to_string(i);
        if (event->IsPlaneEvent())
            event->_plane = _world.GetPlane(i % FakeWorld::SLOTS);
        if (event->IsAirportEvent())
            event->_airport = _world.GetAirport(i % FakeWorld::SLOTS);
    }
    TimeSimulation::SetSpeed(3600);
    TimeSimulation::SetCurrGameTime(Time(1960, 0, 1, 12, 0, 0));
    TimeSimulation::Synchronise();
    TimeSimulation::SetCurrGameTime(Time(1960, 0, 1, 13, 0, 0));
    ConfigBlock block;
    TimeSimulation::Save(block);
    ASSERT_TRUE(block.IsValid());
    int32_t firstType = 0, lowEvent = 0;
    EXPECT_TRUE(block.Get("firsttype", firstType));
    EXPECT_TRUE(block.Get("low_event", lowEvent));
    EXPECT_EQ(TimeSimulation::GetEvent(0)->GetType(), firstType);
    EXPECT_EQ(TimeSimulation::GetEvent(0)->_id, lowEvent);

    struct Snapshot
    {
        int32_t type, result;
        Time when;
        Plane* plane;
        AirportDetails* airport;
        std::string note;
    };
    auto snapshot = []
    {
        std::map<int32_t, Snapshot> byTag;
        for (int32_t slot = 0; slot < TimeSimulation::GetEventCount(); ++slot)
        {
            auto* e = static_cast<TestEvent*>(TimeSimulation::GetEvent(slot));
            byTag[e->_tag] = {e->GetType(), e->_result, e->_time, e->_plane, e->_airport, e->_note};
        }
        return byTag;
    };
    const auto before = snapshot();

    // Into a fresh scheduler, through the bytes a save really goes through.
    _testWorld.RestartScheduler();
    ConfigBlock stored;
    stored.SetRaw(block.GetRaw());
    EXPECT_TRUE(TimeSimulation::Load(stored));
    EXPECT_EQ(3600, TimeSimulation::GetGameSpeed());
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(Time(1960, 0, 1, 13, 0, 0)));
    EXPECT_TRUE(TimeSimulation::GetLastEventGameTime().Equals(Time(1960, 0, 1, 12, 0, 0)));
    const auto after = snapshot();
    ASSERT_EQ(before.size(), after.size());
    for (const auto& [tag, saved] : before)
    {
        const Snapshot& loaded = after.at(tag);
        EXPECT_EQ(saved.type, loaded.type) << tag;
        EXPECT_EQ(saved.result, loaded.result) << tag;
        EXPECT_TRUE(saved.when.Equals(loaded.when)) << tag;
        EXPECT_EQ(saved.plane, loaded.plane) << tag;
        EXPECT_EQ(saved.airport, loaded.airport) << tag;
        EXPECT_EQ(saved.note, loaded.note) << tag;
    }
    // Ids are handed out anew from the saved counter on.
    std::set<int32_t> ids;
    for (int32_t slot = 0; slot < TimeSimulation::GetEventCount(); ++slot)
        ids.insert(TimeSimulation::GetEvent(slot)->_id);
    EXPECT_EQ(61, *ids.begin());
    EXPECT_EQ(120, *ids.rbegin());
    EXPECT_EQ(121, TimeSimulation::GetMaxEventId());

    // Saving the loaded queue gives a queue that loads the same again.
    ConfigBlock again;
    TimeSimulation::Save(again);
    _testWorld.RestartScheduler();
    EXPECT_TRUE(TimeSimulation::Load(again));
    EXPECT_EQ(60, TimeSimulation::GetEventCount());
}

namespace
{
// A saved queue of three global events, chained 10 -> 20 -> 30.
ConfigBlock SavedChain(std::function<void(ConfigBlock& record, int32_t index)> damage)
{
    ConfigBlock block;
    block.Put("has_events", true);
    block.Put("firsttype", GLOBAL_A);
    block.Put("low_event", int32_t(10));
    for (int32_t i = 0; i < 3; ++i)
    {
        TestEvent event(GLOBAL_A, 100 + i);
        event._time = Time(1960, 0, 1 + i);
        event._id = 10 * (i + 1);
        event._next_type = i < 2 ? GLOBAL_A : -1;
        event._next_id = i < 2 ? 10 * (i + 2) : -1;
        ConfigBlock record;
        event.Save(record);
        damage(record, i);
        if (record.GetSize() > 0)
            block.PutBlock(("event" + std::to_string(event._id)).c_str(), record);
    }
    return block;
}

std::vector<int32_t> PendingTags()
{
    std::vector<int32_t> tags;
    for (int32_t slot = 0; slot < TimeSimulation::GetEventCount(); ++slot)
        tags.push_back(static_cast<TestEvent*>(TimeSimulation::GetEvent(slot))->_tag);
    std::sort(tags.begin(), tags.end());
    return tags;
}

// Rewrites the header of a record: type, next type, id, next id.
void SetHeader(ConfigBlock& record, int32_t type, int32_t nextType, int32_t id, int32_t nextId)
{
    const int32_t header[4] = {type, nextType, id, nextId};
    record.SetEntry(ConfigBlock::VALUE_ENTRY, "_d", 2, header, 16);
}
} // namespace

TEST_F(SchedulerTest, DamagedChainsStopCleanlyAndKeepWhatWasRead)
{
    EXPECT_TRUE(TimeSimulation::Load(SavedChain([](ConfigBlock&, int32_t) {})));
    EXPECT_EQ(std::vector<int32_t>({100, 101, 102}), PendingTags());

    // The second record is missing.
    TimeSimulation::Reset();
    EXPECT_FALSE(TimeSimulation::Load(SavedChain(
        [](ConfigBlock& r, int32_t i)
        {
            if (i == 1)
                r = ConfigBlock();
        })));
    EXPECT_EQ(std::vector<int32_t>({100}), PendingTags());

    // The second record is chained with a type nobody registered.
    TimeSimulation::Reset();
    EXPECT_FALSE(TimeSimulation::Load(SavedChain(
        [](ConfigBlock& r, int32_t i)
        {
            if (i == 0)
                SetHeader(r, GLOBAL_A, 299, 10, 20);
        })));
    EXPECT_EQ(std::vector<int32_t>({100}), PendingTags());

    // The last record points back at the first: each record is read once.
    TimeSimulation::Reset();
    EXPECT_FALSE(TimeSimulation::Load(SavedChain(
        [](ConfigBlock& r, int32_t i)
        {
            if (i == 2)
                SetHeader(r, GLOBAL_A, GLOBAL_A, 30, 10);
        })));
    EXPECT_EQ(std::vector<int32_t>({100, 101, 102}), PendingTags());

    // A record that claims another type than the chain announced.
    TimeSimulation::Reset();
    EXPECT_FALSE(TimeSimulation::Load(SavedChain(
        [](ConfigBlock& r, int32_t i)
        {
            if (i == 1)
                SetHeader(r, GLOBAL_B, GLOBAL_A, 20, 30);
        })));
    EXPECT_EQ(std::vector<int32_t>({100}), PendingTags());

    // No first record named.
    TimeSimulation::Reset();
    ConfigBlock unnamed;
    unnamed.Put("has_events", true);
    EXPECT_FALSE(TimeSimulation::Load(unnamed));
    EXPECT_EQ(0, TimeSimulation::GetEventCount());
}

TEST_F(SchedulerTest, AClockOrEventTimeThatIsNoDateIsDamage)
{
    const auto withTime = [](ConfigBlock block, const char* key, const Time& time)
    {
        ConfigBlock saved;
        time.Save(saved);
        block.PutBlock(key, saved);
        return block;
    };
    const ConfigBlock intact = SavedChain([](ConfigBlock&, int32_t) {});
    EXPECT_FALSE(TimeSimulation::Load(withTime(intact, "_curr_game_time", Time(1960, 0, 100))));
    EXPECT_EQ(0, TimeSimulation::GetEventCount()) << "a damaged clock loads no events";
    TimeSimulation::Reset();
    EXPECT_FALSE(TimeSimulation::Load(withTime(intact, "_last_event_game_time", Time(-3, 0, 1))));
    TimeSimulation::Reset();
    // The speeds of the cycle and of the keys '1', '2', '3' load; faster or
    // negative ones are damage.
    const struct
    {
        int32_t speed;
        bool loads;
    } speeds[] = {{0, true},      {10800, true},   {129600, true}, {259200, true},
                  {518400, true}, {518401, false}, {-60, false},   {INT32_MAX, false}};
    for (const auto& c : speeds)
    {
        TimeSimulation::Reset();
        ConfigBlock at = intact;
        at.Put("_game_speed", c.speed);
        EXPECT_EQ(c.loads, TimeSimulation::Load(at)) << c.speed;
        if (c.loads)
        {
            EXPECT_EQ(c.speed, TimeSimulation::GetGameSpeed());
        }
    }
    TimeSimulation::Reset();
    ConfigBlock negative = intact;
    negative.Put("_max_event_id", int32_t(-700));
    EXPECT_FALSE(TimeSimulation::Load(negative)) << "new events would get negative ids and end the chain";
    TimeSimulation::Reset();
    ConfigBlock exhausted = intact;
    exhausted.Put("_max_event_id", std::numeric_limits<int32_t>::max());
    EXPECT_FALSE(TimeSimulation::Load(exhausted)) << "the next id would overflow";
    TimeSimulation::Reset();
    ConfigBlock zero = intact;
    zero.Put("_max_event_id", int32_t(0));
    EXPECT_FALSE(TimeSimulation::Load(zero)) << "an event of id 0 would end the saved chain";

    // The second event is due in the 13th month.
    TimeSimulation::Reset();
    EXPECT_FALSE(TimeSimulation::Load(SavedChain(
        [&](ConfigBlock& r, int32_t i)
        {
            if (i == 1)
                r = withTime(r, "_t", Time(1960, 12, 1));
        })));
    EXPECT_EQ(std::vector<int32_t>({100}), PendingTags());

    // Any byte but 0 in the event flag means yes, as it always has.
    TimeSimulation::Reset();
    ConfigBlock flagged = intact;
    flagged.Put("has_events", uint8_t(9));
    EXPECT_TRUE(TimeSimulation::Load(flagged));
    EXPECT_EQ(std::vector<int32_t>({100, 101, 102}), PendingTags());
}

TEST_F(SchedulerTest, EventsOfVanishedPlanesAreDroppedOnLoad)
{
    Add(PLANE_A, Time(1960, 0, 1), 1)->_plane = _world.GetPlane(0);
    Add(PLANE_A, Time(1960, 0, 2), 2)->_plane = _world.GetPlane(1);
    Add(GLOBAL_A, Time(1960, 0, 3), 3);
    ConfigBlock block;
    TimeSimulation::Save(block);
    TimeSimulation::Reset();
    _world.RemovePlane(1);
    EXPECT_TRUE(TimeSimulation::Load(block));
    EXPECT_EQ(std::vector<int32_t>({1, 3}), PendingTags());
}

TEST_F(SchedulerTest, UnusualFireTimesKeepTheirPlaceInTheOrder)
{
    // Unnormalised days, far years and durations mixed with ordinary dates.
    const Time times[] = {Time(1960, 0, 70),
                          Time(1960, 1, 1),
                          Time(1960, 0, 31, 23, 59, 59),
                          Time(3000000, 0, 1),
                          Time(1960, 0, 1, 30, 0, 0),
                          Time(1960, 0, 2),
                          Time(1960, 0, 1, 0, 0, 99),
                          Time(1960, 0, 1, 0, 1, 0),
                          Time(2999999, 11, 31),
                          Time(1961, 0, 1)};
    for (int round = 0; round < 2; ++round)
    {
        TheJournal().fired.clear();
        for (int32_t i = 0; i < 10; ++i)
            Add(i % 2 ? GLOBAL_A : GLOBAL_B, times[(i * 3 + round) % 10], (i * 3 + round) % 10);
        // Removing the unusual ones in the first round hands the heap back to
        // the packed comparison with a mixed history behind it.
        if (round == 0)
            TimeSimulation::CancelByType(GLOBAL_B);
        TimeSimulation::SetCurrGameTime(Time(4000000, 0, 1));
        FireAll();
        std::vector<Time> fired;
        for (int32_t tag : TheJournal().fired)
            fired.push_back(times[tag]);
        EXPECT_EQ(round == 0 ? 5u : 10u, fired.size());
        EXPECT_TRUE(std::is_sorted(fired.begin(), fired.end(),
                                   [](const Time& a, const Time& b) { return b.IsAfter(a); }));
    }
}

TEST_F(SchedulerTest, SlotsFollowTheStandardLibraryHeap)
{
    // Equal fire times are common (every month starts at midnight), so which
    // slot each event takes decides the order in which simultaneous events
    // fire and the order of the saved records. The scheduler keeps the slots
    // exactly where the standard heap operations put them.
    struct Item
    {
        Time when;
        int32_t tag;
        int32_t type;
    };
    std::vector<Item> model;
    const auto later = [](const Item& a, const Item& b) { return a.when.IsAfter(b.when); };
    TimeSimulation::SetCurrGameTime(Time(2000, 0, 1));
    SRand(5);
    int32_t tag = 0;
    for (int step = 0; step < 4000; ++step)
    {
        const int r = Rand() % 20;
        if (r < 11 || model.empty())
        {
            // Few distinct times, and now and then one that cannot be packed.
            Time when(1960, 0, 1 + Rand() % 4, (Rand() % 2) * 12, 0, 0);
            if (Rand() % 50 == 0)
                when._day = 70 + Rand() % 2;
            const int32_t type = tag % 5 == 0 ? GLOBAL_B : GLOBAL_A;
            Add(type, when, tag);
            model.push_back({when, tag++, type});
            std::push_heap(model.begin(), model.end(), later);
        }
        else if (r < 19)
        {
            ASSERT_EQ(1, TimeSimulation::FireDue());
            std::pop_heap(model.begin(), model.end(), later);
            model.pop_back();
        }
        else
        {
            TimeSimulation::CancelByType(GLOBAL_B);
            for (size_t slot = 0; slot < model.size();)
            {
                if (model[slot].type != GLOBAL_B)
                {
                    ++slot;
                    continue;
                }
                model[slot] = model.back();
                model.pop_back();
            }
            std::make_heap(model.begin(), model.end(), later);
        }
        ASSERT_EQ(int32_t(model.size()), TimeSimulation::GetEventCount()) << "step " << step;
        for (size_t slot = 0; slot < model.size(); ++slot)
            ASSERT_EQ(model[slot].tag, static_cast<TestEvent*>(TimeSimulation::GetEvent(int32_t(slot)))->_tag)
                << "step " << step << ", slot " << slot;
    }
}
