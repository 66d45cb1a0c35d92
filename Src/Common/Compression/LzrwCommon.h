// What the four LZRW algorithms (LZRW1-A, LZRW2, LZRW3, LZRW3-A) have in
// common: the compress-action interface every entry point follows, the
// identity record, the layout of their output and the two loops that walk it.
//
// Output of every algorithm: four flag bytes, then either the input unchanged
// (first flag byte 1, "stored") or groups of a 16-bit control word, low byte
// first, followed by up to 16 items. Control bits are used from bit 0 up; a 0
// bit is a literal byte, a 1 bit a two-byte copy item whose first byte holds
// bits 11..8 of a 12-bit value in its high nibble and length - 3 in its low
// nibble, and whose second byte holds bits 7..0. What the 12-bit value means
// (a distance, a phrase number, a table slot) is each algorithm's business;
// the algorithm supplies it through a small "coder" or "decoder" class that
// the loops below call for every item.
//
// The compressors reproduce the published reference compressors byte for
// byte, including when they give up and store the input. The decompressors
// read exactly what the reference decompressors read, but never trust the
// block: they stop at its end, never write past the room they are given and
// report a damaged block instead of running off into memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Actions of the compress-action interface.
enum : uint16_t
{
    COMPRESS_ACTION_IDENTITY = 0,
    COMPRESS_ACTION_COMPRESS = 1,
    COMPRESS_ACTION_DECOMPRESS = 2
};

// The record an entry point hands out for COMPRESS_ACTION_IDENTITY.
struct CompressIdentity
{
    uint32_t id;             // Algorithm identifier, also the first word of a packed block.
    uint32_t memory;         // Working memory the caller must hand to every call, in bytes.
    const char* name;        // "LZRW2", ...
    const char* version;     // "1.0"
    const char* date;        // Date of the algorithm.
    const char* copyright;   // Rights notice.
    const char* author;      // Credited author of the algorithm.
    const char* affiliation; // The author's affiliation.
    const char* vendor;      // Vendor of the algorithm.
};

// One algorithm entry point:
//
//   action COMPRESS_ACTION_IDENTITY   stores a `const CompressIdentity*` through
//                                     dstLen, which must therefore point at
//                                     storage of pointer size (as it did in the
//                                     interface's 32-bit days).
//   action COMPRESS_ACTION_COMPRESS   packs src[0..srcLen) into dst and sets
//                                     *dstLen. dst must have room for
//                                     srcLen + LZRW_COMPRESS_SLACK bytes; the
//                                     result is never longer than srcLen + 4.
//   action COMPRESS_ACTION_DECOMPRESS unpacks src[0..srcLen). On entry *dstLen
//                                     is the room at dst; nothing is written
//                                     past it. On return *dstLen is the number
//                                     of bytes unpacked, or 0 when the block is
//                                     damaged (cut short, pointing outside what
//                                     was unpacked, or longer than the room).
//
// Any other action does nothing. wrkMem must hold the identity's `memory`
// bytes; it need not be aligned.
extern "C"
{
    typedef void (*CompressAction)(uint16_t action, uint8_t* wrkMem, const uint8_t* src, uint32_t srcLen,
                                   uint8_t* dst, uint32_t* dstLen);
}

// Room a compressor may use beyond srcLen in its destination: it checks for
// outgrowing the input only between groups, so one group (a control word and
// sixteen two-byte items) can run over before it falls back to storing.
constexpr uint32_t LZRW_COMPRESS_SLACK = 2 + 16 * 2;

