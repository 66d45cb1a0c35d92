// ScreenDump: what the device screen shows now, as plain records, for scripts
// and tests that read screens instead of pixels.
//
// The top visible form fills one in through Form::Describe: the texts it drew
// in its last full paint (with position and font), every button with its
// bitmap, rectangle and state, every row of its lists, and, on game screens,
// the screen number, the title and the top bar. Positions are the form's
// client coordinates; originX/originY give where the client area lies on the
// 240 x 320 device screen, so a script taps at (x + originX, y + originY).
// `ToJson` writes the record for `Skyreach --headless` scripts' `dump`.
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
    };
    struct Item
    {
        std::string label;
        // Which list of the screen the row belongs to (0 for the first) and
        // its index there.
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
    TopBar topBar;

    std::string ToJson() const;
};
