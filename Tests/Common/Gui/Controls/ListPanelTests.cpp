#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Controls/ItemPlane.h"
#include "Common/Gui/Controls/ItemString.h"
#include "Common/Gui/Controls/StringListPanel.h"

#include "ControlsTestSupport.h"
#include "WinCE/Font.h"

using namespace ControlsTest;

namespace
{
constexpr uint32_t BACKGROUND = 0x00403020;
constexpr uint32_t SELECTION = 0x00965F0C;

// A row that records what the panel tells it.
class ProbeItem : public ListItem
{
public:
    explicit ProbeItem(std::vector<std::string>* log, int n) : _log(log), _n(n) {}
    int32_t GetRowHeight() const override { return 12; }
    void Draw(Window*, int32_t, int32_t, int32_t, int32_t) override {}
    void OnSelect() override { _log->push_back("select " + std::to_string(_n)); }
    void OnTap(int16_t x, int16_t) override
    {
        _log->push_back("tap " + std::to_string(_n) + " at " + std::to_string(x));
    }

private:
    std::vector<std::string>* _log;
    int _n;
};

// An item panel at (13, 62): 200 x 168, rows of 12, so 13 visible rows
// starting at y 66; the hit area is 15 < x < 209, 64 < y < 222.
class ItemListPanelTest : public ControlsFixture
{
protected:
    void Fill(int n)
    {
        for (int i = 0; i < n; ++i)
            panel->AddItem(new ProbeItem(&log, i));
    }
    void SetUp() override
    {
        ControlsFixture::SetUp();
        panel = std::make_unique<ItemListPanel>(13, 62, screen, BACKGROUND, SELECTION, true);
    }
    std::unique_ptr<ItemListPanel> panel;
    std::vector<std::string> log;
};
} // namespace

TEST_F(ItemListPanelTest, EmptyPanelHasNoFirstRowAndIgnoresTaps)
{
    EXPECT_EQ(-1, panel->GetFirst());
    EXPECT_FALSE(panel->OnStylusDown(100, 100));
    panel->ScrollDown(3);
    panel->SetFirst(4);
    EXPECT_EQ(-1, panel->GetFirst());
    panel->Draw();
}

TEST_F(ItemListPanelTest, HitRowsAndTheHitArea)
{
    Fill(30);
    EXPECT_EQ(13, panel->GetVisibleRows());
    EXPECT_EQ(0, panel->RowAt(66));
    EXPECT_EQ(0, panel->RowAt(77));
    EXPECT_EQ(1, panel->RowAt(78));
    EXPECT_EQ(12, panel->RowAt(221));
    EXPECT_TRUE(panel->InHitArea(16, 65));
    EXPECT_FALSE(panel->InHitArea(15, 100));
    EXPECT_FALSE(panel->InHitArea(209, 100));
    EXPECT_FALSE(panel->InHitArea(100, 222));
    panel->SetFirst(5);
    EXPECT_EQ(7, panel->RowAt(90));
}

TEST_F(ItemListPanelTest, TapSelectsThenTapOnTheSelectedRowGoesToItsItem)
{
    Fill(30);
    EXPECT_TRUE(panel->OnStylusDown(50, 93)); // row 2
    EXPECT_TRUE(panel->IsPressed());
    EXPECT_EQ(2, panel->GetSelected());
    EXPECT_TRUE(panel->OnStylusUp(50, 93));
    EXPECT_FALSE(panel->IsPressed());
    panel->OnStylusDown(50, 93);
    panel->OnStylusUp(50, 93);
    EXPECT_EQ((std::vector<std::string>{"select 2", "tap 2 at 37"}), log);
}

TEST_F(ItemListPanelTest, DragMovesTheSelectionWithTheHighlightSound)
{
    Fill(30);
    panel->OnStylusDown(50, 70);
    panel->OnStylusMove(50, 72);
    EXPECT_EQ(0, CountSounds(GameSound::HIGHLIGHT));
    panel->OnStylusMove(50, 82);
    panel->OnStylusMove(50, 95);
    EXPECT_EQ(2, panel->GetSelected());
    EXPECT_EQ(2, CountSounds(GameSound::HIGHLIGHT));
    panel->OnStylusUp(50, 95);
    EXPECT_FALSE(panel->OnStylusMove(50, 110)) << "without the stylus down a move selects nothing";
    EXPECT_EQ(2, panel->GetSelected());
}

