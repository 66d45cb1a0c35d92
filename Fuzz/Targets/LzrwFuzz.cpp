// Fuzz targets "lzrw1a", "lzrw2", "lzrw3" and "lzrw3a": bytes as a packed
// block of one algorithm, decoded into bounded room.
//
// The first two bytes give the room (little-endian, 0 to 65535 bytes); the
// rest is the block. A decoder never writes past the room (the buffer is
// exactly that large, so AddressSanitizer sees any overrun) and either
// reports the block damaged or unpacks it the same way every time, into
// exactly as much room as it needs and not a byte less. The same bytes go
// through the Compressor with a header as the data file stores them, and,
// as plain data, through a pack and unpack that must give them back.
#include "FuzzTarget.h"

#include "Common/Compression/Compressor.h"
#include "Common/Compression/Lzrw1a.h"
#include "Common/Compression/Lzrw2.h"
#include "Common/Compression/Lzrw3.h"
#include "Common/Compression/Lzrw3a.h"
#include "WinCE/Assert.h"

#include <cstring>
#include <vector>

namespace
{
const CompressIdentity* IdentityOf(CompressAction action)
{
    const CompressIdentity* identity = nullptr;
    action(COMPRESS_ACTION_IDENTITY, nullptr, nullptr, 0, nullptr, reinterpret_cast<uint32_t*>(&identity));
    ASSERT(identity && "an algorithm without an identity record");
    return identity;
}

// Unpacks `block` into exactly `room` bytes; the unpacked length, 0 when damaged.
uint32_t Unpack(CompressAction action, const uint8_t* block, size_t blockSize, uint32_t room,
                std::vector<uint8_t>& out)
{
    std::vector<uint8_t> work(IdentityOf(action)->memory);
    out.assign(room, 0);
    uint32_t length = room;
    action(COMPRESS_ACTION_DECOMPRESS, work.data(), block, uint32_t(blockSize), out.data(), &length);
    ASSERT(length <= room && "a decoder reports more bytes than its room");
    out.resize(length);
    return length;
}

void RunAlgorithm(CompressAction action, const uint8_t* data, size_t size)
{
    if (size < 2)
        return;
    const uint32_t room = uint32_t(data[0]) | (uint32_t(data[1]) << 8);
    const uint8_t* block = data + 2;
    const size_t blockSize = size - 2;

    std::vector<uint8_t> first;
    const uint32_t length = Unpack(action, block, blockSize, room, first);
    if (length > 0)
    {
        std::vector<uint8_t> exact;
        ASSERT(Unpack(action, block, blockSize, length, exact) == length && exact == first &&
               "a block unpacks differently into exactly the room it needs");
        std::vector<uint8_t> shorter;
        ASSERT(Unpack(action, block, blockSize, length - 1, shorter) == 0 &&
               "a block unpacked into less room than it needs");
    }

    // The block as the data file stores it: the algorithm's identifier and
    // the unpacked size ahead of the algorithm's bytes.
    const uint32_t id = IdentityOf(action)->id;
    Compressor compressor(id);
    std::vector<uint8_t> stored(Compressor::HEADER_SIZE + blockSize);
    for (int i = 0; i < 4; ++i)
    {
        stored[i] = uint8_t(id >> (8 * i));
        stored[4 + i] = uint8_t(room >> (8 * i));
    }
    if (blockSize > 0)
        std::memcpy(stored.data() + Compressor::HEADER_SIZE, block, blockSize);
    int32_t unpackedSize = -1;
    uint8_t* unpacked = compressor.Decompress(stored.data(), int32_t(stored.size()), &unpackedSize);
    if (unpacked)
    {
        ASSERT(unpackedSize == int32_t(room) && uint32_t(unpackedSize) == length &&
               std::memcmp(unpacked, first.data(), first.size()) == 0 &&
               "the Compressor and the algorithm disagree on a block");
        delete[] unpacked;
    }
    else
    {
        ASSERT(unpackedSize == 0 && "a refused block reports a size");
        ASSERT((length != room || room == 0) && "the Compressor refused a block its algorithm unpacks");
    }

    // Any bytes at all pack and come back unchanged.
    if (size > 0)
    {
        int32_t packedSize = 0;
        uint8_t* packed = compressor.Compress(data, int32_t(size), &packedSize);
        ASSERT(packed && packedSize > Compressor::HEADER_SIZE);
        int32_t backSize = 0;
        uint8_t* back = compressor.Decompress(packed, packedSize, &backSize);
        ASSERT(back && backSize == int32_t(size) && std::memcmp(back, data, size) == 0 &&
               "packing and unpacking changed the bytes");
        delete[] back;
        delete[] packed;
    }
}
} // namespace

void fuzz_targets::RunLzrw1a(const uint8_t* data, size_t size)
{
    RunAlgorithm(LZRW1A, data, size);
}

void fuzz_targets::RunLzrw2(const uint8_t* data, size_t size)
{
    RunAlgorithm(LZRW2, data, size);
}

void fuzz_targets::RunLzrw3(const uint8_t* data, size_t size)
{
    RunAlgorithm(LZRW3, data, size);
}

void fuzz_targets::RunLzrw3a(const uint8_t* data, size_t size)
{
    RunAlgorithm(LZRW3A, data, size);
}
