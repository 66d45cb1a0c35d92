#include "Common/Gui/Controls/GfxRadioButton.h"

#include "ControlsTestSupport.h"

#include <memory>

using namespace ControlsTest;

namespace
{
class RadioButtonTest : public ControlsFixture
{
protected:
    void SetUp() override
    {
        ControlsFixture::SetUp();
        for (int i = 0; i < 3; ++i)
            buttons[i] = std::make_unique<GfxRadioButton>(&group, i == 0, "sr_Radio_Button.bmp",
                                                          static_cast<int16_t>(20 + 40 * i), 100, screen,
                                                          new Counter(&fired[i]));
    }

    RadioGroup group;
    int fired[3] = {};
    std::unique_ptr<GfxRadioButton> buttons[3];
};
} // namespace

TEST_F(RadioButtonTest, TappingTheCheckedButtonDoesNothing)
{
    EXPECT_FALSE(buttons[0]->OnStylusDown(25, 105));
    EXPECT_TRUE(buttons[0]->IsChecked());
    EXPECT_EQ(0, fired[0]);
}

TEST_F(RadioButtonTest, TappingAnUncheckedButtonChecksItAloneAndRunsItsActionOnce)
{
    for (auto& b : buttons)
        b->Draw();
    EXPECT_TRUE(buttons[2]->OnStylusDown(105, 105));
    EXPECT_TRUE(buttons[2]->IsChecked());
    EXPECT_FALSE(buttons[0]->IsChecked());
    EXPECT_FALSE(buttons[1]->IsChecked());
    EXPECT_EQ((std::vector<int>{0, 0, 1}), std::vector<int>(fired, fired + 3));
    EXPECT_FALSE(buttons[2]->OnStylusUp(105, 105)) << "releases are ignored";

    // The unchecked button was redrawn: its pixels now equal the unchecked
    // look of a button that was never checked.
    EXPECT_EQ(Pixels(60, 100, 16, 16), Pixels(20, 100, 16, 16));
    EXPECT_NE(Pixels(100, 100, 16, 16), Pixels(20, 100, 16, 16));
}

TEST_F(RadioButtonTest, SetCheckedChangesTheGroupWithoutDrawing)
{
    const std::vector<uint32_t> before = AllPixels();
    buttons[1]->SetChecked();
    EXPECT_TRUE(buttons[1]->IsChecked());
    EXPECT_FALSE(buttons[0]->IsChecked());
    EXPECT_EQ(before, AllPixels());
    EXPECT_EQ(0, fired[1]);
}

TEST_F(RadioButtonTest, HitTestIsTwoColumnsNarrowerThanTheLookButKeepsTheRowBelow)
{
    // Looks are 16 x 16 at x 60: columns 60..74 and rows 100..116 hit.
    EXPECT_EQ(16, buttons[1]->GetLookWidth());
    EXPECT_TRUE(buttons[1]->HitTest(74, 116));
    EXPECT_FALSE(buttons[1]->HitTest(75, 105));
    EXPECT_FALSE(buttons[1]->HitTest(65, 117));
    EXPECT_FALSE(buttons[1]->HitTest(59, 105));
}

TEST_F(RadioButtonTest, DisabledButtonIsUncheckedAndIgnoresTaps)
{
    buttons[0]->Disable();
    EXPECT_FALSE(buttons[0]->IsChecked());
    EXPECT_FALSE(buttons[0]->OnStylusDown(25, 105));
    buttons[0]->Enable();
    EXPECT_TRUE(buttons[0]->OnStylusDown(25, 105));
    EXPECT_EQ(1, fired[0]);
}

TEST_F(RadioButtonTest, DeletedButtonLeavesItsGroup)
{
    buttons[2].reset();
    EXPECT_EQ(2u, group.size());
    buttons[1]->Check();
    EXPECT_FALSE(buttons[0]->IsChecked());
}
