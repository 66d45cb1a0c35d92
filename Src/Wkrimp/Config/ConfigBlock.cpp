#include "Wkrimp/Config/ConfigBlock.h"

#include <limits>
#include <utility>

namespace
{
uint32_t ReadBigEndian(const uint8_t* p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

uint8_t* WriteBigEndian(uint8_t* p, uint32_t value)
{
    p[0] = uint8_t(value >> 24);
    p[1] = uint8_t(value >> 16);
    p[2] = uint8_t(value >> 8);
    p[3] = uint8_t(value);
    return p + 4;
}
int32_t s_lenientDepth = 0;
int32_t s_mangledReads = 0;
} // namespace

ConfigBlock::~ConfigBlock() = default;

ConfigBlock::LenientReads::LenientReads() : _mangledBefore(s_mangledReads)
{
    ++s_lenientDepth;
}

ConfigBlock::LenientReads::~LenientReads()
{
    --s_lenientDepth;
}

int32_t ConfigBlock::LenientReads::Mangled() const
{
    return s_mangledReads - _mangledBefore;
}

void ConfigBlock::ReportMangled()
{
    if (s_lenientDepth > 0)
    {
        ++s_mangledReads;
        return;
    }
    FATAL(true, "Mangled config.");
}

ConfigBlock::ConfigBlock(const ConfigBlock& other)
{
    SetRaw(other.GetData(), static_cast<size_t>(other._size));
}

ConfigBlock& ConfigBlock::operator=(const ConfigBlock& other)
{
    if (this != &other)
        SetRaw(other.GetData(), static_cast<size_t>(other._size));
    return *this;
}

ConfigBlock::ConfigBlock(ConfigBlock&& other) noexcept
    : _data(std::move(other._data)), _size(std::exchange(other._size, 0))
{
}

ConfigBlock& ConfigBlock::operator=(ConfigBlock&& other) noexcept
{
    if (this != &other)
    {
        _data = std::move(other._data);
        _size = std::exchange(other._size, 0);
    }
    return *this;
}

int32_t ConfigBlock::NameLength(const char* name)
{
    // The condition is written as its report names it.
    // clang-format off
    ASSERT(name!=0);
    // clang-format on
    if (name == nullptr)
        return 0;
    const size_t length = std::strlen(name);
    ASSERT(length <= size_t(std::numeric_limits<int32_t>::max()) && "name longer than a block can hold");
    return static_cast<int32_t>(length);
}

void ConfigBlock::PutString(const char* name, const std::string& s)
{
    ASSERT(s.size() <= size_t(std::numeric_limits<int32_t>::max()) && "string longer than a block can hold");
    SetEntry(VALUE_ENTRY, name, NameLength(name), s.data(), static_cast<int32_t>(s.size()));
}

void ConfigBlock::PutBlock(const char* name, const ConfigBlock& child)
{
    SetEntry(BLOCK_ENTRY, name, NameLength(name), child.GetData(), child._size);
}

bool ConfigBlock::GetString(const char* name, std::string& s) const
{
    const uint8_t* data = nullptr;
    int32_t length = 0;
    if (!FindEntry(name, NameLength(name), data, length))
        return false;
    s.assign(reinterpret_cast<const char*>(data), static_cast<size_t>(length));
    return true;
}

bool ConfigBlock::GetBlock(const char* name, ConfigBlock& child) const
{
    const uint8_t* data = nullptr;
    int32_t length = 0;
    const int32_t namelen = NameLength(name);
    if (!FindEntry(name, namelen, data, length))
        return false;
    // Validate vouches for the entries written as child blocks. Lookups do
    // not compare the type, so a damaged save can hold a plain value under a
    // block's name; its bytes are checked before anyone walks them.
    const uint32_t type = ReadBigEndian(data - namelen - HEADER_SIZE);
    if (type != BLOCK_ENTRY && !Validate(data, static_cast<size_t>(length)))
    {
        ReportMangled();
        return false;
    }
    if (&child == this)
    {
        // Reading a block into itself: the source bytes live in the buffer
        // that is about to be replaced.
        const std::vector<uint8_t> copy(data, data + length);
        child.SetRaw(copy);
        return true;
    }
    child.SetRaw(data, static_cast<size_t>(length));
    return true;
}

std::vector<uint8_t> ConfigBlock::GetRaw() const
{
    const uint8_t* data = GetData();
    return _size > 0 ? std::vector<uint8_t>(data, data + _size) : std::vector<uint8_t>();
}

void ConfigBlock::SetRaw(const uint8_t* data, size_t size)
{
    FATAL(size > size_t(std::numeric_limits<int32_t>::max()), "Failed to allocate memory.");
    if (size > size_t(std::numeric_limits<int32_t>::max()))
        return;
    ASSERT(size == 0 || data != nullptr);
    if (size > 0 && data >= GetData() && data < GetData() + _size)
    {
        // The new content is part of the old one: copy it out before the
        // buffer is replaced.
        const std::vector<uint8_t> copy(data, data + size);
        SetRaw(copy.data(), copy.size());
        return;
    }
    _data.Reset(static_cast<int32_t>(size));
    if (size > 0)
        std::memcpy(_data.GetPtr(), data, size);
    _size = _data.GetCapacity();
}

int64_t ConfigBlock::GrownCapacity(int64_t capacity, int64_t needed)
{
    int64_t grown = capacity > 256 ? capacity : 256;
    while (grown < needed)
        grown *= 2;
    if (grown > 16384)
        grown = needed + 1024;
    return grown;
}

bool ConfigBlock::FindEntry(const char* name, int32_t namelen, const uint8_t*& data, int32_t& datalen) const
{
    const uint8_t* b = GetData();
    const uint8_t* e = b + _size;
    while (b < e)
    {
        // The header checks compare remaining lengths, so that nothing is
        // computed or read beyond the end of the buffer; the reports name the
        // conditions in their familiar pointer form.
        if (e - b <= HEADER_SIZE)
        {
            ::AssertionFailed("b+12<e", __FILE__, __LINE__);
            return false;
        }
        const uint64_t s1 = ReadBigEndian(b + 4);
        const uint64_t s2 = ReadBigEndian(b + 8);
        if (uint64_t(e - b) < HEADER_SIZE + s1 + s2)
        {
            ::AssertionFailed("b+s1+s2<=e", __FILE__, __LINE__);
            return false;
        }
        if (s1 == uint64_t(namelen) && std::memcmp(b + HEADER_SIZE, name, s1) == 0)
        {
            data = b + HEADER_SIZE + s1;
            datalen = static_cast<int32_t>(s2);
            return true;
        }
        b += HEADER_SIZE + s1 + s2;
    }
    return false;
}

void ConfigBlock::SetEntry(uint32_t type, const char* name, int32_t namelen, const void* data,
                           int32_t datalen)
{
    // The conditions are written as their reports name them.
    // clang-format off
    ASSERT(namelen>0);
    ASSERT(datalen>=0);
    ASSERT(name!=0);
    ASSERT(datalen==0 || data!=0);
    // clang-format on
    if (namelen <= 0 || datalen < 0 || name == nullptr || (datalen > 0 && data == nullptr))
        return;

    // The data may come from this very block (a value read with FindEntry and
    // written back, or the block put into itself); the removal and the growth
    // below would move it, so take a copy first.
    std::vector<uint8_t> ownCopy;
    const uint8_t* source = static_cast<const uint8_t*>(data);
    if (datalen > 0 && source >= GetData() && source < GetData() + _size)
    {
        ownCopy.assign(source, source + datalen);
        source = ownCopy.data();
    }

    const uint8_t* found = nullptr;
    int32_t foundLength = 0;
    if (FindEntry(name, namelen, found, foundLength))
    {
        uint8_t* entry = _data.GetPtr() + (found - GetData()) - HEADER_SIZE - namelen;
        const int64_t removed = int64_t(HEADER_SIZE) + namelen + foundLength;
        uint8_t* next = entry + removed;
        const int64_t movelen = (_data.GetPtr() + _size) - next;
        // clang-format off
        ASSERT(movelen>=0);
        // clang-format on
        if (movelen > 0)
            std::memmove(entry, next, static_cast<size_t>(movelen));
        _size -= static_cast<int32_t>(removed);
    }

    const int64_t needed = int64_t(_size) + HEADER_SIZE + namelen + datalen;
    FATAL(needed > std::numeric_limits<int32_t>::max(), "Failed to allocate memory.");
    if (needed > std::numeric_limits<int32_t>::max())
        return;
    if (_data.GetCapacity() < needed)
    {
        const int64_t grown = GrownCapacity(_data.GetCapacity(), needed);
        const int64_t limit = std::numeric_limits<int32_t>::max();
        _data.Resize(static_cast<int32_t>(grown < limit ? grown : limit));
    }

    uint8_t* b = _data.GetPtr() + _size;
    b = WriteBigEndian(b, type);
    b = WriteBigEndian(b, static_cast<uint32_t>(namelen));
    b = WriteBigEndian(b, static_cast<uint32_t>(datalen));
    std::memcpy(b, name, static_cast<size_t>(namelen));
    b += namelen;
    if (datalen > 0)
    {
        std::memcpy(b, source, static_cast<size_t>(datalen));
        b += datalen;
    }
    _size = static_cast<int32_t>(needed);
    // clang-format off
    ASSERT(b==_data.GetConstPtrC()+_size);
    // clang-format on
}

bool ConfigBlock::Validate(const uint8_t* data, size_t size)
{
    if (size == 0)
        return true;
    if (data == nullptr)
        return false;
    // The blocks still to walk, kept on an explicit list rather than the call
    // stack, so a hostile file nesting thousands of blocks cannot exhaust it.
    struct Range
    {
        const uint8_t* begin;
        size_t size;
    };
    std::vector<Range> pending{{data, size}};
    while (!pending.empty())
    {
        const Range range = pending.back();
        pending.pop_back();
        size_t offset = 0;
        while (offset < range.size)
        {
            const size_t remaining = range.size - offset;
            if (remaining <= size_t(HEADER_SIZE))
                return false;
            const uint8_t* b = range.begin + offset;
            const uint32_t type = ReadBigEndian(b);
            const uint64_t nameLength = ReadBigEndian(b + 4);
            const uint64_t dataLength = ReadBigEndian(b + 8);
            if (nameLength == 0 || HEADER_SIZE + nameLength + dataLength > remaining)
                return false;
            if (type == BLOCK_ENTRY && dataLength > 0)
                pending.push_back({b + HEADER_SIZE + nameLength, size_t(dataLength)});
            offset += size_t(HEADER_SIZE + nameLength + dataLength);
        }
    }
    return true;
}
