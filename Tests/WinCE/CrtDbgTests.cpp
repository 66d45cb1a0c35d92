#include "WinCE/CrtDbg.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
void Collect(const char* text, void* context)
{
    *static_cast<std::string*>(context) += text;
}

std::string BlockLine(const char* file, int line, const void* address, int size)
{
    char text[256];
    std::snprintf(text, sizeof text, "%s(%i) : normal block at 0x%08" PRIXPTR ", %i bytes long\n Data<", file, line,
                  reinterpret_cast<uintptr_t>(address), size);
    return text;
}

class CrtDbgTest : public ::testing::Test
{
protected:
    CrtDbgTest() { _tracker.SetReportSink(Collect, &_report); }

    CrtDbg _tracker;
    std::string _report;
};
} // namespace

TEST_F(CrtDbgTest, NoLeaksAndThePeak)
{
    void* a = _tracker.Allocate(300, "Src/Main/CrtDbgHooks.cpp", 20);
    void* b = _tracker.Allocate(200, "Src/Main/CrtDbgHooks.cpp", 20);
    EXPECT_EQ(500u, _tracker.GetCurrentBytes());
    _tracker.Release(a, "Src/Main/CrtDbgHooks.cpp", 40);
    void* c = _tracker.Allocate(100, "Src/Main/CrtDbgHooks.cpp", 20);
    EXPECT_EQ(300u, _tracker.GetCurrentBytes());
    _tracker.Release(b, "Src/Main/CrtDbgHooks.cpp", 40);
    _tracker.Release(c, "Src/Main/CrtDbgHooks.cpp", 40);
    _tracker.Release(nullptr, "Src/Main/CrtDbgHooks.cpp", 40);
    EXPECT_EQ(0u, _tracker.GetBlockCount());
    _tracker.ReportLeaks();
    EXPECT_EQ("No memory leaks detected!\nMaximum free store memory allocated at a time: 500!\n", _report);
}

TEST_F(CrtDbgTest, LeaksAreReportedInCreationOrderWithTheirFirstBytes)
{
    char* small = static_cast<char*>(_tracker.Allocate(10, "alloc.cpp", 7));
    std::memcpy(small, "0123456789", 10);
    char* exact = static_cast<char*>(_tracker.Allocate(99, "alloc.cpp", 7));
    std::memset(exact, 'e', 99);
    char* large = static_cast<char*>(_tracker.Allocate(200, "other.cpp", 9));
    for (int i = 0; i < 200; ++i)
        large[i] = static_cast<char>('A' + i % 26);
    char* hundred = static_cast<char*>(_tracker.Allocate(100, "alloc.cpp", 7));
    std::memset(hundred, 'h', 100);
    hundred[0] = 0; // a 0 byte shows as a dot

    _tracker.ReportLeaks();
    const std::string expected =
        "Detected memory leaks!\nDumping objects ->\n" + BlockLine("alloc.cpp", 7, small, 10) + "0123456789>\n" +
        BlockLine("alloc.cpp", 7, exact, 99) + std::string(99, 'e') + ">\n" + BlockLine("other.cpp", 9, large, 200) +
        "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWX>\n" + BlockLine("alloc.cpp", 7, hundred, 100) + "." +
        std::string(49, 'h') + ">\n" + "Maximum free store memory allocated at a time: 409!\n";
    EXPECT_EQ(expected, _report);

    // The records outlive the report; releasing them still works.
    for (void* block : {static_cast<void*>(small), static_cast<void*>(exact), static_cast<void*>(large),
                        static_cast<void*>(hundred)})
        _tracker.Release(block, "alloc.cpp", 12);
    EXPECT_EQ(0u, _tracker.GetBlockCount());
    _report.clear();
    _tracker.ReportLeaks();
    EXPECT_EQ("No memory leaks detected!\nMaximum free store memory allocated at a time: 409!\n", _report);
}

TEST_F(CrtDbgTest, ReleasingABlockItNeverGaveWarnsAndStillFreesIt)
{
    void* foreign = std::malloc(16);
    _tracker.Release(foreign, "Src/Main/CrtDbgHooks.cpp", 52);
    EXPECT_EQ("Src/Main/CrtDbgHooks.cpp(52) : Warning : deletes memory pointer not allocated with new!\n", _report);

    // Released twice: the second time it is unknown.
    void* block = _tracker.Allocate(8, "a.cpp", 1);
    _tracker.Release(block, "a.cpp", 2);
    _report.clear();
    _tracker.Release(_tracker.Allocate(4, "a.cpp", 1), "a.cpp", 2);
    EXPECT_EQ("", _report);
    EXPECT_EQ(0u, _tracker.GetCurrentBytes());
}

TEST_F(CrtDbgTest, ZeroByteRequestsGetBlocksOfTheirOwn)
{
    void* a = _tracker.Allocate(0, "a.cpp", 1);
    void* b = _tracker.Allocate(0, "a.cpp", 1);
    ASSERT_NE(nullptr, a);
    EXPECT_NE(a, b);
    EXPECT_EQ(2u, _tracker.GetBlockCount());
    _tracker.Release(a, "a.cpp", 2);
    _tracker.Release(b, "a.cpp", 2);
}
