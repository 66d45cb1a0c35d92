// Inputs for the compression tests: deterministic data of the kinds the game
// packs (text, bitmaps, tables) and the kinds that stress a packer (zeros,
// noise, runs that match the algorithms' constant string).
#pragma once

#include "Common/Compression/Compressor.h"

#include <cstdint>
#include <string>
#include <vector>

namespace CompressionTestData
{
struct Algorithm
{
    uint32_t id;
    const char* name;
    CompressAction action;
};

// The four algorithms with the names the tool and the corpus files use.
const std::vector<Algorithm>& Algorithms();

// A small linear congruential generator: tests must not depend on the C
// library's generator.
class Noise
{
public:
    explicit Noise(uint32_t seed) : _state(seed) {}
    uint32_t Next()
    {
        _state = _state * 1664525u + 1013904223u;
        return _state >> 8;
    }

private:
    uint32_t _state;
};

std::vector<uint8_t> Text(size_t size, uint32_t seed = 1);
std::vector<uint8_t> Bitmap(int width, int height, uint32_t seed = 2);
std::vector<uint8_t> Random(size_t size, uint32_t seed = 3);
std::vector<uint8_t> Zeros(size_t size);
// Mostly long-distance repeats of earlier stretches, with noise between.
std::vector<uint8_t> Repeats(size_t size, uint32_t seed = 4);

// Everything above concatenated: the mixed corpus of the round-trip tests.
std::vector<uint8_t> Mixed(size_t size, uint32_t seed = 5);

std::vector<uint8_t> ReadFile(const std::string& path);
} // namespace CompressionTestData
