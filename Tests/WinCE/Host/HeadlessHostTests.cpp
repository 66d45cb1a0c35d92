#include "WinCE/Host/HeadlessHost.h"
#include "WinCE/TickCount.h"

#include <gtest/gtest.h>

TEST(HeadlessHost, DrivesTheTickCountWhileInstalled)
{
    {
        HeadlessHost host(1000);
        SetHost(&host);
        EXPECT_EQ(1000u, GetTickCount());
        host.AdvanceClock(0xFFFFFFFFu);
        EXPECT_EQ(999u, GetTickCount()) << "ticks wrap at 2^32";
    }
    EXPECT_EQ(nullptr, GetHost()) << "a destroyed host uninstalls itself";
}

TEST(HeadlessHost, DeliversPushedInputInOrderAndTracksHeldKeys)
{
    HeadlessHost host;
    host.Tap(10, 20);
    host.Key(HOSTKEY_A, true);
    host.Type("ok");
    HostEvent e;
    ASSERT_TRUE(host.PollEvent(e));
    EXPECT_EQ(HostEvent::StylusDown, e.kind);
    EXPECT_EQ(10, e.x);
    EXPECT_EQ(20, e.y);
    ASSERT_TRUE(host.PollEvent(e));
    EXPECT_EQ(HostEvent::StylusUp, e.kind);
    EXPECT_FALSE(host.IsKeyDown(HOSTKEY_A)) << "a key counts as held only once its event is taken";
    ASSERT_TRUE(host.PollEvent(e));
    EXPECT_EQ(HostEvent::KeyDown, e.kind);
    EXPECT_TRUE(host.IsKeyDown(HOSTKEY_A));
    ASSERT_TRUE(host.PollEvent(e));
    EXPECT_EQ('o', e.character);
    ASSERT_TRUE(host.PollEvent(e));
    EXPECT_EQ('k', e.character);
    EXPECT_FALSE(host.PollEvent(e));
    host.Key(HOSTKEY_A, false);
    ASSERT_TRUE(host.PollEvent(e));
    EXPECT_FALSE(host.IsKeyDown(HOSTKEY_A));
}

TEST(HeadlessHost, AnswersMessageBoxesFromConfiguration)
{
    HeadlessHost host;
    host.SetEchoMessages(false);
    EXPECT_EQ(HostAnswer::Abort, host.MessageBox("Assertion failed", "x", HostButtons::AbortRetryIgnore));
    EXPECT_EQ(HostAnswer::Cancel, host.MessageBox("Fatal error - press retry to debug", "y", HostButtons::RetryCancel));
    host.SetAnswer(HostButtons::YesNo, HostAnswer::Yes);
    EXPECT_EQ(HostAnswer::Yes, host.MessageBox("Question", "z", HostButtons::YesNo));
    ASSERT_EQ(3u, host.Messages().size());
    EXPECT_EQ("Fatal error - press retry to debug", host.Messages()[1].caption);
    EXPECT_EQ("z", host.Messages()[2].text);
}

TEST(HeadlessHost, RecordsFramesAndSounds)
{
    HeadlessHost host;
    std::vector<uint32_t> screen(size_t(DEVICE_WIDTH) * DEVICE_HEIGHT, 0x00FF0000u);
    screen.back() = 0x000000FFu;
    host.Present(screen.data());
    host.PlaySound(123, nullptr, 0);
    EXPECT_EQ(1, host.PresentCount());
    EXPECT_EQ(screen, host.LastFrame());
    EXPECT_EQ(std::vector<int>{123}, host.PlayedSounds());
}

TEST(HostKeys, DefaultTableFollowsTheDeviceOrder)
{
    HeadlessHost host;
    const HostKeyTable keys = host.GetDefaultKeys();
    EXPECT_EQ(HOSTKEY_UP, keys.up);
    EXPECT_EQ(HOSTKEY_DOWN, keys.down);
    EXPECT_EQ(HOSTKEY_LEFT, keys.left);
    EXPECT_EQ(HOSTKEY_RIGHT, keys.right);
    EXPECT_EQ(HOSTKEY_A, keys.a);
    EXPECT_EQ(HOSTKEY_START, keys.start);
}
