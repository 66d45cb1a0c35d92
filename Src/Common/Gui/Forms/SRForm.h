// SRForm: the base of every numbered game screen.
//
// A screen is a constant layout plus one button switch. Its file declares,
// near the top, a ScreenLayout: the kind of top strip, the title, the text
// lines (font, position, text) and the buttons (id, bitmap, position); the
// base builds the buttons, paints the background, the title and the lines,
// and hands every button press to the screen's `OnButton(id)`. A screen
// paints only what changes (figures, lists) in `PaintContent`, and keeps any
// further widgets (lists, pop-up menus) in the base's widget list, which
// gives an open pop-up or dropped list alone the stylus.
//
// The base also gives all screens the same top bar (cash, date and the four
// speed lamps, refreshed every 201 ms while time runs), the redefinable keys
// for the speed and the skip to the next notice, the menu bar's "Main menu"
// and "Exit", the stylus shortcut on the top bar (the right part opens Time &
// Cash, or the left part goes back on screens that show a back tab), the
// shared frame that dialog-style screens draw over the previous screen's top
// and bottom strips, and the five melodies played on the next idle step.
//
// A screen never builds another: it asks the navigation form for a number
// (GoTo, Back) and hides itself, and the navigation form's idle step makes
// the switch.
#pragma once

#include "Common/Backend/EventListener.h"
#include "WinCE/Form.h"
#include "Wkr/Gui/WidgetList.h"

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

class BitmapFont;
class CentralFormChanger;
class GfxButton;
class ItemListPanel;
class PopupMenu;
class ScrollBar;

// One line of text of a screen's layout. Lines with x CENTRED are centred on
// the 240-pixel width; y is the top of the text.
struct ScreenText
{
    int32_t font;
    int32_t x;
    int32_t y;
    const char* text;
};

// One bitmap button of a screen's layout; its press reaches OnButton(id).
struct ScreenButton
{
    int32_t id;
    const char* bitmap;
    int16_t x;
    int16_t y;
};

struct ScreenLayout
{
    enum class Top
    {
        // The title strip with the top bar at its right (cash, date, lamps).
        TOP_BAR,
        // The title strip without the top bar.
        PLAIN,
        // A back tab on the left and the title on the right.
        BACK,
        // A dialog: the window frame over the previous screen's strips.
        FRAMED,
    };

    Top top;
    // Time runs while the screen is shown.
    bool running;
    // A tap on the left of the top bar goes back (instead of the right part
    // opening Time & Cash).
    bool backOnTopBar;
    const char* title;
    int32_t titleX;
    int32_t titleY;
    std::span<const ScreenText> texts;
    std::span<const ScreenButton> buttons;
};

class SRForm : public Form, public EventListener
{
public:
    static constexpr int32_t CENTRED = -1;
    static constexpr int32_t WIDTH = 240;
    static constexpr int32_t HEIGHT = 268;
    // The top bar: x 147 to 240, y 0 to 30; taps count above y 29.
    static constexpr int32_t TOP_BAR_X = 147;
    static constexpr int32_t TOP_BAR_WIDTH = 93;
    static constexpr int32_t TOP_BAR_HEIGHT = 30;
    static constexpr int32_t TOP_BAR_TAP_LIMIT = 29;
    static constexpr uint32_t TOP_BAR_REFRESH = 201;
    // The shared frame's strips that dialog-style screens keep.
    static constexpr int32_t FRAME_TOP = 50;
    static constexpr int32_t FRAME_BOTTOM = 218;
    // Where the list screens put their list panel and its scroll bar, and
    // the panel's colours.
    static constexpr int16_t LIST_X = 13;
    static constexpr int16_t LIST_Y = 62;
    static constexpr int16_t SCROLL_BAR_X = 213;
    static constexpr uint32_t LIST_BACKGROUND = 0x004C240E;
    static constexpr uint32_t LIST_SELECTION = 0x00965F0C;

