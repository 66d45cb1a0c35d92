// ModelRetirementEvent (type 209): a withdrawn plane model loses its spare parts.
//
// From now on planes of the model cannot be repaired.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class ModelRetirementEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 209;

    ModelRetirementEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
    void Save(ConfigBlock& block) const override;
    void Load(const ConfigBlock& block) override;
    bool IsPlausible() const override;

    // The plane model concerned (index into the model table).
    int32_t _model = 0;
};
