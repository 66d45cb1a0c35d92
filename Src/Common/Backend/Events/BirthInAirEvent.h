// BirthInAirEvent (type 13): a child is born on board.
//
// Drawn at the departure and due during the flight; it only tells the
// player (the plane named in the dialog slot).
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class BirthInAirEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 13;

    BirthInAirEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
