#include "Common/Gui/Controls/ItemString.h"

#include "Common/Gui/Controls/GfxResources.h"
#include "WinCE/Color.h"
#include "WinCE/Font.h"
#include "WinCE/MaskedBitmap.h"
#include "WinCE/Window.h"

namespace
{
enum Icon
{
    INFO,
    CITY,
    ROUTE,
    CHARITY,
    VIP,
    STOP,
    ICON_COUNT
};

const char* const ICON_FILES[ICON_COUNT][2] = {
    {"sr_ce_info.bmp", "sr_ce_info_mask.bmp"},       {"sr_ce_city.bmp", "sr_ce_city_mask.bmp"},
    {"sr_Route_icon.bmp", "sr_Route_icon_mask.bmp"}, {"sr_Charity_icon.bmp", "sr_Charity_icon_mask.bmp"},
    {"sr_VIP_icon.bmp", "sr_VIP_icon_mask.bmp"},     {"sr_stop_icon.bmp", "sr_stop_icon_mask.bmp"}};

MaskedBitmap* s_icons[ICON_COUNT] = {};

MaskedBitmap* GetIcon(Icon icon)
{
    if (!s_icons[icon])
        s_icons[icon] = new MaskedBitmap(ICON_FILES[icon][0], ICON_FILES[icon][1]);
    return s_icons[icon];
}

Font* TextFont()
{
    return GfxResources::GetFont(GfxResources::FONT_TEXT);
}
} // namespace

ItemString::ItemString(const std::string& text, ItemListPanel* owner, int32_t xOffset, uint32_t flags,
                       int32_t value)
    : _text(text), _owner(owner), _xOffset(xOffset), _flags(flags), _value(value)
{
    Font* font = TextFont();
    while (!_text.empty() && font->TextWidth(_text.c_str()) >= MAX_WIDTH)
        _text.pop_back();
}

int32_t ItemString::GetRowHeight() const
{
    return TextFont()->GetHeight();
}

void ItemString::Draw(Window* window, int32_t x, int32_t y, int32_t row, int32_t rowHeight)
{
    x += _xOffset;
    const int32_t top = y + row * rowHeight;
    window->SetFont(TextFont(), false);
    if (_flags == 0)
    {
        window->DrawString(x, top, _text.c_str(), ROP_DEFAULT);
        return;
    }
    const uint32_t lead = _flags & 0xF;
    if (lead == ICON_INFO)
        GetIcon(INFO)->Draw(window, x + 1, top + 1, SRCCOPY);
    else if (lead == ICON_CITY)
        GetIcon(CITY)->Draw(window, x + 1, top + 1, SRCCOPY);
    window->DrawString(x + 23, top, _text.c_str(), ROP_DEFAULT);
    const uint32_t marks[] = {ICON_ROUTE, ICON_CHARITY, ICON_VIP, ICON_STOP};
    const Icon icons[] = {ROUTE, CHARITY, VIP, STOP};
    for (int i = 0; i < 4; ++i)
    {
        if (_flags & marks[i])
            GetIcon(icons[i])->Draw(window, x + 12, top + 1, SRCCOPY);
    }
}

void ItemString::ReleaseIcons()
{
    for (MaskedBitmap*& icon : s_icons)
    {
        delete icon;
        icon = nullptr;
    }
}
