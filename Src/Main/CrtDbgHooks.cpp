// The game program's global operator new and delete: every allocation goes
// through the process's tracked allocator, which reports the blocks still
// allocated and the peak use to the debug output at exit.
//
// This file is linked into the game programs only; the test program keeps
// the ordinary operators and tests the tracker through its own interface.
// Over-aligned allocations keep the library's operators: the game makes none.
#include "WinCE/CrtDbg.h"

#include <new>

namespace
{
// Registered during static initialisation, so the report runs after main
// returns and after the objects created later have been destroyed.
const bool s_reportInstalled = (CrtDbg::InstallExitReport(), true);

void* AllocateOrThrow(std::size_t size)
{
    void* block = CrtDbg::Global().Allocate(size, __FILE__, __LINE__);
    if (!block)
        throw std::bad_alloc();
    return block;
}
} // namespace

void* operator new(std::size_t size)
{
    return AllocateOrThrow(size);
}

void* operator new[](std::size_t size)
{
    return AllocateOrThrow(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return CrtDbg::Global().Allocate(size, __FILE__, __LINE__);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return CrtDbg::Global().Allocate(size, __FILE__, __LINE__);
}

void operator delete(void* block) noexcept
{
    CrtDbg::Global().Release(block, __FILE__, __LINE__);
}

void operator delete[](void* block) noexcept
{
    CrtDbg::Global().Release(block, __FILE__, __LINE__);
}

void operator delete(void* block, std::size_t) noexcept
{
    CrtDbg::Global().Release(block, __FILE__, __LINE__);
}

void operator delete[](void* block, std::size_t) noexcept
{
    CrtDbg::Global().Release(block, __FILE__, __LINE__);
}

void operator delete(void* block, const std::nothrow_t&) noexcept
{
    CrtDbg::Global().Release(block, __FILE__, __LINE__);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept
{
    CrtDbg::Global().Release(block, __FILE__, __LINE__);
}
