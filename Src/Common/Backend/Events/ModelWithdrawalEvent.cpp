#include "Common/Backend/Events/ModelWithdrawalEvent.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Events/ModelRetirementEvent.h"
#include "Common/Backend/Notices.h"
#include "WinCE/Assert.h"
#include "Wkrimp/Config/ConfigBlock.h"

#include <algorithm>

ScheduledEvent* ModelWithdrawalEvent::Create()
{
    return new ModelWithdrawalEvent();
}

int ModelWithdrawalEvent::Execute()
{
    ASSERT(_model >= 0 && _model < AVAIL_MODELS && "a model event names a plane model");
    if (_model < 0 || _model >= AVAIL_MODELS)
        return 0;
    Enviroment::SetModelAvailability(_model, Enviroment::MODEL_WITHDRAWN);
    Enviroment::SetDialogModel(_model);
    const int32_t months = std::max(Enviroment::GetPlaneModel(_model)._runout_months, 0);
    ModelRetirementEvent* retirement = new ModelRetirementEvent();
    retirement->_model = _model;
    EventCommon::Schedule(retirement, _time.Add(months / 12, months % 12, 0, 0, 0, 0));
    return EventCommon::Notice(Notices::MODEL_WITHDRAWAL);
}

void ModelWithdrawalEvent::Save(ConfigBlock& block) const
{
    ScheduledEvent::Save(block);
    block.Put("m", _model);
}

bool ModelWithdrawalEvent::IsPlausible() const
{
    return ScheduledEvent::IsPlausible() && _model >= 0 && _model < AVAIL_MODELS;
}

void ModelWithdrawalEvent::Load(const ConfigBlock& block)
{
    ScheduledEvent::Load(block);
    block.Get("m", _model);
}
