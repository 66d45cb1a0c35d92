#include "Common/Gui/Controls/PopupMenu.h"

#include "ControlsTestSupport.h"

using namespace ControlsTest;

namespace
{
class PopupMenuTest : public ControlsFixture
{
protected:
    // A menu on the Go button at (11, 230) with three entries.
    void SetUp() override
    {
        ControlsFixture::SetUp();
        menu = std::make_unique<PopupMenu>(11, 230, "sr_Go_button.bmp", screen);
        for (const char* name :
             {"sr_Popup1Planes_button.bmp", "sr_Popup1Bank_button.bmp", "sr_Popup1Retire_button.bmp"})
            menu->AddItem(
                name, [this](PopupItem* item) { chosen.push_back(item); }, false);
        menu->Draw();
    }

    std::unique_ptr<PopupMenu> menu;
    std::vector<PopupItem*> chosen;
};
} // namespace

TEST_F(PopupMenuTest, ThreeItemsOfTwentyAboveY250SpanY190To250)
{
    PopupMenu m(11, 250, "sr_Go_button.bmp", screen);
    m.AddItem(
        "sr_Popup1Planes_button.bmp", [](PopupItem*) {}, false);
    EXPECT_EQ(230, m.GetItem(0)->GetY());
    m.AddItem(
        "sr_Popup1Bank_button.bmp", [](PopupItem*) {}, false);
    m.AddItem(
        "sr_Popup1Retire_button.bmp", [](PopupItem*) {}, false);
    EXPECT_EQ(190, m.GetMenuTop());
    EXPECT_EQ(60, m.GetMenuHeight());
    EXPECT_EQ(210, m.GetItem(1)->GetY());
    EXPECT_EQ(190, m.GetItem(2)->GetY()) << "each new entry goes on top";
    EXPECT_EQ(11, m.GetItem(2)->GetX());
    EXPECT_EQ(126, m.GetMenuWidth()) << "half the entry strip's width";
}

TEST_F(PopupMenuTest, OpensOnlyStrictlyInsideTheButtonWithAClick)
{
    EXPECT_TRUE(menu->OnStylusDown(11, 240)) << "every tap is reported handled";
    EXPECT_FALSE(menu->IsOpen()) << "the button's left edge is outside";
    menu->OnStylusDown(12, 231);
    EXPECT_TRUE(menu->IsOpen());
    EXPECT_EQ(1, CountSounds(GameSound::CLICK));
}

TEST_F(PopupMenuTest, TapOutsideClosesWithoutRunningAnyItemAndRestoresTheBackground)
{
    const std::vector<uint32_t> before = AllPixels();
    Tap(*menu, 40, 240);
    ASSERT_TRUE(menu->IsOpen());
    EXPECT_NE(before, AllPixels()) << "the open menu covers the screen";
    Tap(*menu, 200, 100);
    EXPECT_FALSE(menu->IsOpen());
    EXPECT_TRUE(chosen.empty());
    EXPECT_EQ(before, AllPixels());
}

TEST_F(PopupMenuTest, ReleaseOverAnItemClosesTheMenuThenRunsThatItem)
{
    const std::vector<uint32_t> before = AllPixels();
    Tap(*menu, 40, 240);
    menu->OnStylusDown(50, 175); // the top entry: the third added
    EXPECT_TRUE(menu->GetItem(2)->IsHighlighted());
    EXPECT_EQ(1, CountSounds(GameSound::HIGHLIGHT));
    menu->OnStylusMove(50, 180);
    EXPECT_EQ(1, CountSounds(GameSound::HIGHLIGHT)) << "the sound plays only as an entry lights";
    menu->OnStylusMove(50, 195);
    EXPECT_TRUE(menu->GetItem(1)->IsHighlighted());
    EXPECT_FALSE(menu->GetItem(2)->IsHighlighted());
    EXPECT_EQ(2, CountSounds(GameSound::HIGHLIGHT));
    EXPECT_TRUE(menu->OnStylusUp(50, 195));
    EXPECT_FALSE(menu->IsOpen());
    ASSERT_EQ(1u, chosen.size());
    EXPECT_EQ(menu->GetItem(1), chosen[0]);
    EXPECT_EQ(before, AllPixels());
}

TEST_F(PopupMenuTest, DisabledEntriesAndADisabledMenuDoNothing)
{
    menu->GetItem(0)->SetDisabled(true);
    Tap(*menu, 40, 240);
    menu->OnStylusDown(50, 222);
    EXPECT_FALSE(menu->GetItem(0)->IsHighlighted());
    menu->OnStylusUp(50, 222);
    EXPECT_TRUE(chosen.empty());
    EXPECT_FALSE(menu->IsOpen());

    menu->Disable();
    Tap(*menu, 40, 240);
    EXPECT_FALSE(menu->IsOpen());
    menu->Enable();
    Tap(*menu, 40, 240);
    EXPECT_TRUE(menu->IsOpen());
}

TEST_F(PopupMenuTest, TappingTheButtonAgainCloses)
{
    const std::vector<uint32_t> before = AllPixels();
    Tap(*menu, 40, 240);
    Tap(*menu, 40, 240);
    EXPECT_FALSE(menu->IsOpen());
    EXPECT_TRUE(chosen.empty());
    EXPECT_EQ(before, AllPixels());
}

TEST_F(PopupMenuTest, ItemIndexOutsideTheMenuIsAnAssertion)
{
    EXPECT_DEATH(menu->GetItem(3), "i < ");
    EXPECT_DEATH(menu->GetItem(-1), "i >= 0");
}
