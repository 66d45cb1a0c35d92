// LittleEndian: whole numbers as bytes, lowest byte first.
//
// Saved games (event headers, dates, packed records) and compressed blocks
// keep their numbers in little-endian order whatever the machine's own. This
// is the one place that order is spelled out; every reader and writer of such
// bytes goes through it. Signed values pass through their unsigned form, so a
// negative number comes back as it went in.
#pragma once

#include <cstddef>
#include <cstdint>

struct LittleEndian
{
    // The `count` bytes at `p` (1 to 8) as an unsigned number.
    static uint64_t Read(const uint8_t* p, size_t count)
    {
        uint64_t value = 0;
        for (size_t i = 0; i < count; ++i)
            value |= static_cast<uint64_t>(p[i]) << (8 * i);
        return value;
    }
    // The low `count` bytes of `value` (1 to 8) at `p`.
    static void Write(uint8_t* p, uint64_t value, size_t count)
    {
        for (size_t i = 0; i < count; ++i)
            p[i] = static_cast<uint8_t>(value >> (8 * i));
    }

    static uint32_t Read32(const uint8_t* p) { return static_cast<uint32_t>(Read(p, 4)); }
    static void Write32(uint8_t* p, uint32_t value) { Write(p, value, 4); }
    static int32_t ReadInt32(const uint8_t* p) { return static_cast<int32_t>(Read32(p)); }
    static void WriteInt32(uint8_t* p, int32_t value) { Write32(p, static_cast<uint32_t>(value)); }
};
