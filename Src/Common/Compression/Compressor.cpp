// Compressor: the table of the four algorithms, the block header and the
// checks around every call into an algorithm.
#include "Common/Compression/Compressor.h"

#include "Common/Compression/Lzrw1a.h"
#include "Common/Compression/Lzrw2.h"
#include "Common/Compression/Lzrw3.h"
#include "Common/Compression/Lzrw3a.h"
#include "WinCE/Assert.h"
#include "Wkr/Util/LittleEndian.h"

#include <climits>
#include <cstring>
#include <new>

namespace
{
// In this order, ended by a null entry; construction walks it from the top.
const CompressAction s_algorithms[] = {LZRW1A, LZRW2, LZRW3, LZRW3A, nullptr};

const CompressIdentity* IdentityOf(CompressAction action)
{
    const CompressIdentity* cid = nullptr;
    action(COMPRESS_ACTION_IDENTITY, nullptr, nullptr, 0, nullptr, reinterpret_cast<uint32_t*>(&cid));
    return cid;
}

// No algorithm turns a compressed item of two bytes into more than 18, so a
// block cannot unpack to more than nine times its length. A header claiming
// more is damaged; refusing it early avoids allocating for a lie.
constexpr int64_t MAX_EXPANSION = 9;
} // namespace

Compressor::Compressor(uint32_t algorithmId)
{
    const CompressIdentity* cid = nullptr;
    for (_algorithm = 0; s_algorithms[_algorithm]; ++_algorithm)
    {
        cid = IdentityOf(s_algorithms[_algorithm]);
        ASSERT(cid && "an algorithm without an identity record");
        if (cid && cid->id == algorithmId)
            break;
    }
    ASSERT(s_algorithms[_algorithm]);
    if (!s_algorithms[_algorithm])
        return;
    ASSERT(cid->memory > 0);
    _algo_id = cid->id;
    _workMem = new (std::nothrow) uint8_t[cid->memory];
    FATAL(_workMem == nullptr, "Out of memory");
}

Compressor::~Compressor()
{
    delete[] _workMem;
}

const CompressAction* Compressor::Algorithms()
{
    return s_algorithms;
}

const CompressIdentity* Compressor::GetIdentity() const
{
    return s_algorithms[_algorithm] ? IdentityOf(s_algorithms[_algorithm]) : nullptr;
}

const CompressIdentity* Compressor::FindIdentity(uint32_t algorithmId)
{
    for (int i = 0; s_algorithms[i]; ++i)
    {
        const CompressIdentity* cid = IdentityOf(s_algorithms[i]);
        if (cid && cid->id == algorithmId)
            return cid;
    }
    return nullptr;
}

bool Compressor::ReadHeader(const uint8_t* block, int32_t blockSize, uint32_t* algorithmId,
                            int32_t* unpackedSize)
{
    if (block == nullptr || blockSize <= HEADER_SIZE)
        return false;
    *algorithmId = LittleEndian::Read32(block);
    *unpackedSize = int32_t(LittleEndian::Read32(block + 4));
    return true;
}

uint8_t* Compressor::Compress(const uint8_t* in, int32_t insize, int32_t* outSize)
{
    // The condition keeps the spelling its message has always shown.
    // clang-format off
    ASSERT(insize>0);
    // clang-format on
    ASSERT(s_algorithms[_algorithm] && "compressor without an algorithm");
    // The block's length must fit the same 32 bits as the input's.
    ASSERT(insize <= INT32_MAX - HEADER_SIZE - int32_t(Lzrw::FLAG_BYTES) && "input too large for one block");
    if (insize <= 0 || insize > INT32_MAX - HEADER_SIZE - int32_t(Lzrw::FLAG_BYTES) ||
        !s_algorithms[_algorithm])
        return nullptr;

    // The algorithms may run past the input length by one group before they
    // fall back to storing; the scratch leaves far more room than that.
    uint8_t* scratch = new (std::nothrow) uint8_t[size_t(insize) + 1023];
    FATAL(scratch == nullptr, "Out of memory");
    uint32_t length = 0;
    s_algorithms[_algorithm](COMPRESS_ACTION_COMPRESS, _workMem, in, uint32_t(insize), scratch, &length);
    const int64_t outsize = length;
    ASSERT(outsize > 0);

    uint8_t* block = new (std::nothrow) uint8_t[size_t(outsize) + HEADER_SIZE];
    FATAL(block == nullptr, "Out of memory");
    LittleEndian::Write32(block, _algo_id);
    LittleEndian::Write32(block + 4, uint32_t(insize));
    std::memcpy(block + HEADER_SIZE, scratch, size_t(outsize));
    delete[] scratch;
    if (outSize)
        *outSize = int32_t(outsize + HEADER_SIZE);
    return block;
}

uint8_t* Compressor::Decompress(const uint8_t* block, int32_t blockSize, int32_t* outSize)
{
    if (outSize)
        *outSize = 0;
    uint32_t algorithmId = 0;
    int32_t orgsize = 0;
    // Blocks come from files: one too short to hold a header, or with a size
    // that is not positive, is damaged, not a reason to stop the program.
    if (!ReadHeader(block, blockSize, &algorithmId, &orgsize))
        return nullptr;
    // Asking the wrong compressor is the caller's mistake. The check is
    // spelled out because the condition's text is the one this assertion has
    // always shown.
    if (algorithmId != _algo_id)
    {
        ::AssertionFailed("((long *)data)[0] == _algo_id", __FILE__, __LINE__);
        return nullptr;
    }
    if (orgsize <= 0 || int64_t(orgsize) > MAX_EXPANSION * (int64_t(blockSize) - HEADER_SIZE))
        return nullptr;

    uint8_t* data = new (std::nothrow) uint8_t[size_t(orgsize)];
    FATAL(data == nullptr, "Out of memory");
    uint32_t length = uint32_t(orgsize);
    s_algorithms[_algorithm](COMPRESS_ACTION_DECOMPRESS, _workMem, block + HEADER_SIZE,
                             uint32_t(blockSize - HEADER_SIZE), data, &length);
    if (length != uint32_t(orgsize))
    {
        delete[] data;
        return nullptr;
    }
    if (outSize)
        *outSize = orgsize;
    return data;
}
