#include "Common/Backend/ScheduledEvent.h"

#include "SchedulerTestSupport.h"

#include <gtest/gtest.h>

using namespace scheduler_test;

TEST(ScheduledEvent, KindsFollowTheTypeRanges)
{
    const struct
    {
        int32_t type;
        bool plane, airport, global;
    } cases[] = {{-1, true, false, false},  {1, true, false, false},   {99, true, false, false},
                 {100, false, true, false}, {199, false, true, false}, {200, false, false, true},
                 {216, false, false, true}};
    for (const auto& c : cases)
    {
        TestEvent event(c.type);
        EXPECT_EQ(c.plane, event.IsPlaneEvent()) << c.type;
        EXPECT_EQ(c.airport, event.IsAirportEvent()) << c.type;
        EXPECT_EQ(c.global, event.IsGlobalEvent()) << c.type;
    }
    TestEvent empty(-1);
    EXPECT_EQ(-1, empty._id);
    EXPECT_EQ(-1, empty._next_id);
    EXPECT_EQ(-1, empty._next_type);
    EXPECT_EQ(nullptr, empty._plane);
}

TEST_F(SchedulerTest, BaseRecordHoldsHeaderTimeAndSubject)
{
    TestEvent* plane = Make(PLANE_A, Time(1961, 2, 3, 4, 5, 6), 0);
    plane->_plane = _world.GetPlane(2);
    plane->_id = 0x01020304;
    plane->_next_type = 113;
    plane->_next_id = -1;
    ConfigBlock block;
    plane->Save(block);

    const uint8_t* data = nullptr;
    int32_t length = 0;
    ASSERT_TRUE(block.FindEntry("_d", 2, data, length));
    ASSERT_EQ(16, length);
    EXPECT_EQ(std::vector<uint8_t>({1, 0, 0, 0, 113, 0, 0, 0, 4, 3, 2, 1, 0xFF, 0xFF, 0xFF, 0xFF}),
              std::vector<uint8_t>(data, data + 16));
    int32_t id = 0;
    EXPECT_TRUE(block.Get("_p", id));
    EXPECT_EQ(3, id);
    EXPECT_FALSE(block.Get("_a", id));
    ConfigBlock time;
    ASSERT_TRUE(block.GetBlock("_t", time));
    Time when;
    EXPECT_TRUE(when.Load(time));
    EXPECT_TRUE(when.Equals(Time(1961, 2, 3, 4, 5, 6)));

    TestEvent loaded(-1);
    loaded.Load(block);
    EXPECT_EQ(PLANE_A, loaded.GetType());
    EXPECT_EQ(113, loaded._next_type);
    EXPECT_EQ(0x01020304, loaded._id);
    EXPECT_EQ(-1, loaded._next_id);
    EXPECT_EQ(_world.GetPlane(2), loaded._plane);
    EXPECT_TRUE(loaded._time.Equals(plane->_time));

    // Airport events name their airport, global events nothing.
    TestEvent* airport = Make(AIRPORT_A, Time(1960, 0, 1), 0);
    airport->_airport = _world.GetAirport(1);
    ConfigBlock airportBlock;
    airport->Save(airportBlock);
    EXPECT_TRUE(airportBlock.Get("_a", id));
    EXPECT_EQ(502, id);
    EXPECT_FALSE(airportBlock.Get("_p", id));
    TestEvent* global = Make(GLOBAL_A, Time(1960, 0, 1), 0);
    ConfigBlock globalBlock;
    global->Save(globalBlock);
    EXPECT_FALSE(globalBlock.Get("_a", id));
    EXPECT_FALSE(globalBlock.Get("_p", id));
    delete plane;
    delete airport;
    delete global;
}

TEST_F(SchedulerTest, LoadingKeepsWhatIsMissingOrShort)
{
    TestEvent event(-1);
    event._time = Time(1970, 1, 1);
    ConfigBlock block;
    block.Put("_d", int32_t(5)); // too short to be a header
    event.Load(block);
    EXPECT_EQ(-1, event.GetType());
    EXPECT_TRUE(event._time.Equals(Time(1970, 1, 1)));
    EXPECT_EQ(nullptr, event._plane);
}

TEST(EventFactory, CreatesRegisteredTypesOnly)
{
    EXPECT_EQ(nullptr, EventFactory::Create(5));
    EXPECT_EQ(nullptr, EventFactory::Create(-3));
    EXPECT_EQ(nullptr, EventFactory::Create(EventFactory::MAX_EVENT_TYPE));
    EXPECT_EQ(nullptr, EventFactory::Create(0x7FFFFFFF));
    const EventFactory::Creator previous = EventFactory::Register(5, CreateTestEvent<5>);
    EXPECT_TRUE(EventFactory::IsRegistered(5));
    ScheduledEvent* event = EventFactory::Create(5);
    ASSERT_NE(nullptr, event);
    EXPECT_NE(nullptr, dynamic_cast<TestEvent*>(event));
    delete event;
    EXPECT_EQ(CreateTestEvent<5>, EventFactory::Register(5, previous));
    EXPECT_FALSE(EventFactory::IsRegistered(5));
}
