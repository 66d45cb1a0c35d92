#include "PackData/DataPacker.h"
#include "WinCE/DataFile.h"
#include "WinCE/TempFolder.h"
#include "WinCE/VFileResource.h"
#include "WinCE/VirtualFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace
{
// Runs the PackData program; returns its exit code and what it printed.
int RunPackData(const std::string& arguments, std::string* output)
{
    const std::string command = std::string("'") + SKYREACH_PACKDATA + "' " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    char buffer[4096];
    size_t got = 0;
    output->clear();
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output->append(buffer, got);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Quote(const std::string& path)
{
    return "'" + path + "'";
}

// A bitmap-like file that packs well: long runs of a few values.
std::vector<uint8_t> Picture(size_t size, uint8_t seed)
{
    std::vector<uint8_t> bytes(size);
    bytes[0] = 'B';
    bytes[1] = 'M';
    for (size_t i = 2; i < size; ++i)
        bytes[i] = static_cast<uint8_t>(seed + (i / 64) % 4);
    return bytes;
}

// Bytes that do not pack: a simple generator's noise.
std::vector<uint8_t> Noise(size_t size)
{
    std::vector<uint8_t> bytes(size);
    uint32_t x = 12345;
    for (uint8_t& b : bytes)
    {
        x = x * 1103515245u + 12345u;
        b = static_cast<uint8_t>(x >> 24);
    }
    return bytes;
}

class PackDataTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WriteFile(_folder / "Bitmaps/window.bmp", Picture(5000, 10));
        WriteFile(_folder / "Bitmaps/sub/noise.bmp", Noise(3000));
        WriteFile(_folder / "Bitmaps/.gitkeep", std::string());
        WriteFile(_folder / "Entries/airports_rsc", Picture(4000, 1)); // not a bitmap: stays plain
        WriteFile(_folder / "Entries/help1_rsc", std::string("Welcome aboard."));
        WriteFile(_folder / "Entries/empty_rsc", std::string());
    }
    void TearDown() override { DataFile::Destroy(); }

    std::string Folders() const { return Quote(_folder / "Bitmaps") + " " + Quote(_folder / "Entries"); }

    TempFolder _folder;
};
} // namespace

TEST_F(PackDataTest, PacksBitmapsThatShrinkAndReadsEverythingBack)
{
    std::string output;
    ASSERT_EQ(0, RunPackData(Quote(_folder / "out.dat") + " " + Folders(), &output)) << output;
    DataFile::UseFile(_folder / "out.dat");

    VFileResource window("window.bmp");
    EXPECT_EQ(Picture(5000, 10), std::vector<uint8_t>(window.GetData(), window.GetData() + window.GetSize()));
    VFileResource noise("noise.bmp");
    EXPECT_EQ(Noise(3000), std::vector<uint8_t>(noise.GetData(), noise.GetData() + noise.GetSize()));
    VFileResource help("help1_rsc");
    EXPECT_EQ("Welcome aboard.", std::string(help.GetData(), help.GetData() + help.GetSize()));
    VirtualFile empty("empty_rsc");
    EXPECT_TRUE(empty.IsOpen());
    EXPECT_FALSE(VirtualFile(".gitkeep").IsOpen());

    ASSERT_EQ(0, RunPackData("--list " + Quote(_folder / "out.dat"), &output)) << output;
    // One line per entry in name order; offsets follow the index.
    std::istringstream lines(output);
    std::vector<std::string> names;
    std::string name, kind;
    uint32_t offset = 0, stored = 0, unpacked = 0;
    uint32_t expectedOffset = 1;
    for (const char* entry : {"airports_rsc", "empty_rsc", "help1_rsc", "noise.bmp", "window.bmp"})
        expectedOffset += static_cast<uint32_t>(std::string(entry).size()) + 9;
    std::string windowKind, noiseKind, airportsKind;
    while (lines >> name >> offset >> stored >> unpacked >> kind)
    {
        names.push_back(name);
        if (name == "window.bmp")
        {
            windowKind = kind;
            EXPECT_EQ(5000u, unpacked);
            EXPECT_LT(stored, 5000u);
        }
        if (name == "noise.bmp")
        {
            noiseKind = kind;
            EXPECT_EQ(3000u, stored);
        }
        if (name == "airports_rsc")
        {
            airportsKind = kind;
            EXPECT_EQ(expectedOffset, offset);
            EXPECT_EQ(4000u, stored);
        }
    }
    EXPECT_EQ((std::vector<std::string>{"airports_rsc", "empty_rsc", "help1_rsc", "noise.bmp", "window.bmp"}), names);
    EXPECT_EQ("packed", windowKind);
    EXPECT_EQ("plain", noiseKind);
    EXPECT_EQ("plain", airportsKind);
}

