// WorldEventHooks: how the simulation model asks for dated events.
//
// Many model operations must put an event on the scheduler: buying a plane
// starts its monthly upkeep, opening a route its monthly cost and its flight
// cycle, an office its rent, a campaign its monthly steps, the monthly checks
// their incidents. The event classes live in the events layer, above this
// model, so the model names the event it wants by its type code and the
// events layer, which implements this interface and installs it with
// Enviroment::SetEventHooks, creates and schedules the object (or cancels
// pending ones through the scheduler).
//
// Without installed hooks there is no events layer to run the events: each
// request is then dropped and written to the debug output, and the model's
// own state changes still happen. Tests install a recorder.
#pragma once

#include "Common/Backend/Time.h"

#include <cstdint>

class Plane;
class AirportDetails;

class WorldEventHooks
{
public:
    // Type codes of the events the model asks for.
    static constexpr int32_t DEPARTURE = 1;
    static constexpr int32_t LANDING = 2;
    static constexpr int32_t REFUEL = 3;
    static constexpr int32_t CHECK_IN = 4;
    static constexpr int32_t ROUTE_COST = 7;
    static constexpr int32_t PLANE_UPKEEP = 8;
    static constexpr int32_t AGENCY_CONTRACT_END = 12;
    static constexpr int32_t OFFICE_RENT = 100;
    static constexpr int32_t AIRPORT_GROWTH = 101;
    static constexpr int32_t AIRPORT_EFFECT = 102;
    static constexpr int32_t BAD_WEATHER = 104;
    static constexpr int32_t STAFF_STRIKE = 106;
    static constexpr int32_t THUNDERSTORM = 107;
    static constexpr int32_t STRONG_WIND = 109;
    static constexpr int32_t ROUTE_OFFER_EXPIRY = 113;
    static constexpr int32_t CHARITY_OFFER_EXPIRY = 114;
    static constexpr int32_t VIP_OFFER_EXPIRY = 115;
    static constexpr int32_t MANEUVERS = 116;
    static constexpr int32_t THICK_FOG = 117;
    static constexpr int32_t EMERGENCY_STATE = 118;
    static constexpr int32_t NEW_MODEL = 207;
    static constexpr int32_t MODEL_WITHDRAWAL = 208;
    static constexpr int32_t ECONOMY_GROWS = 214;
    static constexpr int32_t ECONOMY_FALLS = 215;

    virtual ~WorldEventHooks();

    // An event without fields of its own about one plane (types below 100).
    virtual void SchedulePlaneEvent(int32_t type, Plane* plane, const Time& at) = 0;
    // An event without fields of its own about one airport's details (100..199).
    virtual void ScheduleAirportEvent(int32_t type, AirportDetails* airport, const Time& at) = 0;
    // A global event without fields of its own (200 and up).
    virtual void ScheduleGlobalEvent(int32_t type, const Time& at) = 0;
    // NEW_MODEL or MODEL_WITHDRAWAL for one plane model.
    virtual void ScheduleModelEvent(int32_t type, int32_t model, const Time& at) = 0;
    // AIRPORT_EFFECT: the monthly step of a campaign, with its six snapshot
    // values, 12 months left and the campaign size.
    virtual void ScheduleCampaignStep(AirportDetails* airport, const Time& at, const int32_t effects[6],
                                      int32_t size) = 0;
    // AIRPORT_GROWTH: the yearly recovery of the advertising efficiency.
    virtual void ScheduleCampaignGrowth(AirportDetails* airport, const Time& at, int32_t size) = 0;
    // The scheduler's cancellations: type -1 with allButType true means every
    // pending event of the plane or airport.
    virtual void CancelPlaneEvents(Plane* plane, int32_t type, bool allButType) = 0;
    virtual void CancelAirportEvents(AirportDetails* airport, int32_t type, bool allButType) = 0;
};
