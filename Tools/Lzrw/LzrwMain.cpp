// lzrw: packs and unpacks files in the Compressor's block format (an 8-byte
// header - algorithm identifier and unpacked size - then the algorithm's
// output), the format of compressed data-file entries.
//
//   lzrw c ALGO IN OUT   pack IN with LZRW1A, LZRW2, LZRW3 or LZRW3A
//   lzrw d IN OUT        unpack, choosing the algorithm by the header
//   lzrw info IN         show the header and check that the block unpacks
//
// Any problem is reported in one line naming it, with exit status 1.
#include "Common/Compression/Compressor.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <strings.h>
#include <vector>

namespace
{
// Blocks store sizes in 32 bits; a gigabyte keeps well clear of that.
constexpr size_t MAX_FILE_SIZE = size_t(1) << 30;

const char* const USAGE = "usage: lzrw c LZRW1A|LZRW2|LZRW3|LZRW3A IN OUT | lzrw d IN OUT | lzrw info IN";

int Fail(const std::string& message)
{
    std::fprintf(stderr, "lzrw: %s\n", message.c_str());
    return 1;
}

bool ReadWhole(const char* path, std::vector<uint8_t>* data, std::string* problem)
{
    FILE* file = std::fopen(path, "rb");
    if (!file)
    {
        *problem = std::string("cannot open '") + path + "': " + std::strerror(errno);
        return false;
    }
    uint8_t buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
    {
        data->insert(data->end(), buffer, buffer + got);
        if (data->size() > MAX_FILE_SIZE)
        {
            std::fclose(file);
            *problem = std::string("'") + path + "' is too large (blocks hold at most 1 GB)";
            return false;
        }
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
    {
        *problem = std::string("cannot read '") + path + "'";
        return false;
    }
    return true;
}

bool WriteWhole(const char* path, const uint8_t* data, size_t size, std::string* problem)
{
    FILE* file = std::fopen(path, "wb");
    if (!file)
    {
        *problem = std::string("cannot create '") + path + "': " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(data, 1, size, file) == size;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed)
    {
        *problem = std::string("cannot write '") + path + "'";
        std::remove(path);
        return false;
    }
    return true;
}

// Accepts the names with or without the dash and in any case.
bool AlgorithmByName(const char* name, uint32_t* id)
{
    std::string plain;
    for (const char* c = name; *c; ++c)
        if (*c != '-')
            plain += *c;
    const struct
    {
        const char* name;
        uint32_t id;
    } names[] = {{"LZRW1A", LZRW1A_ID}, {"LZRW2", LZRW2_ID}, {"LZRW3", LZRW3_ID}, {"LZRW3A", LZRW3A_ID}};
    for (const auto& entry : names)
    {
        if (strcasecmp(plain.c_str(), entry.name) == 0)
        {
            *id = entry.id;
            return true;
        }
    }
    return false;
}

// Reads a block and checks its header; the unpacked bytes go to *unpacked.
bool Unpack(const char* path, const std::vector<uint8_t>& block, const CompressIdentity** identity,
            std::unique_ptr<uint8_t[]>* unpacked, int32_t* unpackedSize, std::string* problem)
{
    uint32_t id = 0;
    int32_t claimed = 0;
    if (!Compressor::ReadHeader(block.data(), int32_t(block.size()), &id, &claimed))
    {
        *problem = std::string("'") + path + "' is not a compressed block: " + std::to_string(block.size()) +
                   " bytes, a block has an 8-byte header and data";
        return false;
    }
    *identity = Compressor::FindIdentity(id);
    if (!*identity)
    {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%08X", id);
        *problem = std::string("'") + path + "' has an unknown algorithm identifier " + hex;
        return false;
    }
    if (claimed <= 0)
    {
        *problem = std::string("'") + path + "' has an invalid unpacked size " + std::to_string(claimed);
        return false;
    }
    Compressor compressor(id);
    unpacked->reset(compressor.Decompress(block.data(), int32_t(block.size()), unpackedSize));
    if (!*unpacked)
    {
        *problem = std::string("'") + path + "' is damaged: its " + (*identity)->name +
                   " data does not unpack to " + std::to_string(claimed) + " bytes";
        return false;
    }
    return true;
}

int Pack(const char* algorithm, const char* in, const char* out)
{
    uint32_t id = 0;
    if (!AlgorithmByName(algorithm, &id))
        return Fail(std::string("unknown algorithm '") + algorithm +
                    "' (use LZRW1A, LZRW2, LZRW3 or LZRW3A)");
    std::vector<uint8_t> input;
    std::string problem;
    if (!ReadWhole(in, &input, &problem))
        return Fail(problem);
    if (input.empty())
        return Fail(std::string("'") + in + "' is empty; there is nothing to compress");
    Compressor compressor(id);
    int32_t size = 0;
    std::unique_ptr<uint8_t[]> block(compressor.Compress(input.data(), int32_t(input.size()), &size));
    if (!WriteWhole(out, block.get(), size_t(size), &problem))
        return Fail(problem);
    return 0;
}

int UnpackFile(const char* in, const char* out)
{
    std::vector<uint8_t> block;
    std::string problem;
    if (!ReadWhole(in, &block, &problem))
        return Fail(problem);
    const CompressIdentity* identity = nullptr;
    std::unique_ptr<uint8_t[]> unpacked;
    int32_t size = 0;
    if (!Unpack(in, block, &identity, &unpacked, &size, &problem))
        return Fail(problem);
    if (!WriteWhole(out, unpacked.get(), size_t(size), &problem))
        return Fail(problem);
    return 0;
}

int Info(const char* in)
{
    std::vector<uint8_t> block;
    std::string problem;
    if (!ReadWhole(in, &block, &problem))
        return Fail(problem);
    const CompressIdentity* identity = nullptr;
    std::unique_ptr<uint8_t[]> unpacked;
    int32_t size = 0;
    if (!Unpack(in, block, &identity, &unpacked, &size, &problem))
        return Fail(problem);
    const bool stored = block[Compressor::HEADER_SIZE] == 1;
    std::printf("%s\n", in);
    std::printf("  algorithm:     %s (identifier 0x%08X)\n", identity->name, identity->id);
    std::printf("  unpacked size: %d bytes\n", size);
    std::printf("  block size:    %zu bytes (%.1f%% of unpacked)\n", block.size(),
                100.0 * double(block.size()) / double(size));
    std::printf("  form:          %s\n", stored ? "stored (did not shrink)" : "compressed");
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && std::strcmp(argv[1], "c") == 0)
        return Pack(argv[2], argv[3], argv[4]);
    if (argc == 4 && std::strcmp(argv[1], "d") == 0)
        return UnpackFile(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(argv[1], "info") == 0)
        return Info(argv[2]);
    return Fail(USAGE);
}
