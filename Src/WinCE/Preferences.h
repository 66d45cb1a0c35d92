// The numbered preference values: the game's saved state and settings, kept
// as binary values "Preference0", "Preference1", ... in the sub-key
// "Preferences" of the application key (created when missing).
//
// Each call opens the application key (fatal "Couldn't open registry key"
// when the installation has not created it), works on one value and closes
// both keys again, which writes the value back. A caller that writes several
// values as one unit (a whole saved game) wraps them in a
// RegistryTransaction.
#pragma once

#include <cstdint>

class Preferences
{
public:
    // Bytes stored in preference `index`; 0 when it does not exist. Like
    // every read of a value, this leaves an empty value behind when there
    // was none.
    static uint32_t GetPreferenceSize(uint16_t index);
    // Copies min(stored size, capacity) bytes; returns how many were copied.
    static uint32_t GetPreference(void* buffer, uint32_t capacity, uint16_t index);
    // Stores exactly these bytes as a binary value; size 0 stores an empty one.
    static void SetPreference(const void* data, uint32_t size, uint16_t index);

    // "Preference%i": the value name of a preference number.
    static void FormatName(char* name, uint16_t index);
};
