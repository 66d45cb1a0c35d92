#include "Common/Backend/Events/AirportEffectEvent.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Events/EventCommon.h"
#include "WinCE/Assert.h"
#include "Wkrimp/Config/ConfigBlock.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

ScheduledEvent* AirportEffectEvent::Create()
{
    return new AirportEffectEvent();
}

int AirportEffectEvent::Execute()
{
    ASSERT(_airport && "a campaign step belongs to an airport");
    if (_repeat < 1 || _repeat > 12)
    {
        // Only a damaged save gets here; the campaign is over.
        _airport->CloseCampaign(_effect, _size);
        return 0;
    }
    _airport->ApplyCampaignMonth(_effect, _size, _repeat);
    _repeat -= 1;
    if (_repeat < 1)
    {
        _airport->CloseCampaign(_effect, _size);
        return 0;
    }
    EventCommon::Recur(*this, _time.Add(0, 1, 0, 0, 0, 0));
    return 0;
}

void AirportEffectEvent::Save(ConfigBlock& block) const
{
    ScheduledEvent::Save(block);
    char key[16];
    for (int32_t i = 0; i < 6; ++i)
    {
        std::snprintf(key, sizeof(key), "_effect%d", i);
        block.Put(key, _effect[i]);
    }
    block.Put("_repeat", _repeat);
    block.Put("_size", _size);
}

bool AirportEffectEvent::IsPlausible() const
{
    return ScheduledEvent::IsPlausible() && AirportDetails::IsCampaignSize(_size) && _repeat >= 0 &&
           _repeat <= 12 &&
           std::all_of(std::begin(_effect), std::end(_effect),
                       [](int32_t v) {
                           return v >= -AirportDetails::MAX_PLAUSIBLE_BONUS &&
                                  v <= AirportDetails::MAX_PLAUSIBLE_BONUS;
                       });
}

void AirportEffectEvent::Load(const ConfigBlock& block)
{
    ScheduledEvent::Load(block);
    char key[16];
    for (int32_t i = 0; i < 6; ++i)
    {
        std::snprintf(key, sizeof(key), "_effect%d", i);
        block.Get(key, _effect[i]);
    }
    block.Get("_repeat", _repeat);
    block.Get("_size", _size);
}
