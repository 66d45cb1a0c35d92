#include "Wkr/Gui/Widget.h"

Widget::~Widget() = default;

bool Widget::Update()
{
    return false;
}

void Widget::Draw() {}

bool Widget::OnStylusMove(int16_t, int16_t)
{
    return false;
}

bool Widget::OnStylusUp(int16_t, int16_t)
{
    return false;
}

bool Widget::OnStylusDown(int16_t, int16_t)
{
    return false;
}

void Widget::Disable() {}

void Widget::Enable() {}

bool Widget::HasCapture()
{
    return false;
}

bool Widget::IsOverlayOpen() const
{
    return false;
}

void Widget::Describe(ScreenDump&) const {}
