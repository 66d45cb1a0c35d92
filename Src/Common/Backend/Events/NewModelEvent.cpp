#include "Common/Backend/Events/NewModelEvent.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"
#include "WinCE/Assert.h"
#include "Wkrimp/Config/ConfigBlock.h"

ScheduledEvent* NewModelEvent::Create()
{
    return new NewModelEvent();
}

int NewModelEvent::Execute()
{
    ASSERT(_model >= 0 && _model < AVAIL_MODELS && "a model event names a plane model");
    if (_model < 0 || _model >= AVAIL_MODELS)
        return 0;
    Enviroment::SetModelAvailability(_model, Enviroment::MODEL_ON_SALE);
    Enviroment::SetDialogModel(_model);
    return EventCommon::Notice(Notices::NEW_MODEL);
}

void NewModelEvent::Save(ConfigBlock& block) const
{
    ScheduledEvent::Save(block);
    block.Put("m", _model);
}

bool NewModelEvent::IsPlausible() const
{
    return ScheduledEvent::IsPlausible() && _model >= 0 && _model < AVAIL_MODELS;
}

void NewModelEvent::Load(const ConfigBlock& block)
{
    ScheduledEvent::Load(block);
    block.Get("m", _model);
}
