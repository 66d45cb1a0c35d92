#include "Common/Backend/TimeSimulation.h"

#include "Common/Backend/EventFactory.h"
#include "Common/Backend/EventListener.h"
#include "Common/Backend/EventSubjects.h"
#include "Common/Backend/NoticeSink.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/ScheduledEvent.h"
#include "WinCE/Assert.h"
#include "WinCE/DebugOutput.h"
#include "WinCE/TickCount.h"
#include "Wkrimp/Config/ConfigBlock.h"

#include <cstdio>
#include <new>
#include <unordered_set>

Time TimeSimulation::_curr_game_time(START_YEAR, 0, 1);
Time TimeSimulation::_last_event_game_time(START_YEAR, 0, 1);
uint32_t TimeSimulation::_last_event_tick = 0;
int32_t TimeSimulation::_game_speed = INITIAL_SPEED;
int32_t TimeSimulation::_max_event_id = 1;
ScheduledEvent** TimeSimulation::s_heap = nullptr;
uint64_t* TimeSimulation::s_keys = nullptr;
int32_t TimeSimulation::s_unpacked = 0;
int32_t TimeSimulation::s_heap_capacity = 0;
ScheduledEvent** TimeSimulation::_heap_top = nullptr;
EventListener* TimeSimulation::_event_listener = nullptr;
int64_t TimeSimulation::s_fired_total = 0;
EventSubjects* TimeSimulation::s_subjects = nullptr;
TimeSimulation* TimeSimulation::s_instance = nullptr;

namespace
{
// The recurring calendar events every new game starts with, in the order they
// are scheduled.
struct InitialEvent
{
    int32_t type;
    Time fireTime;
};

const InitialEvent INITIAL_EVENTS[] = {
    {200, Time(1959, 3, 1)}, // the company's yearly review, every 1 April
    {206, Time(1959, 0, 2)}, // daily bookkeeping
    {205, Time(1959, 0, 8)}, // weekly bookkeeping
    {203, Time(1959, 1, 1)}, // monthly bookkeeping
    {204, Time(1960, 0, 1)}, // the new year
};

// Marks a fire time too unusual to pack; such events are compared field by
// field.
constexpr uint64_t UNPACKED = uint64_t(1) << 63;
} // namespace

TimeSimulation::TimeSimulation()
{
    ASSERT(s_instance == nullptr && "only one scheduler may exist");
    s_instance = this;
    EnsureHeap();
    Reset();
}

TimeSimulation::~TimeSimulation()
{
    Clear();
    delete[] s_heap;
    delete[] s_keys;
    s_heap = nullptr;
    s_keys = nullptr;
    _heap_top = nullptr;
    s_heap_capacity = 0;
    if (s_instance == this)
        s_instance = nullptr;
}

void TimeSimulation::EnsureHeap()
{
    if (s_heap != nullptr)
        return;
    // One slot more than the capacity stays null for good, so that the slot
    // at _heap_top can always be inspected, even when every slot is taken.
    s_heap = new (std::nothrow) ScheduledEvent*[INITIAL_HEAP_SLOTS + 1]();
    s_keys = new (std::nothrow) uint64_t[INITIAL_HEAP_SLOTS + 1]();
    FATAL(s_heap == nullptr || s_keys == nullptr, "Failed to allocate memory.");
    s_heap_capacity = INITIAL_HEAP_SLOTS;
    _heap_top = s_heap;
}

void TimeSimulation::GrowHeap()
{
    // A company with a very large fleet can keep more events pending than the
    // initial slots; rather than refuse an event (and silently break a plane's
    // flight cycle), the heap doubles.
    const int32_t count = GetEventCount();
    const int32_t capacity = s_heap_capacity * 2;
    ScheduledEvent** grown = new (std::nothrow) ScheduledEvent*[capacity + 1]();
    uint64_t* grownKeys = new (std::nothrow) uint64_t[capacity + 1]();
    FATAL(grown == nullptr || grownKeys == nullptr, "Failed to allocate memory.");
    for (int32_t i = 0; i < count; ++i)
    {
        grown[i] = s_heap[i];
        grownKeys[i] = s_keys[i];
    }
    delete[] s_heap;
    delete[] s_keys;
    s_heap = grown;
    s_keys = grownKeys;
    s_heap_capacity = capacity;
    _heap_top = s_heap + count;
}

