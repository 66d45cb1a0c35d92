#include "Common/Gui/Controls/ScrollBar.h"

#include "Common/Gui/Controls/ScrollableList.h"
#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/Color.h"
#include "WinCE/ScreenDump.h"

#include <algorithm>

ScrollBar::ScrollBar(int16_t x, int16_t y, Window* window, ScrollableList* child, const char* upImage,
                     const char* downImage, const char* trackImage, const char* thumbImage, bool liveScroll)
    : _x(x), _y(y), _window(window), _child(child), _liveScroll(liveScroll)
{
    ASSERT(_window);
    ASSERT(_child);
    _up.Load(upImage, 3);
    _down.Load(downImage, 3);
    _track.Load(trackImage, 2);
    _thumb.Load(thumbImage, 3);
    _arrowHeight = _up.Height();
    _downHeight = _down.Height();
    _trackHeight = _track.Height();
    _thumbHeight = _thumb.Height();
    UpdateThumb();
}

ScrollBar::~ScrollBar() = default;

bool ScrollBar::IsActive() const
{
    return _child->GetCount() > _child->GetVisibleRows();
}

int32_t ScrollBar::ThumbOffsetForList() const
{
    const int32_t range = _child->GetCount() - _child->GetVisibleRows();
    if (range <= 0)
        return 0;
    const int32_t offset =
        static_cast<int32_t>(static_cast<double>(_child->GetFirst()) * (_trackHeight - _thumbHeight) / range);
    return std::clamp(offset, 0, std::max(0, _trackHeight - _thumbHeight));
}

void ScrollBar::UpdateThumb()
{
    _thumbOffset = ThumbOffsetForList();
}

int32_t ScrollBar::RowForOffset(int32_t offset) const
{
    const int32_t span = _trackHeight - _thumbHeight;
    if (span <= 0)
        return 0;
    return static_cast<int32_t>(static_cast<double>(offset) *
                                (_child->GetCount() - _child->GetVisibleRows()) / span);
}

void ScrollBar::ScrollChildTo(int32_t row)
{
    const int32_t diff = row - _child->GetFirst();
    if (diff > 0)
        _child->ScrollDown(diff);
    else if (diff < 0)
        _child->ScrollUp(-diff);
}

bool ScrollBar::InUp(int16_t x, int16_t y) const
{
    return x > _x && x < _x + _up.Width() && y > _y && y < _y + _arrowHeight;
}

bool ScrollBar::InDown(int16_t x, int16_t y) const
{
    const int32_t top = _y + _arrowHeight + _trackHeight;
    return x > _x && x < _x + _down.Width() && y > top && y < top + _downHeight;
}

bool ScrollBar::OnTrack(int16_t x, int16_t y) const
{
    const int32_t top = GetTrackTop();
    return x > _x && x < _x + _track.Width() - 3 && y >= top && y < top + _trackHeight;
}

bool ScrollBar::OnThumb(int16_t y) const
{
    const int32_t top = GetTrackTop() + _thumbOffset;
    return y >= top && y < top + _thumbHeight;
}

void ScrollBar::Draw()
{
    if (!_visible)
        return;
    // The list may have scrolled or changed by other means; only a thumb
    // being dragged keeps its own place.
    if (!_dragging)
        UpdateThumb();
    const bool active = IsActive();
    const int32_t trackTop = GetTrackTop();
    const int32_t upLook = !active ? 2 : (_upPressed && _upInside ? 1 : 0);
    const int32_t downLook = !active ? 2 : (_downPressed && _downInside ? 1 : 0);
    _up.Look(upLook)->Draw(_window, _x, _y, SRCCOPY);
    _track.Look(_trackPressed ? 1 : 0)->Draw(_window, _x, trackTop, SRCCOPY);
    _down.Look(downLook)->Draw(_window, _x, trackTop + _trackHeight, SRCCOPY);
    const int32_t thumbLook = !active ? 2 : (_dragging ? 1 : 0);
    _thumb.Look(thumbLook)->Draw(_window, _x + 3, trackTop + _thumbOffset, SRCCOPY);
}