namespace Lzrw
{
constexpr uint32_t FLAG_BYTES = 4;
constexpr uint8_t FLAG_COMPRESS = 0;
constexpr uint8_t FLAG_COPY = 1;
constexpr uint32_t MAX_RAW_ITEM = 18;
constexpr uint32_t MAX_RAW_GROUP = 16 * MAX_RAW_ITEM;
constexpr uint32_t MAX_CMP_GROUP = 2 + 16 * 2;
constexpr uint32_t TABLE_LENGTH = 4096;

// Table entries that were never written refer to this string, so that every
// copy item taken from such an entry still has 18 readable bytes behind it.
// The padding lets the matcher read it eight bytes at a time.
alignas(8) inline constexpr uint8_t START_STRING[24] = {'1', '2', '3', '4', '5', '6', '7', '8',
                                                        '9', '0', '1', '2', '3', '4', '5', '6',
                                                        '7', '8', 0,   0,   0,   0,   0,   0};

// Table entries hold a position in the input (compressing) or the output
// (decompressing) plus one; 0 stands for START_STRING. Positions rather than
// pointers keep the tables within the working memory the identity records
// promise, whatever the size of a pointer.
constexpr uint32_t AT_START_STRING = 0;

// The published hash of three bytes, before masking. The product is taken
// modulo 2^32; only bits 4 and up survive the shift and the callers' masks
// keep at most 12 of them, so signedness of the original's arithmetic does
// not matter.
inline uint32_t HashKey(const uint8_t* p)
{
    return (40543u * ((uint32_t(p[0]) << 8) ^ (uint32_t(p[1]) << 4) ^ uint32_t(p[2]))) >> 4;
}

// Working memory is aligned up to a multiple of four before use.
template <class T> inline T* AlignedTable(uint8_t* wrkMem)
{
    const uintptr_t address = (reinterpret_cast<uintptr_t>(wrkMem) + 3) & ~uintptr_t(3);
    return reinterpret_cast<T*>(address);
}

inline uint64_t Load64(const uint8_t* p)
{
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Number of leading bytes (at most MAX_RAW_ITEM) in which `candidate` agrees
// with `ziv`. Both must have MAX_RAW_ITEM readable bytes; the candidate may
// overlap the ziv from behind, as the published byte-by-byte comparison
// allows, because it only ever lies at a lower address.
inline uint32_t MatchLength(const uint8_t* candidate, const uint8_t* ziv)
{
    const uint64_t a = Load64(candidate) ^ Load64(ziv);
    if (a != 0)
        return uint32_t(__builtin_ctzll(a)) >> 3;
    const uint64_t b = Load64(candidate + 8) ^ Load64(ziv + 8);
    if (b != 0)
        return 8 + (uint32_t(__builtin_ctzll(b)) >> 3);
    if (candidate[16] != ziv[16])
        return 16;
    return candidate[17] == ziv[17] ? 18 : 17;
}

// The pointer a table entry stands for.
inline const uint8_t* EntryPointer(const uint8_t* base, uint32_t entry)
{
    return entry == AT_START_STRING ? START_STRING : base + (entry - 1);
}

// Hands out an identity record for COMPRESS_ACTION_IDENTITY: the pointer goes
// into the storage the length argument points at.
inline void ReportIdentity(const CompressIdentity* identity, uint32_t* dstLen)
{
    std::memcpy(static_cast<void*>(dstLen), &identity, sizeof identity);
}

// Writes the stored form of src and returns its length.
inline uint32_t StoreUncompressed(const uint8_t* src, uint32_t srcLen, uint8_t* dst)
{
    dst[0] = FLAG_COPY;
    dst[1] = dst[2] = dst[3] = 0;
    if (srcLen > 0)
        std::memcpy(dst + FLAG_BYTES, src, srcLen);
    return srcLen + FLAG_BYTES;
}

// The compressors' common loop, as published: sixteen items per control word
// while at least MAX_RAW_GROUP input bytes remain, one item at a time after
// that, and the last bytes (fewer than MAX_RAW_ITEM) as plain literals that no
// table sees. Before every group, or every single item near the end, it checks
// whether the output has passed the input length and if so stores the input.
//
// Coder::Item(src, pos, dst) codes the item starting at src[pos]: it writes a
// literal byte or a two-byte copy item at dst and returns how many input bytes
// the item covers (1 for a literal, 3 to 18 for a copy).
template <class Coder> uint32_t CompressBlock(Coder& coder, const uint8_t* src, uint32_t srcLen, uint8_t* dst)
{
    constexpr uint32_t TOPWORD = 0xFFFF0000u;
    uint32_t pos = 0;
    uint32_t out = 0;
    dst[out++] = FLAG_COMPRESS;
    dst[out++] = 0;
    dst[out++] = 0;
    dst[out++] = 0;
    uint32_t controlAt = out;
    out += 2;
    uint32_t control = TOPWORD;

    for (;;)
    {
        if (out > srcLen)
            return StoreUncompressed(src, srcLen, dst);
        const uint32_t left = srcLen - pos;
        uint32_t unroll = 16;
        if (left < MAX_RAW_GROUP)
        {
            unroll = 1;
            if (left < MAX_RAW_ITEM)
            {
                if (left == 0)
                    break;
                // The tail: literals only, no table updates.
                dst[out++] = src[pos++];
                control &= 0xFFFEFFFFu;
                control >>= 1;
                unroll = 0;
            }
        }
        for (; unroll > 0; --unroll)
        {
            const uint32_t length = coder.Item(src, pos, dst + out);
            if (length == 1)
            {
                out += 1;
                control &= 0xFFFEFFFFu;
            }
            else
            {
                out += 2;
            }
            pos += length;
            control >>= 1;
        }
        if ((control & TOPWORD) == 0)
        {
            dst[controlAt] = uint8_t(control);
            dst[controlAt + 1] = uint8_t(control >> 8);
            controlAt = out;
            out += 2;
            control = TOPWORD;
            coder.GroupDone();
        }
    }

    // The last control word: shift the bits into place; the unused positions
    // are left as 1 bits. A control word with no items behind it is dropped.
    while (control & TOPWORD)
        control >>= 1;
    dst[controlAt] = uint8_t(control);
    dst[controlAt + 1] = uint8_t(control >> 8);
    if (controlAt + 2 == out)
        out -= 2;
    return out;
}

// Room beyond a whole group that the unpacker's fast path may write into:
// CopyItem writes a copy item in 8-byte pieces.
constexpr uint32_t COPY_OVERRUN = 8;

// Copies a copy item's bytes to dst[op..op+length). `from` lies before
// dst + op or is START_STRING; when it lies less than eight bytes back the
// bytes it copies include ones it has just written, which repeats them as the
// published decoders' byte-by-byte copy does. `roomy` says that
// MAX_RAW_ITEM + COPY_OVERRUN bytes fit at `to`, which lets the copy work in
// 8-byte pieces; the bytes written past the item are overwritten by the items
// that follow.
inline void CopyItem(uint8_t* to, const uint8_t* from, uint32_t distance, uint32_t length, bool roomy)
{
    if (roomy)
    {
        if (distance >= MAX_RAW_ITEM)
        {
            // Source and destination do not overlap.
            std::memcpy(to, from, 16);
            to[16] = from[16];
            to[17] = from[17];
            return;
        }
        if (distance >= 8)
        {
            // Each piece reads only bytes written before it starts.
            std::memcpy(to, from, 8);
            std::memcpy(to + 8, from + 8, 8);
            std::memcpy(to + 16, from + 16, 8);
            return;
        }
        if (distance == 1)
        {
            std::memset(to, from[0], MAX_RAW_ITEM);
            return;
        }
    }
    for (uint32_t i = 0; i < length; ++i)
        to[i] = from[i];
}

// The decompressors' common loop. Decoder supplies
//   void Group()                                     at every control word;
//   void Literal(uint8_t* dst, uint32_t op)          after the literal at dst[op - 1];
//   void Literals(uint8_t* dst, uint32_t at, uint32_t count)
//                                                    after `count` literals at dst[at];
//   bool Source(uint32_t code, uint32_t op, uint32_t* entry)
//                                                    resolves a copy item's 12-bit
//                                                    value to a table entry (position
//                                                    + 1, or AT_START_STRING); false
//                                                    when it points nowhere valid;
//   void Copied(uint8_t* dst, uint32_t code, uint32_t at)
//                                                    after the copy item written at dst[at].
// Returns false for a damaged block; *outLen is then 0.
template <class Decoder>
bool DecompressBlock(Decoder& decoder, const uint8_t* src, uint32_t srcLen, uint8_t* dst, uint32_t room,
                     uint32_t* outLen)
{
    *outLen = 0;
    if (srcLen < FLAG_BYTES)
        return false;
    if (src[0] == FLAG_COPY)
    {
        const uint32_t length = srcLen - FLAG_BYTES;
        if (length > room)
            return false;
        if (length > 0)
            std::memcpy(dst, src + FLAG_BYTES, length);
        *outLen = length;
        return true;
    }

    uint32_t ip = FLAG_BYTES;
    uint32_t op = 0;
    while (ip != srcLen)
    {
        if (srcLen - ip < 2)
            return false;
        uint32_t control = uint32_t(src[ip]) | (uint32_t(src[ip + 1]) << 8);
        ip += 2;
        decoder.Group();

        if (srcLen - ip >= MAX_CMP_GROUP - 2 && room - op >= MAX_RAW_GROUP + COPY_OVERRUN)
        {
            // A whole group fits in what is left of both blocks: no end checks.
            // A bit above the sixteen control bits marks the end of the group,
            // so a run of literals is counted in one step rather than tested
            // bit by bit.
            control |= 0x10000u;
            while (control != 1)
            {
                if ((control & 1) == 0)
                {
                    const uint32_t run = uint32_t(__builtin_ctz(control));
                    if (srcLen - ip >= 16)
                        std::memcpy(dst + op, src + ip, 16);
                    else
                        std::memcpy(dst + op, src + ip, run);
                    decoder.Literals(dst, op, run);
                    ip += run;
                    op += run;
                    control >>= run;
                    continue;
                }
                const uint32_t first = src[ip];
                const uint32_t code = ((first & 0xF0) << 4) | src[ip + 1];
                ip += 2;
                const uint32_t length = (first & 0xF) + 3;
                uint32_t entry;
                if (!decoder.Source(code, op, &entry))
                    return false;
                if (entry == AT_START_STRING)
                    CopyItem(dst + op, START_STRING, MAX_RAW_ITEM, length, true);
                else
                    CopyItem(dst + op, dst + (entry - 1), op - (entry - 1), length, true);
                decoder.Copied(dst, code, op);
                op += length;
                control >>= 1;
            }
            continue;
        }

        // Near the end of either block: one item at a time, checking each.
        for (int item = 0; item < 16 && ip != srcLen; ++item, control >>= 1)
        {
            if ((control & 1) == 0)
            {
                if (op == room)
                    return false;
                dst[op++] = src[ip++];
                decoder.Literal(dst, op);
                continue;
            }
            if (srcLen - ip < 2)
                return false;
            const uint32_t first = src[ip];
            const uint32_t code = ((first & 0xF0) << 4) | src[ip + 1];
            ip += 2;
            const uint32_t length = (first & 0xF) + 3;
            if (room - op < length)
                return false;
            uint32_t entry;
            if (!decoder.Source(code, op, &entry))
                return false;
            if (entry == AT_START_STRING)
                CopyItem(dst + op, START_STRING, MAX_RAW_ITEM, length, false);
            else
                CopyItem(dst + op, dst + (entry - 1), op - (entry - 1), length, false);
            decoder.Copied(dst, code, op);
            op += length;
        }
    }
    *outLen = op;
    return true;
}
} // namespace Lzrw

namespace Lzrw
{
// The body every entry point shares: hands out the identity record, or packs
// or unpacks with the algorithm's coder and decoder, both built on the
// working memory. Unknown actions do nothing.
template <class Coder, class Decoder>
void PerformAction(const CompressIdentity* identity, uint16_t action, uint8_t* wrkMem, const uint8_t* src,
                   uint32_t srcLen, uint8_t* dst, uint32_t* dstLen)
{
    switch (action)
    {
    case COMPRESS_ACTION_IDENTITY:
        ReportIdentity(identity, dstLen);
        break;
    case COMPRESS_ACTION_COMPRESS:
    {
        Coder coder(wrkMem);
        *dstLen = CompressBlock(coder, src, srcLen, dst);
        break;
    }
    case COMPRESS_ACTION_DECOMPRESS:
    {
        Decoder decoder(wrkMem);
        const uint32_t room = *dstLen;
        DecompressBlock(decoder, src, srcLen, dst, room, dstLen);
        break;
    }
    default:
        break;
    }
}
} // namespace Lzrw