int32_t TimeSimulation::GetEventCount()
{
    return s_heap ? static_cast<int32_t>(_heap_top - s_heap) : 0;
}

ScheduledEvent* TimeSimulation::GetEvent(int32_t slot)
{
    ASSERT(slot >= 0 && slot < GetEventCount() && "no pending event in that slot");
    return s_heap[slot];
}

void TimeSimulation::Reset()
{
    Clear();
    _curr_game_time = Time(START_YEAR, 0, 1);
    _last_event_game_time = _curr_game_time;
    _last_event_tick = GetTickCount();
    _game_speed = INITIAL_SPEED;
    _event_listener = nullptr;
    _max_event_id = 1;
}

void TimeSimulation::ScheduleInitialEvents()
{
    for (const InitialEvent& initial : INITIAL_EVENTS)
    {
        ScheduledEvent* event = EventFactory::Create(initial.type);
        ASSERT(event != nullptr && "the recurring calendar events must be registered with the factory");
        if (event == nullptr)
            continue;
        event->_time = initial.fireTime;
        Schedule(event);
    }
}

void TimeSimulation::Schedule(ScheduledEvent* event)
{
    ASSERT(event != nullptr);
    if (event == nullptr)
        return;
    EnsureHeap();
    if (GetEventCount() == s_heap_capacity)
        GrowHeap();
    event->_id = _max_event_id++;
    const uint64_t key = FireKey(event->_time);
    if (key & UNPACKED)
        ++s_unpacked;
    *_heap_top++ = event;
    SiftUp(GetEventCount() - 1, 0, event, key);
}

uint64_t TimeSimulation::FireKey(const Time& time)
{
    // Dates of the game fit easily; durations, far-future test dates and
    // unnormalised values from damaged saves may not, and fall back to the
    // field-by-field comparison. Within these widths the packed number orders
    // exactly like the fields compared in turn.
    const bool fits = uint32_t(time._year) < (1u << 20) && uint32_t(time._month) < (1u << 4) &&
                      uint32_t(time._day) < (1u << 6) && uint32_t(time._hour) < (1u << 5) &&
                      uint32_t(time._minute) < (1u << 6) && uint32_t(time._second) < (1u << 6);
    if (!fits)
        return UNPACKED;
    return (uint64_t(time._year) << 27) | (uint64_t(time._month) << 23) | (uint64_t(time._day) << 17) |
           (uint64_t(time._hour) << 12) | (uint64_t(time._minute) << 6) | uint64_t(time._second);
}

inline bool TimeSimulation::FiresLater(uint64_t keyA, const ScheduledEvent* a, uint64_t keyB,
                                       const ScheduledEvent* b)
{
    if (((keyA | keyB) & UNPACKED) == 0)
        return keyA > keyB;
    return a->_time.IsAfter(b->_time);
}

void TimeSimulation::SiftUp(int32_t hole, int32_t top, ScheduledEvent* event, uint64_t key)
{
    while (top < hole)
    {
        const int32_t parent = (hole - 1) / 2;
        if (!FiresLater(s_keys[parent], s_heap[parent], key, event))
            break;
        s_heap[hole] = s_heap[parent];
        s_keys[hole] = s_keys[parent];
        hole = parent;
    }
    s_heap[hole] = event;
    s_keys[hole] = key;
}

