#include "WinCE/WaveResource.h"

#include "WinCE/Host/Host.h"

#include <map>
#include <utility>

namespace
{
std::map<int32_t, std::pair<const uint8_t*, size_t>>& Table()
{
    static std::map<int32_t, std::pair<const uint8_t*, size_t>> s_table;
    return s_table;
}
} // namespace

void WaveResource::Register(int32_t id, const uint8_t* data, size_t size)
{
    Table()[id] = {data, size};
}

bool WaveResource::Find(int32_t id, const uint8_t** data, size_t* size)
{
    const auto found = Table().find(id);
    if (found == Table().end())
        return false;
    *data = found->second.first;
    *size = found->second.second;
    return true;
}

bool WaveResource::Play(int32_t id)
{
    const uint8_t* data = nullptr;
    size_t size = 0;
    if (!Find(id, &data, &size))
        return false;
    if (Host* host = GetHost())
        host->PlaySound(id, data, size);
    return true;
}
