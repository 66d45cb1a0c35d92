#include "WinCE/Host/InstanceLock.h"

#include "Common/SkyreachApp.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
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

TEST(InstanceLock, TheNameFollowsTheStore)
{
    const std::string dir = TempDir();
    const std::string store = dir + "/registry.sqlite3";
    EXPECT_EQ(InstanceLock::NameForStore("jw", store),
              InstanceLock::NameForStore("jw", dir + "/sub/../registry.sqlite3"))
        << "another spelling of the same store";
    EXPECT_NE(InstanceLock::NameForStore("jw", store),
              InstanceLock::NameForStore("jw", dir + "/other.sqlite3"));
    EXPECT_EQ(0u, InstanceLock::NameForStore("jw", store).rfind("jw-", 0));
    std::filesystem::remove_all(dir);
}

TEST(InstanceLock, HoldingAsksTheHolderNothing)
{
    const std::string dir = TempDir();
    std::atomic<int> raised{0};
    InstanceLock first(InstanceLock::NameForStore("jw", dir + "/a.sqlite3"), dir, [&] { ++raised; });
    ASSERT_EQ(InstanceLock::Result::Acquired, first.Acquire());

    InstanceLock same(InstanceLock::NameForStore("jw", dir + "/a.sqlite3"), dir, nullptr);
    EXPECT_EQ(InstanceLock::Result::Held, same.Hold());
    EXPECT_EQ(0, raised.load()) << "a run without a window raises nothing";
    InstanceLock other(InstanceLock::NameForStore("jw", dir + "/b.sqlite3"), dir, nullptr);
    EXPECT_EQ(InstanceLock::Result::Acquired, other.Hold()) << "stores of their own never meet";
    std::filesystem::remove_all(dir);
}

// The program itself: a headless run on a store another copy holds refuses
// to start, one on a store of its own runs.
TEST(InstanceLock, AHeadlessRunRefusesAStoreAnotherCopyHolds)
{
    const std::string dir = TempDir();
    const std::string script = dir + "/quit.script";
    std::ofstream(script) << "quit\n";
    const auto run = [&](const std::string& store, std::string* output)
    {
        // The lock files live in the runtime folder, here the test's own; the
        // store is installed first, as `make run` does.
        const std::string program = std::string("'") + SKYREACH_BINARY_DIR + "/Skyreach' --data '" +
                                    SKYREACH_BINARY_DIR + "/Skyreach.dat' --registry '" + store + "' ";
        const std::string command = "XDG_RUNTIME_DIR='" + dir + "' " + program + "--install >/dev/null && " +
                                    "XDG_RUNTIME_DIR='" + dir + "' " + program + "--headless --script '" +
                                    script + "' 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe)
            return -1;
        char buffer[4096];
        size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output->append(buffer, got);
        const int status = pclose(pipe);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    const std::string held = dir + "/held.sqlite3";
    InstanceLock holder(InstanceLock::NameForStore(
                            std::string(SkyreachApp::COMPANY_NAME) + SkyreachApp::APPLICATION_NAME, held),
                        dir, nullptr);
    ASSERT_EQ(InstanceLock::Result::Acquired, holder.Hold());
    std::string output;
    EXPECT_EQ(1, run(held, &output));
    EXPECT_NE(std::string::npos, output.find("another copy of the game is running on the store")) << output;
    output.clear();
    EXPECT_EQ(0, run(dir + "/own.sqlite3", &output)) << output;
    std::filesystem::remove_all(dir);
}
