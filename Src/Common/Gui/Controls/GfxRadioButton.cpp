#include "Common/Gui/Controls/GfxRadioButton.h"

#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/Color.h"
#include "WinCE/ScreenDump.h"

GfxRadioButton::GfxRadioButton(RadioGroup* group, bool checked, const char* imagename, int16_t x, int16_t y,
                               Window* parent, Callback* callback)
    : BasicRadioButton(group, checked, callback), _x(x), _y(y), _parent(parent)
{
    ASSERT(imagename);
    ASSERT(_parent);
    _imageName = imagename;
    _strip = new Bitmap(imagename);
    const Rect r = _strip->GetImgRect();
    const int32_t w = r.extent.x / 3;
    _unchecked = new Bitmap(*_strip, 0, 0, w, r.extent.y);
    _checkedLook = new Bitmap(*_strip, w, 0, w, r.extent.y);
    _disabled = new Bitmap(*_strip, 2 * w, 0, w, r.extent.y);
}

GfxRadioButton::~GfxRadioButton()
{
    delete _unchecked;
    delete _checkedLook;
    delete _disabled;
    delete _strip;
}

void GfxRadioButton::DrawChecked()
{
    _checkedLook->Draw(_parent, _x, _y, SRCCOPY);
}

void GfxRadioButton::DrawUnchecked()
{
    _unchecked->Draw(_parent, _x, _y, SRCCOPY);
}

void GfxRadioButton::DrawDisabled()
{
    _disabled->Draw(_parent, _x, _y, SRCCOPY);
}

bool GfxRadioButton::HitTest(int16_t x, int16_t y)
{
    return x >= _x && x <= _x + GetLookWidth() - 2 && y >= _y && y <= _y + GetLookHeight();
}

int32_t GfxRadioButton::GetLookWidth() const
{
    return _unchecked->GetImgRect().extent.x;
}

int32_t GfxRadioButton::GetLookHeight() const
{
    return _unchecked->GetImgRect().extent.y;
}

void GfxRadioButton::Describe(ScreenDump& dump) const
{
    ScreenDump::Button button;
    button.bitmap = _imageName;
    button.x = _x;
    button.y = _y;
    button.width = GetLookWidth();
    button.height = GetLookHeight();
    button.enabled = IsEnabled();
    button.checked = IsChecked();
    dump.buttons.push_back(button);
}
