// The tracked allocator: counts every allocation of the game program and
// reports the blocks still allocated, and the peak use, at exit.
//
// The game program replaces the global operator new and delete with calls
// into the process's tracker (Src/Main/CrtDbgHooks.cpp); the test program
// does not, and drives trackers of its own through this interface. Each
// record holds the source file (interned: one copy per distinct name), line,
// size and address of a live block, in creation order.
//
// Report texts (to the report sink; by default the debug output):
//   "Detected memory leaks!\nDumping objects ->\n", then for each block
//   "%s(%i) : normal block at 0x%08X, %i bytes long\n Data<" + its first
//   bytes (all of a block under 100 bytes, else 50) + ">\n";
//   or "No memory leaks detected!\n"; then
//   "Maximum free store memory allocated at a time: %lu!\n".
// Releasing a block the tracker does not know gives the warning
// "%s(%i) : Warning : deletes memory pointer not allocated with new!\n" and
// still frees it.
//
// The tracker's own bookkeeping lives in malloc'ed memory, so it never calls
// the operator new it stands behind. A lock guards it, so a stray helper
// thread of a library cannot corrupt the lists.
#pragma once

#include <cstddef>
#include <cstdint>

class CrtDbg
{
public:
    using ReportSink = void (*)(const char* text, void* context);

    CrtDbg();
    // Drops the records (not the blocks they describe).
    ~CrtDbg();
    CrtDbg(const CrtDbg&) = delete;
    CrtDbg& operator=(const CrtDbg&) = delete;

    // A block of `size` bytes from malloc, recorded under file and line;
    // null (and no record) when there is no memory.
    void* Allocate(size_t size, const char* file, int line);
    // Forgets and frees the block; warns (naming file and line) when it was
    // not recorded. Null does nothing.
    void Release(void* block, const char* file, int line);

    // Writes the leak report and the peak, then frees the interned names.
    void ReportLeaks();

    // Installs where reports and warnings go; null restores the debug output.
    void SetReportSink(ReportSink sink, void* context);

    size_t GetCurrentBytes() const;
    size_t GetPeakBytes() const;
    size_t GetBlockCount() const;

    // The tracker of the process, which the replaced operators use. It is
    // never destroyed, so it outlives every static object.
    static CrtDbg& Global();
    // Registers the global tracker's report as an exit handler (once).
    static void InstallExitReport();

private:
    struct State;

    void Emit(const char* text);
    const char* Intern(const char* file);

    State* _state;
    ReportSink _sink;
    void* _context;
};
