// EventCommon: what the event classes share.
//
// Opening a notice and ending the game through the installed NoticeSink,
// scheduling follow-up events, the copy an event makes of itself when it
// recurs, and the look-ups of the company's airport details that the flight
// and airport events need (an airport where the company has no details counts
// as open and without risks).
#pragma once

#include "Common/Backend/ScheduledEvent.h"
#include "Common/Backend/Time.h"
#include "Common/Backend/TimeSimulation.h"

#include <cstdint>

class AirportDetails;
class Company;

class EventCommon
{
public:
    // Asks for notice `notice` and returns 1, the result of an event that
    // opened a notice. Call it last: the answer may change the world at once.
    static int Notice(int32_t notice);
    static void GameOver(int32_t reason);

    static Company& TheCompany();

    // Gives the event its fire time and hands it to the scheduler.
    static void Schedule(ScheduledEvent* event, const Time& at);
    // The recurring events: a fresh copy of `self` (references and own
    // fields included) at the new fire time.
    template <class T> static void Recur(const T& self, const Time& at)
    {
        T* next = new T(self);
        next->_id = -1;
        next->_next_id = -1;
        next->_next_type = -1;
        Schedule(next, at);
    }

    // The ground steps of the flight cycle: refuelling, then check-in, then
    // the departure; after the landing, maintenance before the next refuel.
    static constexpr int32_t REFUEL_MINUTES = 60;
    static constexpr int32_t CHECK_IN_MINUTES = 60;
    static constexpr int32_t MAINTENANCE_MINUTES = 600;
    // One leg of a route from refuelling to the end of the maintenance after
    // its landing: the time between two departures of an undisturbed plane.
    static int32_t LegMinutes(int32_t flightMinutes)
    {
        return REFUEL_MINUTES + CHECK_IN_MINUTES + flightMinutes + MAINTENANCE_MINUTES;
    }

    // `minutes` later, the minutes spread over days, hours and minutes.
    static Time AfterMinutes(const Time& from, int32_t minutes);
    // A duration (days, hours, minutes, seconds of a Time) later.
    static Time AfterDuration(const Time& from, const Time& duration);
    // Rand() mod n minutes, 0 for a route without length.
    static int32_t RandomMinutes(int32_t flightMinutes);

    static AirportDetails* DetailsAt(int32_t airport);
    static bool IsOpen(int32_t airport);

    // The common steps of an incident that closes an airport: every demand
    // value loses 1/lossDivisor (of the value passengers see), the airport
    // becomes the dialog subject, the pending mark is cleared and the airport
    // closes for `reason`.
    static void CloseAirport(AirportDetails* details, int32_t lossDivisor, int32_t reason);
    // The end of a charity or VIP offer at `now`: the flight is settled if a
    // plane was assigned; otherwise the airport becomes the dialog subject
    // and the `expired` notice opens. Returns the event's result.
    static int ExpireSpecialOffer(AirportDetails* details, const Time& now, int32_t expired);
    // True when an event of `type` other than `except` is pending for the airport.
    static bool HasPendingAirportEvent(const AirportDetails* details, int32_t type,
                                       const ScheduledEvent* except);
};
