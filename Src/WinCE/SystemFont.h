// The default font of every window: a small fixed font built into the program.
//
// It stands in for the platform's own text drawing. Each character takes a
// cell of CELL_WIDTH x CELL_HEIGHT pixels; like text drawn on a fresh device
// context, the cells are painted white and the glyphs black, whatever raster
// operation is asked for. Printable ASCII has glyphs; any other byte is drawn
// as an empty box.
//
// The game measures text only with its bitmap fonts, so `TextWidth` and
// `GetHeight` on this font are programming errors and assert. Code that needs
// the size of system text (self-drawn native controls) uses the static
// `MeasureText` and CELL_HEIGHT instead.
#pragma once

#include "WinCE/Font.h"

class SystemFont : public Font
{
public:
    static constexpr int32_t CELL_WIDTH = 6;
    static constexpr int32_t CELL_HEIGHT = 10;

    SystemFont() { _name = "system"; }

    void DrawString(Window* window, int32_t x, int32_t y, const char* text, uint32_t rop) override;
    int32_t TextWidth(const char* text) override;
    int32_t GetHeight() override;

    // The pixel width of the text in this font.
    static int32_t MeasureText(const char* text);
};
