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
