// ScheduledEvent: the base of every dated change of the game world.
//
// An event is created, given its fire time and references, and handed to the
// scheduler (TimeSimulation::Schedule), which owns it until it fires or is
// cancelled. When the clock has passed its fire time the scheduler takes it
// out of the queue and calls Execute, which changes the world, may schedule
// follow-up events and returns nonzero when it opened a notice the player must
// look at.
//
// The type code decides the kind: below 100 an event concerns one plane
// (`_plane`), from 100 to 199 one airport (`_airport`), from 200 on the company
// or the world. It is also the key by which a saved event is re-created
// (EventFactory). Classes with fields of their own extend Save and Load,
// calling the base versions first.
#pragma once

#include "Common/Backend/Time.h"

#include <cstdint>

class ConfigBlock;
class Plane;
class AirportDetails;

class ScheduledEvent
{
public:
    static constexpr int32_t FIRST_AIRPORT_TYPE = 100;
    static constexpr int32_t FIRST_GLOBAL_TYPE = 200;

    explicit ScheduledEvent(int32_t type = -1);
    virtual ~ScheduledEvent();
    ScheduledEvent(const ScheduledEvent&) = default;
    ScheduledEvent& operator=(const ScheduledEvent&) = default;

    // Applies the event; nonzero when a notice was opened.
    virtual int Execute() = 0;
    virtual int32_t GetType() const { return _type; }
    virtual bool IsPlaneEvent() const { return GetType() < FIRST_AIRPORT_TYPE; }
    virtual bool IsAirportEvent() const
    {
        return GetType() >= FIRST_AIRPORT_TYPE && GetType() < FIRST_GLOBAL_TYPE;
    }
    virtual bool IsGlobalEvent() const { return GetType() >= FIRST_GLOBAL_TYPE; }

    // Writes "_d" (type, next type, id, next id as 16 little-endian bytes),
    // "_t" (the fire time in a child block) and "_p" or "_a" (the subject's
    // identifier) for plane and airport events.
    virtual void Save(ConfigBlock& block) const;
    // Reads the same keys, each only if present; the subject is resolved
    // through the installed EventSubjects and stays null when it is unknown.
    virtual void Load(const ConfigBlock& block);
    // True when a loaded event could have been scheduled by play: it is due
    // at a moment of the game, and events with figures of their own (or
    // whose work reads fields of their own time) check those too.
    virtual bool IsPlausible() const;

    Plane* _plane = nullptr;
    AirportDetails* _airport = nullptr;
    int32_t _type;
    Time _time;
    // Used only while saving and loading: the record saved after this one.
    int32_t _next_type = -1;
    int32_t _id = -1;
    int32_t _next_id = -1;
};
