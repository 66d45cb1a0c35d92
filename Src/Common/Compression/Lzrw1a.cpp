// LZRW1-A packing and unpacking; see Lzrw1a.h and LzrwCommon.h.
#include "Common/Compression/Lzrw1a.h"

namespace
{
// A table of 4096 positions, aligned up to four bytes.
const CompressIdentity s_identity = {
    .id = 0x4B3E387Bu,
    .memory = 4 * 4096 + 3,
    .name = "LZRW1-A",
    .version = "1.0",
    .date = "22-Jun-1991",
    .copyright = "Public Domain",
    .author = "Ross N. Williams",
    .affiliation = "Renaissance Software",
    .vendor = "Public Domain",
};

constexpr uint32_t MAX_DISTANCE = 4095;

// The packer's table holds the position (+1) of the last item that started
// with each hash; 0 means none yet. The published packer leaves its table as
// it finds it and only guards against entries that cannot be a match, which
// makes its output depend on the memory it was given; clearing the table makes
// every run give the output the published packer gives in fresh memory.
class Coder
{
public:
    explicit Coder(uint8_t* wrkMem) : _table(Lzrw::AlignedTable<uint32_t>(wrkMem))
    {
        std::memset(_table, 0, Lzrw::TABLE_LENGTH * sizeof(uint32_t));
    }

    uint32_t Item(const uint8_t* src, uint32_t pos, uint8_t* out)
    {
        uint32_t& slot = _table[Lzrw::HashKey(src + pos) & 0xFFF];
        const uint32_t entry = slot;
        slot = pos + 1;
        if (entry != 0)
        {
            const uint32_t distance = pos - (entry - 1);
            if (distance <= MAX_DISTANCE)
            {
                const uint32_t length = Lzrw::MatchLength(src + (entry - 1), src + pos);
                if (length >= 3)
                {
                    out[0] = uint8_t(((distance & 0xF00) >> 4) | (length - 3));
                    out[1] = uint8_t(distance & 0xFF);
                    return length;
                }
            }
        }
        out[0] = src[pos];
        return 1;
    }

    void GroupDone() {}

private:
    uint32_t* _table;
};

class Decoder
{
public:
    // Distances need no table, so the working memory goes unused.
    explicit Decoder(uint8_t*) {}
    void Group() {}
    void Literal(uint8_t*, uint32_t) {}
    void Literals(uint8_t*, uint32_t, uint32_t) {}
    // A distance of 0 or one reaching before the first byte cannot come from
    // the packer.
    bool Source(uint32_t distance, uint32_t op, uint32_t* entry) const
    {
        if (distance == 0 || distance > op)
            return false;
        *entry = op - distance + 1;
        return true;
    }
    void Copied(uint8_t*, uint32_t, uint32_t) {}
};
} // namespace

extern "C" void LZRW1A(uint16_t action, uint8_t* wrkMem, const uint8_t* src, uint32_t srcLen, uint8_t* dst,
                       uint32_t* dstLen)
{
    Lzrw::PerformAction<Coder, Decoder>(&s_identity, action, wrkMem, src, srcLen, dst, dstLen);
}
