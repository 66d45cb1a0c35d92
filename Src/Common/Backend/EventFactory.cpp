#include "Common/Backend/EventFactory.h"

#include "WinCE/Assert.h"

namespace
{
EventFactory::Creator s_creators[EventFactory::MAX_EVENT_TYPE] = {};

bool InRange(int32_t type)
{
    return type >= 0 && type < EventFactory::MAX_EVENT_TYPE;
}
} // namespace

EventFactory::Creator EventFactory::Register(int32_t type, Creator create)
{
    ASSERT(InRange(type) && "event type code outside the factory table");
    if (!InRange(type))
        return nullptr;
    const Creator previous = s_creators[type];
    s_creators[type] = create;
    return previous;
}

ScheduledEvent* EventFactory::Create(int32_t type)
{
    // Type codes come from saved games, so an unknown one is not a bug here.
    if (!InRange(type) || s_creators[type] == nullptr)
        return nullptr;
    return s_creators[type]();
}

bool EventFactory::IsRegistered(int32_t type)
{
    return InRange(type) && s_creators[type] != nullptr;
}
