// LZRW3-A packing and unpacking; see Lzrw3a.h and LzrwCommon.h.
#include "Common/Compression/Lzrw3a.h"

namespace
{
// 512 sets of eight positions, with room to align them.
const CompressIdentity s_identity = {
    .id = 0x01B90B91u,
    .memory = 4096 * 4 + 16,
    .name = "LZRW3-A",
    .version = "1.0",
    .date = "15-Jul-1990",
    .copyright = "Public Domain",
    .author = "Ross N. Williams",
    .affiliation = "Renaissance Software",
    .vendor = "Public Domain",
};

constexpr uint32_t DEPTH_BITS = 3;
constexpr uint32_t DEPTH = 1u << DEPTH_BITS;
constexpr uint32_t DEPTH_MASK = DEPTH - 1;
constexpr uint32_t SET_MASK = (Lzrw::TABLE_LENGTH >> DEPTH_BITS) - 1;
constexpr int32_t NO_SET = -1;

// Index of the first slot of the set the three bytes at p hash to.
inline uint32_t SetOf(const uint8_t* p)
{
    return (Lzrw::HashKey(p) & SET_MASK) << DEPTH_BITS;
}

// Both sides enter positions into a set at the shared cycle counter.
class Table
{
public:
    explicit Table(uint8_t* wrkMem) : _slots(Lzrw::AlignedTable<uint32_t>(wrkMem))
    {
        std::memset(_slots, 0, Lzrw::TABLE_LENGTH * sizeof(uint32_t));
    }

    uint32_t operator[](uint32_t index) const { return _slots[index]; }

    void Enter(uint32_t set, uint32_t entry)
    {
        _slots[set + _cycle] = entry;
        _cycle = (_cycle + 1) & DEPTH_MASK;
    }

private:
    uint32_t* _slots;
    uint32_t _cycle = 0;
};

// As LZRW3's packer, with sets instead of single slots: the longest of the
// eight candidates wins, the earliest slot on a tie.
class Coder
{
public:
    explicit Coder(uint8_t* wrkMem) : _table(wrkMem) {}

    uint32_t Item(const uint8_t* src, uint32_t pos, uint8_t* out)
    {
        const uint32_t set = SetOf(src + pos);
        uint32_t bestLength = 0;
        uint32_t bestSlot = 0;
        for (uint32_t slot = 0; slot < DEPTH; ++slot)
        {
            const uint32_t length = Lzrw::MatchLength(Lzrw::EntryPointer(src, _table[set + slot]), src + pos);
            if (length > bestLength)
            {
                bestLength = length;
                bestSlot = slot;
                if (length == Lzrw::MAX_RAW_ITEM)
                    break;
            }
        }
        if (bestLength < 3)
        {
            out[0] = src[pos];
            if (_pending2 != NO_SET)
                _table.Enter(uint32_t(_pending2), pos - 2 + 1);
            _pending2 = _pending1;
            _pending1 = int32_t(set);
            return 1;
        }
        const uint32_t index = set + bestSlot;
        out[0] = uint8_t(((index & 0xF00) >> 4) | (bestLength - 3));
        out[1] = uint8_t(index & 0xFF);
        if (_pending1 != NO_SET)
        {
            if (_pending2 != NO_SET)
            {
                _table.Enter(uint32_t(_pending2), pos - 2 + 1);
                _pending2 = NO_SET;
            }
            _table.Enter(uint32_t(_pending1), pos - 1 + 1);
            _pending1 = NO_SET;
        }
        _table.Enter(set, pos + 1);
        return bestLength;
    }

    void GroupDone() {}

private:
    Table _table;
    int32_t _pending1 = NO_SET;
    int32_t _pending2 = NO_SET;
};

class Decoder
{
public:
    explicit Decoder(uint8_t* wrkMem) : _table(wrkMem) {}

    void Group() {}

    void Literal(uint8_t* dst, uint32_t op)
    {
        if (++_literals == 3)
        {
            const uint32_t at = op - 3;
            _table.Enter(SetOf(dst + at), at + 1);
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
            _table.Enter(SetOf(dst + held), held + 1);
            if (_literals == 2)
            {
                ++held;
                _table.Enter(SetOf(dst + held), held + 1);
            }
            _literals = 0;
        }
        _table.Enter(index & ~DEPTH_MASK, at + 1);
    }

private:
    Table _table;
    uint32_t _literals = 0;
};
} // namespace

extern "C" void LZRW3A(uint16_t action, uint8_t* wrkMem, const uint8_t* src, uint32_t srcLen, uint8_t* dst,
                       uint32_t* dstLen)
{
    Lzrw::PerformAction<Coder, Decoder>(&s_identity, action, wrkMem, src, srcLen, dst, dstLen);
}
