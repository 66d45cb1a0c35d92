#include "WinCE/Preferences.h"

#include "WinCE/Assert.h"
#include "WinCE/RegKey.h"
#include "WinCE/RegValue.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace
{
// Runs `use` on preference `index` with both keys open; they close (and the
// value is written back) before this returns.
template<class Use>
void WithPreference(uint16_t index, Use use)
{
    std::unique_ptr<RegKey> app = RegKey::OpenAppKey();
    {
        RegKey prefs(app.get(), "Preferences", true);
        ASSERT(prefs.IsOpen() && "prefs");
        char name[32];
        Preferences::FormatName(name, index);
        use(*prefs.Value(name));
    }
}
} // namespace

void Preferences::FormatName(char* name, uint16_t index)
{
    std::snprintf(name, 32, "Preference%i", static_cast<int>(index));
}

uint32_t Preferences::GetPreferenceSize(uint16_t index)
{
    uint32_t size = 0;
    WithPreference(index, [&](RegValue& value) { size = value.GetSize(); });
    return size;
}

uint32_t Preferences::GetPreference(void* buffer, uint32_t capacity, uint16_t index)
{
    uint32_t copied = 0;
    WithPreference(index, [&](RegValue& value) {
        const uint8_t* data = nullptr;
        uint32_t size = 0;
        value.GetData(&data, &size);
        copied = std::min(size, capacity);
        if (copied > 0)
            std::memcpy(buffer, data, copied);
    });
    return copied;
}

void Preferences::SetPreference(const void* data, uint32_t size, uint16_t index)
{
    WithPreference(index, [&](RegValue& value) { value.SetBinary(data, size); });
}

std::vector<uint8_t> Preferences::ReadPieces()
{
    std::vector<uint8_t> bytes;
    for (uint32_t index = 0; index <= 0xFFFF; ++index)
    {
        const uint32_t size = GetPreferenceSize(static_cast<uint16_t>(index));
        if (size == 0)
            break;
        const size_t at = bytes.size();
        bytes.resize(at + size);
        const uint32_t copied = GetPreference(bytes.data() + at, size, static_cast<uint16_t>(index));
        bytes.resize(at + copied);
    }
    return bytes;
}

void Preferences::WritePieces(const std::vector<uint8_t>& bytes)
{
    uint32_t index = 0;
    for (size_t at = 0; at < bytes.size(); at += PIECE_SIZE, ++index)
    {
        const size_t left = bytes.size() - at;
        const uint32_t saveSize = static_cast<uint32_t>(left < PIECE_SIZE ? left : PIECE_SIZE);
        // clang-format off
        ASSERT(saveSize>0);
        // clang-format on
        ASSERT(index <= 0xFFFF && "saved game too large for the numbered preferences");
        SetPreference(bytes.data() + at, saveSize, static_cast<uint16_t>(index));
    }
    for (; index <= 0xFFFF; ++index)
    {
        if (GetPreferenceSize(static_cast<uint16_t>(index)) < 1)
            break;
        SetPreference(nullptr, 0, static_cast<uint16_t>(index));
    }
}