TEST_F(ItemListPanelTest, RowsBeyondTheItemsAreNotSelected)
{
    Fill(3);
    panel->OnStylusDown(50, 150);
    EXPECT_EQ(0, panel->GetSelected());
    EXPECT_TRUE(log.empty());
}

TEST_F(ItemListPanelTest, ScrollingAndClamps)
{
    Fill(30);
    panel->ScrollDown(5);
    EXPECT_EQ(5, panel->GetFirst());
    EXPECT_TRUE(panel->IsDirty());
    EXPECT_TRUE(panel->Update());
    EXPECT_FALSE(panel->Update()) << "a clean panel is not redrawn";
    panel->ScrollDown(100);
    EXPECT_EQ(17, panel->GetFirst());
    panel->PageUp();
    EXPECT_EQ(5, panel->GetFirst());
    panel->PageDown();
    EXPECT_EQ(17, panel->GetFirst());
    panel->ScrollUp(100);
    EXPECT_EQ(0, panel->GetFirst());
    panel->SetFirst(-4);
    EXPECT_EQ(0, panel->GetFirst());
    panel->SetFirst(25);
    EXPECT_EQ(17, panel->GetFirst());
    panel->SetSelected(40);
    EXPECT_EQ(29, panel->GetSelected());
    panel->SetSelected(-2);
    EXPECT_EQ(0, panel->GetSelected());
}

TEST_F(ItemListPanelTest, AShortListNeverScrollsAboveItsFirstRow)
{
    Fill(5);
    panel->ScrollDown(3);
    EXPECT_EQ(0, panel->GetFirst());
    panel->PageDown();
    EXPECT_EQ(0, panel->GetFirst());
}

TEST_F(ItemListPanelTest, ClearReturnsToTheEmptyState)
{
    Fill(4);
    panel->SetSelected(3);
    panel->Clear();
    EXPECT_EQ(0, panel->GetCount());
    EXPECT_EQ(-1, panel->GetFirst());
    EXPECT_FALSE(panel->OnStylusDown(50, 70));
    Fill(2);
    EXPECT_EQ(0, panel->GetFirst());
}

TEST_F(ItemListPanelTest, DrawPaintsTheSelectedBandAndCopiesThePanel)
{
    panel->AddItem(new ItemString("Alpha", panel.get(), 0, 0, 1));
    panel->AddItem(new ItemString("Beta", panel.get(), 0, ItemString::ICON_CITY | ItemString::ICON_VIP, 2));
    panel->SetSelected(1);
    panel->Draw();
    // Right of any text, inside the bands: row 0 background, row 1 selection.
    EXPECT_EQ(BACKGROUND, screen->GetDC()->GetPixel(13 + 180, 62 + 4 + 6));
    EXPECT_EQ(SELECTION, screen->GetDC()->GetPixel(13 + 180, 62 + 4 + 12 + 6));
    // Row 2 does not exist: the panel's own interior shows.
    EXPECT_NE(BACKGROUND, screen->GetDC()->GetPixel(13 + 180, 62 + 4 + 24 + 6));
}

TEST_F(ItemListPanelTest, PlaneRowsRunTheirActionOnEveryTap)
{
    int fired = 0;
    panel->AddItem(new ItemPlane("Jet 1", "Model A", false, 1, new Counter(&fired)));
    panel->AddItem(new ItemPlane("Jet 2", "Model B", true, 2, new Counter(&fired)));
    EXPECT_EQ(24, panel->GetRowHeight());
    EXPECT_EQ(6, panel->GetVisibleRows());
    panel->Draw();
    Tap(*panel, 50, 70); // row 0, already selected
    Tap(*panel, 50, 95); // row 1: selects it
    Tap(*panel, 50, 95); // row 1 again
    EXPECT_EQ(3, fired);
}

