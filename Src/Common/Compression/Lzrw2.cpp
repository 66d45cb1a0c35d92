// LZRW2 packing and unpacking; see Lzrw2.h and LzrwCommon.h.
#include "Common/Compression/Lzrw2.h"

namespace
{
// A 4096-entry hash table of 16-bit phrase numbers and a 4096-entry phrase table, with room to align both.
const CompressIdentity s_identity = {
    .id = 0x3D8F733Au,
    .memory = 4096 * (4 + 2) + 100,
    .name = "LZRW2",
    .version = "1.0",
    .date = "25-Nov-1990",
    .copyright = "Public Domain",
    .author = "Ross N. Williams",
    .affiliation = "Renaissance Software",
    .vendor = "Public Domain",
};

constexpr uint32_t PHRASE_MASK = 0xFFF;

// Phrase numbers run 0..4095 and wrap. They are masked only when a control
// word begins: a group holds sixteen items and 4096 is a multiple of sixteen,
// so the number never passes 4095 inside a group.
class Coder
{
public:
    explicit Coder(uint8_t* wrkMem)
        : _hash(Lzrw::AlignedTable<uint16_t>(wrkMem)),
          _phrase(Lzrw::AlignedTable<uint32_t>(reinterpret_cast<uint8_t*>(_hash + Lzrw::TABLE_LENGTH)))
    {
        // Every hash entry starts at phrase 0, which starts at the constant
        // string; the rest of the phrase table is cleared only for tidiness,
        // as no entry is read before it is written.
        std::memset(_hash, 0, Lzrw::TABLE_LENGTH * sizeof(uint16_t));
        std::memset(_phrase, 0, Lzrw::TABLE_LENGTH * sizeof(uint32_t));
    }

    uint32_t Item(const uint8_t* src, uint32_t pos, uint8_t* out)
    {
        uint16_t& slot = _hash[Lzrw::HashKey(src + pos) & 0xFFF];
        const uint32_t phrase = slot;
        const uint8_t* candidate = Lzrw::EntryPointer(src, _phrase[phrase]);
        slot = _next;
        _phrase[_next++] = pos + 1;
        const uint32_t length = Lzrw::MatchLength(candidate, src + pos);
        if (length >= 3)
        {
            out[0] = uint8_t(((phrase & 0xF00) >> 4) | (length - 3));
            out[1] = uint8_t(phrase & 0xFF);
            return length;
        }
        out[0] = src[pos];
        return 1;
    }

    void GroupDone() { _next &= PHRASE_MASK; }

private:
    uint16_t* _hash;
    uint32_t* _phrase;
    uint16_t _next = 0;
};

class Decoder
{
public:
    // Phrase 0 starts at the constant string. The others are set there too:
    // the packer never names a phrase before it exists, but a damaged block
    // might, and must then still copy from readable bytes.
    explicit Decoder(uint8_t* wrkMem) : _phrase(Lzrw::AlignedTable<uint32_t>(wrkMem))
    {
        std::memset(_phrase, 0, Lzrw::TABLE_LENGTH * sizeof(uint32_t));
    }

    void Group() { _next &= PHRASE_MASK; }
    void Literal(uint8_t*, uint32_t op) { _phrase[_next++] = op; }
    void Literals(uint8_t*, uint32_t at, uint32_t count)
    {
        for (uint32_t i = 1; i <= count; ++i)
            _phrase[_next++] = at + i;
    }
    // The phrase is looked up before this item's own phrase is entered, as
    // the packer did.
    bool Source(uint32_t phrase, uint32_t op, uint32_t* entry)
    {
        *entry = _phrase[phrase];
        _phrase[_next++] = op + 1;
        return true;
    }
    void Copied(uint8_t*, uint32_t, uint32_t) {}

private:
    uint32_t* _phrase;
    uint32_t _next = 0;
};
} // namespace

extern "C" void LZRW2(uint16_t action, uint8_t* wrkMem, const uint8_t* src, uint32_t srcLen, uint8_t* dst,
                      uint32_t* dstLen)
{
    Lzrw::PerformAction<Coder, Decoder>(&s_identity, action, wrkMem, src, srcLen, dst, dstLen);
}
