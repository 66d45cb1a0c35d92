// GoogleTest fixtures on the one test world (TestWorld.h).
//
// WorldTest: the world from the test tables before each test, the model's
// event requests taken by a recorder instead of a scheduler. EventsTest: the
// same world with the real event classes, a scheduler on a fake clock, a
// started game with money for a few planes, and a log of the notices. Each
// lets a test shape the tables before the world is made.
#pragma once

#include "Common/Backend/GameState.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/ScheduledEvent.h"
#include "TestWorld.h"
#include "WinCE/Random.h"
#include "WinCE/TickCount.h"

#include <gtest/gtest.h>

// The world of the test tables, made for each test and destroyed after it.
class TablesWorldTest : public ::testing::Test
{
protected:
    // Tests may change the tables here before the world is created.
    virtual void ShapeTables(TestTables&) {}

    // Creates the world from the (shaped) test tables, with the game seed 7.
    void CreateWorld()
    {
        TestTables tables;
        ShapeTables(tables);
        std::string error;
        ASSERT_TRUE(world.Create(tables, &error)) << error;
        Enviroment::SetGameSeed(7);
    }

    void TearDown() override { world.Destroy(); }

    Company& company() { return *Enviroment::GetCompany(); }

    TestWorld world;
};

class WorldTest : public TablesWorldTest
{
protected:
    void SetUp() override
    {
        CreateWorld();
        Enviroment::SetEventHooks(&hooks);
        SRand(12345);
    }

    Statistics& stats() { return *Enviroment::GetStatistics(); }

    RecordingHooks hooks;
    FakeClock clock{1000};
    const Time start{1959, 0, 1};
};

namespace events_test
{
class EventsTest : public TablesWorldTest
{
protected:
    void SetUp() override
    {
        CreateWorld();
        world.StartScheduler();
        world.SendNoticesTo(&log);
        SRand(12345);
        Enviroment::NewGame();
        // Enough for a few planes and routes.
        company().Earn(20000000, false);
    }

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
};
} // namespace events_test
