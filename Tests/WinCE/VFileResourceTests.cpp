#include "Common/Compression/Compressor.h"
#include "WinCE/DataFileBuilder.h"
#include "WinCE/VFileResource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

using VFileResourceTest = DataFileTest;
using VFileResourceDeathTest = DataFileTest;

TEST_F(VFileResourceTest, ResourcesArePlainOrUnpacked)
{
    std::vector<uint8_t> picture(3000);
    for (size_t i = 0; i < picture.size(); ++i)
        picture[i] = static_cast<uint8_t>(i / 100);
    Compressor compressor(LZRW2_ID);
    int32_t packedSize = 0;
    std::unique_ptr<uint8_t[]> packed(compressor.Compress(picture.data(), 3000, &packedSize));
    ASSERT_LT(packedSize, 3000);
    // Eight bytes that begin like a packed block are too short to be one.
    const std::vector<uint8_t> shortMagic = {0x3A, 0x73, 0x8F, 0x3D, 1, 0, 0, 0};
    Use(MakeDataFile({{"plain.bmp", Bytes("BM plain")},
                      {"packed.bmp", std::vector<uint8_t>(packed.get(), packed.get() + packedSize)},
                      {"short", shortMagic}}));

    VFileResource plain("plain.bmp");
    EXPECT_EQ(8, plain.GetSize());
    EXPECT_EQ(0, std::memcmp("BM plain", plain.GetData(), 8));
    VFileResource unpacked("packed.bmp");
    ASSERT_EQ(3000, unpacked.GetSize());
    EXPECT_EQ(picture, std::vector<uint8_t>(unpacked.GetData(), unpacked.GetData() + 3000));
    VFileResource kept("short");
    EXPECT_EQ(shortMagic, std::vector<uint8_t>(kept.GetData(), kept.GetData() + kept.GetSize()));
}

TEST_F(VFileResourceDeathTest, MissingEmptyAndDamagedResourcesAreFatalNamingTheEntry)
{
    std::vector<uint8_t> picture(2000, 7);
    Compressor compressor(LZRW2_ID);
    int32_t packedSize = 0;
    std::unique_ptr<uint8_t[]> packed(compressor.Compress(picture.data(), 2000, &packedSize));
    std::vector<uint8_t> broken(packed.get(), packed.get() + packedSize);
    broken.resize(broken.size() - 3); // cut short
    std::vector<uint8_t> lying(packed.get(), packed.get() + packedSize);
    lying[4] = 0xFF; // claims another unpacked size
    Use(MakeDataFile({{"broken.bmp", broken}, {"empty", {}}, {"lying.bmp", lying}}));

    EXPECT_EXIT(VFileResource("nope.bmp"), ::testing::ExitedWithCode(255),
                Literally("VFileResource: Couldn't load file resource: nope.bmp") + "\n");
    EXPECT_EXIT(VFileResource("empty"), ::testing::ExitedWithCode(255),
                Literally("VFileResource: Couldn't load file resource: empty (the entry is empty)"));
    EXPECT_EXIT(VFileResource("broken.bmp"), ::testing::ExitedWithCode(255),
                Literally("VFileResource: Couldn't load file resource: broken.bmp (the packed data is damaged)"));
    EXPECT_EXIT(VFileResource("lying.bmp"), ::testing::ExitedWithCode(255),
                Literally("VFileResource: Couldn't load file resource: lying.bmp (the packed data is damaged)"));
}

