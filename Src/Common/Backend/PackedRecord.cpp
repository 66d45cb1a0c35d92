#include "Common/Backend/PackedRecord.h"

#include "Wkr/Util/LittleEndian.h"

#include <cstring>

PackedRecord::PackedRecord(const uint8_t* data, size_t size) : _bytes(data, data + size)
{
}

void PackedRecord::PutUnsigned(uint64_t value, int bytes)
{
    const size_t at = _bytes.size();
    _bytes.resize(at + static_cast<size_t>(bytes));
    LittleEndian::Write(_bytes.data() + at, value, static_cast<size_t>(bytes));
}

uint64_t PackedRecord::GetUnsigned(int bytes)
{
    if (_read + static_cast<size_t>(bytes) > _bytes.size())
    {
        _overrun = true;
        _read = _bytes.size();
        return 0;
    }
    const uint64_t value = LittleEndian::Read(_bytes.data() + _read, static_cast<size_t>(bytes));
    _read += static_cast<size_t>(bytes);
    return value;
}

void PackedRecord::Put8(uint8_t value)
{
    PutUnsigned(value, 1);
}

void PackedRecord::Put16(int16_t value)
{
    PutUnsigned(static_cast<uint16_t>(value), 2);
}

void PackedRecord::Put32(int32_t value)
{
    PutUnsigned(static_cast<uint32_t>(value), 4);
}

void PackedRecord::Put64(int64_t value)
{
    PutUnsigned(static_cast<uint64_t>(value), 8);
}

void PackedRecord::PutDouble(double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof(bits));
    PutUnsigned(bits, 8);
}

void PackedRecord::PutBytes(const void* data, size_t size)
{
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    _bytes.insert(_bytes.end(), bytes, bytes + size);
}

uint8_t PackedRecord::Get8()
{
    return static_cast<uint8_t>(GetUnsigned(1));
}

int16_t PackedRecord::Get16()
{
    return static_cast<int16_t>(static_cast<uint16_t>(GetUnsigned(2)));
}

int32_t PackedRecord::Get32()
{
    return static_cast<int32_t>(static_cast<uint32_t>(GetUnsigned(4)));
}

int64_t PackedRecord::Get64()
{
    return static_cast<int64_t>(GetUnsigned(8));
}

double PackedRecord::GetDouble()
{
    const uint64_t bits = GetUnsigned(8);
    double value = 0;
    std::memcpy(&value, &bits, sizeof(value));
    return value;
}

void PackedRecord::GetBytes(void* data, size_t size)
{
    if (_read + size > _bytes.size())
    {
        _overrun = true;
        _read = _bytes.size();
        std::memset(data, 0, size);
        return;
    }
    std::memcpy(data, _bytes.data() + _read, size);
    _read += size;
}

void PackedRecord::SaveAs(ConfigBlock& block, const char* name) const
{
    block.SetEntry(ConfigBlock::VALUE_ENTRY, name, static_cast<int32_t>(std::strlen(name)), _bytes.data(),
                   static_cast<int32_t>(_bytes.size()));
}

bool PackedRecord::LoadFrom(const ConfigBlock& block, const char* name)
{
    const uint8_t* data = nullptr;
    int32_t length = 0;
    if (!block.FindEntry(name, static_cast<int32_t>(std::strlen(name)), data, length))
        return false;
    _bytes.assign(data, data + length);
    _read = 0;
    _overrun = false;
    return true;
}
