// ScreenDump: what the device screen shows now, as plain records, for scripts
// and tests that read screens instead of pixels.
//
// The top visible form fills one in through Form::Describe: the texts it drew
// in its last full paint (with position and font), every button with its
// bitmap, rectangle and state, every row of its lists, and, on game screens,
// the screen number, the title and the top bar. Positions are the form's
// client coordinates; originX/originY give where the client area lies on the
// 240 x 320 device screen, so a script taps at (x + originX, y + originY).
// Each list of the screen has a record of its own (what kind, which rows are
// in view, its scroll bar), which the script's `choose` uses to bring a row
// into view the way a player would. `ToJson` writes the record for
// `Skyreach --headless` scripts' `dump`.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ScreenDump
{
    struct Text
    {
        int32_t x = 0;
        int32_t y = 0;
        // The font's name (the shared game fonts report "font0" to "font4").
        std::string font;
        std::string text;
    };
    struct Button
    {
        // The bitmap the button (or pop-up entry) is drawn from.
        std::string bitmap;
        int32_t x = 0;
        int32_t y = 0;
        int32_t width = 0;
        int32_t height = 0;
        bool enabled = true;
        // Radio buttons: the one checked; pop-up menu buttons: the menu is open.
        bool checked = false;
    };
    struct Box
    {
        int32_t x = 0;
        int32_t y = 0;
        int32_t width = 0;
        int32_t height = 0;
    };
    struct List
    {
        // "items" (a panel of rows that draw themselves), "strings" (a
        // column of strings) or "combo" (a combo box's drop-down list).
        std::string kind;
        // The panel, or a combo box's box.
        Box box;
        int32_t count = 0;
        // The first row in view and how many rows are in view.
        int32_t first = 0;
        int32_t rows = 0;
        // A combo box's list is dropped; other lists are always open.
        bool open = true;
        // The scroll bar beside the list, if it has one: whether it reacts
        // (more rows than fit), its arrows, its track and the thumb on it.
        bool scrollBar = false;
        bool scrollActive = false;
        Box up;
        Box down;
        Box track;
        Box thumb;
        // Who the record is for (the list object); not written out.
        const void* key = nullptr;
    };
    struct Item
    {
        std::string label;
        // Which list of the screen the row belongs to (its index in `lists`)
        // and its index there.
        int32_t list = 0;
        int32_t index = 0;
        bool selected = false;
        // The row's rectangle when it is in view; width 0 when scrolled away.
        int32_t x = 0;
        int32_t y = 0;
        int32_t width = 0;
        int32_t height = 0;
    };
    struct TopBar
    {
        bool shown = false;
        int64_t cash = 0;
        std::string date;
        // How many of the four speed lamps are lit.
        int32_t lamps = 0;
    };

    // The numbered game screen, or -1 for the menu and other forms.
    int32_t screen = -1;
    // The form's window title and the screen's own title text.
    std::string form;
    std::string title;
    int32_t originX = 0;
    int32_t originY = 0;
    std::vector<Text> texts;
    std::vector<Button> buttons;
    std::vector<Item> items;
    std::vector<List> lists;
    TopBar topBar;

    // The index of the list record of `key` (a list object), made when the
    // list or its scroll bar describes itself first.
    int32_t ListFor(const void* key);

    std::string ToJson() const;
};
