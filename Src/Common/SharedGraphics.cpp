#include "Common/SharedGraphics.h"

#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/BitmapFont.h"
#include "WinCE/MaskedBitmap.h"
#include "WinCE/OffscreenWindow.h"

#include <string>

namespace
{
const char* const s_bitmapNames[SharedGraphics::BITMAP_COUNT] = {
    "sr_Screen_background.bmp", "sr_Highscores_panel.bmp", "sr_InputPanel.bmp",     "sr_Panel.bmp",
    "sr_Radio_Button.bmp",      "sr_PanelMedium.bmp",      "sr_Procent_Panel1.bmp", "sr_Amount_panel.bmp",
    "sr_Procent_Panel2.bmp",    "sr_ListPanel.bmp",        "sr_PanelLine.bmp",      "sr_MapAfrica.bmp",
    "sr_MapAsia.bmp",           "sr_MapAustralia.bmp",     "sr_MapEurope.bmp",      "sr_MapNAmerica.bmp",
    "sr_MapSAmerica.bmp",       "sr_Screen_top_plain.bmp", "sr_Screen_top.bmp",     "sr_Screen_top_rev.bmp",
    "sr_Screen_top.bmp"};

struct Set
{
    OffscreenWindow* backA = nullptr;
    BitmapFont* fonts[SharedGraphics::FONT_COUNT] = {};
    Bitmap* bitmaps[SharedGraphics::BITMAP_COUNT] = {};
    MaskedBitmap* frame = nullptr;
    OffscreenWindow* backB = nullptr;
    bool loaded = false;
};

Set s_set;
} // namespace

const char* SharedGraphics::BitmapName(int32_t index)
{
    ASSERT(index >= 0 && index < BITMAP_COUNT && "shared bitmap index out of range");
    return s_bitmapNames[index];
}

void SharedGraphics::Load()
{
    if (s_set.loaded)
        return;
    s_set.backA = new OffscreenWindow(240, 268);
    s_set.fonts[0] = new BitmapFont("sr_Menu_font.bmp", "sr_Menu_font_mask.bmp", 0);
    s_set.fonts[1] = new BitmapFont("font.bmp", "font_mask.bmp", 0);
    s_set.fonts[2] = new BitmapFont("font.bmp", 0);
    s_set.fonts[3] = new BitmapFont("font_yellow.bmp", "font_yellow_mask.bmp", 0);
    s_set.fonts[4] = new BitmapFont("font_pl2.bmp", "font_pl2_mask.bmp", 0);
    // Screen dumps name the shared fonts by index: fonts 1 and 2 share a strip.
    for (int32_t i = 0; i < FONT_COUNT; ++i)
        s_set.fonts[i]->SetName("font" + std::to_string(i));
    // Entry 20 is a bitmap of its own, though of the same file as 18.
    for (int32_t i = 0; i < BITMAP_COUNT; ++i)
        s_set.bitmaps[i] = new Bitmap(s_bitmapNames[i]);
    s_set.frame = new MaskedBitmap("window.bmp", "window_mask.bmp");
    s_set.backB = new OffscreenWindow(240, 268);
    s_set.loaded = true;
}

void SharedGraphics::Release()
{
    if (!s_set.loaded)
        return;
    delete s_set.backB;
    delete s_set.frame;
    for (Bitmap*& bitmap : s_set.bitmaps)
    {
        delete bitmap;
        bitmap = nullptr;
    }
    for (BitmapFont*& font : s_set.fonts)
    {
        delete font;
        font = nullptr;
    }
    delete s_set.backA;
    s_set = Set{};
}

bool SharedGraphics::IsLoaded()
{
    return s_set.loaded;
}

BitmapFont* SharedGraphics::GetFont(int32_t index)
{
    ASSERT(s_set.loaded && "the shared graphics are loaded at start");
    ASSERT(index >= 0 && index < FONT_COUNT && "shared font index out of range");
    return s_set.fonts[index];
}

Bitmap* SharedGraphics::GetBitmap(int32_t index)
{
    ASSERT(s_set.loaded && "the shared graphics are loaded at start");
    ASSERT(index >= 0 && index < BITMAP_COUNT && "shared bitmap index out of range");
    return s_set.bitmaps[index];
}

MaskedBitmap* SharedGraphics::GetWindowFrame()
{
    ASSERT(s_set.loaded && "the shared graphics are loaded at start");
    return s_set.frame;
}

OffscreenWindow* SharedGraphics::GetBackBufferA()
{
    ASSERT(s_set.loaded && "the shared graphics are loaded at start");
    return s_set.backA;
}

OffscreenWindow* SharedGraphics::GetBackBufferB()
{
    ASSERT(s_set.loaded && "the shared graphics are loaded at start");
    return s_set.backB;
}
