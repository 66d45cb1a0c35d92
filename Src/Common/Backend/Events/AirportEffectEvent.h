// AirportEffectEvent (type 102): one monthly step of an advertising campaign.
//
// Carries the six demand values taken when the campaign started, the months
// left (12 at the first step) and the campaign size. Each month applies that
// month's share of the campaign's effect; after the twelfth the campaign's
// closing step runs and the chain ends.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class AirportEffectEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 102;

    AirportEffectEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
    void Save(ConfigBlock& block) const override;
    void Load(const ConfigBlock& block) override;
    bool IsPlausible() const override;

    // The demand values towards the six neighbours when the campaign started.
    int32_t _effect[6] = {};
    // Monthly steps still to come, this one included.
    int32_t _repeat = 0;
    // The campaign size.
    int32_t _size = 0;
};
