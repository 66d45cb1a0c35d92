// Checks of the game's wave resources (118 good, 119 high score, 121
// highlight, 122 bad, 123 click): plain PCM files that any wave player
// accepts, short, audible, not clipped and free of clicks at either end.
#include "Data/DataFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace DataFiles;

namespace
{

struct Wave
{
    bool valid = false;
    std::string problem;
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<int> samples; // scaled to 16 bits
};

Wave LoadWave(const std::string& relative)
{
    Wave w;
    const std::vector<uint8_t> b = ReadBytes(relative);
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
    {
        w.problem = "not a RIFF WAVE file";
        return w;
    }
    if (static_cast<size_t>(I32(b, 4)) + 8 != b.size())
    {
        w.problem = "RIFF size does not match the file";
        return w;
    }
    bool haveFormat = false;
    for (size_t at = 12; at + 8 <= b.size();)
    {
        const std::string id(b.begin() + at, b.begin() + at + 4);
        const size_t size = static_cast<uint32_t>(I32(b, at + 4));
        const size_t body = at + 8;
        if (body + size > b.size())
        {
            w.problem = "chunk " + id + " runs past the end";
            return w;
        }
        if (id == "fmt " && size >= 16)
        {
            w.format = I16(b, body);
            w.channels = I16(b, body + 2);
            w.rate = I32(b, body + 4);
            w.bits = I16(b, body + 14);
            haveFormat = true;
        }
        else if (id == "data" && haveFormat)
        {
            if (w.bits == 16)
            {
                for (size_t i = 0; i + 1 < size; i += 2)
                {
                    w.samples.push_back(I16(b, body + i));
                }
            }
            else if (w.bits == 8)
            {
                for (size_t i = 0; i < size; ++i)
                {
                    w.samples.push_back((b[body + i] - 128) * 256);
                }
            }
            w.valid = true;
        }
        at = body + size + (size & 1);
    }
    if (!w.valid)
    {
        w.problem = "no format and data chunks";
    }
    return w;
}

const std::vector<std::string> SOUNDS = {"sound118_good.wav", "sound119_highscore.wav", "sound121_highlight.wav",
                                         "sound122_bad.wav", "sound123_click.wav"};

} // namespace

TEST(Sounds, EveryWaveResourceIsMonoPcmAt22050Hertz)
{
    for (const std::string& name : SOUNDS)
    {
        const Wave w = LoadWave("Data/Sounds/" + name);
        ASSERT_TRUE(w.valid) << name << ": " << w.problem;
        EXPECT_EQ(1, w.format) << name;
        EXPECT_EQ(1, w.channels) << name;
        EXPECT_EQ(22050, w.rate) << name;
        EXPECT_TRUE(w.bits == 8 || w.bits == 16) << name;
    }
}

TEST(Sounds, MelodiesAreShortAndTheInterfaceSoundsShorter)
{
    for (const std::string& name : SOUNDS)
    {
        const Wave w = LoadWave("Data/Sounds/" + name);
        ASSERT_TRUE(w.valid) << name;
        const double seconds = static_cast<double>(w.samples.size()) / w.rate;
        const bool interfaceSound = name.find("121") != std::string::npos || name.find("123") != std::string::npos;
        if (interfaceSound)
        {
            // Played on every tap: anything longer would lag behind the stylus.
            EXPECT_GE(seconds, 0.005) << name;
            EXPECT_LE(seconds, 0.1) << name;
        }
        else
        {
            EXPECT_GE(seconds, 0.3) << name;
            EXPECT_LE(seconds, 3.0) << name;
        }
    }
}

TEST(Sounds, AudibleUnclippedAndWithoutClicksAtTheEnds)
{
    for (const std::string& name : SOUNDS)
    {
        const Wave w = LoadWave("Data/Sounds/" + name);
        ASSERT_TRUE(w.valid) << name;
        ASSERT_GE(w.samples.size(), 20u) << name;
        int peak = 0;
        for (int s : w.samples)
        {
            peak = std::max(peak, std::abs(s));
        }
        EXPECT_GE(peak, 6000) << name << " is nearly silent";
        EXPECT_LT(peak, 32000) << name << " is clipped";
        EXPECT_LT(std::abs(w.samples.front()), 1000) << name << " starts with a click";
        EXPECT_LT(std::abs(w.samples.back()), 1000) << name << " ends with a click";
    }
}
