#include "CompressionTestData.h"

#include "Common/Compression/Lzrw1a.h"
#include "Common/Compression/Lzrw2.h"
#include "Common/Compression/Lzrw3.h"
#include "Common/Compression/Lzrw3a.h"

#include <cstdio>

namespace CompressionTestData
{
const std::vector<Algorithm>& Algorithms()
{
    static const std::vector<Algorithm> s_list = {{LZRW1A_ID, "LZRW1A", LZRW1A},
                                                  {LZRW2_ID, "LZRW2", LZRW2},
                                                  {LZRW3_ID, "LZRW3", LZRW3},
                                                  {LZRW3A_ID, "LZRW3A", LZRW3A}};
    return s_list;
}

std::vector<uint8_t> Text(size_t size, uint32_t seed)
{
    static const char* const s_words[] = {
        "the",      "airline", "plane",   "route",     "airport", "ticket",    "price", "office",
        "research", "credit",  "bank",    "month",     "year",    "passenger", "fuel",  "delay",
        "weather",  "storm",   "landing", "departure", "cash",    "company",   "of",    "and",
        "to",       "a",       "in",      "is",        "for",     "with",      "on",    "at"};
    Noise noise(seed);
    std::string text;
    while (text.size() < size)
    {
        const int words = 4 + int(noise.Next() % 12);
        for (int i = 0; i < words; ++i)
        {
            if (i > 0)
                text += ' ';
            text += s_words[noise.Next() % (sizeof s_words / sizeof s_words[0])];
        }
        text += noise.Next() % 5 == 0 ? ".\n" : ". ";
    }
    text.resize(size);
    return std::vector<uint8_t>(text.begin(), text.end());
}

std::vector<uint8_t> Bitmap(int width, int height, uint32_t seed)
{
    // 16-bit pixels: a sky gradient, a few flat rectangles and a dithered edge,
    // much like the game's screens.
    Noise noise(seed);
    std::vector<uint8_t> pixels;
    pixels.reserve(size_t(width) * height * 2);
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            uint16_t colour = uint16_t((y * 31 / height) | (((x + y) % 64) << 5));
            if (x > width / 4 && x < width / 2 && y > height / 3)
                colour = 0x7BEF;
            if ((x - width / 2) * (x - width / 2) + (y - height / 2) * (y - height / 2) < width * 2 &&
                noise.Next() % 4 == 0)
                colour = uint16_t(noise.Next());
            pixels.push_back(uint8_t(colour));
            pixels.push_back(uint8_t(colour >> 8));
        }
    }
    return pixels;
}

std::vector<uint8_t> Random(size_t size, uint32_t seed)
{
    Noise noise(seed);
    std::vector<uint8_t> data(size);
    for (auto& byte : data)
        byte = uint8_t(noise.Next());
    return data;
}

std::vector<uint8_t> Zeros(size_t size)
{
    return std::vector<uint8_t>(size, 0);
}

std::vector<uint8_t> Repeats(size_t size, uint32_t seed)
{
    Noise noise(seed);
    std::vector<uint8_t> data;
    data.reserve(size);
    while (data.size() < size)
    {
        if (data.size() > 64 && noise.Next() % 3 != 0)
        {
            const size_t back = 1 + noise.Next() % (data.size() < 60000 ? data.size() : 60000);
            const size_t length = 3 + noise.Next() % 40;
            const size_t from = data.size() - back;
            for (size_t i = 0; i < length && data.size() < size; ++i)
                data.push_back(data[from + i]);
        }
        else
        {
            data.push_back(uint8_t(noise.Next() % 40 + '0'));
        }
    }
    return data;
}

std::vector<uint8_t> Mixed(size_t size, uint32_t seed)
{
    std::vector<uint8_t> data;
    const size_t part = size / 5 + 1;
    auto append = [&](const std::vector<uint8_t>& piece)
    { data.insert(data.end(), piece.begin(), piece.end()); };
    append(Text(part, seed));
    append(Bitmap(240, int(part / 480) + 1, seed + 1));
    append(Zeros(part / 2));
    append(Random(part / 2, seed + 2));
    append(Repeats(part, seed + 3));
    append(Text(part, seed + 4));
    data.resize(size);
    return data;
}

std::vector<uint8_t> ReadFile(const std::string& path)
{
    std::vector<uint8_t> data;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return data;
    uint8_t buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        data.insert(data.end(), buffer, buffer + got);
    std::fclose(file);
    return data;
}
} // namespace CompressionTestData
