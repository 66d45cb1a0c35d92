// A world for the event tests: the model's test tables, the real event
// classes and hooks, a scheduler on a fake clock and a recorder of notices.
#pragma once

#include "../TestWorld.h"
#include "Common/Backend/Events/EventRegistry.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/NoticeSink.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/ScheduledEvent.h"
#include "Common/Backend/TimeSimulation.h"

#include <gtest/gtest.h>

#include <vector>

namespace events_test
{
class NoticeLog : public NoticeSink
{
public:
    void ShowNotice(int32_t notice) override { notices.push_back(notice); }
    void GameOver(int32_t reason) override { gameOvers.push_back(reason); }
    std::vector<int32_t> notices;
    std::vector<int32_t> gameOvers;
};

class EventsTest : public ::testing::Test
{
protected:
    // Tests may change the tables here before the world is created.
    virtual void ShapeTables(TestTables&) {}

    void SetUp() override
    {
        TestTables tables;
        ShapeTables(tables);
        std::string error;
        ASSERT_TRUE(tables.CreateWorld(&error)) << error;
        Enviroment::SetGameSeed(7);
        EventRegistry::Install();
        _simulation = new TimeSimulation();
        TimeSimulation::SetSubjects(Enviroment::Instance());
        _previousSink = SetNoticeSink(&log);
        SRand(12345);
        Enviroment::NewGame();
        // Enough for a few planes and routes.
        company().Earn(20000000, false);
    }

    void TearDown() override
    {
        delete _simulation;
        SetNoticeSink(_previousSink);
        Enviroment::SetEventHooks(nullptr);
        Enviroment::Destroy();
    }

    Company& company() { return *Enviroment::GetCompany(); }

    static int32_t Pending(int32_t type)
    {
        int32_t n = 0;
        for (int32_t slot = 0; slot < TimeSimulation::GetEventCount(); ++slot)
            n += TimeSimulation::GetEvent(slot)->GetType() == type;
        return n;
    }
    static ScheduledEvent* FindPending(int32_t type)
    {
        for (int32_t slot = 0; slot < TimeSimulation::GetEventCount(); ++slot)
        {
            if (TimeSimulation::GetEvent(slot)->GetType() == type)
                return TimeSimulation::GetEvent(slot);
        }
        return nullptr;
    }
    static int32_t PendingForPlane(const Plane* plane)
    {
        int32_t n = 0;
        for (int32_t slot = 0; slot < TimeSimulation::GetEventCount(); ++slot)
            n += TimeSimulation::GetEvent(slot)->IsPlaneEvent() &&
                 TimeSimulation::GetEvent(slot)->_plane == plane;
        return n;
    }

    // Runs one event object outside the scheduler, at its own fire time.
    template <class T> int Run(T& event, const Time& at)
    {
        event._time = at;
        TimeSimulation::SetCurrGameTime(at);
        return event.Execute();
    }

    // A plane of `model` bought now and flying from `from` to its first
    // neighbour (1000 km in the test tables).
    Plane* PlaneOnRoute(int32_t model, int32_t from)
    {
        Plane* plane = company().BuyPlane(model, "Test", TimeSimulation::GetCurrGameTime());
        EXPECT_NE(nullptr, plane);
        company().OpenRoute(plane, from, Enviroment::GetNeighbour(from, 0), 1, 1,
                            TimeSimulation::GetCurrGameTime());
        return plane;
    }

    NoticeLog log;
    FakeClock clock{1000};
    TimeSimulation* _simulation = nullptr;

private:
    NoticeSink* _previousSink = nullptr;
};
} // namespace events_test
