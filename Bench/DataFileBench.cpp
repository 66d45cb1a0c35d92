// Opening the data file: reading and checking an index of 300 entries, the
// size of the game's own data file. Target: under 2 ms. The baseline copies
// the index's bytes with memcpy in the same run, for scale.
#include "WinCE/DataFile.h"
#include "WinCE/VirtualFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
constexpr int ENTRIES = 300;

struct BenchFile
{
    std::string path;
    size_t indexSize = 0;

    BenchFile()
    {
        char folder[] = "/tmp/skyreach-bench-XXXXXX";
        path = std::string(mkdtemp(folder)) + "/Skyreach.dat";
        std::vector<std::string> names;
        for (int i = 0; i < ENTRIES; ++i)
        {
            char name[48];
            std::snprintf(name, sizeof name, i % 3 ? "sr_Screen_part_%03d.bmp" : "help%d_rsc", i);
            names.push_back(name);
        }
        indexSize = 1;
        for (const std::string& name : names)
            indexSize += name.size() + 9;
        std::vector<uint8_t> bytes;
        uint32_t offset = static_cast<uint32_t>(indexSize);
        const uint32_t entrySize = 2048;
        for (const std::string& name : names)
        {
            bytes.insert(bytes.end(), name.begin(), name.end());
            bytes.push_back(0);
            for (uint32_t value : {offset, entrySize})
                for (int b = 0; b < 4; ++b)
                    bytes.push_back(static_cast<uint8_t>(value >> (8 * b)));
            offset += entrySize;
        }
        bytes.push_back(0);
        bytes.resize(offset, 0x5A);
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
    }
    ~BenchFile() { std::filesystem::remove_all(std::filesystem::path(path).parent_path()); }
};

const BenchFile& File()
{
    static const BenchFile file;
    return file;
}

void BM_DataFileOpen300Entries(benchmark::State& state)
{
    const BenchFile& file = File();
    for (auto _ : state)
    {
        DataFile data(file.path);
        if (!data.IsOpen() || data.GetIndex().Entries().size() != ENTRIES)
            state.SkipWithError("the bench data file did not open");
        benchmark::DoNotOptimize(&data);
    }
}
BENCHMARK(BM_DataFileOpen300Entries)->Unit(benchmark::kMicrosecond);

void BM_DataFileOpenMemcpyBaseline(benchmark::State& state)
{
    const size_t size = File().indexSize;
    std::vector<uint8_t> from(size, 1);
    std::vector<uint8_t> to(size);
    for (auto _ : state)
    {
        std::memcpy(to.data(), from.data(), size);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}
BENCHMARK(BM_DataFileOpenMemcpyBaseline)->Unit(benchmark::kMicrosecond);

void BM_VirtualFileLookupAndRead(benchmark::State& state)
{
    DataFile::UseFile(File().path);
    char buffer[64];
    int i = 0;
    for (auto _ : state)
    {
        char name[48];
        std::snprintf(name, sizeof name, "sr_Screen_part_%03d.bmp", 1 + 3 * (i++ % 99));
        VirtualFile entry(name);
        benchmark::DoNotOptimize(entry.Read(buffer, sizeof buffer));
    }
    DataFile::Destroy();
}
BENCHMARK(BM_VirtualFileLookupAndRead)->Unit(benchmark::kMicrosecond);
} // namespace
