#include "Wkr/Gui/GfxButton.h"

#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/Color.h"
#include "WinCE/ScreenDump.h"

GfxButton::GfxButton(const char* imagename, int16_t x, int16_t y, Window* parent, Callback* callback,
                     bool enabled, bool candisable)
    : Button(callback, enabled, candisable), _x(x), _y(y), _parent(parent),
      _looks(imagename, candisable ? 3 : 2)
{
    ASSERT(_parent);
}

GfxButton::~GfxButton() = default;

void GfxButton::SetImage(const char* imagename)
{
    _looks.Load(imagename, _candisable ? 3 : 2);
}

void GfxButton::DrawNormal()
{
    GetNormalLook()->Draw(_parent, _x, _y, SRCCOPY);
}

void GfxButton::DrawPressed()
{
    GetPressedLook()->Draw(_parent, _x, _y, SRCCOPY);
}

void GfxButton::DrawDisabled()
{
    // A button that cannot be disabled never is; its normal look stands in.
    (_candisable ? GetDisabledLook() : GetNormalLook())->Draw(_parent, _x, _y, SRCCOPY);
}

bool GfxButton::HitTest(int16_t x, int16_t y)
{
    return x >= _x && x <= _x + _looks.Width() && y >= _y && y <= _y + _looks.Height();
}

void GfxButton::Describe(ScreenDump& dump) const
{
    ScreenDump::Button button;
    button.bitmap = _looks.Name();
    button.x = _x;
    button.y = _y;
    button.width = _looks.Width();
    button.height = _looks.Height();
    button.enabled = _enabled;
    dump.buttons.push_back(button);
}
