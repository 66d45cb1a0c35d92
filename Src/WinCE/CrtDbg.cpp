#include "WinCE/CrtDbg.h"

#include "WinCE/DebugOutput.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <new>
#include <unordered_map>
#include <vector>

namespace
{
// Containers of the tracker take their memory from malloc directly.
template<class T>
struct MallocAllocator
{
    using value_type = T;
    MallocAllocator() = default;
    template<class U>
    MallocAllocator(const MallocAllocator<U>&)
    {
    }
    T* allocate(size_t n)
    {
        void* p = std::malloc(n * sizeof(T));
        if (!p)
            std::abort();
        return static_cast<T*>(p);
    }
    void deallocate(T* p, size_t) { std::free(p); }
    template<class U>
    bool operator==(const MallocAllocator<U>&) const
    {
        return true;
    }
};

struct Record
{
    const char* file;
    int line;
    size_t size;
    void* address;
};

// A copy of one leaked block's description, taken under the lock.
struct Leak
{
    Record record;
};

const char* const FREED_NAME = "(released file name)";
} // namespace

struct CrtDbg::State
{
    mutable std::mutex lock;
    uint64_t nextSequence = 0;
    // Creation order.
    std::map<uint64_t, Record, std::less<uint64_t>, MallocAllocator<std::pair<const uint64_t, Record>>> records;
    std::unordered_map<void*, uint64_t, std::hash<void*>, std::equal_to<void*>,
                       MallocAllocator<std::pair<void* const, uint64_t>>>
        byAddress;
    std::vector<char*, MallocAllocator<char*>> names;
    size_t current = 0;
    size_t peak = 0;
};

CrtDbg::CrtDbg() : _sink(nullptr), _context(nullptr)
{
    void* memory = std::malloc(sizeof(State));
    if (!memory)
        std::abort();
    _state = new (memory) State();
}

CrtDbg::~CrtDbg()
{
    for (char* name : _state->names)
        std::free(name);
    _state->~State();
    std::free(_state);
}

const char* CrtDbg::Intern(const char* file)
{
    for (char* name : _state->names)
    {
        if (std::strcmp(name, file) == 0)
            return name;
    }
    const size_t length = std::strlen(file);
    char* copy = static_cast<char*>(std::malloc(length + 1));
    if (!copy)
        return FREED_NAME;
    std::memcpy(copy, file, length + 1);
    _state->names.push_back(copy);
    return copy;
}

void* CrtDbg::Allocate(size_t size, const char* file, int line)
{
    // A zero-byte request still gets a block of its own.
    void* block = std::malloc(size ? size : 1);
    if (!block)
        return nullptr;
    std::lock_guard<std::mutex> guard(_state->lock);
    const uint64_t sequence = _state->nextSequence++;
    _state->records.emplace(sequence, Record{Intern(file), line, size, block});
    _state->byAddress[block] = sequence;
    _state->current += size;
    if (_state->current > _state->peak)
        _state->peak = _state->current;
    return block;
}

void CrtDbg::Release(void* block, const char* file, int line)
{
    if (!block)
        return;
    bool known = false;
    {
        std::lock_guard<std::mutex> guard(_state->lock);
        const auto found = _state->byAddress.find(block);
        if (found != _state->byAddress.end())
        {
            const auto record = _state->records.find(found->second);
            _state->current -= record->second.size;
            _state->records.erase(record);
            _state->byAddress.erase(found);
            known = true;
        }
    }
    if (!known)
    {
        char text[512];
        std::snprintf(text, sizeof text, "%s(%i) : Warning : deletes memory pointer not allocated with new!\n", file,
                      line);
        Emit(text);
    }
    std::free(block);
}

void CrtDbg::ReportLeaks()
{
    // The descriptions are copied out first so the sink runs without the
    // lock held and may allocate.
    size_t count = 0;
    size_t peak = 0;
    Leak* leaks = nullptr;
    {
        std::lock_guard<std::mutex> guard(_state->lock);
        count = _state->records.size();
        peak = _state->peak;
        if (count > 0)
        {
            leaks = static_cast<Leak*>(std::malloc(count * sizeof(Leak)));
            if (!leaks)
                count = 0;
            size_t i = 0;
            for (const auto& [sequence, record] : _state->records)
            {
                if (i < count)
                    leaks[i++].record = record;
            }
        }
    }

    if (count == 0)
        Emit("No memory leaks detected!\n");
    else
    {
        Emit("Detected memory leaks!\nDumping objects ->\n");
        for (size_t i = 0; i < count; ++i)
        {
            const Record& record = leaks[i].record;
            char text[768];
            int length = std::snprintf(text, sizeof text, "%s(%i) : normal block at 0x%08" PRIXPTR ", %i bytes long\n Data<",
                                       record.file, record.line, reinterpret_cast<uintptr_t>(record.address),
                                       static_cast<int>(record.size));
            if (length < 0 || length > 512)
                length = 512;
            const size_t shown = record.size < 100 ? record.size : 50;
            const uint8_t* bytes = static_cast<const uint8_t*>(record.address);
            for (size_t b = 0; b < shown; ++b)
            {
                // A 0 byte cannot travel through the debug output's C
                // strings; it shows as a dot.
                text[length++] = bytes[b] ? static_cast<char>(bytes[b]) : '.';
            }
            text[length++] = '>';
            text[length++] = '\n';
            text[length] = 0;
            Emit(text);
        }
    }
    std::free(leaks);

    {
        std::lock_guard<std::mutex> guard(_state->lock);
        for (auto& [sequence, record] : _state->records)
            record.file = FREED_NAME;
        for (char* name : _state->names)
            std::free(name);
        _state->names.clear();
    }

    char text[128];
    std::snprintf(text, sizeof text, "Maximum free store memory allocated at a time: %lu!\n",
                  static_cast<unsigned long>(peak));
    Emit(text);
}

void CrtDbg::SetReportSink(ReportSink sink, void* context)
{
    _sink = sink;
    _context = sink ? context : nullptr;
}

void CrtDbg::Emit(const char* text)
{
    if (_sink)
        _sink(text, _context);
    else
        DebugWrite(text);
}

size_t CrtDbg::GetCurrentBytes() const
{
    std::lock_guard<std::mutex> guard(_state->lock);
    return _state->current;
}

size_t CrtDbg::GetPeakBytes() const
{
    std::lock_guard<std::mutex> guard(_state->lock);
    return _state->peak;
}

size_t CrtDbg::GetBlockCount() const
{
    std::lock_guard<std::mutex> guard(_state->lock);
    return _state->records.size();
}

CrtDbg& CrtDbg::Global()
{
    alignas(CrtDbg) static unsigned char storage[sizeof(CrtDbg)];
    static CrtDbg* const tracker = new (storage) CrtDbg();
    return *tracker;
}

namespace
{
bool s_exitReportInstalled = false;

void ReportAtExit()
{
    CrtDbg::Global().ReportLeaks();
}
} // namespace

void CrtDbg::InstallExitReport()
{
    if (s_exitReportInstalled)
        return;
    s_exitReportInstalled = true;
    std::atexit(ReportAtExit);
}
