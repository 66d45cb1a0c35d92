// AgencyContractEndEvent (type 12): a travel agency ends its contract because
// demand has fallen.
//
// Scheduled when the player accepts an agency offer (NoticeActions), six months
// to about two and a half years ahead. If the plane's route still has the
// contract, it ends with notice 62.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class AgencyContractEndEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 12;

    AgencyContractEndEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
