// PackedRecord: the packed little-endian byte records inside saved games.
//
// Planes, routes and airport details save most of their fields as one raw
// value with no padding ("p", "r", "a"), and the world tables are read from
// records of the same kind. A PackedRecord is written field by field in order
// and read back the same way; reading past the end yields zeros and sets the
// overrun flag instead of touching memory it does not own, so a short record
// from a damaged file is detected by its owner, never read out of bounds.
#pragma once

#include "Wkrimp/Config/ConfigBlock.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class PackedRecord
{
public:
    PackedRecord() = default;
    PackedRecord(const uint8_t* data, size_t size);

    void Put8(uint8_t value);
    void Put16(int16_t value);
    void Put32(int32_t value);
    void Put64(int64_t value);
    void PutDouble(double value);
    void PutBytes(const void* data, size_t size);

    uint8_t Get8();
    int16_t Get16();
    int32_t Get32();
    int64_t Get64();
    double GetDouble();
    void GetBytes(void* data, size_t size);

    size_t Size() const { return _bytes.size(); }
    size_t Position() const { return _read; }
    bool Overrun() const { return _overrun; }
    const std::vector<uint8_t>& Bytes() const { return _bytes; }

    // Stores the whole record as one raw value entry of the block.
    void SaveAs(ConfigBlock& block, const char* name) const;
    // Replaces the record by the raw value of that name; false when absent.
    bool LoadFrom(const ConfigBlock& block, const char* name);

private:
    uint64_t GetUnsigned(int bytes);
    void PutUnsigned(uint64_t value, int bytes);

    std::vector<uint8_t> _bytes;
    size_t _read = 0;
    bool _overrun = false;
};