    enum Melody
    {
        MELODY_NONE = 0,
        MELODY_GOOD = 1,
        MELODY_BAD = 2,
        MELODY_WON = 3,
        MELODY_LOST = 4,
        MELODY_HIGHSCORE = 5,
    };

    // Builds the screen `number` from its layout; time stands still until it
    // is shown.
    SRForm(int32_t number, const ScreenLayout& layout);
    ~SRForm() override;

    void Paint() override;
    void OnStylusMove(int16_t x, int16_t y) override;
    void OnStylusUp(int16_t x, int16_t y) override;
    void OnStylusDown(int16_t x, int16_t y) override;
    void OnShow() override;
    void OnHide() override;
    void OnCommand(uint16_t id) override;
    bool OnKey(uint32_t keyBit, bool pressed) override;
    bool OnIdle() override;
    void Describe(ScreenDump& dump) override;
    void OnEvent(ScheduledEvent* event) override;
    // Redraws the top bar (only while time runs unless forced; forced, into
    // the shared frame that the next dialog-style screen shows).
    virtual void DrawTopBar(bool force);

    int32_t GetNumber() const { return _number; }
    const ScreenLayout& GetLayout() const { return _layout; }
    bool IsRunning() const { return _layout.running; }
    bool IsFramed() const { return _layout.top == ScreenLayout::Top::FRAMED; }
    // The button of the layout with this id, or null.
    GfxButton* GetButton(int32_t id) const;
    // Enables or disables the button and redraws it when that changed it.
    void SetButtonEnabled(int32_t id, bool enabled);
    int32_t GetMelodyRequest() const { return _melody; }

    // The main menu sets this when it is shown; the next screen then draws
    // its own top bar instead of keeping the menu's strips.
    static void SetMenuReturn(bool set);
    static bool IsMenuReturn();
    // The five wave resources of the melodies, by Melody number.
    static int32_t MelodySound(int32_t melody);

protected:
    // What the screen does when the button `id` of its layout is pressed.
    virtual void OnButton(int32_t id);
    // Paints what changes: figures, panels. The base has painted the
    // background, title and text lines; the widgets are drawn after it.
    virtual void PaintContent();
    // The title a dump reports (the layout's, unless the screen draws its own).
    virtual std::string GetTitleText() const;

    // Asks the navigation form for another screen and hides this one.
    void GoTo(int32_t screen);
    void Back();
    void RequestMelody(int32_t melody) { _melody = melody; }
    // Draws a text centred on the width at y.
    void DrawCentred(int32_t font, int32_t y, const char* text);
    void DrawText(int32_t font, int32_t x, int32_t y, const char* text);
    // Draws a text so that it ends at x.
    void DrawRightAligned(int32_t font, int32_t x, int32_t y, const char* text);

    CentralFormChanger* Navigation() const;
    WidgetList& Widgets() { return _widgets; }
    // A list panel at the list screens' place with its scroll bar, both in
    // the widget list.
    ItemListPanel* AddList(bool selectionEnabled);
    ScrollBar* GetScrollBar() const { return _scrollBar; }
    // The "Go" pop-up of the list screens at the bottom left: Retire,
    // Statistics, Bank, Airports and Planes; the entry of the screen `self`
    // is disabled.
    PopupMenu* AddGoPopup(int32_t self);
    // A button whose place the screen decides when it is built; its press
    // reaches OnButton(id) like those of the layout.
    GfxButton* AddButton(int32_t id, const char* bitmap, int16_t x, int16_t y);

private:
    void PaintFrame();
    void SaveStrips();
    bool HasButtonsBelowWindow() const;

    int32_t _number;
    ScreenLayout _layout;
    WidgetList _widgets;
    BitmapFont* _cashDigits;
    BitmapFont* _dateDigits;
    uint32_t _panelTick = 0;
    bool _topBarArmed = false;
    bool _stripsPending = true;
    ScrollBar* _scrollBar = nullptr;
    std::vector<std::pair<int32_t, GfxButton*>> _buttons;
    int32_t _melody = MELODY_NONE;
};
