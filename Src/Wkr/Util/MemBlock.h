// MemBlock: an owned, resizable heap buffer of raw bytes.
//
// It is the storage under every ConfigBlock (the save-game and settings
// format). The buffer is null while the capacity is 0. Reset drops the old
// content, Resize keeps as much of it as fits. A negative size is a bug of the
// caller; running out of memory is fatal ("Failed to allocate memory.").
#pragma once

#include <cstddef>
#include <cstdint>

class MemBlock
{
public:
    MemBlock() = default;
    ~MemBlock();
    MemBlock(const MemBlock& other);
    MemBlock& operator=(const MemBlock& other);
    MemBlock(MemBlock&& other) noexcept;
    MemBlock& operator=(MemBlock&& other) noexcept;

    // Replaces the buffer by a fresh one of exactly `size` bytes (content not kept).
    void Reset(int32_t size);
    // Replaces the buffer by one of `size` bytes holding the first min(old, size) bytes.
    void Resize(int32_t size);

    uint8_t* GetPtr() { return _ptr; }
    const uint8_t* GetConstPtrC() const { return _ptr; }
    int32_t GetCapacity() const { return _capacity; }

private:
    static uint8_t* Allocate(int32_t size);

    uint8_t* _ptr = nullptr;
    int32_t _capacity = 0;
};
