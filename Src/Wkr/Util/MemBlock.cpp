#include "Wkr/Util/MemBlock.h"

#include "WinCE/Assert.h"

#include <cstring>
#include <new>
#include <utility>

MemBlock::~MemBlock()
{
    delete[] _ptr;
}

MemBlock::MemBlock(const MemBlock& other)
{
    Reset(other._capacity);
    if (_capacity > 0)
        std::memcpy(_ptr, other._ptr, static_cast<size_t>(_capacity));
}

MemBlock& MemBlock::operator=(const MemBlock& other)
{
    if (this != &other)
    {
        Reset(other._capacity);
        if (_capacity > 0)
            std::memcpy(_ptr, other._ptr, static_cast<size_t>(_capacity));
    }
    return *this;
}

MemBlock::MemBlock(MemBlock&& other) noexcept
    : _ptr(std::exchange(other._ptr, nullptr)), _capacity(std::exchange(other._capacity, 0))
{
}

MemBlock& MemBlock::operator=(MemBlock&& other) noexcept
{
    if (this != &other)
    {
        delete[] _ptr;
        _ptr = std::exchange(other._ptr, nullptr);
        _capacity = std::exchange(other._capacity, 0);
    }
    return *this;
}

uint8_t* MemBlock::Allocate(int32_t size)
{
    if (size == 0)
        return nullptr;
    uint8_t* ptr = new (std::nothrow) uint8_t[static_cast<size_t>(size)];
    FATAL(ptr == nullptr, "Failed to allocate memory.");
    return ptr;
}

void MemBlock::Reset(int32_t size)
{
    // The condition is written as its report names it.
    // clang-format off
    ASSERT(size>=0);
    // clang-format on
    if (size < 0)
        size = 0;
    uint8_t* fresh = Allocate(size);
    delete[] _ptr;
    _ptr = fresh;
    _capacity = fresh ? size : 0;
}

void MemBlock::Resize(int32_t size)
{
    // The condition is written as its report names it.
    // clang-format off
    ASSERT(size>=0);
    // clang-format on
    if (size < 0)
        size = 0;
    uint8_t* fresh = Allocate(size);
    if (fresh == nullptr)
        size = 0;
    const int32_t keep = _capacity < size ? _capacity : size;
    if (keep > 0)
        std::memcpy(fresh, _ptr, static_cast<size_t>(keep));
    delete[] _ptr;
    _ptr = fresh;
    _capacity = size;
}
