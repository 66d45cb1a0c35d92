// SharedGraphics: the fonts, panels, maps and back buffers every screen draws
// from, loaded once at start and kept for the whole run.
//
// Screens refer to the entries by index:
//   fonts   0 "sr_Menu_font" (masked), 1 "font" (masked), 2 "font" (plain),
//           3 "font_yellow" (masked), 4 "font_pl2" (masked), spacing 0;
//   bitmaps 0 "sr_Screen_background" ... 20 "sr_Screen_top" (see the table
//           in the source), the window frame "window" (masked);
//   two off-screen back buffers of 240 x 268.
// Bitmaps read only their headers here; their pixels load on first drawing.
#pragma once

#include <cstdint>

class Bitmap;
class BitmapFont;
class MaskedBitmap;
class OffscreenWindow;

class SharedGraphics
{
public:
    static constexpr int32_t FONT_COUNT = 5;
    static constexpr int32_t BITMAP_COUNT = 21;

    // Loads the set (a second call does nothing).
    static void Load();
    // Releases the set.
    static void Release();
    static bool IsLoaded();

    static BitmapFont* GetFont(int32_t index);
    static Bitmap* GetBitmap(int32_t index);
    static MaskedBitmap* GetWindowFrame();
    static OffscreenWindow* GetBackBufferA();
    static OffscreenWindow* GetBackBufferB();

    // The file name of bitmap `index`.
    static const char* BitmapName(int32_t index);
};
