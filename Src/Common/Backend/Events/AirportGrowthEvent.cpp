#include "Common/Backend/Events/AirportGrowthEvent.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Events/EventCommon.h"
#include "WinCE/Assert.h"
#include "Wkrimp/Config/ConfigBlock.h"

ScheduledEvent* AirportGrowthEvent::Create()
{
    return new AirportGrowthEvent();
}

int AirportGrowthEvent::Execute()
{
    ASSERT(_airport && "a growth belongs to an airport");
    if (_airport->GrowEfficiency(_size))
        return 0;
    EventCommon::Recur(*this, _time.Add(1, 0, 0, 0, 0, 0));
    return 0;
}

void AirportGrowthEvent::Save(ConfigBlock& block) const
{
    ScheduledEvent::Save(block);
    block.Put("_size", _size);
}

bool AirportGrowthEvent::IsPlausible() const
{
    return ScheduledEvent::IsPlausible() && AirportDetails::IsCampaignSize(_size);
}

void AirportGrowthEvent::Load(const ConfigBlock& block)
{
    ScheduledEvent::Load(block);
    block.Get("_size", _size);
}
