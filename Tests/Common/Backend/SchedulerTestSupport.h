// Stand-ins for the world around the scheduler: small event classes of each
// kind with fields of their own, a world that names planes and airports by
// identifier, and a recorder for the listener. The scheduler itself and the
// notice log come from the one test world (TestWorld.h).
//
// Planes and airports are opaque handles to the scheduler, so the fake world
// hands out addresses of its own storage and never dereferences them.
#pragma once

#include "Common/Backend/EventFactory.h"
#include "Common/Backend/EventListener.h"
#include "Common/Backend/EventSubjects.h"
#include "Common/Backend/NoticeSink.h"
#include "Common/Backend/ScheduledEvent.h"
#include "Common/Backend/TimeSimulation.h"
#include "TestWorld.h"
#include "WinCE/TickCount.h"
#include "Wkrimp/Config/ConfigBlock.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace scheduler_test
{
// Everything the test events did, in order.
struct Journal
{
    std::vector<int32_t> fired; // tags of executed events
    std::vector<Time> firedAt;  // the clock when each was executed
    int alive = 0;              // test events currently in existence
};
inline Journal& TheJournal()
{
    static Journal journal;
    return journal;
}

// An event of any kind with fields of its own: a tag to recognise it, the
// result Execute returns and an optional action run while executing.
class TestEvent : public ScheduledEvent
{
public:
    explicit TestEvent(int32_t type, int32_t tag = 0, int result = 0)
        : ScheduledEvent(type), _tag(tag), _result(result)
    {
        ++TheJournal().alive;
    }
    ~TestEvent() override { --TheJournal().alive; }

    int Execute() override
    {
        TheJournal().fired.push_back(_tag);
        TheJournal().firedAt.push_back(TimeSimulation::GetCurrGameTime());
        if (_action)
            _action(*this);
        return _result;
    }
    void Save(ConfigBlock& block) const override
    {
        ScheduledEvent::Save(block);
        block.Put("tag", _tag);
        block.Put("result", _result);
        block.PutString("note", _note);
    }
    void Load(const ConfigBlock& block) override
    {
        ScheduledEvent::Load(block);
        block.Get("tag", _tag);
        block.Get("result", _result);
        block.GetString("note", _note);
    }

    int32_t _tag;
    int32_t _result;
    std::string _note;
    std::function<void(TestEvent&)> _action;
};

template <int32_t TYPE> ScheduledEvent* CreateTestEvent()
{
    // Loading re-creates an empty object: type -1 until "_d" is read.
    TestEvent* event = new TestEvent(TYPE);
    event->_type = -1;
    return event;
}

// Plane, airport and global types the tests use.
constexpr int32_t PLANE_A = 1;
constexpr int32_t PLANE_B = 7;
constexpr int32_t AIRPORT_A = 101;
constexpr int32_t AIRPORT_B = 113;
constexpr int32_t GLOBAL_A = 203;
constexpr int32_t GLOBAL_B = 210;

class FakeWorld : public EventSubjects
{
public:
    static constexpr int SLOTS = 4;

    Plane* GetPlane(int i) { return reinterpret_cast<Plane*>(&_planes[i]); }
    AirportDetails* GetAirport(int i) { return reinterpret_cast<AirportDetails*>(&_airports[i]); }

    int32_t PlaneId(const Plane* plane) const override
    {
        return int32_t(reinterpret_cast<const Slot*>(plane) - _planes) + 1;
    }
    int32_t AirportId(const AirportDetails* airport) const override
    {
        return int32_t(reinterpret_cast<const Slot*>(airport) - _airports) + 501;
    }
    Plane* FindPlane(int32_t id) const override
    {
        return id >= 1 && id <= SLOTS && !_removed[id - 1]
                   ? reinterpret_cast<Plane*>(const_cast<Slot*>(&_planes[id - 1]))
                   : nullptr;
    }
    AirportDetails* FindAirport(int32_t id) const override
    {
        return id >= 501 && id < 501 + SLOTS
                   ? reinterpret_cast<AirportDetails*>(const_cast<Slot*>(&_airports[id - 501]))
                   : nullptr;
    }
    // A plane sold between saving and loading.
    void RemovePlane(int i) { _removed[i] = true; }

private:
    struct Slot
    {
        alignas(8) unsigned char bytes[8];
    };
    Slot _planes[SLOTS] = {};
    Slot _airports[SLOTS] = {};
    bool _removed[SLOTS] = {};
};

class ListenerRecorder : public EventListener
{
public:
    void OnEvent(ScheduledEvent* event) override { tags.push_back(static_cast<TestEvent*>(event)->_tag); }
    std::vector<int32_t> tags;
};

// A scheduler on a fake clock with the test classes registered and a fake
// world installed; everything is put back afterwards.
class SchedulerTest : public testing::Test
{
protected:
    static constexpr int32_t TYPES[] = {PLANE_A, PLANE_B, AIRPORT_A, AIRPORT_B, GLOBAL_A, GLOBAL_B};

    void SetUp() override
    {
        TheJournal() = Journal();
        _previous[0] = EventFactory::Register(PLANE_A, CreateTestEvent<PLANE_A>);
        _previous[1] = EventFactory::Register(PLANE_B, CreateTestEvent<PLANE_B>);
        _previous[2] = EventFactory::Register(AIRPORT_A, CreateTestEvent<AIRPORT_A>);
        _previous[3] = EventFactory::Register(AIRPORT_B, CreateTestEvent<AIRPORT_B>);
        _previous[4] = EventFactory::Register(GLOBAL_A, CreateTestEvent<GLOBAL_A>);
        _previous[5] = EventFactory::Register(GLOBAL_B, CreateTestEvent<GLOBAL_B>);
        _testWorld.SendNoticesTo(&_notices);
        _testWorld.StartScheduler(&_world);
    }

    void TearDown() override
    {
        _testWorld.Destroy();
        EXPECT_EQ(0, TheJournal().alive) << "every event is destroyed exactly once";
        for (int i = 0; i < 6; ++i)
            EventFactory::Register(TYPES[i], _previous[i]);
    }

    TestEvent* Make(int32_t type, const Time& when, int32_t tag, int result = 0)
    {
        TestEvent* event = new TestEvent(type, tag, result);
        event->_time = when;
        if (event->IsPlaneEvent())
            event->_plane = _world.GetPlane(0);
        else if (event->IsAirportEvent())
            event->_airport = _world.GetAirport(0);
        return event;
    }
    TestEvent* Add(int32_t type, const Time& when, int32_t tag, int result = 0)
    {
        TestEvent* event = Make(type, when, tag, result);
        TimeSimulation::Schedule(event);
        return event;
    }

    // Fires everything that is due, one event per call as the idle step does.
    int FireAll()
    {
        int fired = 0;
        while (TimeSimulation::FireDue())
            ++fired;
        return fired;
    }

    FakeClock _clock{1000};
    FakeWorld _world;
    NoticeLog _notices;
    // Only the scheduler and the sink: the world here is the fake one above.
    TestWorld _testWorld;

private:
    EventFactory::Creator _previous[6] = {};
};
} // namespace scheduler_test
