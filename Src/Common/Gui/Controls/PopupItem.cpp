#include "Common/Gui/Controls/PopupItem.h"

#include "Common/Gui/Controls/GameSound.h"
#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/Color.h"

#include <utility>

PopupItem::PopupItem(Window* window, int16_t x, int16_t y, const char* imagename, Action action,
                     bool disabled)
    : _window(window), _x(x), _y(y), _looks(imagename, 3), _action(std::move(action)), _disabled(disabled)
{
    ASSERT(_window);
}

PopupItem::~PopupItem() = default;

int32_t PopupItem::GetLookWidth() const
{
    return _looks.Width();
}

int32_t PopupItem::GetHeight() const
{
    return _looks.Height();
}

int32_t PopupItem::GetImageWidth() const
{
    return _looks.StripWidth();
}

bool PopupItem::Contains(int16_t x, int16_t y) const
{
    return x >= _x && x < _x + GetLookWidth() && y >= _y && y < _y + GetHeight();
}

void PopupItem::Draw()
{
    _looks.Look(_disabled ? 2 : (_highlighted ? 1 : 0))->Draw(_window, _x, _y, SRCCOPY);
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
