#include "Wkr/Gui/Button.h"
#include "Wkr/Gui/WidgetList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
struct Counter : Callback
{
    explicit Counter(int* count) : _count(count) {}
    void Invoke() override { ++*_count; }
    int* _count;
};

// A button over the square 10..20 x 10..20 that records its looks.
class SquareButton : public Button
{
public:
    SquareButton(int* fired, bool enabled = true, bool candisable = true)
        : Button(new Counter(fired), enabled, candisable)
    {
    }
    bool HitTest(int16_t x, int16_t y) override { return x >= 10 && x <= 20 && y >= 10 && y <= 20; }
    void DrawNormal() override { looks.push_back("normal"); }
    void DrawPressed() override { looks.push_back("pressed"); }
    void DrawDisabled() override { looks.push_back("disabled"); }
    std::vector<std::string> looks;
};

// A widget that takes the capture on a press and lets go on release.
class Dragger : public Widget
{
public:
    explicit Dragger(std::vector<std::string>* log, const char* name) : _log(log), _name(name) {}
    bool OnStylusDown(int16_t x, int16_t) override
    {
        _log->push_back(_name + " down");
        if (x < 50)
            _capture = true;
        return _capture;
    }
    bool OnStylusMove(int16_t, int16_t) override
    {
        _log->push_back(_name + " move");
        return _capture;
    }
    bool OnStylusUp(int16_t, int16_t) override
    {
        _log->push_back(_name + " up");
        const bool had = _capture;
        _capture = false;
        return had;
    }
    bool HasCapture() override { return _capture; }
    bool Update() override { return changed; }
    bool changed = false;

private:
    std::vector<std::string>* _log;
    std::string _name;
    bool _capture = false;
};
} // namespace

TEST(ButtonTest, FiresOnlyWhenPressedAndReleasedOnTheButton)
{
    int fired = 0;
    SquareButton button(&fired);
    EXPECT_TRUE(button.OnStylusDown(15, 15));
    EXPECT_TRUE(button.OnStylusMove(30, 30)) << "a pressed button keeps tracking the stylus";
    EXPECT_TRUE(button.OnStylusUp(30, 30)) << "the release reports the earlier press";
    EXPECT_EQ(0, fired) << "sliding off and releasing cancels";
    EXPECT_EQ((std::vector<std::string>{"pressed", "normal"}), button.looks);

    button.looks.clear();
    button.OnStylusDown(10, 10);
    button.OnStylusMove(30, 30);
    button.OnStylusMove(20, 20);
    EXPECT_TRUE(button.OnStylusUp(20, 20));
    EXPECT_EQ(1, fired);
    EXPECT_EQ((std::vector<std::string>{"pressed", "normal", "pressed", "normal"}), button.looks);
}

TEST(ButtonTest, PressingOutsideDoesNothing)
{
    int fired = 0;
    SquareButton button(&fired);
    EXPECT_FALSE(button.OnStylusDown(5, 5));
    EXPECT_FALSE(button.OnStylusMove(15, 15));
    EXPECT_FALSE(button.OnStylusUp(15, 15));
    EXPECT_EQ(0, fired);
    EXPECT_TRUE(button.looks.empty());
}

TEST(ButtonTest, ADisabledButtonShowsItsDisabledLookAndIgnoresTheStylus)
{
    int fired = 0;
    SquareButton button(&fired);
    button.Disable();
    button.Draw();
    EXPECT_FALSE(button.OnStylusDown(15, 15));
    EXPECT_FALSE(button.OnStylusUp(15, 15));
    EXPECT_EQ(0, fired);
    EXPECT_EQ((std::vector<std::string>{"disabled"}), button.looks);
    button.Enable();
    button.OnStylusDown(15, 15);
    button.OnStylusUp(15, 15);
    EXPECT_EQ(1, fired);
}

TEST(ButtonTest, AnInvisibleButtonDrawsNothing)
{
    int fired = 0;
    SquareButton button(&fired);
    button.SetVisible(false);
    button.Draw();
    EXPECT_TRUE(button.looks.empty());
}

