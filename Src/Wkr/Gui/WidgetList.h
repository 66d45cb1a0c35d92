// WidgetList: an ordered set of widgets handled as one.
//
// Forms embed a list, draw it in Paint, pass their stylus events to it and
// return its Update from OnIdle. Stylus events follow the capture rule: a
// child gets an event only when its HasCapture equals the list's capture
// flag, so while one child drags only capturing children hear the stylus;
// when the capture ends, the releasing event goes to the whole list again.
// While a child lies open over the others (IsOverlayOpen: a pop-up menu, a
// dropped combo list) it alone hears the stylus, so nothing beneath reacts to
// a tap on it; screens get this rule by keeping their widgets in one list.
#pragma once

#include "Wkr/Gui/Widget.h"

#include <cstddef>
#include <vector>

class WidgetList : public Widget
{
public:
    WidgetList() = default;
    // Deletes the children.
    ~WidgetList() override;

    // Appends a child (owned from now on).
    void AddWidget(Widget* widget);

    bool Update() override;
    void Draw() override;
    bool OnStylusMove(int16_t x, int16_t y) override;
    bool OnStylusUp(int16_t x, int16_t y) override;
    bool OnStylusDown(int16_t x, int16_t y) override;
    void Disable() override;
    void Enable() override;
    bool HasCapture() override { return _capture; }
    bool IsOverlayOpen() const override;
    void Describe(ScreenDump& dump) const override;

    int32_t GetCount() const { return static_cast<int32_t>(_widgets.size()); }
    Widget* GetWidget(int32_t i) const { return _widgets[static_cast<size_t>(i)]; }

private:
    enum class Event
    {
        Move,
        Up,
        Down
    };
    bool Dispatch(Event event, int16_t x, int16_t y);

    std::vector<Widget*> _widgets;
    bool _capture = false;
};
