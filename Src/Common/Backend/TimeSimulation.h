// TimeSimulation: the game clock and the event scheduler.
//
// There is one scheduler for the whole program and its state is global: the
// current game time, the speed, the queue of pending events and the listener
// are reachable from every event and screen through the static operations
// below. The object the application creates is only a handle: its constructor
// sets the scheduler up, its destructor destroys the pending events, and it
// remembers the tick count of the latest clock advance.
//
// Pending events sit in a binary heap ordered by fire time (earliest in slot
// 0). The application's idle step calls FireDue (at most one event) and then
// Advance, which recomputes the game time from the last synchronisation point
// and the real time elapsed since, at the chosen speed. Firing an event
// synchronises, so game time continues from the moment of the event. Real time
// beyond five seconds without an advance is dropped: after a stall or a pause
// the clock continues from where it stood instead of jumping.
//
// The whole state is saved as keys of one block: speed, next event id, the two
// times, and the pending events as a chain of "event%d" child blocks.
#pragma once

#include "Common/Backend/Time.h"

#include <cstdint>

class ConfigBlock;
class EventListener;
class EventSubjects;
class ScheduledEvent;
class Plane;
class AirportDetails;

class TimeSimulation
{
public:
    // Slots the heap starts with: enough for a large company. When they are
    // all taken the heap doubles, so scheduling never loses an event.
    static constexpr int32_t INITIAL_HEAP_SLOTS = 500;
    // The largest event id a saved game may have handed out: a whole game
    // schedules a few million events, and ids must never reach the end of
    // 32 bits.
    static constexpr int32_t MAX_PLAUSIBLE_EVENT_ID = 1000000000;
    // Real time beyond this many milliseconds between two advances is not
    // turned into game time.
    static constexpr uint32_t MAX_ELAPSED_TICKS = 5000;
    // The speed cycle of the speed keys, in game seconds per real second.
    static constexpr int32_t SPEEDS[5] = {0, 60, 1800, 3600, 10800};
    // The speeds the keys '1', '2' and '3' of the Time & Cash screen set,
    // beyond the cycle: 1.5, 3 and 6 game days per real second.
    static constexpr int32_t KEY_SPEEDS[3] = {129600, 259200, 518400};
    // No speed is faster; a saved game running faster is damaged.
    static constexpr int32_t FASTEST_SPEED = KEY_SPEEDS[2];
    static constexpr int32_t INITIAL_SPEED = 60;
    static constexpr int32_t START_YEAR = 1959;
    static constexpr int32_t FINAL_YEAR = 2003;

    TimeSimulation();
    ~TimeSimulation();
    TimeSimulation(const TimeSimulation&) = delete;
    TimeSimulation& operator=(const TimeSimulation&) = delete;

    // Destroys all pending events and restarts the clock at 1 January 1959,
    // speed 60, no listener, event ids from 1.
    static void Reset();
    // The five recurring calendar events of a new game, created through the
    // event factory (their classes must be registered).
    static void ScheduleInitialEvents();
    // Takes ownership of the event and gives it the next id.
    static void Schedule(ScheduledEvent* event);
    // Fires the earliest event if the clock has passed its fire time: 1 if one
    // was fired, 0 otherwise.
    static int FireDue();
    // Moves the clock by the real time elapsed since the last synchronisation.
    void Advance();
    // Fires events in order, moving the clock to each, until one opens a
    // notice (its result is returned) or none is left (0). Events fired this
    // way are not reported to the listener.
    static int SkipToNextNotice();

    static void CancelByType(int32_t type);
    // Cancels the plane's events of exactly `type`, or, with `allButType`,
    // of every type but `type` (-1 with true: all of them).
    static void CancelPlaneEvents(const Plane* plane, int32_t type, bool allButType);
    static void CancelAirportEvents(const AirportDetails* airport, int32_t type, bool allButType);
    static void Clear();

    static void SpeedUp();
    static void SpeedDown();
    static void SetSpeed(int32_t speed);
    static int32_t GetGameSpeed() { return _game_speed; }

    // Makes the current moment the point from which elapsed time is counted.
    static void Synchronise();
    // Restarts the count of elapsed real time at `tick`, without touching the
    // game time (used when the simulation starts running again).
    static void SetLastEventTick(uint32_t tick) { _last_event_tick = tick; }
    static uint32_t GetLastEventTick() { return _last_event_tick; }

    static const Time& GetCurrGameTime() { return _curr_game_time; }
    static const Time& GetLastEventGameTime() { return _last_event_game_time; }
    // Moves the clock directly (scripts, tests); does not synchronise.
    static void SetCurrGameTime(const Time& time) { _curr_game_time = time; }
    static int32_t GetMaxEventId() { return _max_event_id; }
    // Sets the id the next scheduled event receives; a loaded game uses it to
    // keep the numbering it was saved with.
    static void SetMaxEventId(int32_t id) { _max_event_id = id; }

    // How many events have fired in this process, for the benchmarks' figures.
    static int64_t FiredTotal() { return s_fired_total; }

    static void SetEventListener(EventListener* listener) { _event_listener = listener; }
    static EventListener* GetEventListener() { return _event_listener; }

    static void SetSubjects(EventSubjects* subjects) { s_subjects = subjects; }
    static EventSubjects* GetSubjects() { return s_subjects; }

    // The pending events in heap order (slot 0 fires first).
    static int32_t GetEventCount();
    static ScheduledEvent* GetEvent(int32_t slot);
    static int32_t GetHeapCapacity() { return s_heap_capacity; }

    static void Save(ConfigBlock& block);
    // Loads into a freshly reset scheduler, after the world. Returns false
    // when the chain of saved events broke off (a missing record, an unknown
    // type); the events read up to that point stay scheduled.
    static bool Load(const ConfigBlock& block);

    // The tick count read by the latest Advance.
    uint32_t GetLastAdvanceTick() const { return _last_tick; }

private:
    static void EnsureHeap();
    static void GrowHeap();
    static ScheduledEvent* PopTop();
    // The heap operations of the standard library (push-heap, the descent of
    // pop-heap and make-heap), carrying each event's key along.
    static void SiftUp(int32_t hole, int32_t top, ScheduledEvent* event, uint64_t key);
    static void SiftDown(int32_t hole, int32_t count, ScheduledEvent* event, uint64_t key);
    static uint64_t FireKey(const Time& time);
    static bool FiresLater(uint64_t keyA, const ScheduledEvent* a, uint64_t keyB, const ScheduledEvent* b);
    static void MakeHeap();
    // Removes and destroys every pending event the predicate accepts.
    template <class Match> static void CancelWhere(Match match);

    static Time _curr_game_time;
    static Time _last_event_game_time;
    static uint32_t _last_event_tick;
    static int32_t _game_speed;
    static int32_t _max_event_id;
    static ScheduledEvent** s_heap;
    // The fire time of the event in the same slot of s_heap, packed into one
    // number that orders like the time (see FireKey).
    static uint64_t* s_keys;
    // Pending events whose key could not be packed; while there are none the
    // heap compares keys only.
    static int32_t s_unpacked;
    static int32_t s_heap_capacity;
    static ScheduledEvent** _heap_top;
    static EventListener* _event_listener;
    static int64_t s_fired_total;
    static EventSubjects* s_subjects;
    static TimeSimulation* s_instance;

    uint32_t _last_tick = 0;
};
