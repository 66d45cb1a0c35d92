#include "WinCE/Host/InstanceLock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{
std::string TempDir()
{
    char pattern[] = "/tmp/jw-lock-XXXXXX";
    const char* dir = mkdtemp(pattern);
    return dir ? dir : "/tmp";
}
} // namespace

TEST(InstanceLock, SecondStartRaisesTheFirst)
{
    const std::string dir = TempDir();
    std::atomic<int> raised{0};
    InstanceLock first("jetwarden", dir, [&] { ++raised; });
    ASSERT_EQ(InstanceLock::Result::Acquired, first.Acquire());

    InstanceLock second("jetwarden", dir, nullptr);
    EXPECT_EQ(InstanceLock::Result::OtherRaised, second.Acquire());
    EXPECT_EQ(1, raised.load());
    std::filesystem::remove_all(dir);
}

TEST(InstanceLock, ReleasedWhenTheFirstCopyEnds)
{
    const std::string dir = TempDir();
    {
        InstanceLock first("jetwarden", dir, nullptr);
        ASSERT_EQ(InstanceLock::Result::Acquired, first.Acquire());
    }
    InstanceLock again("jetwarden", dir, nullptr);
    EXPECT_EQ(InstanceLock::Result::Acquired, again.Acquire());
    std::filesystem::remove_all(dir);
}

TEST(InstanceLock, HolderThatDoesNotAnswerIsReported)
{
    // A lock held without a listener stands for a copy whose window is gone.
    const std::string dir = TempDir();
    InstanceLock first("jetwarden", dir, nullptr);
    ASSERT_EQ(InstanceLock::Result::Acquired, first.Acquire());
    std::filesystem::remove(first.LockPath().substr(0, first.LockPath().size() - 5) + ".sock");

    InstanceLock second("jetwarden", dir, nullptr);
    EXPECT_EQ(InstanceLock::Result::OtherUnreachable, second.Acquire());
    std::filesystem::remove_all(dir);
}
