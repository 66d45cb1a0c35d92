// GfxResources: the graphics every screen shares, made once at start-up.
//
// Two back buffers of the screen body's size (240 x 268) in which screens
// compose their pictures, the five game fonts, the panels, maps and title
// strips, and the window frame of framed dialogs. Screens refer to fonts and
// bitmaps by index (the constants below); the set lives until Release at the
// end of the run. Loading a bitmap costs little until it is first drawn.
// There is one copy of every font and bitmap however many screens use them:
// the program loads the set at start and releases it at the end.
#pragma once

#include <cstdint>

class Bitmap;
class Font;
class MaskedBitmap;
class OffscreenWindow;

class GfxResources
{
public:
    static constexpr int32_t BUFFER_WIDTH = 240;
    static constexpr int32_t BUFFER_HEIGHT = 268;

    enum FontIndex
    {
        FONT_MENU = 0,
        FONT_TEXT = 1,
        FONT_TEXT_PLAIN = 2,
        FONT_YELLOW = 3,
        FONT_SECONDARY = 4,
        FONT_COUNT = 5
    };

    enum BitmapIndex
    {
        BMP_SCREEN_BACKGROUND = 0,
        BMP_HIGHSCORES_PANEL,
        BMP_INPUT_PANEL,
        BMP_PANEL,
        BMP_RADIO_BUTTON,
        BMP_PANEL_MEDIUM,
        BMP_PROCENT_PANEL1,
        BMP_AMOUNT_PANEL,
        BMP_PROCENT_PANEL2,
        BMP_LIST_PANEL,
        BMP_PANEL_LINE,
        BMP_MAP_AFRICA,
        BMP_MAP_ASIA,
        BMP_MAP_AUSTRALIA,
        BMP_MAP_EUROPE,
        BMP_MAP_NAMERICA,
        BMP_MAP_SAMERICA,
        BMP_SCREEN_TOP_PLAIN,
        BMP_SCREEN_TOP,
        BMP_SCREEN_TOP_REV,
        BMP_SCREEN_TOP_SECOND,
        BMP_COUNT
    };

    // Loads the whole set from the data file (nothing when it is loaded).
    static void Init();
    // Deletes the set and the row icons; Init may run again afterwards.
    static void Release();
    static bool IsLoaded();

    static OffscreenWindow* GetBackBufferA();
    static OffscreenWindow* GetBackBufferB();
    static Font* GetFont(int32_t index);
    static Bitmap* GetBitmap(int32_t index);
    static MaskedBitmap* GetWindowFrame();

    // The file each bitmap index is loaded from.
    static const char* BitmapName(int32_t index);
};