TEST_F(PackDataTest, TheSameInputsGiveTheSameBytes)
{
    std::string output;
    ASSERT_EQ(0, RunPackData(Quote(_folder / "a.dat") + " " + Folders(), &output)) << output;
    ASSERT_EQ(0, RunPackData(Quote(_folder / "b.dat") + " " + Quote(_folder / "Entries") + " " +
                                 Quote(_folder / "Bitmaps"),
                             &output))
        << output;
    EXPECT_EQ(ReadFile(_folder / "a.dat"), ReadFile(_folder / "b.dat"));

    DataPacker packer;
    std::string error;
    ASSERT_TRUE(packer.AddFolder(_folder / "Bitmaps", &error)) << error;
    ASSERT_TRUE(packer.AddFolder(_folder / "Entries", &error)) << error;
    std::vector<uint8_t> built;
    ASSERT_TRUE(packer.Build(&built, &error)) << error;
    EXPECT_EQ(ReadFile(_folder / "a.dat"), built);
}

TEST_F(PackDataTest, DuplicateNamesAcrossFoldersNameBothFiles)
{
    WriteFile(_folder / "Fonts/window.bmp", Picture(100, 3));
    std::string output;
    EXPECT_EQ(1, RunPackData(Quote(_folder / "out.dat") + " " + Folders() + " " + Quote(_folder / "Fonts"), &output));
    EXPECT_NE(std::string::npos, output.find("two files are named \"window.bmp\": " + (_folder / "Bitmaps/window.bmp") +
                                             " and " + (_folder / "Fonts/window.bmp")))
        << output;
    EXPECT_FALSE(std::filesystem::exists(_folder / "out.dat"));
}

TEST_F(PackDataTest, MissingFoldersAndBadArgumentsAreErrors)
{
    std::string output;
    EXPECT_EQ(1, RunPackData(Quote(_folder / "out.dat") + " " + Quote(_folder / "Nothing"), &output));
    EXPECT_NE(std::string::npos, output.find("no such folder: " + (_folder / "Nothing"))) << output;
    EXPECT_EQ(2, RunPackData("", &output));
    EXPECT_EQ(2, RunPackData("--list", &output));
    EXPECT_EQ(1, RunPackData("--list " + Quote(_folder / "nowhere.dat"), &output));
    EXPECT_NE(std::string::npos, output.find("cannot open " + (_folder / "nowhere.dat"))) << output;
}

TEST_F(PackDataTest, NoFoldersGiveAnEmptyDataFileThatOpens)
{
    std::string output;
    ASSERT_EQ(0, RunPackData(Quote(_folder / "empty.dat"), &output)) << output;
    EXPECT_EQ(std::vector<uint8_t>{0}, ReadFile(_folder / "empty.dat"));
    ASSERT_EQ(0, RunPackData("--list " + Quote(_folder / "empty.dat"), &output));
    EXPECT_EQ("", output);
    DataFile::UseFile(_folder / "empty.dat");
    EXPECT_FALSE(VirtualFile("window.bmp").IsOpen());
}

TEST_F(PackDataTest, AFileThatLooksPackedIsStoredPacked)
{
    // Plain bytes beginning with the packed identifier would be taken for a
    // packed block by the game; the packer packs them so they read back.
    std::vector<uint8_t> tricky = {0x3A, 0x73, 0x8F, 0x3D, 0xFF, 0xFF, 0, 0, 'x', 'y', 'z'};
    DataPacker packer;
    std::string error;
    ASSERT_TRUE(packer.AddEntry("tricky_rsc", tricky, "memory", &error));
    std::vector<uint8_t> built;
    ASSERT_TRUE(packer.Build(&built, &error));
    WriteFile(_folder / "tricky.dat", built);
    DataFile::UseFile(_folder / "tricky.dat");
    VFileResource resource("tricky_rsc");
    EXPECT_EQ(tricky, std::vector<uint8_t>(resource.GetData(), resource.GetData() + resource.GetSize()));
}

TEST_F(PackDataTest, ListingADamagedPackedEntryFails)
{
    DataPacker packer;
    std::string error;
    ASSERT_TRUE(packer.AddEntry("window.bmp", Picture(5000, 10), "memory", &error));
    std::vector<uint8_t> built;
    ASSERT_TRUE(packer.Build(&built, &error));
    built.resize(built.size() - 10); // the entry now reaches past the end
    WriteFile(_folder / "cut.dat", built);
    std::string output;
    EXPECT_EQ(1, RunPackData("--list " + Quote(_folder / "cut.dat"), &output));
    EXPECT_NE(std::string::npos, output.find("points outside the file")) << output;

    built.resize(built.size() + 10, 0); // the right length, the wrong bytes
    WriteFile(_folder / "bad.dat", built);
    EXPECT_EQ(1, RunPackData("--list " + Quote(_folder / "bad.dat"), &output));
    EXPECT_NE(std::string::npos, output.find("window.bmp")) << output;
    EXPECT_NE(std::string::npos, output.find("does not unpack")) << output;
}
