#include "Common/Gui/Controls/FlipButton.h"

#include "ControlsTestSupport.h"
#include "WinCE/TickCount.h"

using namespace ControlsTest;

namespace
{
class FlipButtonTest : public ControlsFixture
{
protected:
    // Holds the button for `ms`, with an idle step every 10 ms.
    void Hold(FlipButton& button, FakeClock& clock, uint32_t ms)
    {
        for (uint32_t t = 0; t < ms; t += 10)
        {
            EXPECT_TRUE(button.Update()) << "a held button keeps the idle calls coming";
            clock.Advance(10);
        }
    }
};
} // namespace

TEST_F(FlipButtonTest, HeldThreeAndAHalfSecondsFiresThreeTimesAndOnceMoreOnRelease)
{
    FakeClock clock(5000);
    int fired = 0;
    // "sr_Plus_button.bmp" may not exist; any three-look strip serves.
    FlipButton button("sr_Ok_button.bmp", 20, 30, screen, new Counter(&fired), true);
    ASSERT_TRUE(button.OnStylusDown(25, 35));
    Hold(button, clock, 3500);
    EXPECT_EQ(3, fired) << "repeats come only after more than 1000 ms each";
    EXPECT_TRUE(button.OnStylusUp(25, 35));
    EXPECT_EQ(4, fired) << "a release over the button fires once more";
    EXPECT_FALSE(button.IsArmed());
    EXPECT_EQ(4, CountSounds(GameSound::CLICK)) << "every firing clicks";
    EXPECT_FALSE(button.Update()) << "a released button stays idle";
}

TEST_F(FlipButtonTest, ExactlyOneSecondIsNotYetARepeat)
{
    FakeClock clock(0);
    int fired = 0;
    FlipButton button("sr_Ok_button.bmp", 20, 30, screen, new Counter(&fired), true);
    button.OnStylusDown(25, 35);
    button.Update(); // arms
    clock.Advance(1000);
    button.Update();
    EXPECT_EQ(0, fired);
    clock.Advance(1);
    button.Update();
    EXPECT_EQ(1, fired);
}

TEST_F(FlipButtonTest, ReleasedOffTheButtonKeepsOnlyTheRepeats)
{
    FakeClock clock(0);
    int fired = 0;
    FlipButton button("sr_Ok_button.bmp", 20, 30, screen, new Counter(&fired), true);
    button.OnStylusDown(25, 35);
    Hold(button, clock, 2500);
    button.OnStylusMove(200, 200);
    EXPECT_TRUE(button.OnStylusUp(200, 200));
    EXPECT_EQ(2, fired);
}

TEST_F(FlipButtonTest, SilentWhileTheSoundOptionIsOffAndDisabledIgnoresTheStylus)
{
    FakeClock clock(0);
    GameSound::SetEnabled(false);
    int fired = 0;
    FlipButton button("sr_Ok_button.bmp", 20, 30, screen, new Counter(&fired), true);
    Tap(button, 25, 35);
    EXPECT_EQ(1, fired);
    EXPECT_TRUE(host.PlayedSounds().empty());

    button.Disable();
    EXPECT_FALSE(button.OnStylusDown(25, 35));
    clock.Advance(5000);
    EXPECT_FALSE(button.Update());
    EXPECT_EQ(1, fired);
}
