// EventFactory: re-creates scheduled events from their type codes when a
// saved game is loaded.
//
// Every event class registers a function that returns a new, empty object of
// that class. The table is plain constant-initialised storage, so it may be
// filled at any time, even from static initialisers; note, though, that an
// object file of a static library that only registers itself is dropped by the
// linker, so the game registers its classes from an explicit function called
// at start-up.
#pragma once

#include <cstdint>

class ScheduledEvent;

class EventFactory
{
public:
    using Creator = ScheduledEvent* (*)();

    // Type codes the table can hold: 0 .. MAX_EVENT_TYPE - 1.
    static constexpr int32_t MAX_EVENT_TYPE = 1024;

    // Registers (or, with null, removes) the creator of a type and returns the
    // previous one, so tests can stand in for a class and restore it.
    static Creator Register(int32_t type, Creator create);
    // A new empty event of that type, or null when the type is unknown.
    static ScheduledEvent* Create(int32_t type);
    static bool IsRegistered(int32_t type);
};
