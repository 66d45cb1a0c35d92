// SimReport: the state of a skyreach-sim game as output records.
//
// `Report` prints the company (date, cash, worth, credit, MIR, cost index,
// notices shown), one line per plane, one per airport the company holds
// details for, the statistics, and how often each event class has fired;
// `PendingEvents` prints every event waiting on the scheduler, in fire order.
// The listings answer what a player would look up on the screens: the
// airports of the world (and which can be a home), an airport's neighbours
// with their distances, the models on sale, the fleet, and the bank's terms.
// Arrays print with labels: demand by neighbour airport, money by period.
#pragma once

#include <cstdint>
#include <string>

class Plane;
class SimOutput;
class SimSession;
class Time;

class SimReport
{
public:
    static void Report(SimSession& session);
    static void PendingEvents(SimSession& session);

    static void Airports(SimSession& session);
    static void Neighbours(SimSession& session, int32_t airport);
    // The models on sale, or with `all` every model with its market state.
    static void Models(SimSession& session, bool all);
    // A model's yearly return on its price at the cost index of its first
    // year: on its best route of the world, and on the best route between
    // two airports of the largest size (a `model_return` line).
    static void Returns(SimSession& session, int32_t model);
    static void Planes(SimSession& session);
    static void Bank(SimSession& session);

    // "Zurich, Switzerland": the short name and the country.
    static std::string AirportName(int32_t airport);

private:
    static void PlaneLine(SimOutput& out, const Plane& plane, const Time& now);
};
