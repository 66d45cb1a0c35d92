#include "Common/Gui/Controls/ComboBox.h"

#include "Common/Gui/Controls/SoundButton.h"
#include "ControlsTestSupport.h"

using namespace ControlsTest;

namespace
{
// A combo box at (30, 50): box 120 x 20, arrow 20 x 20 at x 150, the list
// below the box from y 70, rows 13 high starting at y 72.
class ComboBoxTest : public ControlsFixture
{
protected:
    void SetUp() override
    {
        ControlsFixture::SetUp();
        combo = std::make_unique<ComboBox>(
            30, 50, screen, [this](int32_t i) { chosen.push_back(i); }, false);
        for (const char* s : {"Africa", "Asia", "Australia", "Europe"})
            combo->AddString(s);
        combo->Draw();
    }
    std::unique_ptr<ComboBox> combo;
    std::vector<int32_t> chosen;
};
} // namespace

TEST_F(ComboBoxTest, GeometryOfTheOpenList)
{
    GfxComboList* list = combo->GetList();
    EXPECT_EQ(120, list->GetBoxWidth());
    EXPECT_EQ(70, list->GetListTop());
    EXPECT_EQ(4 * 13 + 4, list->GetListHeight());
    EXPECT_EQ(150, combo->GetArrow()->GetX());
}

TEST_F(ComboBoxTest, ReleaseOverARowSelectsItAndRestoresTheBackground)
{
    const std::vector<uint32_t> before = Pixels(0, 70, 240, 80);
    Tap(*combo, 60, 60);
    ASSERT_TRUE(combo->GetList()->IsOpen());
    EXPECT_NE(before, Pixels(0, 70, 240, 80));
    EXPECT_EQ(0x00965F0Cu, screen->GetDC()->GetPixel(140, 100)) << "the list's face";
    // Row 2 covers y 72 + 26 .. 72 + 38.
    combo->OnStylusDown(60, 100);
    EXPECT_TRUE(combo->GetList()->IsOpen()) << "a press inside the list keeps it open";
    combo->OnStylusUp(60, 100);
    EXPECT_FALSE(combo->GetList()->IsOpen());
    EXPECT_EQ((std::vector<int32_t>{2}), chosen);
    EXPECT_EQ(2, combo->GetList()->GetSelected());
    EXPECT_EQ(before, Pixels(0, 70, 240, 80));
}

TEST_F(ComboBoxTest, TapOutsideClosesWithoutChoosing)
{
    const std::vector<uint32_t> before = AllPixels();
    Tap(*combo, 60, 60);
    Tap(*combo, 220, 200);
    EXPECT_FALSE(combo->GetList()->IsOpen());
    EXPECT_TRUE(chosen.empty());
    EXPECT_EQ(before, AllPixels());
}

TEST_F(ComboBoxTest, TheArrowTogglesTheListWithAClick)
{
    const std::vector<uint32_t> before = AllPixels();
    Tap(*combo, 160, 60);
    EXPECT_TRUE(combo->GetList()->IsOpen());
    Tap(*combo, 160, 60);
    EXPECT_FALSE(combo->GetList()->IsOpen());
    EXPECT_EQ(2, CountSounds(GameSound::CLICK));
    EXPECT_TRUE(chosen.empty());
    EXPECT_EQ(before, AllPixels());
}

TEST_F(ComboBoxTest, ListOpensUpwardWhenThereIsNoRoomBelow)
{
    ComboBox low(
        30, 240, screen, [](int32_t) {}, true);
    for (const char* s : {"One", "Two", "Three"})
        low.AddString(s);
    EXPECT_EQ(80, low.GetList()->GetBoxWidth());
    EXPECT_EQ(240 - (3 * 13 + 4), low.GetList()->GetListTop());
}

TEST_F(ComboBoxTest, DisabledComboIgnoresTheStylus)
{
    combo->Disable();
    Tap(*combo, 60, 60);
    Tap(*combo, 160, 60);
    EXPECT_FALSE(combo->GetList()->IsOpen());
    combo->Enable();
    Tap(*combo, 60, 60);
    EXPECT_TRUE(combo->GetList()->IsOpen());
}

TEST_F(ComboBoxTest, AListWithoutWindowOrFontIsAnAssertion)
{
    Font* font = GfxResources::GetFont(GfxResources::FONT_TEXT);
    EXPECT_DEATH(GfxComboList(0, 0, nullptr, font, 0, 0, 0, "sr_Combo_box.bmp", [](int32_t) {}), "_window");
    EXPECT_DEATH(GfxComboList(0, 0, screen, nullptr, 0, 0, 0, "sr_Combo_box.bmp", [](int32_t) {}), "_font");
}
