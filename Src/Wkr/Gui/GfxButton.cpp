#include "Wkr/Gui/GfxButton.h"

#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/Color.h"
#include "WinCE/ScreenDump.h"

GfxButton::GfxButton(const char* imagename, int16_t x, int16_t y, Window* parent, Callback* callback,
                     bool enabled, bool candisable)
    : Button(callback, enabled, candisable), _x(x), _y(y), _parent(parent)
{
    ASSERT(imagename);
    ASSERT(_parent);
    _imageName = imagename;
    Cut(new Bitmap(imagename));
}

GfxButton::~GfxButton()
{
    Release();
}

void GfxButton::Release()
{
    delete _disabled;
    delete _normal;
    delete _pressedLook;
    delete _strip;
    _disabled = _normal = _pressedLook = _strip = nullptr;
}

void GfxButton::SetImage(const char* imagename)
{
    ASSERT(imagename);
    Bitmap* strip = new Bitmap(imagename);
    Release();
    _imageName = imagename;
    Cut(strip);
}

void GfxButton::Cut(Bitmap* strip)
{
    _strip = strip;
    const Rect r = strip->GetImgRect();
    const int32_t w = LookWidth(r.extent.x, _candisable);
    const int32_t h = r.extent.y;
    _normal = new Bitmap(*strip, 0, 0, w, h);
    _pressedLook = new Bitmap(*strip, w, 0, w, h);
    if (_candisable)
        _disabled = new Bitmap(*strip, 2 * w, 0, w, h);
}

void GfxButton::DrawNormal()
{
    _normal->Draw(_parent, _x, _y, SRCCOPY);
}

void GfxButton::DrawPressed()
{
    _pressedLook->Draw(_parent, _x, _y, SRCCOPY);
}

void GfxButton::DrawDisabled()
{
    // A button that cannot be disabled never is; its normal look stands in.
    (_disabled ? _disabled : _normal)->Draw(_parent, _x, _y, SRCCOPY);
}

bool GfxButton::HitTest(int16_t x, int16_t y)
{
    const Rect r = _normal->GetImgRect();
    return x >= _x && x <= _x + r.extent.x && y >= _y && y <= _y + r.extent.y;
}

void GfxButton::Describe(ScreenDump& dump) const
{
    const Rect r = _normal->GetImgRect();
    ScreenDump::Button button;
    button.bitmap = _imageName;
    button.x = _x;
    button.y = _y;
    button.width = r.extent.x;
    button.height = r.extent.y;
    button.enabled = _enabled;
    dump.buttons.push_back(button);
}
