// Fuzz target "configblock": bytes as a stored block of keys.
//
// Validate decides whether the bytes may be trusted. Bytes it accepts must
// then be readable through every reader without an assertion, come back
// unchanged from GetRaw, and stay valid when entries are written into them:
// a save that loads must also save.
#include "FuzzTarget.h"

#include "WinCE/Assert.h"
#include "Wkrimp/Config/ConfigBlock.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
uint32_t ReadBigEndian(const uint8_t* p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

// Reads every entry of one block through the public readers and queues the
// child blocks found; the walk is a loop so that deep nesting cannot exhaust
// the stack.
void ReadEntries(const ConfigBlock& block, std::vector<ConfigBlock>& pending)
{
    const uint8_t* bytes = block.GetData();
    const size_t size = static_cast<size_t>(block.GetSize());
    size_t offset = 0;
    while (offset < size)
    {
        ASSERT(size - offset > size_t(ConfigBlock::HEADER_SIZE) && "Validate let a cut header through");
        const uint8_t* header = bytes + offset;
        const uint32_t type = ReadBigEndian(header);
        const uint32_t nameLength = ReadBigEndian(header + 4);
        const uint32_t dataLength = ReadBigEndian(header + 8);
        const std::string name(reinterpret_cast<const char*>(header + ConfigBlock::HEADER_SIZE), nameLength);
        offset += ConfigBlock::HEADER_SIZE + size_t(nameLength) + dataLength;

        const uint8_t* found = nullptr;
        int32_t foundLength = -1;
        const bool present = block.FindEntry(name.data(), int32_t(name.size()), found, foundLength);
        ASSERT(present && "an entry of a valid block cannot be found by its own name");
        ASSERT(foundLength >= 0 && found >= bytes && found + foundLength <= bytes + size);

        // Names with a zero byte cannot be asked for through the C-string
        // readers; the rest are read every way the game reads a key.
        if (std::memchr(name.data(), 0, name.size()))
            continue;
        ConfigBlock::LenientReads lenient;
        uint8_t byte = 0;
        int32_t word = 0;
        int64_t wide = 0;
        std::string text;
        block.Get(name.c_str(), byte);
        block.Get(name.c_str(), word);
        block.Get(name.c_str(), wide);
        block.GetString(name.c_str(), text);
        ConfigBlock child;
        if (type == ConfigBlock::BLOCK_ENTRY && block.GetBlock(name.c_str(), child))
            pending.push_back(std::move(child));
    }
}
} // namespace

void fuzz_targets::RunConfigBlock(const uint8_t* data, size_t size)
{
    if (!ConfigBlock::Validate(data, size))
        return;
    ConfigBlock top;
    top.SetRaw(data, size);
    const std::vector<uint8_t> raw = top.GetRaw();
    ASSERT(raw.size() == size && (size == 0 || std::memcmp(raw.data(), data, size) == 0) &&
           "a valid block changed on its way through SetRaw and GetRaw");

    std::vector<ConfigBlock> pending;
    pending.push_back(top);
    // Blocks nest at most one level per twelve bytes, so this bounds the walk.
    for (size_t walked = 0; !pending.empty(); ++walked)
    {
        ASSERT(walked <= size && "more child blocks than the bytes can hold");
        ConfigBlock block = std::move(pending.back());
        pending.pop_back();
        ReadEntries(block, pending);
    }

    // Writing into an accepted block keeps it valid, whether the key is new
    // or replaces one that was there.
    top.Put("_fuzz", int32_t(1));
    top.PutString("_fuzztext", "written after loading");
    ConfigBlock child;
    child.Put("_inner", int64_t(7));
    top.PutBlock("_fuzzblock", child);
    ASSERT(top.IsValid() && "writing into a valid block broke it");
}
