// EventHooks: the events layer's answer to the model's requests for events.
//
// The simulation model names the events it needs by type code (buying a plane
// starts its upkeep, a route its monthly cost and flight cycle, an office its
// rent, the airport checks their incidents); this implementation creates the
// matching event object through the factory, fills in its subject and fields,
// and hands it to the scheduler. Installed into the world by
// EventRegistry::Install.
#pragma once

#include "Common/Backend/WorldEventHooks.h"

class EventHooks : public WorldEventHooks
{
public:
    static EventHooks& Instance();

    void SchedulePlaneEvent(int32_t type, Plane* plane, const Time& at) override;
    void ScheduleAirportEvent(int32_t type, AirportDetails* airport, const Time& at) override;
    void ScheduleGlobalEvent(int32_t type, const Time& at) override;
    void ScheduleModelEvent(int32_t type, int32_t model, const Time& at) override;
    void ScheduleCampaignStep(AirportDetails* airport, const Time& at, const int32_t effects[6],
                              int32_t size) override;
    void ScheduleCampaignGrowth(AirportDetails* airport, const Time& at, int32_t size) override;
    void CancelPlaneEvents(Plane* plane, int32_t type, bool allButType) override;
    void CancelAirportEvents(AirportDetails* airport, int32_t type, bool allButType) override;
};
