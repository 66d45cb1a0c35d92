// FuzzTarget: one reader of outside bytes, wrapped so that libFuzzer, the
// corpus regression tests and the seed writer all drive it the same way.
//
// Every target takes arbitrary bytes and feeds them to one of the game's
// readers (a saved game, the data-file index, the world tables, a bitmap,
// font metrics, an LZRW block, Setup.ini). A target never returns an error: bad input must be
// refused by the reader itself, with a message or a fatal error that the
// player may answer with Retry. While a target runs, fatal errors are
// answered with Retry and counted, so that the code after them is exercised
// too; a failed assertion is one of our own bugs and aborts, which libFuzzer
// reports as a crash.
//
// The fuzz programs (fuzz-NAME, built by `make fuzz`) each run one target;
// the test program runs every file of Fuzz/corpus/NAME and
// Fuzz/regressions/NAME through the same target in the normal build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct FuzzTarget
{
    // The target's name: fuzz-NAME is its program, Fuzz/corpus/NAME its seeds.
    const char* name;
    // Sets up what every input needs (data file, world tables); called once.
    void (*setup)();
    // Runs one input.
    void (*run)(const uint8_t* data, size_t size);

    // Every target, in a fixed order.
    static const std::vector<FuzzTarget>& All();
    // The named target, or null.
    static const FuzzTarget* Find(const std::string& name);

    // Runs setup (once per process) and then the input, with fatal errors
    // answered by Retry. Returns the number of fatal errors the input raised.
    int RunOne(const uint8_t* data, size_t size) const;

    // The data file the saved-game target loads its world tables from; set by
    // the program or test before the first setup.
    static void UseDataFile(const std::string& path);
    static const std::string& DataFilePath();
};

// The targets, one function pair per reader (Fuzz/Targets/*.cpp).
namespace fuzz_targets
{
void RunConfigBlock(const uint8_t* data, size_t size);
void SetUpSavedGame();
void RunSavedGame(const uint8_t* data, size_t size);
void RunDataFileIndex(const uint8_t* data, size_t size);
void RunDibFile(const uint8_t* data, size_t size);
void RunFontMetrics(const uint8_t* data, size_t size);
void RunLzrw1a(const uint8_t* data, size_t size);
void RunLzrw2(const uint8_t* data, size_t size);
void RunLzrw3(const uint8_t* data, size_t size);
void RunLzrw3a(const uint8_t* data, size_t size);
void RunSetupIni(const uint8_t* data, size_t size);
void SetUpWorldTables();
void RunWorldTables(const uint8_t* data, size_t size);
} // namespace fuzz_targets