void TimeSimulation::SiftDown(int32_t hole, int32_t count, ScheduledEvent* event, uint64_t key)
{
    // The standard library's way: the hole first goes all the way down to a
    // leaf, always to the earlier-firing child (the right one on a tie), and
    // the event then rises from there. Equal fire times thus end up in the
    // same slots as with the library's heap operations, and the descent needs
    // one comparison per level instead of two.
    const int32_t top = hole;
    const int32_t lastWithTwoChildren = (count - 1) / 2;
    int32_t child = hole;
    if (s_unpacked == 0)
    {
        while (child < lastWithTwoChildren)
        {
            child = 2 * child + 2;
            child -= int32_t(s_keys[child] > s_keys[child - 1]);
            s_heap[hole] = s_heap[child];
            s_keys[hole] = s_keys[child];
            hole = child;
        }
    }
    else
    {
        while (child < lastWithTwoChildren)
        {
            child = 2 * child + 2;
            if (FiresLater(s_keys[child], s_heap[child], s_keys[child - 1], s_heap[child - 1]))
                --child;
            s_heap[hole] = s_heap[child];
            s_keys[hole] = s_keys[child];
            hole = child;
        }
    }
    if (child == lastWithTwoChildren && count % 2 == 0)
    {
        // A last parent with a single child.
        s_heap[hole] = s_heap[count - 1];
        s_keys[hole] = s_keys[count - 1];
        hole = count - 1;
    }
    SiftUp(hole, top, event, key);
}

void TimeSimulation::MakeHeap()
{
    const int32_t count = GetEventCount();
    for (int32_t slot = count / 2 - 1; slot >= 0; --slot)
        SiftDown(slot, count, s_heap[slot], s_keys[slot]);
}

ScheduledEvent* TimeSimulation::PopTop()
{
    const int32_t count = GetEventCount();
    ScheduledEvent* top = s_heap[0];
    if (s_keys[0] & UNPACKED)
        --s_unpacked;
    // The top goes to the last slot; the event from there re-enters the
    // shrunken heap at the top.
    ScheduledEvent* moved = s_heap[count - 1];
    const uint64_t movedKey = s_keys[count - 1];
    s_heap[count - 1] = top;
    --_heap_top;
    if (count > 1)
        SiftDown(0, count - 1, moved, movedKey);
    ASSERT((*_heap_top));
    ScheduledEvent* event = *_heap_top;
    *_heap_top = nullptr;
    return event;
}

int TimeSimulation::FireDue()
{
    if (GetEventCount() == 0)
        return 0;
    // An event fires only once the clock has passed its time.
    if (!_curr_game_time.IsAfter(s_heap[0]->_time))
        return 0;
    ScheduledEvent* event = PopTop();
    event->Execute();
    ++s_fired_total;
    // Read after Execute: the event may have changed screens, and with them
    // the listener.
    if (_event_listener != nullptr)
        _event_listener->OnEvent(event);
    delete event;
    Synchronise();
    return 1;
}

void TimeSimulation::Advance()
{
    const uint32_t now = GetTickCount();
    _last_tick = now;
    uint32_t elapsed = now - _last_event_tick;
    if (elapsed > MAX_ELAPSED_TICKS)
    {
        // Synchronise at the tick just read, so that the elapsed time below is
        // exactly zero and never a second reading of a running clock.
        _last_event_tick = now;
        _last_event_game_time = _curr_game_time;
        elapsed = 0;
    }
    // The elapsed time is taken modulo 2^32, so the clock also keeps running
    // across the wrap of the tick count every 49.7 days.
    if (elapsed == 0)
        return;

    // At most 5000 ms times FASTEST_SPEED (518400): fits 32 bits.
    uint32_t total = elapsed * static_cast<uint32_t>(_game_speed) / 1000;
    const int32_t seconds = static_cast<int32_t>(total % 60);
    total /= 60;
    const int32_t minutes = static_cast<int32_t>(total % 60);
    total /= 60;
    const int32_t hours = static_cast<int32_t>(total % 24);
    const int32_t days = static_cast<int32_t>(total / 24);
    // Recomputed from the synchronisation point every time, so rounding never
    // accumulates.
    _curr_game_time = _last_event_game_time.Add(0, 0, days, hours, minutes, seconds);

    if (_curr_game_time._year >= FINAL_YEAR)
    {
        if (NoticeSink* sink = GetNoticeSink())
            sink->GameOver(Notices::GAME_OVER_FINAL_YEAR);
    }
}

