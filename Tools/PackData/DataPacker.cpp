#include "PackData/DataPacker.h"

#include "Common/Compression/Compressor.h"
#include "WinCE/DataFileIndex.h"
#include "WinCE/FileIO.h"
#include "WinCE/VFileResource.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
void PutLittle32(std::vector<uint8_t>& out, size_t at, uint32_t value)
{
    out[at] = static_cast<uint8_t>(value);
    out[at + 1] = static_cast<uint8_t>(value >> 8);
    out[at + 2] = static_cast<uint8_t>(value >> 16);
    out[at + 3] = static_cast<uint8_t>(value >> 24);
}

uint32_t ReadLittle32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

bool StartsWithPackedId(const std::vector<uint8_t>& bytes)
{
    return bytes.size() > 8 && ReadLittle32(bytes.data()) == VFileResource::PACKED_ID;
}

bool ReadWholeFile(const fs::path& path, std::vector<uint8_t>* bytes, std::string* error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        *error = "cannot read " + path.string();
        return false;
    }
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
    {
        *error = "cannot read " + path.string();
        return false;
    }
    return true;
}

// The largest data file the index can address: entry sizes are signed.
constexpr uint64_t MAX_FILE_SIZE = 0x7FFFFFFFu;
} // namespace

bool DataPacker::WantsPacking(const std::string& name)
{
    if (name.size() < 4)
        return false;
    std::string extension = name.substr(name.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".bmp";
}

bool DataPacker::AddEntry(const std::string& name, std::vector<uint8_t> bytes, const std::string& source,
                          std::string* error)
{
    if (name.empty() || name.find('\0') != std::string::npos)
    {
        *error = "unusable entry name for " + source;
        return false;
    }
    for (const Input& input : _inputs)
    {
        if (input.name == name)
        {
            *error = "two files are named \"" + name + "\": " + input.source + " and " + source;
            return false;
        }
    }
    _inputs.push_back(Input{name, source, std::move(bytes)});
    return true;
}

bool DataPacker::AddFolder(const std::string& folder, std::string* error)
{
    std::error_code code;
    if (!fs::is_directory(folder, code))
    {
        *error = "no such folder: " + folder;
        return false;
    }
    // Sorted so that messages about duplicates do not depend on the order
    // in which the file system lists the files.
    std::vector<fs::path> files;
    for (fs::recursive_directory_iterator it(folder, code), end; !code && it != end; it.increment(code))
    {
        const std::string leaf = it->path().filename().string();
        if (!leaf.empty() && leaf[0] == '.')
        {
            if (it->is_directory(code))
                it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file(code))
            files.push_back(it->path());
    }
    if (code)
    {
        *error = "cannot list " + folder + ": " + code.message();
        return false;
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files)
    {
        std::vector<uint8_t> bytes;
        if (!ReadWholeFile(file, &bytes, error) || !AddEntry(file.filename().string(), std::move(bytes), file.string(), error))
            return false;
    }
    return true;
}

bool DataPacker::Build(std::vector<uint8_t>* file, std::string* error) const
{
    std::vector<const Input*> sorted;
    for (const Input& input : _inputs)
        sorted.push_back(&input);
    std::sort(sorted.begin(), sorted.end(), [](const Input* a, const Input* b) { return a->name < b->name; });

    // The stored form of each entry.
    std::vector<std::vector<uint8_t>> stored;
    Compressor compressor(LZRW2_ID);
    for (const Input* input : sorted)
    {
        const bool mustPack = StartsWithPackedId(input->bytes);
        if ((mustPack || WantsPacking(input->name)) && !input->bytes.empty() && input->bytes.size() <= MAX_FILE_SIZE)
        {
            int32_t packedSize = 0;
            std::unique_ptr<uint8_t[]> packed(compressor.Compress(
                input->bytes.data(), static_cast<int32_t>(input->bytes.size()), &packedSize));
            if (packed && (mustPack || static_cast<size_t>(packedSize) < input->bytes.size()))
            {
                stored.emplace_back(packed.get(), packed.get() + packedSize);
                continue;
            }
        }
        stored.push_back(input->bytes);
    }

    uint64_t indexSize = 1;
    for (const Input* input : sorted)
        indexSize += input->name.size() + 1 + 8;
    uint64_t total = indexSize;
    for (const std::vector<uint8_t>& bytes : stored)
        total += bytes.size();
    if (total > MAX_FILE_SIZE)
    {
        *error = "the data file would be larger than 2 GiB";
        return false;
    }

    file->assign(static_cast<size_t>(total), 0);
    size_t at = 0;
    uint32_t offset = static_cast<uint32_t>(indexSize);
    for (size_t i = 0; i < sorted.size(); ++i)
    {
        std::copy(sorted[i]->name.begin(), sorted[i]->name.end(), file->begin() + static_cast<ptrdiff_t>(at));
        at += sorted[i]->name.size() + 1;
        PutLittle32(*file, at, offset);
        PutLittle32(*file, at + 4, static_cast<uint32_t>(stored[i].size()));
        at += 8;
        std::copy(stored[i].begin(), stored[i].end(), file->begin() + offset);
        offset += static_cast<uint32_t>(stored[i].size());
    }
    return true;
}

bool DataPacker::Write(const std::string& path, std::string* error) const
{
    std::vector<uint8_t> bytes;
    if (!Build(&bytes, error))
        return false;
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out)
        {
            std::remove(temporary.c_str());
            *error = "cannot write " + temporary;
            return false;
        }
    }
    std::error_code code;
    fs::rename(temporary, path, code);
    if (code)
    {
        std::remove(temporary.c_str());
        *error = "cannot replace " + path + ": " + code.message();
        return false;
    }
    return true;
}

bool DataPacker::List(const std::string& path, std::ostream& out, std::string* error)
{
    FileIO file(path, OPEN_EXISTING, GENERIC_READ, FILE_SHARE_READ);
    if (!file.IsOpen())
    {
        *error = "cannot open " + path + ": " + file.GetOpenError();
        return false;
    }
    DataFileIndex index;
    std::string reason;
    if (!index.Read(file, &reason))
    {
        *error = path + ": " + reason;
        return false;
    }
    Compressor compressor(LZRW2_ID);
    bool sound = true;
    for (const auto& [name, entry] : index.Entries())
    {
        std::vector<uint8_t> bytes(entry.size);
        file.Seek(static_cast<int32_t>(entry.offset), FILE_BEGIN);
        if (file.Read(bytes.data(), static_cast<int32_t>(bytes.size())) != static_cast<int32_t>(bytes.size()))
        {
            *error = path + ": cannot read the entry \"" + DataFileIndex::Printable(name) + "\"";
            return false;
        }
        uint64_t unpacked = entry.size;
        const char* kind = "plain";
        if (StartsWithPackedId(bytes))
        {
            int32_t size = 0;
            std::unique_ptr<uint8_t[]> data(
                compressor.Decompress(bytes.data(), static_cast<int32_t>(bytes.size()), &size));
            if (data && static_cast<uint32_t>(size) == ReadLittle32(bytes.data() + 4))
            {
                unpacked = static_cast<uint32_t>(size);
                kind = "packed";
            }
            else
            {
                unpacked = ReadLittle32(bytes.data() + 4);
                kind = "damaged";
                if (sound)
                    *error = path + ": the packed entry \"" + DataFileIndex::Printable(name) + "\" does not unpack";
                sound = false;
            }
        }
        out << name << '\t' << entry.offset << '\t' << entry.size << '\t' << unpacked << '\t' << kind << '\n';
    }
    return sound;
}
