// EventSubjects: how scheduled events name the plane or airport they concern
// in a saved game.
//
// Events hold plain pointers to a plane of the company or to an airport's
// details. A saved game stores the subject's identifier instead ("_p", "_a"),
// and loading turns the identifier back into a pointer. The world implements
// this interface and installs itself with TimeSimulation::SetSubjects before
// the scheduler is loaded.
#pragma once

#include <cstdint>

class Plane;
class AirportDetails;

class EventSubjects
{
public:
    virtual ~EventSubjects();

    virtual int32_t PlaneId(const Plane* plane) const = 0;
    virtual int32_t AirportId(const AirportDetails* airport) const = 0;
    // Null when no plane or airport of the company has that identifier.
    virtual Plane* FindPlane(int32_t id) const = 0;
    virtual AirportDetails* FindAirport(int32_t id) const = 0;
};
