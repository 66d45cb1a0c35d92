// ScrollBar: the vertical bar beside a list panel.
//
// From the top: the up arrow at (x, y), the track below it and the down
// arrow below the track; the thumb slides on the track, drawn at x + 3. The
// arrows and the thumb are three-look strips (normal, pressed, disabled), the
// track a two-look strip (normal, pressed while paging). The bar reacts only
// while its list has more rows than it shows.
//
// A held arrow scrolls one row per Update (per idle step). Dragging the
// thumb moves it with the stylus; with live scrolling the list follows at
// once, otherwise when the thumb is let go. A tap on the track beside the
// thumb pages toward the tap when it is released there.
#pragma once

#include "Wkr/Gui/LookStrip.h"
#include "Wkr/Gui/Widget.h"

#include <string>

class Bitmap;
class ScrollableList;
class Window;

class ScrollBar : public Widget
{
public:
    ScrollBar(int16_t x, int16_t y, Window* window, ScrollableList* child, const char* upImage,
              const char* downImage, const char* trackImage, const char* thumbImage, bool liveScroll);
    ~ScrollBar() override;

    bool Update() override;
    void Draw() override;
    bool OnStylusMove(int16_t x, int16_t y) override;
    bool OnStylusUp(int16_t x, int16_t y) override;
    bool OnStylusDown(int16_t x, int16_t y) override;
    bool HasCapture() override;
    // The arrows as buttons (enabled while the bar reacts), and the arrows,
    // track and thumb in the record of the list it scrolls.
    void Describe(ScreenDump& dump) const override;

    // Places the thumb for the list's current first row.
    void UpdateThumb();

    int32_t GetThumbOffset() const { return _thumbOffset; }
    int32_t GetTrackTop() const { return _y + _arrowHeight; }
    int32_t GetTrackHeight() const { return _trackHeight; }
    int32_t GetThumbHeight() const { return _thumbHeight; }
    int32_t GetHeight() const { return _arrowHeight + _trackHeight + _downHeight; }
    bool IsActive() const;
    bool IsDragging() const { return _dragging; }

private:
    bool InUp(int16_t x, int16_t y) const;
    bool InDown(int16_t x, int16_t y) const;
    bool OnTrack(int16_t x, int16_t y) const;
    bool OnThumb(int16_t y) const;
    // The thumb's offset for the list's current first row.
    int32_t ThumbOffsetForList() const;
    // The list's first row for a thumb offset.
    int32_t RowForOffset(int32_t offset) const;
    void ScrollChildTo(int32_t row);

    int16_t _x;
    int16_t _y;
    Window* _window;
    ScrollableList* _child;
    LookStrip _up;
    LookStrip _down;
    LookStrip _track;
    LookStrip _thumb;
    bool _liveScroll;
    int32_t _arrowHeight;
    int32_t _downHeight;
    int32_t _trackHeight;
    int32_t _thumbHeight;
    int32_t _thumbOffset = 0;
    bool _upPressed = false;
    bool _upInside = false;
    bool _downPressed = false;
    bool _downInside = false;
    bool _trackPressed = false;
    bool _dragging = false;
};
