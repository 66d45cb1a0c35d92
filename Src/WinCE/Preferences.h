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
#include <vector>

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

    // A saved game is stored as consecutive preferences of at most
    // PIECE_SIZE bytes each, from index 0 on.
    static constexpr uint32_t PIECE_SIZE = 4096;

    // The bytes of preferences 0, 1, ... up to the first missing or empty one.
    static std::vector<uint8_t> ReadPieces();
    // Writes the bytes as pieces from index 0 on and empties the pieces a
    // longer earlier save left behind, so the next read stops at the right
    // place. Callers that need all-or-nothing wrap this in a RegistryTransaction.
    static void WritePieces(const std::vector<uint8_t>& bytes);

    // "Preference%i": the value name of a preference number.
    static void FormatName(char* name, uint16_t index);
};