TEST(ButtonTest, ButtonsThatCannotBeDisabledAssert)
{
    int fired = 0;
    EXPECT_DEATH(SquareButton(&fired, false, false), "Cannot disable this button");
    SquareButton fixed(&fired, true, false);
    EXPECT_DEATH(fixed.Disable(), "Cannot disable this button");
    EXPECT_DEATH(fixed.SetCallback(nullptr), "callbackptr");
}

TEST(ButtonTest, SetCallbackReplacesTheAction)
{
    int first = 0;
    int second = 0;
    SquareButton button(&first);
    button.SetCallback(new Counter(&second));
    button.Fire();
    EXPECT_EQ(0, first);
    EXPECT_EQ(1, second);
}

TEST(WidgetListTest, WhileOneChildCapturesOnlyCapturingChildrenHearTheStylus)
{
    std::vector<std::string> log;
    WidgetList list;
    list.AddWidget(new Dragger(&log, "A"));
    list.AddWidget(new Dragger(&log, "B"));
    EXPECT_TRUE(list.OnStylusDown(10, 0)) << "A takes the capture";
    EXPECT_TRUE(list.HasCapture());
    EXPECT_EQ((std::vector<std::string>{"A down"}), log) << "B does not capture, so it misses the press";
    log.clear();
    list.OnStylusMove(10, 0);
    EXPECT_EQ((std::vector<std::string>{"A move"}), log);
    log.clear();
    EXPECT_FALSE(list.OnStylusUp(10, 0)) << "the result is that of the repeated dispatch";
    EXPECT_EQ((std::vector<std::string>{"A up", "A up", "B up"}), log)
        << "when the capture ends, the releasing event goes to the whole list again";
    EXPECT_FALSE(list.HasCapture());
}

TEST(WidgetListTest, WithoutCaptureEveryChildHearsEveryEvent)
{
    std::vector<std::string> log;
    WidgetList list;
    list.AddWidget(new Dragger(&log, "A"));
    list.AddWidget(new Dragger(&log, "B"));
    EXPECT_FALSE(list.OnStylusDown(80, 0));
    list.OnStylusMove(80, 0);
    EXPECT_FALSE(list.OnStylusUp(80, 0));
    EXPECT_EQ((std::vector<std::string>{"A down", "B down", "A move", "B move", "A up", "B up"}), log);
}

TEST(WidgetListTest, CapturingChildIsolatesLaterChildrenThatDoNotCapture)
{
    std::vector<std::string> log;
    int fired = 0;
    WidgetList list;
    list.AddWidget(new Dragger(&log, "A"));
    auto* button = new SquareButton(&fired);
    list.AddWidget(button);
    list.OnStylusDown(15, 15);
    EXPECT_FALSE(button->IsPressed()) << "the button does not capture, so it misses the press";
    list.OnStylusUp(15, 15);
    EXPECT_EQ(0, fired) << "the releasing event reaches it unpressed";
}

TEST(WidgetListTest, UpdateReportsAnyChange)
{
    std::vector<std::string> log;
    WidgetList list;
    auto* a = new Dragger(&log, "A");
    auto* b = new Dragger(&log, "B");
    list.AddWidget(a);
    list.AddWidget(b);
    EXPECT_FALSE(list.Update());
    b->changed = true;
    EXPECT_TRUE(list.Update());
    EXPECT_DEATH(list.AddWidget(nullptr), "widget");
}

TEST(WidgetListTest, EnableAndDisableReachEveryChild)
{
    int fired = 0;
    WidgetList list;
    auto* one = new SquareButton(&fired);
    auto* two = new SquareButton(&fired);
    list.AddWidget(one);
    list.AddWidget(two);
    list.Disable();
    EXPECT_FALSE(one->IsEnabled());
    EXPECT_FALSE(two->IsEnabled());
    list.Enable();
    EXPECT_TRUE(one->IsEnabled());
    EXPECT_TRUE(two->IsEnabled());
}