int TimeSimulation::SkipToNextNotice()
{
    int result = 0;
    while (GetEventCount() > 0)
    {
        ScheduledEvent* event = PopTop();
        result = event->Execute();
        ++s_fired_total;
        _curr_game_time = event->_time;
        Synchronise();
        delete event;
        if (result != 0)
            break;
    }
    return result;
}

template <class Match> void TimeSimulation::CancelWhere(Match match)
{
    int32_t slot = 0;
    while (slot < GetEventCount())
    {
        ScheduledEvent* event = s_heap[slot];
        if (!match(event))
        {
            ++slot;
            continue;
        }
        ASSERT(*_heap_top == NULL);
        // The last pending event takes the slot and is examined in turn.
        if (s_keys[slot] & UNPACKED)
            --s_unpacked;
        --_heap_top;
        s_heap[slot] = *_heap_top;
        s_keys[slot] = s_keys[_heap_top - s_heap];
        *_heap_top = nullptr;
        delete event;
    }
    // The moves broke the heap order.
    MakeHeap();
}

void TimeSimulation::CancelByType(int32_t type)
{
    CancelWhere([type](const ScheduledEvent* event) { return event->GetType() == type; });
}

namespace
{
bool TypeMatches(const ScheduledEvent* event, int32_t type, bool allButType)
{
    return allButType ? event->GetType() != type : event->GetType() == type;
}
} // namespace

void TimeSimulation::CancelPlaneEvents(const Plane* plane, int32_t type, bool allButType)
{
    const EventSubjects* subjects = s_subjects;
    CancelWhere(
        [=](const ScheduledEvent* event)
        {
            if (!event->IsPlaneEvent() || !TypeMatches(event, type, allButType))
                return false;
            if (event->_plane == plane)
                return true;
            // Planes are the same plane when their identifiers agree.
            return subjects != nullptr && event->_plane != nullptr && plane != nullptr &&
                   subjects->PlaneId(event->_plane) == subjects->PlaneId(plane);
        });
}

void TimeSimulation::CancelAirportEvents(const AirportDetails* airport, int32_t type, bool allButType)
{
    const EventSubjects* subjects = s_subjects;
    CancelWhere(
        [=](const ScheduledEvent* event)
        {
            if (!event->IsAirportEvent() || !TypeMatches(event, type, allButType))
                return false;
            if (event->_airport == airport)
                return true;
            return subjects != nullptr && event->_airport != nullptr && airport != nullptr &&
                   subjects->AirportId(event->_airport) == subjects->AirportId(airport);
        });
}

void TimeSimulation::Clear()
{
    const int32_t count = GetEventCount();
    for (int32_t slot = 0; slot < count; ++slot)
    {
        delete s_heap[slot];
        s_heap[slot] = nullptr;
    }
    _heap_top = s_heap;
    s_unpacked = 0;
}

void TimeSimulation::SpeedUp()
{
    for (int i = 0; i < 5; ++i)
    {
        if (_game_speed == SPEEDS[i])
        {
            _game_speed = SPEEDS[(i + 1) % 5];
            return;
        }
    }
}

void TimeSimulation::SpeedDown()
{
    for (int i = 0; i < 5; ++i)
    {
        if (_game_speed == SPEEDS[i])
        {
            _game_speed = SPEEDS[(i + 4) % 5];
            return;
        }
    }
}

void TimeSimulation::SetSpeed(int32_t speed)
{
    _game_speed = speed;
}

void TimeSimulation::Synchronise()
{
    _last_event_tick = GetTickCount();
    _last_event_game_time = _curr_game_time;
}

