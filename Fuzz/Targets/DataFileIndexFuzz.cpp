// Fuzz target "datafileindex": bytes as the start of a data file.
//
// The index is either refused with a reason or describes entries that all
// lie inside the file, each found again by its own name.
#include "FuzzTarget.h"
#include "MemoryFile.h"

#include "WinCE/Assert.h"
#include "WinCE/DataFileIndex.h"

#include <string>

void fuzz_targets::RunDataFileIndex(const uint8_t* data, size_t size)
{
    MemoryFile file(data, size);
    DataFileIndex index;
    std::string error;
    if (!index.Read(file, &error))
    {
        ASSERT(!error.empty() && "a refused index must say why");
        return;
    }
    ASSERT(index.GetIndexEnd() <= size && "the index ends past the file");
    for (const auto& [name, entry] : index.Entries())
    {
        ASSERT(uint64_t(entry.offset) + entry.size <= size && "an entry lies outside the file");
        DataFileIndex::Entry found{};
        ASSERT(index.Find(name, &found) && found.offset == entry.offset && found.size == entry.size);
        const std::string shown = DataFileIndex::Printable(name);
        ASSERT(shown.size() <= 64 * 4 + 3 && "a shown name is cut after 64 characters");
    }
}
