// The compatibility corpus: every input in Corpus/MANIFEST packed with every
// algorithm must give exactly the block kept beside it (NAME.ALGO). The blocks
// were checked against the published reference packers; any change to what a
// packer emits shows up here.
#include "Common/Compression/Compressor.h"

#include "CompressionTestData.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

using namespace CompressionTestData;

namespace
{
std::string CorpusDir()
{
    return std::string(SKYREACH_SOURCE_DIR) + "/Tests/Common/Compression/Corpus/";
}

std::vector<std::string> CorpusNames()
{
    std::vector<std::string> names;
    std::ifstream manifest(CorpusDir() + "MANIFEST");
    std::string line;
    while (std::getline(manifest, line))
        if (!line.empty())
            names.push_back(line);
    return names;
}
} // namespace

TEST(CompressionCorpus, EveryAlgorithmReproducesTheKeptBlocks)
{
    const std::vector<std::string> names = CorpusNames();
    ASSERT_GE(names.size(), 20u) << "corpus manifest missing or cut short";
    size_t inputBytes = 0;
    for (const std::string& name : names)
    {
        const std::vector<uint8_t> input = ReadFile(CorpusDir() + name);
        ASSERT_FALSE(input.empty()) << name;
        inputBytes += input.size();
        for (auto& algorithm : Algorithms())
        {
            SCOPED_TRACE(name + "." + algorithm.name);
            const std::vector<uint8_t> expected = ReadFile(CorpusDir() + name + "." + algorithm.name);
            ASSERT_FALSE(expected.empty()) << "no kept block";

            Compressor compressor(algorithm.id);
            int32_t size = 0;
            std::unique_ptr<uint8_t[]> block(compressor.Compress(input.data(), int32_t(input.size()), &size));
            ASSERT_EQ(expected.size(), size_t(size));
            EXPECT_EQ(0, std::memcmp(expected.data(), block.get(), expected.size()));

            // The kept block unpacks to the input.
            int32_t outSize = 0;
            std::unique_ptr<uint8_t[]> out(
                compressor.Decompress(expected.data(), int32_t(expected.size()), &outSize));
            ASSERT_NE(nullptr, out);
            ASSERT_EQ(input.size(), size_t(outSize));
            EXPECT_EQ(0, std::memcmp(input.data(), out.get(), input.size()));
        }
    }
    EXPECT_GT(inputBytes, 30000u);
}

TEST(CompressionCorpus, CoversStoredAndCompressedForms)
{
    // The corpus is only useful while it exercises both forms of every
    // algorithm, including a late fall-back to storing.
    for (auto& algorithm : Algorithms())
    {
        const std::string suffix = std::string(".") + algorithm.name;
        EXPECT_EQ(1, ReadFile(CorpusDir() + "noise.bin" + suffix).at(Compressor::HEADER_SIZE))
            << algorithm.name;
        EXPECT_EQ(1, ReadFile(CorpusDir() + "late-noise.bin" + suffix).at(Compressor::HEADER_SIZE))
            << algorithm.name;
        EXPECT_EQ(0, ReadFile(CorpusDir() + "prose.txt" + suffix).at(Compressor::HEADER_SIZE))
            << algorithm.name;
        EXPECT_EQ(0, ReadFile(CorpusDir() + "echo.bin" + suffix).at(Compressor::HEADER_SIZE))
            << algorithm.name;
    }
}
