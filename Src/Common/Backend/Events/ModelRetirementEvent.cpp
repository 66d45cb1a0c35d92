#include "Common/Backend/Events/ModelRetirementEvent.h"

#include "Common/Backend/Enviroment.h"
#include "WinCE/Assert.h"
#include "Wkrimp/Config/ConfigBlock.h"

ScheduledEvent* ModelRetirementEvent::Create()
{
    return new ModelRetirementEvent();
}

int ModelRetirementEvent::Execute()
{
    ASSERT(_model >= 0 && _model < AVAIL_MODELS && "a model event names a plane model");
    if (_model < 0 || _model >= AVAIL_MODELS)
        return 0;
    Enviroment::SetModelAvailability(_model, Enviroment::MODEL_UNSERVICED);
    return 0;
}

void ModelRetirementEvent::Save(ConfigBlock& block) const
{
    ScheduledEvent::Save(block);
    block.Put("m", _model);
}

bool ModelRetirementEvent::IsPlausible() const
{
    return ScheduledEvent::IsPlausible() && _model >= 0 && _model < AVAIL_MODELS;
}

void ModelRetirementEvent::Load(const ConfigBlock& block)
{
    ScheduledEvent::Load(block);
    block.Get("m", _model);
}
