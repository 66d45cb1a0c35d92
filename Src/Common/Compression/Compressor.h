// The front end that packs and unpacks whole memory blocks with one of the
// four LZRW algorithms (Lzrw1a.h, Lzrw2.h, Lzrw3.h, Lzrw3a.h).
//
// A packed block is an 8-byte header - the algorithm identifier and the
// unpacked size, both 32-bit little-endian - followed by the algorithm's own
// output. Compressed data-file entries are such blocks packed with LZRW2; the
// data-file layer unpacks them with Decompress, the lzrw tool packs them.
//
// A Compressor is bound to one algorithm for its life and owns that
// algorithm's working memory. Decompress never trusts the block it is given:
// a damaged block (cut short, a wrong size, items pointing outside what was
// unpacked) gives nullptr, never a read past the block or a write past the
// unpacked size in its header.
#pragma once

#include "Common/Compression/LzrwCommon.h"

#include <cstdint>

constexpr uint32_t LZRW1A_ID = 0x4B3E387Bu;
constexpr uint32_t LZRW2_ID = 0x3D8F733Au;
constexpr uint32_t LZRW3_ID = 0x032DDEA8u;
constexpr uint32_t LZRW3A_ID = 0x01B90B91u;

class Compressor
{
public:
    static constexpr int32_t HEADER_SIZE = 8;

    // Binds to the algorithm with this identifier; an identifier that is not
    // one of the four is an assertion failure.
    explicit Compressor(uint32_t algorithmId);
    ~Compressor();
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;

    // Packs insize (> 0) bytes into a new[] block of header and algorithm
    // output; *outSize receives the block's length. The caller owns the block.
    uint8_t* Compress(const uint8_t* in, int32_t insize, int32_t* outSize);

    // Unpacks a block made with this object's algorithm into a new[] buffer
    // of the unpacked size in the header, which goes to *outSize. A block of
    // another algorithm is a caller's mistake (assertion); a damaged block
    // gives nullptr and *outSize 0.
    uint8_t* Decompress(const uint8_t* block, int32_t blockSize, int32_t* outSize);

    uint32_t GetAlgorithmId() const { return _algo_id; }
    const CompressIdentity* GetIdentity() const;

    // The identity of the algorithm with this identifier, or nullptr: lets
    // callers test an identifier from outside before they construct.
    static const CompressIdentity* FindIdentity(uint32_t algorithmId);

    // The header fields of a block: false when the block is too short to
    // hold a header and any data.
    static bool ReadHeader(const uint8_t* block, int32_t blockSize, uint32_t* algorithmId,
                           int32_t* unpackedSize);

    // The entry points in their fixed order, ended by a null entry.
    static const CompressAction* Algorithms();

private:
    uint8_t* _workMem = nullptr;
    int32_t _algorithm = 0;
    uint32_t _algo_id = 0;
};
