#include "WinCE/DeviceScreen.h"

#include "WinCE/Form.h"
#include "WinCE/Host/Host.h"
#include "WinCE/MenuBar.h"
#include "WinCE/SystemFont.h"
#include "WinCE/UIControls/UIControl.h"

#include <cstring>
#include <string>

namespace
{
constexpr uint32_t SYSTEM_BAR_COLOUR = RGB(0, 36, 140);
constexpr uint32_t SYSTEM_BAR_TEXT = COLOR_WHITE;
constexpr uint32_t DESKTOP_COLOUR = COLOR_WHITE;
} // namespace

DeviceScreen::DeviceScreen()
    : _frame(DEVICE_WIDTH, DEVICE_HEIGHT), _shown(size_t(DEVICE_WIDTH) * DEVICE_HEIGHT, 0)
{
    // The forms keep their strings for screen dumps; the composed copy needs none.
    _frame.SetKeepsTexts(false);
}

DeviceScreen::~DeviceScreen() = default;

Form* DeviceScreen::TitleForm()
{
    Form* focus = Form::GetFocusForm();
    if (focus && focus->IsVisible())
        return focus;
    return Form::GetTopVisible();
}

MenuBar* DeviceScreen::CurrentMenuBar()
{
    Form* top = Form::GetTopVisible();
    return top ? top->GetMenuBar() : nullptr;
}

void DeviceScreen::DrawText(Window* window, int32_t x, int32_t y, const char* text, uint32_t foreground,
                            uint32_t background)
{
    const int32_t width = SystemFont::MeasureText(text);
    if (width <= 0)
        return;
    // The system font paints black glyphs in white cells; recolour them.
    OffscreenWindow cells(static_cast<int16_t>(width), SystemFont::CELL_HEIGHT);
    cells.DrawString(0, 0, text, SRCCOPY);
    Surface* src = cells.GetDC();
    Surface* dst = window->GetDC();
    const Rect clip = window->GetClip();
    const int32_t cx0 = clip.origin.x < 0 ? 0 : clip.origin.x;
    const int32_t cy0 = clip.origin.y < 0 ? 0 : clip.origin.y;
    int32_t cx1 = clip.origin.x + clip.extent.x;
    int32_t cy1 = clip.origin.y + clip.extent.y;
    if (cx1 > dst->GetWidth())
        cx1 = dst->GetWidth();
    if (cy1 > dst->GetHeight())
        cy1 = dst->GetHeight();
    for (int32_t row = 0; row < SystemFont::CELL_HEIGHT; ++row)
    {
        const int32_t dy = y + row;
        if (dy < cy0 || dy >= cy1)
            continue;
        const uint32_t* s = src->GetRow(row);
        uint32_t* d = dst->GetRow(dy);
        for (int32_t col = 0; col < width; ++col)
        {
            const int32_t dx = x + col;
            if (dx < cx0 || dx >= cx1)
                continue;
            const bool glyph = (s[col] & COLOR_MASK) == COLOR_BLACK;
            if (glyph)
                d[dx] = foreground;
            else if (background != COLOR_TRANSPARENT)
                d[dx] = background;
        }
    }
}

void DeviceScreen::Compose()
{
    _frame.FillSolid(Rect{{0, SYSTEM_BAR_HEIGHT}, {DEVICE_WIDTH, DEVICE_HEIGHT - SYSTEM_BAR_HEIGHT}},
                     DESKTOP_COLOUR);
    for (int32_t i = 0; i < Form::GetVisibleCount(); ++i)
    {
        Form* form = Form::GetVisible(i);
        _frame.Blit(form, 0, 0, form->GetWidth(), form->GetHeight(), form->GetScreenX(), form->GetScreenY(),
                    SRCCOPY);
        for (int32_t c = 0; c < form->GetUIControlCount(); ++c)
        {
            UIControl* control = form->GetUIControl(c);
            if (control->IsVisible())
                control->Paint(&_frame, form->GetScreenX(), form->GetScreenY());
        }
    }

    // The system bar goes over everything, like the device's taskbar.
    _frame.FillSolid(Rect{{0, 0}, {DEVICE_WIDTH, SYSTEM_BAR_HEIGHT}}, SYSTEM_BAR_COLOUR);
    if (Form* titled = TitleForm())
    {
        DrawText(&_frame, 6, (SYSTEM_BAR_HEIGHT - SystemFont::CELL_HEIGHT) / 2, titled->GetTitle(),
                 SYSTEM_BAR_TEXT, COLOR_TRANSPARENT);
    }

    if (MenuBar* bar = CurrentMenuBar())
        bar->Draw(&_frame);
    else
    {
        _frame.FillSolid(Rect{{0, DEVICE_HEIGHT - MENU_BAR_HEIGHT}, {DEVICE_WIDTH, MENU_BAR_HEIGHT}},
                         RGB(214, 222, 239));
    }
}

bool DeviceScreen::PresentIfChanged(bool force)
{
    Compose();
    const Surface* surface = _frame.GetDC();
    bool same = _haveShown && !force;
    for (int32_t y = 0; same && y < DEVICE_HEIGHT; ++y)
    {
        same = std::memcmp(surface->GetRow(y), _shown.data() + size_t(y) * DEVICE_WIDTH,
                           DEVICE_WIDTH * sizeof(uint32_t)) == 0;
    }
    if (same)
        return false;
    for (int32_t y = 0; y < DEVICE_HEIGHT; ++y)
        std::memcpy(_shown.data() + size_t(y) * DEVICE_WIDTH, surface->GetRow(y),
                    DEVICE_WIDTH * sizeof(uint32_t));
    _haveShown = true;
    ++_presents;
    if (Host* host = GetHost())
        host->Present(_shown.data());
    return true;
}
