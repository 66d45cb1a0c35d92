// UIControl: a native child control on a form (here drawn by the platform
// layer itself over the form's surface).
//
// Each control takes its id from a process-wide counter that starts at 4000.
// It registers with its form, which owns it from then on; the device screen
// draws it over the form and hands it the stylus inside its rectangle. A
// control marked as closing its form ends the form's modal loop with its id
// when pressed.
#pragma once

#include "WinCE/Rect.h"

#include <cstdint>
#include <string>

class Form;
class Window;

class UIControl
{
public:
    UIControl(int16_t x, int16_t y, int16_t width, int16_t height, const char* text, Form* parent,
              const char* windowClass, uint32_t style, uint32_t textColour, uint32_t backgroundColour);
    virtual ~UIControl();
    UIControl(const UIControl&) = delete;
    UIControl& operator=(const UIControl&) = delete;

    // Replaces the stored text.
    virtual void SetText(const char* text);
    // Refreshes the control from its state (called by Form::UpdateControls).
    virtual void Update();
    // A notification of this control reached the form.
    virtual void OnCommand(uint16_t code);
    // Draws the control with the form's client origin at (originX, originY).
    virtual void Paint(Window* screen, int32_t originX, int32_t originY);
    // Stylus and keys, in the control's own coordinates; true when taken.
    virtual bool OnStylusDown(int16_t x, int16_t y);
    virtual bool OnStylusMove(int16_t x, int16_t y);
    virtual bool OnStylusUp(int16_t x, int16_t y);
    virtual bool OnKeyDown(uint16_t virtualKey);
    virtual bool OnChar(uint16_t character);

    uint16_t GetId() const { return _id; }
    Form* GetParent() const { return _parent; }
    const char* GetStoredText() const { return _text; }
    bool HasWindow() const { return _hasWindow; }
    bool IsVisible() const { return _hasWindow && _visible; }
    void SetVisible(bool visible) { _visible = visible; }
    bool ClosesForm() const { return _closesForm; }
    void SetClosesForm(bool closes) { _closesForm = closes; }
    uint32_t GetTextColour() const { return _textColour; }
    uint32_t GetBackgroundColour() const { return _backgroundColour; }
    uint32_t GetStyle() const { return _style; }
    // Moves the window back to the stored rectangle.
    void ApplyRect();
    Rect GetBounds() const { return Rect{{_x, _y}, {_width, _height}}; }
    // True when the client point of the parent form lies on the control.
    bool Contains(int32_t x, int32_t y) const;

    // The control that has the keyboard, if any.
    static UIControl* GetFocus() { return s_focus; }
    // The id the next control will get.
    static uint16_t PeekNextId() { return s_nextId; }

protected:
    // Sends a notification to the parent form's window procedure.
    void Notify(uint16_t code);
    void TakeFocus();
    void DropFocus();

    uint16_t _id;
    int16_t _x;
    int16_t _y;
    int16_t _width;
    int16_t _height;
    bool _state = false;
    Form* _parent;
    char* _text = nullptr;
    bool _hasWindow = false;
    bool _visible = true;
    bool _closesForm = false;
    uint32_t _textColour;
    uint32_t _backgroundColour;
    uint32_t _style;
    Rect _windowRect{};

    static uint16_t s_nextId;
    static UIControl* s_focus;
};
