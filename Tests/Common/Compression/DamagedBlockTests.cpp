// Damaged blocks: the unpackers must stop at the end of the block, never
// write past the unpacked size and report the damage instead of crashing.
// Blocks and outputs sit right against an inaccessible page, so a single byte
// read or written past either end faults even without a sanitizer.
#include "Common/Compression/Compressor.h"

#include "CompressionTestData.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <memory>
#include <vector>

using namespace CompressionTestData;

namespace
{
// `size` usable bytes that end exactly where an inaccessible page begins.
class GuardedBuffer
{
public:
    explicit GuardedBuffer(size_t size) : _size(size)
    {
        const size_t page = size_t(sysconf(_SC_PAGESIZE));
        _mappedSize = (size + page - 1) / page * page + page;
        void* mapped = mmap(nullptr, _mappedSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        EXPECT_NE(MAP_FAILED, mapped);
        _mapped = static_cast<uint8_t*>(mapped);
        mprotect(_mapped + _mappedSize - page, page, PROT_NONE);
        _data = _mapped + _mappedSize - page - size;
    }
    ~GuardedBuffer() { munmap(_mapped, _mappedSize); }
    GuardedBuffer(const GuardedBuffer&) = delete;
    GuardedBuffer& operator=(const GuardedBuffer&) = delete;

    uint8_t* data() { return _data; }
    size_t size() const { return _size; }

private:
    size_t _size;
    size_t _mappedSize = 0;
    uint8_t* _mapped = nullptr;
    uint8_t* _data = nullptr;
};

std::vector<uint8_t> PackAlgorithmOutput(const Algorithm& algorithm, const std::vector<uint8_t>& input)
{
    Compressor compressor(algorithm.id);
    int32_t size = 0;
    std::unique_ptr<uint8_t[]> block(compressor.Compress(input.data(), int32_t(input.size()), &size));
    return std::vector<uint8_t>(block.get() + Compressor::HEADER_SIZE, block.get() + size);
}

// Runs the algorithm's unpacker on `packed` placed against a guard page, with
// exactly `room` bytes of output before another guard page.
bool UnpackGuarded(const Algorithm& algorithm, const std::vector<uint8_t>& packed, uint32_t room,
                   uint32_t* length)
{
    GuardedBuffer in(packed.size());
    if (!packed.empty())
        std::memcpy(in.data(), packed.data(), packed.size());
    GuardedBuffer out(room);
    const CompressIdentity* cid = Compressor::FindIdentity(algorithm.id);
    std::vector<uint8_t> work(cid->memory);
    *length = room;
    algorithm.action(COMPRESS_ACTION_DECOMPRESS, work.data(), in.data(), uint32_t(packed.size()), out.data(),
                     length);
    return *length != 0;
}

std::vector<uint8_t> Sample()
{
    std::vector<uint8_t> sample = Text(2500, 31);
    const std::vector<uint8_t> bitmap = Bitmap(60, 10, 32);
    sample.insert(sample.end(), bitmap.begin(), bitmap.end());
    return sample;
}
} // namespace

TEST(DamagedBlock, ValidBlocksUnpackAgainstGuardPages)
{
    const std::vector<uint8_t> input = Sample();
    for (auto& algorithm : Algorithms())
    {
        const std::vector<uint8_t> packed = PackAlgorithmOutput(algorithm, input);
        uint32_t length = 0;
        ASSERT_TRUE(UnpackGuarded(algorithm, packed, uint32_t(input.size()), &length)) << algorithm.name;
        EXPECT_EQ(input.size(), length);
    }
}

TEST(DamagedBlock, EveryTruncationIsRejected)
{
    const std::vector<uint8_t> input = Sample();
    for (auto& algorithm : Algorithms())
    {
        Compressor compressor(algorithm.id);
        int32_t size = 0;
        std::unique_ptr<uint8_t[]> block(compressor.Compress(input.data(), int32_t(input.size()), &size));
        for (int32_t cut = 0; cut < size; ++cut)
        {
            GuardedBuffer guarded{size_t(cut)};
            std::memcpy(guarded.data(), block.get(), size_t(cut));
            int32_t outSize = -1;
            std::unique_ptr<uint8_t[]> out(compressor.Decompress(guarded.data(), cut, &outSize));
            ASSERT_EQ(nullptr, out) << algorithm.name << " cut to " << cut;
            EXPECT_EQ(0, outSize);
        }
    }
}

TEST(DamagedBlock, WrongUnpackedSizesAreRejected)
{
    const std::vector<uint8_t> input = Sample();
    const int32_t n = int32_t(input.size());
    for (auto& algorithm : Algorithms())
    {
        SCOPED_TRACE(algorithm.name);
        Compressor compressor(algorithm.id);
        int32_t size = 0;
        std::unique_ptr<uint8_t[]> block(compressor.Compress(input.data(), n, &size));
        for (int32_t claimed : {n - 1, n + 1, n / 2, n * 2, 0, -1, -n, 0x7FFFFFFF, int32_t(0x80000000)})
        {
            block[4] = uint8_t(claimed);
            block[5] = uint8_t(claimed >> 8);
            block[6] = uint8_t(claimed >> 16);
            block[7] = uint8_t(claimed >> 24);
            int32_t outSize = -1;
            std::unique_ptr<uint8_t[]> out(compressor.Decompress(block.get(), size, &outSize));
            EXPECT_EQ(nullptr, out) << "claimed " << claimed;
            EXPECT_EQ(0, outSize);
        }
        // Blocks too short to hold a header and data, or of no size at all.
        int32_t outSize = -1;
        EXPECT_EQ(nullptr, compressor.Decompress(block.get(), 8, &outSize));
        EXPECT_EQ(nullptr, compressor.Decompress(block.get(), 0, &outSize));
        EXPECT_EQ(nullptr, compressor.Decompress(block.get(), -5, &outSize));
        EXPECT_EQ(nullptr, compressor.Decompress(nullptr, 100, &outSize));
    }
}

TEST(DamagedBlock, UnpackersStopAtTheRoomTheyAreGiven)
{
    const std::vector<uint8_t> input = Sample();
    for (auto& algorithm : Algorithms())
    {
        const std::vector<uint8_t> packed = PackAlgorithmOutput(algorithm, input);
        for (uint32_t room : {0u, 1u, 17u, 300u, uint32_t(input.size()) - 1})
        {
            uint32_t length = 12345;
            EXPECT_FALSE(UnpackGuarded(algorithm, packed, room, &length))
                << algorithm.name << " room " << room;
            EXPECT_EQ(0u, length);
        }
        // A stored block longer than the room.
        std::vector<uint8_t> stored = {1, 0, 0, 0, 9, 9, 9};
        uint32_t length = 0;
        EXPECT_FALSE(UnpackGuarded(algorithm, stored, 2, &length));
        EXPECT_TRUE(UnpackGuarded(algorithm, stored, 3, &length));
        EXPECT_EQ(3u, length);
        // Fewer bytes than the flags.
        EXPECT_FALSE(UnpackGuarded(algorithm, {0, 0, 0}, 100, &length));
        EXPECT_FALSE(UnpackGuarded(algorithm, {}, 100, &length));
    }
}

TEST(DamagedBlock, CutItemsAndControlWordsAreRejected)
{
    for (auto& algorithm : Algorithms())
    {
        SCOPED_TRACE(algorithm.name);
        uint32_t length = 0;
        // A lone byte where a control word should be.
        EXPECT_FALSE(UnpackGuarded(algorithm, {0, 0, 0, 0, 0x01}, 100, &length));
        // A copy item with only its first byte.
        EXPECT_FALSE(UnpackGuarded(algorithm, {0, 0, 0, 0, 0x02, 0x00, 'a', 0x10}, 100, &length));
        // An empty group unpacks to nothing, which the interface cannot tell
        // from damage; the Compressor never accepts it, as sizes are positive.
        UnpackGuarded(algorithm, {0, 0, 0, 0, 0xFF, 0xFF}, 100, &length);
        EXPECT_EQ(0u, length);
        // A group whose items end early is fine when the block ends with them.
        ASSERT_TRUE(UnpackGuarded(algorithm, {0, 0, 0, 0, 0x00, 0x00, 'a', 'b'}, 100, &length));
        EXPECT_EQ(2u, length);
    }
}

TEST(DamagedBlock, Lzrw1aDistancesOutsideTheOutputAreRejected)
{
    const Algorithm& lzrw1a = Algorithms()[0];
    uint32_t length = 0;
    // Distance 0, and a distance reaching before the first byte.
    EXPECT_FALSE(UnpackGuarded(lzrw1a, {0, 0, 0, 0, 0x02, 0x00, 'a', 0x00, 0x00}, 100, &length));
    EXPECT_FALSE(UnpackGuarded(lzrw1a, {0, 0, 0, 0, 0x02, 0x00, 'a', 0x00, 0x02}, 100, &length));
    // Distance 1 after one literal repeats it.
    ASSERT_TRUE(UnpackGuarded(lzrw1a, {0, 0, 0, 0, 0x02, 0x00, 'a', 0x00, 0x01}, 100, &length));
    EXPECT_EQ(4u, length);
}

TEST(DamagedBlock, TableSlotsNeverWrittenStillCopyReadableBytes)
{
    // Phrase and table slots a damaged block names before anything was
    // entered there point at the constant string, as phrase 0 and the LZRW3
    // tables do in the published unpackers.
    for (auto& algorithm : Algorithms())
    {
        if (algorithm.id == LZRW1A_ID)
            continue;
        uint32_t length = 0;
        ASSERT_TRUE(UnpackGuarded(algorithm, {0, 0, 0, 0, 0x01, 0x00, 0xFF, 0xFF}, 18, &length))
            << algorithm.name;
        EXPECT_EQ(18u, length);
    }
}

TEST(DamagedBlock, ThousandsOfRandomMutationsNeverCrash)
{
    const std::vector<uint8_t> input = Sample();
    Noise noise(2024);
    int rejected = 0;
    int mutations = 0;
    for (auto& algorithm : Algorithms())
    {
        Compressor compressor(algorithm.id);
        int32_t size = 0;
        std::unique_ptr<uint8_t[]> original(compressor.Compress(input.data(), int32_t(input.size()), &size));
        for (int round = 0; round < 1000; ++round)
        {
            std::vector<uint8_t> block(original.get(), original.get() + size);
            switch (noise.Next() % 4)
            {
            case 0: // flipped bits in the algorithm's output
                for (uint32_t flips = 1 + noise.Next() % 4; flips > 0; --flips)
                    block[Compressor::HEADER_SIZE +
                          noise.Next() % (block.size() - Compressor::HEADER_SIZE)] ^=
                        uint8_t(1u << (noise.Next() % 8));
                break;
            case 1: // overwritten bytes
                for (uint32_t bytes = 1 + noise.Next() % 8; bytes > 0; --bytes)
                    block[Compressor::HEADER_SIZE + noise.Next() % (block.size() - Compressor::HEADER_SIZE)] =
                        uint8_t(noise.Next());
                break;
            case 2: // a stretch cut out
            {
                const size_t at =
                    Compressor::HEADER_SIZE + noise.Next() % (block.size() - Compressor::HEADER_SIZE);
                const size_t count = 1 + noise.Next() % 40;
                block.erase(block.begin() + long(at),
                            block.begin() + long(std::min(block.size(), at + count)));
                break;
            }
            default: // a different unpacked size, then flipped bits
            {
                const uint32_t claimed = 1 + noise.Next() % (2 * uint32_t(input.size()));
                std::memcpy(block.data() + 4, &claimed, 4);
                block[Compressor::HEADER_SIZE + noise.Next() % (block.size() - Compressor::HEADER_SIZE)] ^=
                    0x10;
                break;
            }
            }
            GuardedBuffer guarded(block.size());
            std::memcpy(guarded.data(), block.data(), block.size());
            int32_t outSize = -1;
            std::unique_ptr<uint8_t[]> out(
                compressor.Decompress(guarded.data(), int32_t(block.size()), &outSize));
            ++mutations;
            if (!out)
            {
                ++rejected;
                EXPECT_EQ(0, outSize);
            }
            else
            {
                int32_t claimed = 0;
                std::memcpy(&claimed, block.data() + 4, 4);
                EXPECT_EQ(claimed, outSize);
            }
        }
    }
    // Bit flips inside literal bytes cannot be told from data; most other
    // damage changes the unpacked length and must be caught.
    EXPECT_GT(rejected, mutations / 2);
}

TEST(DamagedBlock, PureNoiseBehindAValidHeaderNeverCrashes)
{
    Noise noise(77);
    for (auto& algorithm : Algorithms())
    {
        Compressor compressor(algorithm.id);
        for (int round = 0; round < 300; ++round)
        {
            const size_t size = Compressor::HEADER_SIZE + 1 + noise.Next() % 600;
            GuardedBuffer guarded(size);
            for (size_t i = 0; i < size; ++i)
                guarded.data()[i] = uint8_t(noise.Next());
            guarded.data()[Compressor::HEADER_SIZE] = uint8_t(noise.Next() % 2 == 0 ? 0 : guarded.data()[8]);
            const uint32_t id = algorithm.id;
            std::memcpy(guarded.data(), &id, 4);
            const int32_t claimed = int32_t(1 + noise.Next() % 4000);
            std::memcpy(guarded.data() + 4, &claimed, 4);
            int32_t outSize = -1;
            std::unique_ptr<uint8_t[]> out(compressor.Decompress(guarded.data(), int32_t(size), &outSize));
            EXPECT_EQ(out ? claimed : 0, outSize);
        }
    }
}
