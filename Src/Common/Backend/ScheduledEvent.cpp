#include "Common/Backend/ScheduledEvent.h"

#include "Common/Backend/EventSubjects.h"
#include "Common/Backend/TimeSimulation.h"
#include "Wkrimp/Config/ConfigBlock.h"

namespace
{
constexpr int32_t HEADER_BYTES = 16;

void StoreLittleEndian(uint8_t* p, int32_t value)
{
    const uint32_t v = static_cast<uint32_t>(value);
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

int32_t LoadLittleEndian(const uint8_t* p)
{
    return static_cast<int32_t>(uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) |
                                (uint32_t(p[3]) << 24));
}
} // namespace

ScheduledEvent::ScheduledEvent(int32_t type) : _type(type) {}

ScheduledEvent::~ScheduledEvent() = default;

void ScheduledEvent::Save(ConfigBlock& block) const
{
    uint8_t header[HEADER_BYTES];
    StoreLittleEndian(header, _type);
    StoreLittleEndian(header + 4, _next_type);
    StoreLittleEndian(header + 8, _id);
    StoreLittleEndian(header + 12, _next_id);
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

bool ScheduledEvent::IsSound() const
{
    return _time.IsSoundMoment();
}

void ScheduledEvent::Load(const ConfigBlock& block)
{
    const uint8_t* header = nullptr;
    int32_t length = 0;
    // A shorter "_d" cannot come from our own saves; it is skipped rather
    // than read past.
    if (block.FindEntry("_d", 2, header, length) && length >= HEADER_BYTES)
    {
        _type = LoadLittleEndian(header);
        _next_type = LoadLittleEndian(header + 4);
        _id = LoadLittleEndian(header + 8);
        _next_id = LoadLittleEndian(header + 12);
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