void TimeSimulation::Save(ConfigBlock& block)
{
    block.Put("_game_speed", _game_speed);
    block.Put("_max_event_id", _max_event_id);
    ConfigBlock time;
    _last_event_game_time.Save(time);
    block.PutBlock("_last_event_game_time", time);
    _curr_game_time.Save(time);
    block.PutBlock("_curr_game_time", time);

    const int32_t count = GetEventCount();
    if (count == 0)
    {
        block.Put("has_events", false);
        return;
    }
    block.Put("firsttype", s_heap[0]->GetType());
    block.Put("low_event", s_heap[0]->_id);
    // The records are chained in heap order: each names the type and id of
    // the one after it.
    for (int32_t slot = 0; slot < count; ++slot)
    {
        ScheduledEvent* event = s_heap[slot];
        const bool last = slot + 1 == count;
        event->_next_type = last ? -1 : s_heap[slot + 1]->GetType();
        event->_next_id = last ? -1 : s_heap[slot + 1]->_id;
        ConfigBlock record;
        event->Save(record);
        char name[32];
        std::snprintf(name, sizeof name, "event%d", event->_id);
        block.PutBlock(name, record);
    }
    block.Put("has_events", true);
}

bool TimeSimulation::Load(const ConfigBlock& block)
{
    block.Get("_game_speed", _game_speed);
    block.Get("_max_event_id", _max_event_id);
    ConfigBlock time;
    if (block.GetBlock("_last_event_game_time", time))
        _last_event_game_time.Load(time);
    if (block.GetBlock("_curr_game_time", time))
        _curr_game_time.Load(time);
    // The clock and every event time are moments of the game; anything
    // else is damage that later arithmetic could overflow on.
    // The speeds set by keys are legitimate too; nothing runs faster than the
    // fastest of them, which keeps the clock's arithmetic within 32 bits.
    if (!_curr_game_time.IsPlausibleMoment() || !_last_event_game_time.IsPlausibleMoment() ||
        _game_speed < 0 || _game_speed > FASTEST_SPEED || _max_event_id < 1 ||
        _max_event_id > MAX_PLAUSIBLE_EVENT_ID)
    {
        DebugPrintf("Saved events: the game clock is not a moment of the game, runs at an unknown speed or "
                    "would hand out an id outside 1 to %d; no events loaded.\n",
                    MAX_PLAUSIBLE_EVENT_ID);
        return false;
    }

    // Read as a byte: any value but 0 means yes, as it always has.
    uint8_t hasEvents = 0;
    if (!block.Get("has_events", hasEvents) || hasEvents == 0)
        return true;
    int32_t type = -1;
    int32_t id = -1;
    if (!block.Get("firsttype", type) || !block.Get("low_event", id))
    {
        DebugPrintf("Saved events: the first event is not named; no events loaded.\n");
        return false;
    }

    // Each record names the next one. A damaged save could chain back to a
    // record already read; every id is read at most once, so the loop ends.
    std::unordered_set<int32_t> seen;
    for (;;)
    {
        if (!seen.insert(id).second)
        {
            DebugPrintf("Saved events: event%d is chained twice; the rest is lost.\n", id);
            return false;
        }
        char name[32];
        std::snprintf(name, sizeof name, "event%d", id);
        ConfigBlock record;
        if (!block.GetBlock(name, record))
        {
            DebugPrintf("Saved events: %s is missing; the rest is lost.\n", name);
            return false;
        }
        ScheduledEvent* event = EventFactory::Create(type);
        if (event == nullptr)
        {
            DebugPrintf("Saved events: %s has the unknown type %d; the rest is lost.\n", name, type);
            return false;
        }
        event->Load(record);
        if (!event->IsPlausible())
        {
            DebugPrintf("Saved events: %s is not an event play could have scheduled; the rest is lost.\n", name);
            delete event;
            return false;
        }
        if (event->GetType() != type)
        {
            DebugPrintf("Saved events: %s holds type %d where %d was chained; the rest is lost.\n", name,
                        event->GetType(), type);
            delete event;
            return false;
        }
        const int32_t nextType = event->_next_type;
        const int32_t nextId = event->_next_id;
        // An event whose plane or airport no longer exists would act on
        // nothing; it is dropped, and the chain goes on.
        if ((event->IsPlaneEvent() && event->_plane == nullptr) ||
            (event->IsAirportEvent() && event->_airport == nullptr))
        {
            DebugPrintf("Saved events: %s refers to a plane or airport that does not exist; dropped.\n",
                        name);
            delete event;
        }
        else
        {
            Schedule(event);
        }
        if (nextId <= 0)
            return true;
        type = nextType;
        id = nextId;
    }
}