bool ScrollBar::Update()
{
    if (!IsActive())
        return false;
    if (_upPressed)
        _child->ScrollUp(1);
    else if (_downPressed)
        _child->ScrollDown(1);
    else
        return false;
    UpdateThumb();
    Draw();
    return true;
}

bool ScrollBar::OnStylusDown(int16_t x, int16_t y)
{
    if (!IsActive())
        return false;
    if (InUp(x, y))
    {
        _upPressed = _upInside = true;
    }
    else if (InDown(x, y))
    {
        _downPressed = _downInside = true;
    }
    else if (OnTrack(x, y))
    {
        if (OnThumb(y))
            _dragging = true;
        else
            _trackPressed = true;
    }
    else
    {
        return false;
    }
    Draw();
    return true;
}

bool ScrollBar::OnStylusMove(int16_t x, int16_t y)
{
    if (_dragging)
    {
        const int32_t span = std::max(0, _trackHeight - _thumbHeight);
        _thumbOffset = std::clamp(y - GetTrackTop() - _thumbHeight / 2, 0, span);
        if (_liveScroll)
            ScrollChildTo(RowForOffset(_thumbOffset));
        Draw();
        return true;
    }
    if (_upPressed)
    {
        _upInside = InUp(x, y);
        Draw();
        return true;
    }
    if (_downPressed)
    {
        _downInside = InDown(x, y);
        Draw();
        return true;
    }
    return _trackPressed;
}

bool ScrollBar::OnStylusUp(int16_t x, int16_t y)
{
    if (_upPressed || _downPressed)
    {
        if ((_upPressed && InUp(x, y)) || (_downPressed && InDown(x, y)))
            UpdateThumb();
        _upPressed = _downPressed = _upInside = _downInside = false;
    }
    else if (_trackPressed)
    {
        _trackPressed = false;
        if (OnTrack(x, y) && !OnThumb(y))
        {
            if (GetTrackTop() + _thumbOffset < y)
                _child->PageDown();
            else
                _child->PageUp();
            UpdateThumb();
        }
    }
    else if (_dragging)
    {
        _dragging = false;
        ScrollChildTo(RowForOffset(_thumbOffset));
    }
    else
    {
        return false;
    }
    Draw();
    return true;
}

bool ScrollBar::HasCapture()
{
    return _upPressed || _downPressed || _trackPressed || _dragging;
}

void ScrollBar::Describe(ScreenDump& dump) const
{
    const bool active = IsActive();
    const int32_t trackTop = GetTrackTop();
    const int32_t downTop = trackTop + _trackHeight;
    ScreenDump::Button up;
    up.bitmap = _up.Name();
    up.x = _x;
    up.y = _y;
    up.width = _up.Width();
    up.height = _arrowHeight;
    up.enabled = active;
    dump.buttons.push_back(up);
    ScreenDump::Button down;
    down.bitmap = _down.Name();
    down.x = _x;
    down.y = downTop;
    down.width = _down.Width();
    down.height = _downHeight;
    down.enabled = active;
    dump.buttons.push_back(down);

    ScreenDump::List& list = dump.lists[static_cast<size_t>(dump.ListFor(_child))];
    list.scrollBar = true;
    list.scrollActive = active;
    list.up = ScreenDump::Box{_x, _y, _up.Width(), _arrowHeight};
    list.down = ScreenDump::Box{_x, downTop, _down.Width(), _downHeight};
    // The part of the track that takes a tap: the strip's last columns do not.
    list.track = ScreenDump::Box{_x + 1, trackTop, std::max(0, _track.Width() - 4), _trackHeight};
    // Where the thumb is drawn: with the list unless it is being dragged.
    const int32_t offset = _dragging ? _thumbOffset : ThumbOffsetForList();
    list.thumb = ScreenDump::Box{_x + 3, trackTop + offset, _thumb.Width(), _thumbHeight};
}
