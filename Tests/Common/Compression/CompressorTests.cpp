#include "Common/Compression/Compressor.h"

#include "CompressionTestData.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace CompressionTestData;

namespace
{
struct Block
{
    std::unique_ptr<uint8_t[]> bytes;
    int32_t size = 0;
};

Block Pack(uint32_t algorithmId, const std::vector<uint8_t>& input)
{
    Compressor compressor(algorithmId);
    Block block;
    block.bytes.reset(compressor.Compress(input.data(), int32_t(input.size()), &block.size));
    return block;
}

uint32_t Le32(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

void ExpectRoundTrip(const Algorithm& algorithm, const std::vector<uint8_t>& input, const char* what)
{
    SCOPED_TRACE(std::string(algorithm.name) + " on " + what);
    Compressor compressor(algorithm.id);
    int32_t blockSize = 0;
    std::unique_ptr<uint8_t[]> block(compressor.Compress(input.data(), int32_t(input.size()), &blockSize));
    ASSERT_NE(nullptr, block);
    ASSERT_GT(blockSize, Compressor::HEADER_SIZE);
    EXPECT_EQ(algorithm.id, Le32(block.get()));
    EXPECT_EQ(uint32_t(input.size()), Le32(block.get() + 4));
    // Never longer than the stored form.
    EXPECT_LE(blockSize, int32_t(input.size()) + Compressor::HEADER_SIZE + 4);

    // The same object unpacks, and so does a fresh one: nothing may depend
    // on what the working memory held before.
    for (int pass = 0; pass < 2; ++pass)
    {
        Compressor fresh(algorithm.id);
        Compressor& unpacker = pass == 0 ? compressor : fresh;
        int32_t outSize = -1;
        std::unique_ptr<uint8_t[]> out(unpacker.Decompress(block.get(), blockSize, &outSize));
        ASSERT_NE(nullptr, out);
        ASSERT_EQ(int32_t(input.size()), outSize);
        EXPECT_EQ(0, std::memcmp(input.data(), out.get(), input.size()));
    }
}
} // namespace

TEST(Compressor, RoundTripsVariedDataWithEveryAlgorithm)
{
    Noise noise(99);
    std::vector<uint8_t> boundaries;
    for (auto& algorithm : Algorithms())
    {
        ExpectRoundTrip(algorithm, {0x42}, "one byte");
        ExpectRoundTrip(algorithm, {1, 2}, "two bytes");
        ExpectRoundTrip(algorithm, Text(40), "a sentence");
        ExpectRoundTrip(algorithm, Text(20000), "text");
        ExpectRoundTrip(algorithm, Bitmap(240, 80), "a bitmap");
        ExpectRoundTrip(algorithm, Random(30000), "noise");
        ExpectRoundTrip(algorithm, Zeros(50000), "zeros");
        ExpectRoundTrip(algorithm, Repeats(70000), "far repeats");
        ExpectRoundTrip(algorithm, Mixed(1 << 20), "1 MB mixed");
        // Lengths around the points where the packers change step: the tail of
        // literals (18 bytes) and the single-item endgame (288 bytes).
        for (size_t size : {17u, 18u, 19u, 35u, 36u, 287u, 288u, 289u, 305u, 306u, 307u})
            ExpectRoundTrip(algorithm, Text(size, uint32_t(size)), "a boundary length");
    }
}

TEST(Compressor, ConstantStringIsAValidSourceFromTheFirstItem)
{
    // Input that opens with the tables' constant string is coded as a copy
    // from it by the table-driven algorithms; both sides must agree.
    std::string digits;
    while (digits.size() < 5000)
        digits += "123456789012345678";
    const std::vector<uint8_t> input(digits.begin(), digits.end());
    for (auto& algorithm : Algorithms())
        ExpectRoundTrip(algorithm, input, "digits");

    // LZRW2: first item is a copy item of 18 bytes from phrase 0.
    const Block block = Pack(LZRW2_ID, input);
    const uint8_t* data = block.bytes.get() + Compressor::HEADER_SIZE;
    EXPECT_EQ(0, data[0]);
    EXPECT_EQ(1, data[4] & 1) << "first control bit should mark a copy";
    EXPECT_EQ(0x0F, data[6]);
    EXPECT_EQ(0x00, data[7]);
}

TEST(Compressor, OneByteWithLzrw2IsAThirteenByteStoredBlock)
{
    const Block block = Pack(LZRW2_ID, {0xAB});
    ASSERT_EQ(13, block.size);
    const uint8_t expected[13] = {0x3A, 0x73, 0x8F, 0x3D, 1, 0, 0, 0, 1, 0, 0, 0, 0xAB};
    EXPECT_EQ(0, std::memcmp(expected, block.bytes.get(), 13));
}

TEST(Compressor, StoredBlocksAreInputPlusFourFlagBytes)
{
    // Noise does not shrink: every algorithm falls back to the stored form,
    // whose output is n + 4 bytes and unpacks by plain copying.
    const std::vector<uint8_t> noise = Random(4000, 7);
    for (auto& algorithm : Algorithms())
    {
        SCOPED_TRACE(algorithm.name);
        const Block block = Pack(algorithm.id, noise);
        ASSERT_EQ(int32_t(noise.size()) + Compressor::HEADER_SIZE + 4, block.size);
        const uint8_t* data = block.bytes.get() + Compressor::HEADER_SIZE;
        EXPECT_EQ(1, data[0]);
        EXPECT_EQ(0, data[1] | data[2] | data[3]);
        EXPECT_EQ(0, std::memcmp(noise.data(), data + 4, noise.size()));
    }
}

TEST(Compressor, CompressibleDataShrinksAndAlgorithmsDiffer)
{
    const std::vector<uint8_t> text = Text(30000, 11);
    std::vector<int32_t> sizes;
    for (auto& algorithm : Algorithms())
    {
        const Block block = Pack(algorithm.id, text);
        EXPECT_EQ(0, block.bytes[Compressor::HEADER_SIZE]) << algorithm.name;
        EXPECT_LT(block.size, int32_t(text.size()) * 6 / 10) << algorithm.name;
        sizes.push_back(block.size);
    }
    // The deeper table packs best: LZRW3-A beats LZRW1-A on text.
    EXPECT_LT(sizes[3], sizes[0]);
}

TEST(Compressor, PackingIsDeterministicAcrossObjectsAndCalls)
{
    const std::vector<uint8_t> a = Mixed(100000, 21);
    const std::vector<uint8_t> b = Text(5000, 22);
    for (auto& algorithm : Algorithms())
    {
        Compressor reused(algorithm.id);
        int32_t s1 = 0, s2 = 0, s3 = 0;
        std::unique_ptr<uint8_t[]> first(reused.Compress(a.data(), int32_t(a.size()), &s1));
        std::unique_ptr<uint8_t[]> other(reused.Compress(b.data(), int32_t(b.size()), &s2));
        std::unique_ptr<uint8_t[]> again(reused.Compress(a.data(), int32_t(a.size()), &s3));
        ASSERT_EQ(s1, s3) << algorithm.name;
        EXPECT_EQ(0, std::memcmp(first.get(), again.get(), size_t(s1))) << algorithm.name;
    }
}

TEST(Compressor, IdentityRecordsFollowTheTableOrder)
{
    struct Expected
    {
        uint32_t id;
        uint32_t memory;
        const char* name;
        const char* date;
    };
    const Expected expected[] = {{0x4B3E387B, 16387, "LZRW1-A", "22-Jun-1991"},
                                 {0x3D8F733A, 24676, "LZRW2", "25-Nov-1990"},
                                 {0x032DDEA8, 16400, "LZRW3", "31-Dec-1990"},
                                 {0x01B90B91, 16400, "LZRW3-A", "15-Jul-1990"}};
    const CompressAction* table = Compressor::Algorithms();
    for (int i = 0; i < 4; ++i)
    {
        ASSERT_NE(nullptr, table[i]);
        const CompressIdentity* cid = nullptr;
        table[i](COMPRESS_ACTION_IDENTITY, nullptr, nullptr, 0, nullptr, reinterpret_cast<uint32_t*>(&cid));
        ASSERT_NE(nullptr, cid);
        EXPECT_EQ(expected[i].id, cid->id);
        EXPECT_EQ(expected[i].memory, cid->memory);
        EXPECT_STREQ(expected[i].name, cid->name);
        EXPECT_STREQ("1.0", cid->version);
        EXPECT_STREQ(expected[i].date, cid->date);
        EXPECT_STREQ("Public Domain", cid->copyright);
        EXPECT_STREQ("Public Domain", cid->vendor);
        EXPECT_NE(nullptr, cid->author);
        EXPECT_NE(nullptr, cid->affiliation);
        EXPECT_EQ(cid, Compressor::FindIdentity(expected[i].id));
        EXPECT_EQ(cid, Compressor(expected[i].id).GetIdentity());
    }
    EXPECT_EQ(nullptr, table[4]);
    EXPECT_EQ(nullptr, Compressor::FindIdentity(0x12345678));
}

TEST(Compressor, OtherActionsDoNothing)
{
    uint8_t work[24676];
    const uint8_t src[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    uint8_t dst[64];
    std::memset(dst, 0xEE, sizeof dst);
    for (auto& algorithm : Algorithms())
    {
        uint32_t length = 12345;
        algorithm.action(3, work, src, sizeof src, dst, &length);
        algorithm.action(0xFFFF, work, src, sizeof src, dst, &length);
        EXPECT_EQ(12345u, length);
        EXPECT_EQ(0xEE, dst[0]);
    }
}

TEST(Compressor, EntryPointsWorkInUnalignedWorkingMemory)
{
    const std::vector<uint8_t> text = Text(3000, 5);
    for (auto& algorithm : Algorithms())
    {
        const CompressIdentity* cid = Compressor::FindIdentity(algorithm.id);
        ASSERT_NE(nullptr, cid);
        std::vector<uint8_t> work(cid->memory + 1);
        std::vector<uint8_t> packed(text.size() + LZRW_COMPRESS_SLACK);
        uint32_t packedSize = 0;
        algorithm.action(COMPRESS_ACTION_COMPRESS, work.data() + 1, text.data(), uint32_t(text.size()),
                         packed.data(), &packedSize);
        ASSERT_GT(packedSize, 4u);
        std::vector<uint8_t> out(text.size());
        uint32_t outSize = uint32_t(out.size());
        algorithm.action(COMPRESS_ACTION_DECOMPRESS, work.data() + 1, packed.data(), packedSize, out.data(),
                         &outSize);
        ASSERT_EQ(text.size(), outSize) << algorithm.name;
        EXPECT_EQ(text, out) << algorithm.name;
    }
}

TEST(CompressorDeathTest, UnknownIdentifierIsAnAssertion)
{
    EXPECT_DEATH(Compressor compressor(0x12345678), "Assertion 's_algorithms\\[_algorithm\\]' failed");
}

TEST(CompressorDeathTest, EmptyInputIsAnAssertion)
{
    Compressor compressor(LZRW2_ID);
    const uint8_t byte = 0;
    int32_t size = 0;
    EXPECT_DEATH(compressor.Compress(&byte, 0, &size), "Assertion 'insize>0' failed");
}

TEST(CompressorDeathTest, BlockOfAnotherAlgorithmIsAnAssertion)
{
    const Block block = Pack(LZRW3_ID, Text(500));
    Compressor compressor(LZRW2_ID);
    int32_t size = 0;
    EXPECT_DEATH(compressor.Decompress(block.bytes.get(), block.size, &size),
                 "Assertion '\\(\\(long \\*\\)data\\)\\[0\\] == _algo_id' failed");
}
