#include "Common/Gui/Controls/GfxResources.h"

#include "Common/Gui/Controls/ItemPlane.h"
#include "Common/Gui/Controls/ItemString.h"
#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/BitmapFont.h"
#include "WinCE/MaskedBitmap.h"
#include "WinCE/OffscreenWindow.h"

#include <string>

namespace
{
const char* const s_bitmapNames[GfxResources::BMP_COUNT] = {
    "sr_Screen_background.bmp", "sr_Highscores_panel.bmp", "sr_InputPanel.bmp",     "sr_Panel.bmp",
    "sr_Radio_Button.bmp",      "sr_PanelMedium.bmp",      "sr_Procent_Panel1.bmp", "sr_Amount_panel.bmp",
    "sr_Procent_Panel2.bmp",    "sr_ListPanel.bmp",        "sr_PanelLine.bmp",      "sr_MapAfrica.bmp",
    "sr_MapAsia.bmp",           "sr_MapAustralia.bmp",     "sr_MapEurope.bmp",      "sr_MapNAmerica.bmp",
    "sr_MapSAmerica.bmp",       "sr_Screen_top_plain.bmp", "sr_Screen_top.bmp",     "sr_Screen_top_rev.bmp",
    "sr_Screen_top.bmp"};

struct Set
{
    OffscreenWindow* backA = nullptr;
    BitmapFont* fonts[GfxResources::FONT_COUNT] = {};
    Bitmap* bitmaps[GfxResources::BMP_COUNT] = {};
    MaskedBitmap* frame = nullptr;
    OffscreenWindow* backB = nullptr;
    bool loaded = false;
};

Set s_set;

void CheckLoaded()
{
    ASSERT(s_set.loaded && "the shared graphics are loaded at start");
}
} // namespace

const char* GfxResources::BitmapName(int32_t index)
{
    ASSERT(index >= 0 && index < BMP_COUNT && "shared bitmap index out of range");
    return s_bitmapNames[index];
}

void GfxResources::Init()
{
    if (s_set.loaded)
        return;
    s_set.backA = new OffscreenWindow(BUFFER_WIDTH, BUFFER_HEIGHT);
    s_set.fonts[FONT_MENU] = new BitmapFont("sr_Menu_font.bmp", "sr_Menu_font_mask.bmp", 0);
    s_set.fonts[FONT_TEXT] = new BitmapFont("font.bmp", "font_mask.bmp", 0);
    s_set.fonts[FONT_TEXT_PLAIN] = new BitmapFont("font.bmp", 0);
    s_set.fonts[FONT_YELLOW] = new BitmapFont("font_yellow.bmp", "font_yellow_mask.bmp", 0);
    s_set.fonts[FONT_SECONDARY] = new BitmapFont("font_pl2.bmp", "font_pl2_mask.bmp", 0);
    // Screen dumps name the shared fonts by index: fonts 1 and 2 share a strip.
    for (int32_t i = 0; i < FONT_COUNT; ++i)
        s_set.fonts[i]->SetName("font" + std::to_string(i));
    // The last entry is a bitmap of its own, though of the same file as the
    // title strip with the top bar.
    for (int32_t i = 0; i < BMP_COUNT; ++i)
        s_set.bitmaps[i] = new Bitmap(s_bitmapNames[i]);
    s_set.frame = new MaskedBitmap("window.bmp", "window_mask.bmp");
    s_set.backB = new OffscreenWindow(BUFFER_WIDTH, BUFFER_HEIGHT);
    s_set.loaded = true;
}

void GfxResources::Release()
{
    ItemString::ReleaseIcons();
    ItemPlane::ReleaseLamps();
    if (!s_set.loaded)
        return;
    delete s_set.backB;
    delete s_set.frame;
    for (Bitmap*& bitmap : s_set.bitmaps)
        delete bitmap;
    for (BitmapFont*& font : s_set.fonts)
        delete font;
    delete s_set.backA;
    s_set = Set{};
}

bool GfxResources::IsLoaded()
{
    return s_set.loaded;
}

OffscreenWindow* GfxResources::GetBackBufferA()
{
    CheckLoaded();
    return s_set.backA;
}

OffscreenWindow* GfxResources::GetBackBufferB()
{
    CheckLoaded();
    return s_set.backB;
}

Font* GfxResources::GetFont(int32_t index)
{
    CheckLoaded();
    ASSERT(index >= 0 && index < FONT_COUNT && "shared font index out of range");
    return s_set.fonts[index];
}

Bitmap* GfxResources::GetBitmap(int32_t index)
{
    CheckLoaded();
    ASSERT(index >= 0 && index < BMP_COUNT && "shared bitmap index out of range");
    return s_set.bitmaps[index];
}

MaskedBitmap* GfxResources::GetWindowFrame()
{
    CheckLoaded();
    return s_set.frame;
}
