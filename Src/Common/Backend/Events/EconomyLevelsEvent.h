// EconomyLevelsEvent (type 216): the economy levels out.
//
// The surcharge of the last swing is removed from the cost index.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class EconomyLevelsEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 216;

    EconomyLevelsEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
