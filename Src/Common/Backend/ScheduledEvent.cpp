#include "Common/Backend/ScheduledEvent.h"

#include "Common/Backend/EventSubjects.h"
#include "Common/Backend/TimeSimulation.h"
#include "Wkr/Util/LittleEndian.h"
#include "Wkrimp/Config/ConfigBlock.h"

namespace
{
constexpr int32_t HEADER_BYTES = 16;
} // namespace

ScheduledEvent::ScheduledEvent(int32_t type) : _type(type) {}

ScheduledEvent::~ScheduledEvent() = default;

void ScheduledEvent::Save(ConfigBlock& block) const
{
    uint8_t header[HEADER_BYTES];
    LittleEndian::WriteInt32(header, _type);
    LittleEndian::WriteInt32(header + 4, _next_type);
    LittleEndian::WriteInt32(header + 8, _id);
    LittleEndian::WriteInt32(header + 12, _next_id);
    block.SetEntry(ConfigBlock::VALUE_ENTRY, "_d", 2, header, HEADER_BYTES);

    ConfigBlock time;
    _time.Save(time);
    block.PutBlock("_t", time);

    const EventSubjects* subjects = TimeSimulation::GetSubjects();
    if (subjects == nullptr)
        return;
    if (IsPlaneEvent() && _plane != nullptr)
        block.Put("_p", subjects->PlaneId(_plane));
    else if (IsAirportEvent() && _airport != nullptr)
        block.Put("_a", subjects->AirportId(_airport));
}

bool ScheduledEvent::IsPlausible() const
{
    return _time.IsPlausibleMoment();
}

void ScheduledEvent::Load(const ConfigBlock& block)
{
    const uint8_t* header = nullptr;
    int32_t length = 0;
    // A shorter "_d" cannot come from our own saves; it is skipped rather
    // than read past.
    if (block.FindEntry("_d", 2, header, length) && length >= HEADER_BYTES)
    {
        _type = LittleEndian::ReadInt32(header);
        _next_type = LittleEndian::ReadInt32(header + 4);
        _id = LittleEndian::ReadInt32(header + 8);
        _next_id = LittleEndian::ReadInt32(header + 12);
    }

    ConfigBlock time;
    if (block.GetBlock("_t", time))
        _time.Load(time);

    const EventSubjects* subjects = TimeSimulation::GetSubjects();
    if (subjects == nullptr)
        return;
    int32_t id = 0;
    if (IsPlaneEvent() && block.Get("_p", id))
        _plane = subjects->FindPlane(id);
    else if (IsAirportEvent() && block.Get("_a", id))
        _airport = subjects->FindAirport(id);
}
