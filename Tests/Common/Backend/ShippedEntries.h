// The entries of the data file as they lie in Data/Entries, for tests that
// build the world from the shipped tables without packing a data file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// The bytes of Data/Entries/NAME; empty when the file is missing.
inline std::vector<uint8_t> ReadShippedEntry(const char* name)
{
    const std::string path = std::string(SKYREACH_SOURCE_DIR) + "/Data/Entries/" + name;
    std::vector<uint8_t> bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb"))
    {
        uint8_t buffer[4096];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof(buffer), file)) > 0)
            bytes.insert(bytes.end(), buffer, buffer + n);
        std::fclose(file);
    }
    return bytes;
}
