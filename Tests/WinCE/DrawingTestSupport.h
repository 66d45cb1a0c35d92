// Helpers for the pixel tests of the drawing layer: small surfaces written
// and compared as text pictures, one character per pixel, rows ending in '\n'.
// '#' is black, '.' white, other colours by the legend given.
#pragma once

#include "WinCE/Color.h"
#include "WinCE/Surface.h"
#include "WinCE/Window.h"

#include <map>
#include <string>

namespace drawing_test
{
inline std::string Picture(const Window& window, const std::map<uint32_t, char>& legend = {})
{
    const Surface& s = *window.GetDC();
    std::string out;
    for (int32_t y = 0; y < s.GetHeight(); ++y)
    {
        for (int32_t x = 0; x < s.GetWidth(); ++x)
        {
            const uint32_t c = s.GetPixel(x, y);
            auto found = legend.find(c);
            if (found != legend.end())
                out += found->second;
            else if (c == COLOR_BLACK)
                out += '#';
            else if (c == COLOR_WHITE)
                out += '.';
            else
                out += '?';
        }
        out += '\n';
    }
    return out;
}

// Paints the window from a picture of the same size.
inline void Paint(Window& window, const std::string& picture, const std::map<char, uint32_t>& legend = {})
{
    Surface& s = *window.GetDC();
    int32_t x = 0, y = 0;
    for (char ch : picture)
    {
        if (ch == '\n')
        {
            ++y;
            x = 0;
            continue;
        }
        auto found = legend.find(ch);
        const uint32_t c = found != legend.end() ? found->second : (ch == '#' ? COLOR_BLACK : COLOR_WHITE);
        s.SetPixel(x++, y, c);
    }
}
} // namespace drawing_test
