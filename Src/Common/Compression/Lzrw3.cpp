// LZRW3 packing and unpacking; see Lzrw3.h and LzrwCommon.h.
#include "Common/Compression/Lzrw3.h"

namespace
{
// A table of 4096 positions, with room to align it.
const CompressIdentity s_identity = {
    .id = 0x032DDEA8u,
    .memory = 4096 * 4 + 16,
    .name = "LZRW3",
    .version = "1.0",
    .date = "31-Dec-1990",
    .copyright = "Public Domain",
    .author = "Ross N. Williams",
    .affiliation = "Renaissance Software",
    .vendor = "Public Domain",
};

constexpr uint32_t HASH_MASK = 0xFFF;
constexpr int32_t NO_SLOT = -1;

// The packer enters a literal's position only once two more items have
// arrived (the unpacker cannot hash it sooner): _pending1 is the slot of the
// youngest held-back literal, _pending2 the one before. A copy item flushes
// both, oldest first, then takes its own slot.
class Coder
{
public:
    explicit Coder(uint8_t* wrkMem) : _table(Lzrw::AlignedTable<uint32_t>(wrkMem))
    {
        std::memset(_table, 0, Lzrw::TABLE_LENGTH * sizeof(uint32_t));
    }

    uint32_t Item(const uint8_t* src, uint32_t pos, uint8_t* out)
    {
        const uint32_t index = Lzrw::HashKey(src + pos) & HASH_MASK;
        const uint32_t length = Lzrw::MatchLength(Lzrw::EntryPointer(src, _table[index]), src + pos);
        if (length < 3)
        {
            out[0] = src[pos];
            if (_pending2 != NO_SLOT)
                _table[_pending2] = pos - 2 + 1;
            _pending2 = _pending1;
            _pending1 = int32_t(index);
            return 1;
        }
        out[0] = uint8_t(((index & 0xF00) >> 4) | (length - 3));
        out[1] = uint8_t(index & 0xFF);
        if (_pending1 != NO_SLOT)
        {
            if (_pending2 != NO_SLOT)
            {
                _table[_pending2] = pos - 2 + 1;
                _pending2 = NO_SLOT;
            }
            _table[_pending1] = pos - 1 + 1;
            _pending1 = NO_SLOT;
        }
        _table[index] = pos + 1;
        return length;
    }

    void GroupDone() {}

private:
    uint32_t* _table;
    int32_t _pending1 = NO_SLOT;
    int32_t _pending2 = NO_SLOT;
};

// The unpacker counts the literals it holds back (0..2 between items) and
// hashes their positions from the bytes it has unpacked since.
class Decoder
{
public:
    explicit Decoder(uint8_t* wrkMem) : _table(Lzrw::AlignedTable<uint32_t>(wrkMem))
    {
        std::memset(_table, 0, Lzrw::TABLE_LENGTH * sizeof(uint32_t));
    }

    void Group() {}

    void Literal(uint8_t* dst, uint32_t op)
    {
        if (++_literals == 3)
        {
            const uint32_t at = op - 3;
            _table[Lzrw::HashKey(dst + at) & HASH_MASK] = at + 1;
            _literals = 2;
        }
    }

    void Literals(uint8_t* dst, uint32_t at, uint32_t count)
    {
        for (uint32_t i = 1; i <= count; ++i)
            Literal(dst, at + i);
    }

    bool Source(uint32_t index, uint32_t, uint32_t* entry) const
    {
        *entry = _table[index];
        return true;
    }

    void Copied(uint8_t* dst, uint32_t index, uint32_t at)
    {
        if (_literals > 0)
        {
            uint32_t held = at - _literals;
            _table[Lzrw::HashKey(dst + held) & HASH_MASK] = held + 1;
            if (_literals == 2)
            {
                ++held;
                _table[Lzrw::HashKey(dst + held) & HASH_MASK] = held + 1;
            }
            _literals = 0;
        }
        _table[index] = at + 1;
    }

private:
    uint32_t* _table;
    uint32_t _literals = 0;
};
} // namespace

extern "C" void LZRW3(uint16_t action, uint8_t* wrkMem, const uint8_t* src, uint32_t srcLen, uint8_t* dst,
                      uint32_t* dstLen)
{
    Lzrw::PerformAction<Coder, Decoder>(&s_identity, action, wrkMem, src, srcLen, dst, dstLen);
}
