// Packing and unpacking speed of the four LZRW algorithms on a 4 MB mixed
// corpus (text, 16-bit bitmaps, zeros, noise), next to memcpy of the same
// bytes so that figures from different machines can be compared. Each run
// reports bytes per second and the packed size as a fraction of the input
// ("ratio"). The data file unpacks LZRW2, so its unpacking speed is the
// figure that matters to the game.
#include "Common/Compression/Lzrw1a.h"
#include "Common/Compression/Lzrw2.h"
#include "Common/Compression/Lzrw3.h"
#include "Common/Compression/Lzrw3a.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
constexpr size_t CORPUS_SIZE = 4 << 20;

uint32_t Next(uint32_t& state)
{
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

void AppendText(std::vector<uint8_t>& data, size_t size, uint32_t seed)
{
    static const char* const s_words[] = {"the",   "airline", "plane",   "route", "airport", "ticket",
                                          "price", "office",  "credit",  "bank",  "month",   "passenger",
                                          "fuel",  "weather", "landing", "cash",  "company", "of",
                                          "and",   "to",      "a",       "in",    "is",      "for"};
    const size_t end = data.size() + size;
    while (data.size() < end)
    {
        const char* word = s_words[Next(seed) % (sizeof s_words / sizeof s_words[0])];
        data.insert(data.end(), word, word + std::strlen(word));
        data.push_back(Next(seed) % 9 == 0 ? '.' : ' ');
    }
    data.resize(end);
}

void AppendBitmap(std::vector<uint8_t>& data, size_t size, uint32_t seed)
{
    const int width = 240;
    const size_t end = data.size() + size;
    for (int y = 0; data.size() < end; ++y)
    {
        for (int x = 0; x < width && data.size() + 1 < end; ++x)
        {
            uint16_t colour = uint16_t(((y / 8) & 31) | (((x / 16) & 63) << 5));
            if ((x / 30 + y / 20) % 3 == 0)
                colour = 0x7BEF;
            if ((x + y) % 97 < 3)
                colour = uint16_t(Next(seed));
            data.push_back(uint8_t(colour));
            data.push_back(uint8_t(colour >> 8));
        }
        if (data.size() + 1 >= end)
            break;
    }
    data.resize(end);
}

const std::vector<uint8_t>& Corpus()
{
    static const std::vector<uint8_t> s_corpus = []
    {
        std::vector<uint8_t> data;
        data.reserve(CORPUS_SIZE);
        uint32_t seed = 7;
        AppendText(data, CORPUS_SIZE * 4 / 10, 1);
        AppendBitmap(data, CORPUS_SIZE * 3 / 10, 2);
        data.resize(data.size() + CORPUS_SIZE / 10, 0);
        while (data.size() < CORPUS_SIZE)
            data.push_back(uint8_t(Next(seed)));
        return data;
    }();
    return s_corpus;
}

CompressAction ActionOf(int64_t index)
{
    static const CompressAction s_actions[] = {LZRW1A, LZRW2, LZRW3, LZRW3A};
    return s_actions[index];
}

void SetName(benchmark::State& state, int64_t index)
{
    static const char* const s_names[] = {"LZRW1A", "LZRW2", "LZRW3", "LZRW3A"};
    state.SetLabel(s_names[index]);
}

std::vector<uint8_t> Pack(CompressAction action, const std::vector<uint8_t>& input)
{
    std::vector<uint8_t> work(65536);
    std::vector<uint8_t> packed(input.size() + LZRW_COMPRESS_SLACK);
    uint32_t length = 0;
    action(COMPRESS_ACTION_COMPRESS, work.data(), input.data(), uint32_t(input.size()), packed.data(),
           &length);
    packed.resize(length);
    return packed;
}

void BM_Memcpy(benchmark::State& state)
{
    const std::vector<uint8_t>& input = Corpus();
    std::vector<uint8_t> out(input.size());
    for (auto _ : state)
    {
        std::memcpy(out.data(), input.data(), input.size());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(input.size()));
}

void BM_Compress(benchmark::State& state)
{
    const std::vector<uint8_t>& input = Corpus();
    const CompressAction action = ActionOf(state.range(0));
    SetName(state, state.range(0));
    std::vector<uint8_t> work(65536);
    std::vector<uint8_t> packed(input.size() + LZRW_COMPRESS_SLACK);
    uint32_t length = 0;
    for (auto _ : state)
    {
        action(COMPRESS_ACTION_COMPRESS, work.data(), input.data(), uint32_t(input.size()), packed.data(),
               &length);
        benchmark::DoNotOptimize(packed.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(input.size()));
    state.counters["ratio"] = double(length) / double(input.size());
}

void BM_Decompress(benchmark::State& state)
{
    const std::vector<uint8_t>& input = Corpus();
    const CompressAction action = ActionOf(state.range(0));
    SetName(state, state.range(0));
    const std::vector<uint8_t> packed = Pack(action, input);
    std::vector<uint8_t> work(65536);
    std::vector<uint8_t> out(input.size());
    uint32_t length = 0;
    for (auto _ : state)
    {
        length = uint32_t(out.size());
        action(COMPRESS_ACTION_DECOMPRESS, work.data(), packed.data(), uint32_t(packed.size()), out.data(),
               &length);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    if (length != input.size() || std::memcmp(out.data(), input.data(), input.size()) != 0)
        state.SkipWithError("unpacked bytes differ from the input");
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(input.size()));
    state.counters["ratio"] = double(packed.size()) / double(input.size());
}
} // namespace

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Compress)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decompress)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
