// EventRegistry: puts the event classes to work.
//
// Registers every event class of the catalogue with the event factory under
// its type code, so saved games re-create their pending events, and installs
// the events layer's hooks into the world, so the model's operations (buying a
// plane, opening a route, an office, a campaign, the airport checks) schedule
// real events. The application and every headless driver call Install once
// before a game is started or loaded.
#pragma once

#include <cstdint>

class EventRegistry
{
public:
    // The number of event classes in the catalogue.
    static constexpr int32_t CLASS_COUNT = 42;

    static void RegisterAll();
    // RegisterAll, then the world's event hooks.
    static void Install();

    // The type codes of the catalogue in ascending order, CLASS_COUNT of them.
    static const int32_t* Types();
    // The class name of a type code, or null when it has none.
    static const char* ClassName(int32_t type);
};