TEST(ItemStringTest, LongTextIsShortenedBelow186Pixels)
{
    DataFile::UseFile(std::string(SKYREACH_BINARY_DIR) + "/Skyreach.dat");
    GfxResources::Init();
    Font* font = GfxResources::GetFont(GfxResources::FONT_TEXT);
    const std::string longText = "International Airport of the Very Long Name, Terminal Two";
    ASSERT_GE(font->TextWidth(longText.c_str()), 186);
    ItemString item(longText, nullptr, 0, 0, 7);
    const std::string& kept = item.GetText();
    EXPECT_LT(font->TextWidth(kept.c_str()), 186);
    EXPECT_EQ(0u, longText.find(kept)) << "shortened from the end";
    EXPECT_GE(font->TextWidth(longText.substr(0, kept.size() + 1).c_str()), 186) << "no more than needed";
    EXPECT_EQ(7, item.GetValue());

    ItemString shortItem("Oslo", nullptr, 0, 0, 0);
    EXPECT_EQ("Oslo", shortItem.GetText());
    GfxResources::Release();
    DataFile::Destroy();
}

namespace
{
class StringListPanelTest : public ControlsFixture
{
protected:
    void SetUp() override
    {
        ControlsFixture::SetUp();
        panel = std::make_unique<StringListPanel>(
            13, 62, GfxResources::GetBitmap(GfxResources::BMP_LIST_PANEL),
            GfxResources::GetFont(GfxResources::FONT_TEXT), screen, SELECTION, BACKGROUND);
        for (int i = 0; i < 20; ++i)
            panel->AddString("Line " + std::to_string(i));
        panel->Draw();
    }
    std::unique_ptr<StringListPanel> panel;
};
} // namespace

TEST_F(StringListPanelTest, SelectionRedrawsOnlyTheTwoRows)
{
    EXPECT_EQ(13, panel->GetVisibleRows());
    EXPECT_EQ(SELECTION, screen->GetDC()->GetPixel(13 + 150, 62 + 3 + 5));
    EXPECT_TRUE(panel->OnStylusDown(50, 67 + 36)); // row 3
    EXPECT_EQ(3, panel->GetSelected());
    EXPECT_EQ(BACKGROUND, screen->GetDC()->GetPixel(13 + 150, 62 + 3 + 5));
    EXPECT_EQ(SELECTION, screen->GetDC()->GetPixel(13 + 150, 62 + 3 + 36 + 5));
    EXPECT_TRUE(panel->OnStylusMove(50, 67 + 48));
    EXPECT_EQ(4, panel->GetSelected());
    EXPECT_TRUE(panel->OnStylusUp(50, 67 + 48));
    EXPECT_FALSE(panel->OnStylusMove(50, 67));
    EXPECT_EQ(4, panel->GetSelected());
}

TEST_F(StringListPanelTest, TextAreaIsStrictAndRowsBeyondTheCountKeepTheSelection)
{
    EXPECT_FALSE(panel->OnStylusDown(17, 100)) << "x must exceed panel x + 4";
    EXPECT_FALSE(panel->OnStylusDown(50, 66));
    panel->ScrollDown(100);
    EXPECT_EQ(7, panel->GetFirst());
    panel->ScrollUp(2);
    EXPECT_EQ(5, panel->GetFirst());
    panel->PageUp();
    EXPECT_EQ(0, panel->GetFirst());

    StringListPanel few(13, 62, GfxResources::GetBitmap(GfxResources::BMP_LIST_PANEL),
                        GfxResources::GetFont(GfxResources::FONT_TEXT), screen, SELECTION, BACKGROUND);
    few.AddString("only");
    few.AddString("two");
    few.OnStylusDown(50, 67 + 12);
    EXPECT_EQ(1, few.GetSelected());
    few.OnStylusDown(50, 67 + 60);
    EXPECT_EQ(1, few.GetSelected());
    few.ScrollDown(4);
    EXPECT_EQ(0, few.GetFirst());
}
