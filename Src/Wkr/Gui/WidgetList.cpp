#include "Wkr/Gui/WidgetList.h"

#include "WinCE/Assert.h"

WidgetList::~WidgetList()
{
    for (Widget* widget : _widgets)
        delete widget;
}

void WidgetList::AddWidget(Widget* widget)
{
    ASSERT(widget);
    _widgets.push_back(widget);
}

bool WidgetList::Update()
{
    bool changed = false;
    for (Widget* widget : _widgets)
    {
        if (widget->Update())
            changed = true;
    }
    return changed;
}

void WidgetList::Draw()
{
    for (Widget* widget : _widgets)
        widget->Draw();
}

void WidgetList::Disable()
{
    for (Widget* widget : _widgets)
        widget->Disable();
}

void WidgetList::Enable()
{
    for (Widget* widget : _widgets)
        widget->Enable();
}

bool WidgetList::OnStylusMove(int16_t x, int16_t y)
{
    return Dispatch(Event::Move, x, y);
}

bool WidgetList::OnStylusUp(int16_t x, int16_t y)
{
    return Dispatch(Event::Up, x, y);
}

bool WidgetList::OnStylusDown(int16_t x, int16_t y)
{
    return Dispatch(Event::Down, x, y);
}

bool WidgetList::IsOverlayOpen() const
{
    for (const Widget* widget : _widgets)
    {
        if (widget->IsOverlayOpen())
            return true;
    }
    return false;
}

void WidgetList::Describe(ScreenDump& dump) const
{
    for (const Widget* widget : _widgets)
    {
        if (widget->IsVisible())
            widget->Describe(dump);
    }
}

bool WidgetList::Dispatch(Event event, int16_t x, int16_t y)
{
    // The open overlay alone hears the stylus; the last one opened lies on top.
    for (size_t i = _widgets.size(); i-- > 0;)
    {
        Widget* child = _widgets[i];
        if (!child->IsOverlayOpen())
            continue;
        switch (event)
        {
        case Event::Move:
            return child->OnStylusMove(x, y);
        case Event::Up:
            return child->OnStylusUp(x, y);
        case Event::Down:
            return child->OnStylusDown(x, y);
        }
    }
    bool handled = false;
    // Indexing (not iterators) keeps this safe when an action adds widgets.
    for (size_t i = 0; i < _widgets.size(); ++i)
    {
        Widget* child = _widgets[i];
        if (child->HasCapture() != _capture)
            continue;
        bool result = false;
        switch (event)
        {
        case Event::Move:
            result = child->OnStylusMove(x, y);
            break;
        case Event::Up:
            result = child->OnStylusUp(x, y);
            break;
        case Event::Down:
            result = child->OnStylusDown(x, y);
            break;
        }
        if (result)
            handled = true;
        if (_capture && !child->HasCapture())
        {
            // The capture has just ended: everyone sees the releasing event.
            _capture = false;
            return Dispatch(event, x, y);
        }
        _capture = child->HasCapture();
    }
    return handled;
}
