// The fuzz targets' inputs as ordinary tests: every seed of Fuzz/corpus is a
// valid input its reader accepts without a fatal error, and every input that
// once crashed a reader (Fuzz/regressions) now runs through it without an
// assertion or a sanitizer report.
#include "FuzzTarget.h"

#include "Common/Backend/GameState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

const fs::path FUZZ_DIR = fs::path(SKYREACH_SOURCE_DIR) / "Fuzz";

std::vector<fs::path> FilesIn(const fs::path& folder)
{
    std::vector<fs::path> files;
    if (fs::is_directory(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file())
                files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<uint8_t> ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class FuzzCorpus : public ::testing::TestWithParam<std::string>
{
protected:
    void SetUp() override
    {
        FuzzTarget::UseDataFile(std::string(SKYREACH_BINARY_DIR) + "/Skyreach.dat");
        target = FuzzTarget::Find(GetParam());
        ASSERT_NE(nullptr, target);
    }
    const FuzzTarget* target = nullptr;
};

// Sets up the world the saved-game target loads games into, by running
// the target once on nothing.
void SetUpSavedGames()
{
    FuzzTarget::UseDataFile(std::string(SKYREACH_BINARY_DIR) + "/Skyreach.dat");
    const FuzzTarget* target = FuzzTarget::Find("savedgame");
    ASSERT_NE(nullptr, target);
    target->RunOne(nullptr, 0);
}

std::vector<std::string> TargetNames()
{
    std::vector<std::string> names;
    for (const FuzzTarget& target : FuzzTarget::All())
        names.push_back(target.name);
    return names;
}
} // namespace

TEST_P(FuzzCorpus, SeedsAreValidInputs)
{
    const std::vector<fs::path> seeds = FilesIn(FUZZ_DIR / "corpus" / GetParam());
    ASSERT_FALSE(seeds.empty()) << "no seeds in Fuzz/corpus/" << GetParam() << " (write them with fuzz-seeds)";
    for (const fs::path& seed : seeds)
    {
        const std::vector<uint8_t> bytes = ReadFile(seed);
        EXPECT_EQ(0, target->RunOne(bytes.data(), bytes.size())) << seed << " raised fatal errors";
    }
}

TEST_P(FuzzCorpus, PastCrashesStayFixed)
{
    // Fatal errors are the expected refusal of these inputs; an assertion or
    // a memory fault would end the test program here.
    for (const fs::path& input : FilesIn(FUZZ_DIR / "regressions" / GetParam()))
    {
        const std::vector<uint8_t> bytes = ReadFile(input);
        target->RunOne(bytes.data(), bytes.size());
        SUCCEED() << input;
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzCorpus, ::testing::ValuesIn(TargetNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

TEST(FuzzSeeds, SavedGameSeedsAreGamesThatLoad)
{
    SetUpSavedGames();
    const std::vector<fs::path> seeds = FilesIn(FUZZ_DIR / "corpus" / "savedgame");
    ASSERT_GE(seeds.size(), 2u);
    for (const fs::path& seed : seeds)
    {
        const std::vector<uint8_t> bytes = ReadFile(seed);
        std::string error;
        EXPECT_TRUE(GameState::LoadBytes(bytes.data(), bytes.size(), &error)) << seed << ": " << error;
        EXPECT_EQ(bytes, GameState::SaveBytes()) << seed << " does not save back to its own bytes";
    }
}

TEST(FuzzSeeds, DamagedSavesAmongThePastCrashesAreRefusedWithAReason)
{
    // Inputs named "loads-..." are sound games written in an unusual way;
    // every other past crash is a damaged save that must be refused.
    SetUpSavedGames();
    const std::vector<fs::path> inputs = FilesIn(FUZZ_DIR / "regressions" / "savedgame");
    ASSERT_FALSE(inputs.empty());
    for (const fs::path& input : inputs)
    {
        const std::vector<uint8_t> bytes = ReadFile(input);
        std::string error;
        const bool loaded = GameState::LoadBytes(bytes.data(), bytes.size(), &error);
        if (input.filename().string().rfind("loads-", 0) == 0)
            EXPECT_TRUE(loaded) << input << ": " << error;
        else
            EXPECT_TRUE(!loaded && !error.empty()) << input << " was not refused";
    }
}
