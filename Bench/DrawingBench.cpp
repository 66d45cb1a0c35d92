// Drawing costs at the device screen's game area (240 x 268 pixels): a
// masked full-screen blit, a full-screen fill and the first draw of a packed
// screen bitmap (unpack, decode, surface, blit; from memory and from a data
// file on disk), each next to a memcpy of the same pixels as the baseline of
// this machine.
#include "Common/Compression/Compressor.h"
#include "WinCE/Bitmap.h"
#include "WinCE/DIBFile.h"
#include "WinCE/DataFile.h"
#include "WinCE/MaskedBitmap.h"
#include "WinCE/OffscreenWindow.h"

#include "BenchWorld.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace
{
constexpr int16_t SCREEN_W = 240;
constexpr int16_t SCREEN_H = 268;
constexpr size_t SCREEN_BYTES = size_t(SCREEN_W) * SCREEN_H * sizeof(uint32_t);

void CountBytes(benchmark::State& state)
{
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(SCREEN_BYTES));
}

void BM_MemcpyScreen(benchmark::State& state)
{
    std::vector<uint32_t> from(SCREEN_BYTES / 4, 0x123456), to(SCREEN_BYTES / 4);
    for (auto _ : state)
    {
        std::memcpy(to.data(), from.data(), SCREEN_BYTES);
        benchmark::ClobberMemory();
    }
    CountBytes(state);
}
BENCHMARK(BM_MemcpyScreen);

void BM_MaskedBlitScreen(benchmark::State& state)
{
    auto* image = new OffscreenWindow(SCREEN_W, SCREEN_H);
    auto* mask = new OffscreenWindow(SCREEN_W, SCREEN_H);
    for (int32_t y = 0; y < SCREEN_H; ++y)
    {
        for (int32_t x = 0; x < SCREEN_W; ++x)
        {
            image->GetDC()->SetPixel(x, y, RGB(x, y, x ^ y));
            mask->GetDC()->SetPixel(x, y, ((x / 7 + y / 5) % 3) ? COLOR_BLACK : COLOR_WHITE);
        }
    }
    MaskedBitmap sprite(image, mask);
    OffscreenWindow screen(SCREEN_W, SCREEN_H);
    screen.GetDC()->Clear(RGB(10, 90, 200));
    for (auto _ : state)
    {
        sprite.Draw(&screen, 0, 0, SRCCOPY);
        benchmark::ClobberMemory();
    }
    CountBytes(state);
}
BENCHMARK(BM_MaskedBlitScreen);

void BM_FillScreen(benchmark::State& state)
{
    OffscreenWindow screen(SCREEN_W, SCREEN_H);
    screen.SetBrushColor(RGB(0, 40, 120));
    for (auto _ : state)
    {
        // Extent one larger than the screen: FillRect draws without a pen.
        screen.FillRect(Rect{{0, 0}, {SCREEN_W + 1, SCREEN_H + 1}}, 0);
        benchmark::ClobberMemory();
    }
    CountBytes(state);
}
BENCHMARK(BM_FillScreen);

void BM_FillScreenRounded(benchmark::State& state)
{
    OffscreenWindow screen(SCREEN_W, SCREEN_H);
    for (auto _ : state)
    {
        screen.FillRectWhite(Rect{{0, 0}, {SCREEN_W, SCREEN_H}}, 8);
        benchmark::ClobberMemory();
    }
    CountBytes(state);
}
BENCHMARK(BM_FillScreenRounded);

// A full-screen bitmap of the game's data, packed with LZRW2 as the data file
// stores it.
std::vector<uint8_t> PackedScreenBitmap(benchmark::State& state)
{
    const std::string path = std::string(SKYREACH_DATA_DIR) + "/Bitmaps/sr_MainMenu_screen.bmp";
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> plain((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (plain.empty())
    {
        state.SkipWithError(("cannot read " + path).c_str());
        return {};
    }
    Compressor lzrw2(LZRW2_ID);
    int32_t packedSize = 0;
    std::unique_ptr<uint8_t[]> packed(lzrw2.Compress(plain.data(), int32_t(plain.size()), &packedSize));
    state.counters["packed_bytes"] = packedSize;
    state.counters["plain_bytes"] = double(plain.size());
    return std::vector<uint8_t>(packed.get(), packed.get() + packedSize);
}

void BM_FirstDrawPackedScreenBitmap(benchmark::State& state)
{
    const std::vector<uint8_t> packed = PackedScreenBitmap(state);
    if (packed.empty())
        return;
    Compressor lzrw2(LZRW2_ID);
    OffscreenWindow screen(SCREEN_W, SCREEN_H);
    for (auto _ : state)
    {
        int32_t size = 0;
        std::unique_ptr<uint8_t[]> plain(lzrw2.Decompress(packed.data(), int32_t(packed.size()), &size));
        const DIBFile dib("sr_MainMenu_screen.bmp", plain.get(), size_t(size));
        auto* surface = new OffscreenWindow(int16_t(dib.GetWidth()), int16_t(dib.GetHeight()));
        dib.CopyTo(*surface->GetDC());
        Bitmap bitmap(surface);
        bitmap.Draw(&screen, 0, 0, SRCCOPY);
        benchmark::ClobberMemory();
    }
    CountBytes(state);
}
BENCHMARK(BM_FirstDrawPackedScreenBitmap)->Unit(benchmark::kMicrosecond);
// The same through the game's own path: a packed entry of a data file on
// disk, loaded by name when a Bitmap is made (to learn its size) and again on
// its first draw (to fill the surface).
void BM_FirstDrawFromDataFile(benchmark::State& state)
{
    const std::vector<uint8_t> packed = PackedScreenBitmap(state);
    if (packed.empty())
        return;
    char folder[] = "/tmp/skyreach-drawbench-XXXXXX";
    if (mkdtemp(folder) == nullptr)
    {
        state.SkipWithError("cannot make a temporary folder");
        return;
    }
    const std::string path = std::string(folder) + "/Skyreach.dat";
    {
        const std::vector<uint8_t> file = bench::DataFileBytes({{"sr_MainMenu_screen.bmp", packed}});
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), file.size());
    }
    DataFile::UseFile(path);
    OffscreenWindow screen(SCREEN_W, SCREEN_H);
    for (auto _ : state)
    {
        Bitmap bitmap("sr_MainMenu_screen.bmp");
        bitmap.Draw(&screen, 0, 0, SRCCOPY);
        benchmark::ClobberMemory();
    }
    DataFile::Destroy();
    std::filesystem::remove_all(folder);
    CountBytes(state);
}
BENCHMARK(BM_FirstDrawFromDataFile)->Unit(benchmark::kMicrosecond);
} // namespace
