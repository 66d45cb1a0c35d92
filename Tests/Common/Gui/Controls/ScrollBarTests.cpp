#include "Common/Gui/Controls/ScrollBar.h"

#include "Common/Gui/Controls/ScrollableList.h"
#include "ControlsTestSupport.h"

#include <algorithm>

using namespace ControlsTest;

namespace
{
// A list of `count` rows showing ten, scrolled like the list panels.
class FakeList : public ScrollableList
{
public:
    explicit FakeList(int32_t count) : count(count) {}
    int32_t GetCount() const override { return count; }
    int32_t GetVisibleRows() const override { return 10; }
    int32_t GetFirst() const override { return first; }
    void ScrollUp(int32_t n) override { first = std::max(0, first - n); }
    void ScrollDown(int32_t n) override { first = std::min(std::max(0, count - 10), first + n); }
    void PageUp() override { ScrollUp(9); }
    void PageDown() override { ScrollDown(9); }
    int32_t count;
    int32_t first = 0;
};

// Up arrow 18x18 at (213, 40), track 18x132 from y 58, down arrow at y 190;
// the thumb is 20 high, so it travels 112 pixels.
class ScrollBarTest : public ControlsFixture
{
protected:
    std::unique_ptr<ScrollBar> Make(FakeList* list, bool live)
    {
        auto bar = std::make_unique<ScrollBar>(213, 40, screen, list, "sr_ScrollVerticalUp_button.bmp",
                                               "sr_ScrollVerticalDown_button.bmp", "sr_ScrollLine.bmp",
                                               "sr_ScrollVertical_bar.bmp", live);
        bar->Draw();
        return bar;
    }
};
} // namespace

TEST_F(ScrollBarTest, LayoutAndThumbPositions)
{
    FakeList list(30);
    auto bar = Make(&list, true);
    EXPECT_EQ(58, bar->GetTrackTop());
    EXPECT_EQ(132, bar->GetTrackHeight());
    EXPECT_EQ(168, bar->GetHeight());
    EXPECT_EQ(0, bar->GetThumbOffset());
    list.first = 10;
    bar->UpdateThumb();
    EXPECT_EQ(56, bar->GetThumbOffset());
    list.first = 7;
    bar->UpdateThumb();
    EXPECT_EQ(39, bar->GetThumbOffset()) << "7 * 112 / 20 = 39.2, truncated";
    list.first = 20;
    bar->UpdateThumb();
    EXPECT_EQ(112, bar->GetThumbOffset());
}

TEST_F(ScrollBarTest, HeldArrowScrollsOneRowPerUpdateAndStopsOnRelease)
{
    FakeList list(30);
    auto bar = Make(&list, true);
    EXPECT_TRUE(bar->OnStylusDown(220, 195));
    EXPECT_TRUE(bar->HasCapture());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(bar->Update());
    EXPECT_EQ(3, list.first);
    EXPECT_EQ(16, bar->GetThumbOffset());
    EXPECT_TRUE(bar->OnStylusUp(220, 195));
    EXPECT_FALSE(bar->Update());
    EXPECT_EQ(3, list.first);

    bar->OnStylusDown(220, 45);
    bar->Update();
    bar->Update();
    bar->Update();
    bar->Update();
    bar->OnStylusUp(220, 45);
    EXPECT_EQ(0, list.first) << "never above the first row";
}

TEST_F(ScrollBarTest, TapOnTheTrackPagesTowardTheTap)
{
    FakeList list(30);
    auto bar = Make(&list, true);
    EXPECT_TRUE(bar->OnStylusDown(220, 150));
    EXPECT_TRUE(bar->OnStylusUp(220, 150));
    EXPECT_EQ(9, list.first);
    EXPECT_EQ(50, bar->GetThumbOffset()) << "9 * 112 / 20 = 50.4";
    bar->OnStylusDown(220, 70);
    bar->OnStylusUp(220, 70);
    EXPECT_EQ(0, list.first);

    // A press on the track released elsewhere does not page.
    bar->OnStylusDown(220, 150);
    bar->OnStylusUp(100, 150);
    EXPECT_EQ(0, list.first);
}

TEST_F(ScrollBarTest, DraggingTheThumbScrollsLiveOrOnRelease)
{
    FakeList list(30);
    auto bar = Make(&list, true);
    ASSERT_TRUE(bar->OnStylusDown(220, 65)); // on the thumb at 58..77
    EXPECT_TRUE(bar->IsDragging());
    bar->OnStylusMove(220, 124); // offset 124 - 58 - 10 = 56
    EXPECT_EQ(56, bar->GetThumbOffset());
    EXPECT_EQ(10, list.first);
    bar->OnStylusMove(220, 300);
    EXPECT_EQ(112, bar->GetThumbOffset()) << "clamped to the track";
    EXPECT_EQ(20, list.first);
    bar->OnStylusUp(220, 300);
    EXPECT_FALSE(bar->IsDragging());

    FakeList still(30);
    auto quiet = Make(&still, false);
    quiet->OnStylusDown(220, 65);
    quiet->OnStylusMove(220, 124);
    EXPECT_EQ(0, still.first) << "without live scrolling the list waits";
    quiet->OnStylusUp(220, 124);
    EXPECT_EQ(10, still.first);
}

TEST_F(ScrollBarTest, AShortListLeavesTheBarInert)
{
    FakeList list(10);
    auto bar = Make(&list, true);
    EXPECT_FALSE(bar->IsActive());
    EXPECT_FALSE(bar->OnStylusDown(220, 195));
    EXPECT_FALSE(bar->OnStylusDown(220, 65));
    EXPECT_FALSE(bar->Update());
    EXPECT_EQ(0, list.first);
}

TEST_F(ScrollBarTest, ArrowLooksFollowTheStylus)
{
    FakeList list(30);
    auto bar = Make(&list, true);
    const std::vector<uint32_t> normal = Pixels(213, 40, 18, 18);
    bar->OnStylusDown(220, 45);
    const std::vector<uint32_t> pressed = Pixels(213, 40, 18, 18);
    EXPECT_NE(normal, pressed);
    bar->OnStylusMove(100, 45);
    EXPECT_EQ(normal, Pixels(213, 40, 18, 18));
    bar->OnStylusMove(220, 45);
    EXPECT_EQ(pressed, Pixels(213, 40, 18, 18));
    bar->OnStylusUp(220, 45);
    EXPECT_EQ(normal, Pixels(213, 40, 18, 18));
}

TEST_F(ScrollBarTest, ABarWithoutItsListIsAnAssertion)
{
    EXPECT_DEATH(ScrollBar(213, 40, screen, nullptr, "sr_ScrollVerticalUp_button.bmp",
                           "sr_ScrollVerticalDown_button.bmp", "sr_ScrollLine.bmp",
                           "sr_ScrollVertical_bar.bmp", true),
                 "_child");
}
