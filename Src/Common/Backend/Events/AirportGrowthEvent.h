// AirportGrowthEvent (type 101): the yearly recovery of an airport's advertising efficiency.
//
// A campaign spends efficiency; a year later, and every year after, the
// campaign's size is added back until the efficiency is full (1000).
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class AirportGrowthEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 101;

    AirportGrowthEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
    void Save(ConfigBlock& block) const override;
    void Load(const ConfigBlock& block) override;
    bool IsPlausible() const override;

    // The campaign size, added to the efficiency every year.
    int32_t _size = 0;
};
