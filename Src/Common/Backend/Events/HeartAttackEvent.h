// HeartAttackEvent (type 14): a passenger has a heart attack.
//
// Drawn at the departure and due during the flight; it only tells the
// player (the plane named in the dialog slot).
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class HeartAttackEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 14;

    HeartAttackEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
