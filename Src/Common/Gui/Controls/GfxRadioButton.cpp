#include "Common/Gui/Controls/GfxRadioButton.h"

#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/Color.h"
#include "WinCE/ScreenDump.h"

GfxRadioButton::GfxRadioButton(RadioGroup* group, bool checked, const char* imagename, int16_t x, int16_t y,
                               Window* parent, Callback* callback)
    : BasicRadioButton(group, checked, callback), _x(x), _y(y), _parent(parent), _looks(imagename, 3)
{
    ASSERT(_parent);
}

GfxRadioButton::~GfxRadioButton() = default;

void GfxRadioButton::DrawChecked()
{
    _looks.Look(CHECKED)->Draw(_parent, _x, _y, SRCCOPY);
}

void GfxRadioButton::DrawUnchecked()
{
    _looks.Look(UNCHECKED)->Draw(_parent, _x, _y, SRCCOPY);
}

void GfxRadioButton::DrawDisabled()
{
    _looks.Look(DISABLED)->Draw(_parent, _x, _y, SRCCOPY);
}

bool GfxRadioButton::HitTest(int16_t x, int16_t y)
{
    return x >= _x && x <= _x + GetLookWidth() - 2 && y >= _y && y <= _y + GetLookHeight();
}

int32_t GfxRadioButton::GetLookWidth() const
{
    return _looks.Width();
}

int32_t GfxRadioButton::GetLookHeight() const
{
    return _looks.Height();
}

void GfxRadioButton::Describe(ScreenDump& dump) const
{
    ScreenDump::Button button;
    button.bitmap = _looks.Name();
    button.x = _x;
    button.y = _y;
    button.width = GetLookWidth();
    button.height = GetLookHeight();
    button.enabled = IsEnabled();
    button.checked = IsChecked();
    dump.buttons.push_back(button);
}
