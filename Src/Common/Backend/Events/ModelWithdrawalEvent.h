// ModelWithdrawalEvent (type 208): a plane model is no longer sold.
//
// Scheduled by the yearly model schedule in the model's withdrawal year. The
// model is still serviced for its run-out months (ModelRetirementEvent);
// periods of a year or more are added as whole years and months, so the
// retirement falls on the right date.
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class ModelWithdrawalEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 208;

    ModelWithdrawalEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
    void Save(ConfigBlock& block) const override;
    void Load(const ConfigBlock& block) override;
    bool IsPlausible() const override;

    // The plane model concerned (index into the model table).
    int32_t _model = 0;
};
