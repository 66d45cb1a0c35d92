#include "Common/Gui/Controls/PopupItem.h"

#include "Common/Gui/Controls/GameSound.h"
#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/Color.h"

#include <utility>

PopupItem::PopupItem(Window* window, int16_t x, int16_t y, const char* imagename, Action action,
                     bool disabled)
    : _window(window), _x(x), _y(y), _action(std::move(action)), _disabled(disabled)
{
    ASSERT(_window);
    ASSERT(imagename);
    _imageName = imagename;
    _strip = new Bitmap(imagename);
    const Rect r = _strip->GetImgRect();
    const int32_t w = r.extent.x / 3;
    _normal = new Bitmap(*_strip, 0, 0, w, r.extent.y);
    _highlight = new Bitmap(*_strip, w, 0, w, r.extent.y);
    _disabledLook = new Bitmap(*_strip, 2 * w, 0, w, r.extent.y);
}

PopupItem::~PopupItem()
{
    delete _normal;
    delete _highlight;
    delete _disabledLook;
    delete _strip;
}

int32_t PopupItem::GetLookWidth() const
{
    return _normal->GetImgRect().extent.x;
}

int32_t PopupItem::GetHeight() const
{
    return _normal->GetImgRect().extent.y;
}

int32_t PopupItem::GetImageWidth() const
{
    return _strip->GetImgRect().extent.x;
}

bool PopupItem::Contains(int16_t x, int16_t y) const
{
    return x >= _x && x < _x + GetLookWidth() && y >= _y && y < _y + GetHeight();
}

void PopupItem::Draw()
{
    Bitmap* look = _disabled ? _disabledLook : (_highlighted ? _highlight : _normal);
    look->Draw(_window, _x, _y, SRCCOPY);
}

void PopupItem::Track(int16_t x, int16_t y)
{
    if (_disabled)
        return;
    if (Contains(x, y))
    {
        if (!_highlighted)
            GameSound::Highlight();
        _highlighted = true;
    }
    else
    {
        _highlighted = false;
    }
}

void PopupItem::OnStylusMove(int16_t x, int16_t y)
{
    Track(x, y);
}

void PopupItem::OnStylusDown(int16_t x, int16_t y)
{
    Track(x, y);
}

void PopupItem::OnStylusUp(int16_t x, int16_t y)
{
    if (_disabled || !Contains(x, y))
        return;
    _highlighted = false;
    ASSERT(_action && "_callback");
    _action(this);
}
