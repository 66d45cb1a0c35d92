#include "WinCE/Assert.h"
#include "WinCE/DebugOutput.h"
#include "WinCE/Random.h"
#include "WinCE/TickCount.h"

#include <gtest/gtest.h>

#include <string>

TEST(Random, MatchesTheCLibraryGenerator)
{
    // The first numbers of the classic generator after seeding with 1.
    SRand(1);
    EXPECT_EQ(41, Rand());
    EXPECT_EQ(18467, Rand());
    EXPECT_EQ(6334, Rand());
    EXPECT_EQ(26500, Rand());
    SRand(1);
    EXPECT_EQ(41, Rand());
}

TEST(Random, StaysInFifteenBitsAndCanBeRestored)
{
    SRand(123456789u);
    for (int i = 0; i < 100000; ++i)
    {
        const int r = Rand();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, RAND_LIMIT);
    }
    const uint32_t state = GetRandState();
    const int next = Rand();
    SetRandState(state);
    EXPECT_EQ(next, Rand());
}

TEST(TickCount, FakeClockAdvancesWrapsAndRestoresTheSource)
{
    {
        FakeClock clock(0xFFFFFF00u);
        EXPECT_EQ(0xFFFFFF00u, GetTickCount());
        clock.Advance(0x200);
        EXPECT_EQ(0x100u, GetTickCount());
        {
            FakeClock inner(5);
            EXPECT_EQ(5u, GetTickCount());
        }
        EXPECT_EQ(0x100u, GetTickCount());
    }
    // Back on the system clock: two reads a moment apart never go backwards by much.
    const uint32_t a = GetTickCount();
    const uint32_t b = GetTickCount();
    EXPECT_LT(b - a, 1000u);
}

namespace
{
std::string s_lastCaption;
std::string s_lastText;
FailureAnswer RecordAndIgnore(FailureKind, const char* caption, const char* text)
{
    s_lastCaption = caption;
    s_lastText = text;
    return FailureAnswer::Ignore;
}
} // namespace

TEST(Assert, ReportsConditionRepositoryPathAndLine)
{
    FailureHandler previous = SetFailureHandler(RecordAndIgnore);
    const int line = __LINE__ + 1;
    ASSERT(1 + 1 == 3 && "arithmetic still works");
    SetFailureHandler(previous);
    EXPECT_EQ("Assertion failed", s_lastCaption);
    EXPECT_EQ("Assertion '1 + 1 == 3 && \"arithmetic still works\"' failed in file "
              "'Tests/WinCE/PlatformPrimitivesTests.cpp' at line " +
                  std::to_string(line) + ".",
              s_lastText);
}

TEST(AssertDeathTest, DefaultHandlerAborts)
{
    EXPECT_DEATH(ASSERT(false), "Assertion 'false' failed in file 'Tests/WinCE/PlatformPrimitivesTests.cpp'");
}

TEST(FatalDeathTest, StopsOnlyWhenTheConditionHoldsWithExitCodeMinusOne)
{
    FATAL(false, "never shown");
    EXPECT_EXIT(FATAL(true, "Out of memory"), ::testing::ExitedWithCode(255),
                "Fatal error - press retry to debug: Out of memory");
}

namespace
{
void Collect(const char* text, void* context)
{
    *static_cast<std::string*>(context) += text;
}
} // namespace

TEST(DebugOutput, GoesToTheInstalledSink)
{
    std::string collected;
    DebugSink previous = SetDebugSink(Collect, &collected);
    DebugPrintf("%s(%i) : Warning\n", "file", 7);
    SetDebugSink(previous, nullptr);
    EXPECT_EQ("file(7) : Warning\n", collected);
}
