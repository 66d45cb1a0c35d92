// NewModelEvent (type 207): a plane model goes on sale.
//
// Scheduled by the yearly model schedule on a random date of the model's
// introduction year.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class NewModelEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 207;

    NewModelEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
    void Save(ConfigBlock& block) const override;
    void Load(const ConfigBlock& block) override;
    bool IsPlausible() const override;

    // The plane model concerned (index into the model table).
    int32_t _model = 0;
};
