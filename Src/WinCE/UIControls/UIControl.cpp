#include "WinCE/UIControls/UIControl.h"

#include "WinCE/Application.h"
#include "WinCE/Assert.h"
#include "WinCE/Form.h"
#include "WinCE/Host/Host.h"
#include "WinCE/Window.h"

#include <cstdio>
#include <cstring>

uint16_t UIControl::s_nextId = 4000;
UIControl* UIControl::s_focus = nullptr;

UIControl::UIControl(int16_t x, int16_t y, int16_t width, int16_t height, const char* text, Form* parent,
                     const char* windowClass, uint32_t style, uint32_t textColour, uint32_t backgroundColour)
    : _id(s_nextId++), _x(x), _y(y), _width(width), _height(height), _parent(parent), _textColour(textColour),
      _backgroundColour(backgroundColour), _style(style)
{
    ASSERT(parent != NULL);
    if (text)
    {
        _text = new char[std::strlen(text) + 1];
        std::strcpy(_text, text);
    }
    if (!parent->HasWindow())
    {
        // Without a parent window there is nothing to create the control on:
        // say so and carry on without a window, as the device does.
        char message[200];
        std::snprintf(message, sizeof(message),
                      "UIControl::UIControl - CreateWindow failed with error %d (window class was %s)", 1400,
                      windowClass ? windowClass : "");
        if (Host* host = GetHost())
            host->MessageBox("Error", message, HostButtons::Ok);
        return;
    }
    _hasWindow = true;
    ApplyRect();
    parent->AddUIControl(this);
}

UIControl::~UIControl()
{
    if (s_focus == this)
        DropFocus();
    delete[] _text;
    _text = nullptr;
    _hasWindow = false;
}

void UIControl::SetText(const char* text)
{
    delete[] _text;
    _text = nullptr;
    if (text)
    {
        _text = new char[std::strlen(text) + 1];
        std::strcpy(_text, text);
    }
}

void UIControl::Update() {}

void UIControl::OnCommand(uint16_t code)
{
    (void)code;
}

void UIControl::Paint(Window* screen, int32_t originX, int32_t originY)
{
    screen->FillSolid(Rect{{originX + _x, originY + _y}, {_width, _height}}, _backgroundColour);
}

bool UIControl::OnStylusDown(int16_t, int16_t)
{
    return false;
}

bool UIControl::OnStylusMove(int16_t, int16_t)
{
    return false;
}

bool UIControl::OnStylusUp(int16_t, int16_t)
{
    return false;
}

bool UIControl::OnKeyDown(uint16_t)
{
    return false;
}

bool UIControl::OnChar(uint16_t)
{
    return false;
}

void UIControl::ApplyRect()
{
    _windowRect = Rect{{_x, _y}, {_width, _height}};
}

bool UIControl::Contains(int32_t x, int32_t y) const
{
    return x >= _x && x < _x + _width && y >= _y && y < _y + _height;
}

void UIControl::Notify(uint16_t code)
{
    if (!_hasWindow)
        return;
    FormMessage command;
    command.kind = FormMessage::Command;
    command.param = _id;
    command.code = code;
    command.control = this;
    Form::Dispatch(_parent, command);
}

void UIControl::TakeFocus()
{
    if (s_focus == this)
        return;
    s_focus = this;
    if (Host* host = GetHost())
        host->SetTextInput(true);
}

void UIControl::DropFocus()
{
    if (s_focus != this)
        return;
    s_focus = nullptr;
    if (Host* host = GetHost())
        host->SetTextInput(false);
}
