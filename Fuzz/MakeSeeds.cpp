// fuzz-seeds: writes the seed corpora of the fuzz targets.
//
//   fuzz-seeds OUTPUT-FOLDER DATA-FILE
//
// Every seed is a small, valid input of its target, so that fuzzing starts
// from the shapes the readers accept and mutates from there. The files in
// Fuzz/corpus were written by this program; run it again after a format
// changes and commit what it writes.
#include "Common/Backend/GameState.h"
#include "Common/Compression/Compressor.h"
#include "Common/Compression/LzrwCommon.h"
#include "SkyreachSim/ScriptReader.h"
#include "SkyreachSim/SimCommands.h"
#include "SkyreachSim/SimOutput.h"
#include "SkyreachSim/SimSession.h"
#include "WinCE/BmpBuilder.h"
#include "Wkrimp/Config/ConfigBlock.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

fs::path s_output;
int s_written = 0;

void Write(const std::string& target, const std::string& name, const Bytes& bytes)
{
    const fs::path folder = s_output / target;
    fs::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
    {
        std::fprintf(stderr, "fuzz-seeds: cannot write %s\n", (folder / name).c_str());
        std::exit(1);
    }
    ++s_written;
}

Bytes Text(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

void ConfigBlockSeeds()
{
    ConfigBlock values;
    values.Put("_byte", uint8_t(7));
    values.Put("_word", int32_t(-12345));
    values.Put("_wide", int64_t(5000000000LL));
    values.PutString("_name", "Seed Air");
    Write("configblock", "values", values.GetRaw());

    ConfigBlock inner;
    inner.Put("_year", int32_t(1959));
    ConfigBlock middle;
    middle.PutBlock("Inner", inner);
    middle.Put("_count", int32_t(2));
    ConfigBlock outer;
    outer.PutBlock("Middle", middle);
    outer.PutBlock("Empty", ConfigBlock());
    Write("configblock", "nested", outer.GetRaw());
}

// Plays a script of skyreach-sim commands and returns the saved game.
Bytes PlayAndSave(const std::string& dataFile, const std::string& script)
{
    FILE* silent = std::fopen("/dev/null", "w");
    Bytes saved;
    {
        SimOutput output(silent, false);
        SimSession session(output, 1);
        std::string error;
        if (!session.LoadWorld(dataFile, &error))
        {
            std::fprintf(stderr, "fuzz-seeds: %s\n", error.c_str());
            std::exit(1);
        }
        SimCommands commands(session);
        std::istringstream in(script);
        ScriptReader reader(in);
        ScriptReader::Command command;
        while (reader.Next(command))
            commands.Execute(command);
        saved = GameState::SaveBytes();
    }
    std::fclose(silent);
    return saved;
}

void SavedGameSeeds(const std::string& dataFile)
{
    Write("savedgame", "three-days", PlayAndSave(dataFile, "new \"Seed Air\" 7\nrun 3\n"));
    Write("savedgame", "two-routes",
          PlayAndSave(dataFile, "new \"Route Air\" 7\ncash 100000000\nresearch 0\nresearch 7\n"
                                "buy 14\nroute 1 7 13 1 1\nbuy 14\nroute 2 0 28 1 1\nrun 40\n"));
}

// A data file of named entries: the index, its end mark, then the bytes.
Bytes DataFile(const std::vector<std::pair<std::string, Bytes>>& entries)
{
    size_t indexSize = 1;
    for (const auto& entry : entries)
        indexSize += entry.first.size() + 1 + 8;
    Bytes index;
    Bytes contents;
    for (const auto& [name, bytes] : entries)
    {
        index.insert(index.end(), name.begin(), name.end());
        index.push_back(0);
        const uint32_t offset = uint32_t(indexSize + contents.size());
        for (uint32_t value : {offset, uint32_t(bytes.size())})
            for (int i = 0; i < 4; ++i)
                index.push_back(uint8_t(value >> (8 * i)));
        contents.insert(contents.end(), bytes.begin(), bytes.end());
    }
    index.push_back(0);
    index.insert(index.end(), contents.begin(), contents.end());
    return index;
}

void DataFileIndexSeeds()
{
    Write("datafileindex", "three-entries",
          DataFile({{"airports_rsc", Text("airports")}, {"font.fmc", Text("metrics")}, {"empty", {}}}));
    Write("datafileindex", "one-entry", DataFile({{"help1_rsc", Text("<p>help</p>")}}));
    Write("datafileindex", "no-entries", DataFile({}));
}

void DibFileSeeds()
{
    const auto pattern = [](int32_t x, int32_t y) { return uint32_t((x * 7 + y * 3) & 1); };
    const auto colours = [](int32_t x, int32_t y) { return uint32_t(x * 40 + y * 0x2000 + 0x100000); };
    Write("dibfile", "mono-9x3", bmp_test::MakeBmp(9, 3, 1, {0x000000, 0xFFFFFF}, pattern));
    Write("dibfile", "palette-5x4",
          bmp_test::MakeBmp(5, 4, 8, {0x000080, 0x00FF00, 0xFF0000}, [](int32_t x, int32_t y) {
              return uint32_t((x + y) % 3);
          }));
    Write("dibfile", "rgb-3x2", bmp_test::MakeBmp(3, 2, 24, {}, colours));
    Write("dibfile", "rgbx-2x2", bmp_test::MakeBmp(2, 2, 32, {}, colours));
}

void FontMetricsSeeds(const fs::path& fonts)
{
    for (const auto& file : fs::directory_iterator(fonts))
    {
        if (file.path().extension() != ".fmc")
            continue;
        std::ifstream in(file.path(), std::ios::binary);
        const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        Write("fontmetrics", file.path().filename().string(), bytes);
    }
}

// The room (two bytes) and an algorithm's block, as the LZRW targets read them.
void LzrwSeeds()
{
    const char* names[] = {"lzrw1a", "lzrw2", "lzrw3", "lzrw3a"};
    const std::string texts[] = {
        "Jet Warden", "abababababababababababababababab",
        "The airline flies from 1959 to 2003. The airline flies again, and again, and again."};
    const CompressAction* algorithms = Compressor::Algorithms();
    for (int a = 0; algorithms[a]; ++a)
    {
        const CompressIdentity* identity = nullptr;
        algorithms[a](COMPRESS_ACTION_IDENTITY, nullptr, nullptr, 0, nullptr,
                      reinterpret_cast<uint32_t*>(&identity));
        std::vector<uint8_t> work(identity->memory);
        for (size_t t = 0; t < std::size(texts); ++t)
        {
            const Bytes plain = Text(texts[t]);
            Bytes block(plain.size() + LZRW_COMPRESS_SLACK + 2);
            uint32_t length = 0;
            algorithms[a](COMPRESS_ACTION_COMPRESS, work.data(), plain.data(), uint32_t(plain.size()),
                          block.data() + 2, &length);
            block.resize(length + 2);
            block[0] = uint8_t(plain.size());
            block[1] = uint8_t(plain.size() >> 8);
            Write(names[a], "text-" + std::to_string(t), block);
        }
    }
}

// The shipped tables, as the world-tables target reads them: the length of
// the models table, the models, then the airports.
void WorldTableSeeds(const fs::path& entries)
{
    const auto read = [&](const char* name)
    {
        std::ifstream in(entries / name, std::ios::binary);
        return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    };
    const Bytes models = read("planemodels_rsc");
    const Bytes airports = read("airports_rsc");
    Bytes seed(4);
    for (int i = 0; i < 4; ++i)
        seed[i] = uint8_t(models.size() >> (8 * i));
    seed.insert(seed.end(), models.begin(), models.end());
    seed.insert(seed.end(), airports.begin(), airports.end());
    Write("worldtables", "shipped", seed);
}

void SetupIniSeeds()
{
    Write("setupini", "package",
          Text("[CEAppManager]\r\nVersion = 1.0\r\nComponent = Jet Warden\r\n\r\n[Jet Warden]\r\n"
               "Description = Airline business game\r\nUninstall = Jet Warden\r\n"
               "CabFiles = JetWarden.ARM.CAB,JetWarden.MIPS.CAB\r\n"));
    Write("setupini", "bare", Text("component=Game\nuninstall=Game\ncabfiles=Game.cab\n"));
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: fuzz-seeds OUTPUT-FOLDER DATA-FILE\n");
        return 2;
    }
    s_output = argv[1];
    ConfigBlockSeeds();
    SavedGameSeeds(argv[2]);
    DataFileIndexSeeds();
    DibFileSeeds();
    FontMetricsSeeds(fs::path(SKYREACH_SOURCE_DIR) / "Data" / "Fonts");
    LzrwSeeds();
    SetupIniSeeds();
    WorldTableSeeds(fs::path(SKYREACH_SOURCE_DIR) / "Data" / "Entries");
    std::printf("fuzz-seeds: %d seeds written to %s\n", s_written, argv[1]);
    return 0;
}
