// A font draws 8-bit text on a window.
//
// Two kinds exist: `BitmapFont`, the game's fonts cut from glyph strips, and
// `SystemFont`, the built-in font every window starts with. The operations
// are declared in the order the rest of the program expects of any font.
// Every font tells the window what it drew (Window::NoteText) under its name,
// so that screen dumps can list the strings a screen shows and in which font.
#pragma once

#include <cstdint>
#include <string>

class Window;

class Font
{
public:
    // Draws the text with its top-left corner at (x, y); rop is a raster
    // operation or ROP_DEFAULT for the window's default.
    virtual void DrawString(Window* window, int32_t x, int32_t y, const char* text, uint32_t rop) = 0;
    // The width of the text in pixels.
    virtual int32_t TextWidth(const char* text) = 0;
    // The height of a line of text in pixels.
    virtual int32_t GetHeight() = 0;
    virtual ~Font();

    // The name screen dumps give the font: the shared game fonts are "font0"
    // to "font4", other bitmap fonts their strip's base name, the built-in
    // font "system".
    const std::string& GetName() const { return _name; }
    void SetName(const std::string& name) { _name = name; }

protected:
    std::string _name;
};
