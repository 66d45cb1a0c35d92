#include "Common/Backend/Events/EventHooks.h"

#include "Common/Backend/EventFactory.h"
#include "Common/Backend/Events/AirportEffectEvent.h"
#include "Common/Backend/Events/AirportGrowthEvent.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Events/ModelWithdrawalEvent.h"
#include "Common/Backend/Events/NewModelEvent.h"
#include "Common/Backend/TimeSimulation.h"
#include "WinCE/Assert.h"

namespace
{
ScheduledEvent* Make(int32_t type)
{
    ScheduledEvent* event = EventFactory::Create(type);
    ASSERT(event && "the model asked for an event type without a class");
    return event;
}
} // namespace

EventHooks& EventHooks::Instance()
{
    static EventHooks hooks;
    return hooks;
}

void EventHooks::SchedulePlaneEvent(int32_t type, Plane* plane, const Time& at)
{
    ASSERT(type < ScheduledEvent::FIRST_AIRPORT_TYPE && plane && "a plane event needs its plane");
    if (ScheduledEvent* event = Make(type))
    {
        event->_plane = plane;
        EventCommon::Schedule(event, at);
    }
}

void EventHooks::ScheduleAirportEvent(int32_t type, AirportDetails* airport, const Time& at)
{
    ASSERT(type >= ScheduledEvent::FIRST_AIRPORT_TYPE && type < ScheduledEvent::FIRST_GLOBAL_TYPE &&
           airport && "an airport event needs its airport");
    if (ScheduledEvent* event = Make(type))
    {
        event->_airport = airport;
        EventCommon::Schedule(event, at);
    }
}

void EventHooks::ScheduleGlobalEvent(int32_t type, const Time& at)
{
    ASSERT(type >= ScheduledEvent::FIRST_GLOBAL_TYPE && "a global event has a type from 200 on");
    if (ScheduledEvent* event = Make(type))
        EventCommon::Schedule(event, at);
}

void EventHooks::ScheduleModelEvent(int32_t type, int32_t model, const Time& at)
{
    if (type == NEW_MODEL)
    {
        NewModelEvent* event = new NewModelEvent();
        event->_model = model;
        EventCommon::Schedule(event, at);
    }
    else
    {
        ASSERT(type == MODEL_WITHDRAWAL && "model events are new models and withdrawals");
        ModelWithdrawalEvent* event = new ModelWithdrawalEvent();
        event->_model = model;
        EventCommon::Schedule(event, at);
    }
}

void EventHooks::ScheduleCampaignStep(AirportDetails* airport, const Time& at, const int32_t effects[6],
                                      int32_t size)
{
    AirportEffectEvent* event = new AirportEffectEvent();
    event->_airport = airport;
    for (int32_t i = 0; i < 6; ++i)
        event->_effect[i] = effects[i];
    event->_repeat = 12;
    event->_size = size;
    EventCommon::Schedule(event, at);
}

void EventHooks::ScheduleCampaignGrowth(AirportDetails* airport, const Time& at, int32_t size)
{
    AirportGrowthEvent* event = new AirportGrowthEvent();
    event->_airport = airport;
    event->_size = size;
    EventCommon::Schedule(event, at);
}

void EventHooks::CancelPlaneEvents(Plane* plane, int32_t type, bool allButType)
{
    TimeSimulation::CancelPlaneEvents(plane, type, allButType);
}

void EventHooks::CancelAirportEvents(AirportDetails* airport, int32_t type, bool allButType)
{
    TimeSimulation::CancelAirportEvents(airport, type, allButType);
}
