// TextField: a single-line text entry field drawn by the platform layer.
//
// It behaves like the device's edit control: it takes the keyboard when
// tapped or given the focus, shows a caret and an inverted selection, accepts
// typed 8-bit characters up to its maximum length (digits only when made
// number-only), deletes with backspace and delete, moves the caret with the
// arrow, home and end keys and scrolls sideways to keep the caret in view. A
// field that is not editable refuses typing but can still be read and set.
#pragma once

#include "WinCE/UIControls/UIControl.h"

#include <string>

// Window styles of the device's edit control, kept for the record.
constexpr uint32_t ES_MULTILINE = 0x4;
constexpr uint32_t ES_AUTOVSCROLL = 0x40;
constexpr uint32_t ES_AUTOHSCROLL = 0x80;
constexpr uint32_t ES_READONLY = 0x800;
constexpr uint32_t ES_NUMBER = 0x2000;
constexpr uint32_t WS_CHILD_VISIBLE = 0x50000000;

class TextField : public UIControl
{
public:
    TextField(int16_t x, int16_t y, int16_t width, int16_t height, Form* parent, int32_t maxLength,
              bool editable, bool singleLine, uint32_t extraStyle, bool numberOnly, uint32_t textColour,
              uint32_t backgroundColour);
    ~TextField() override;

    void SetFocus();
    void KillFocus();
    bool HasFocus() const;

    int32_t GetTextLength() const { return static_cast<int32_t>(_value.size()); }
    // Copies at most length - 1 characters and a terminating 0.
    void GetText(char* buffer, int32_t length) const;
    // Copies the whole text; the buffer must hold GetTextLength() + 1 bytes.
    void GetText(char* buffer) const;
    const std::string& Text() const { return _value; }
    void SetText(const char* text) override;
    // Types the characters one by one; false as soon as one is refused.
    bool InsertText(const char* text);

    void SetEditable(bool editable);
    bool IsEditable() const { return _editable; }
    // The formatting rectangle, in the field's own coordinates.
    void SetRect(int16_t x, int16_t y, int16_t width, int16_t height);
    Rect GetRect() const { return _format; }
    bool IsModified() const { return _modified; }
    void SetModified(bool modified) { _modified = modified; }
    // Selects characters start .. end - 1 (clamped); the caret goes to end.
    // start -1 removes the selection.
    void SetSelection(int32_t start, int32_t end);
    int32_t GetSelectionStart() const { return _selStart < _selEnd ? _selStart : _selEnd; }
    int32_t GetSelectionEnd() const { return _selStart < _selEnd ? _selEnd : _selStart; }
    int32_t GetCaret() const { return _selEnd; }
    int32_t GetMaxLength() const { return _maxLength; }

    // Not available on this platform, as on the device.
    int32_t GetVisibleLines();
    void SetUsable(bool usable);

    void Paint(Window* screen, int32_t originX, int32_t originY) override;
    bool OnStylusDown(int16_t x, int16_t y) override;
    bool OnStylusMove(int16_t x, int16_t y) override;
    bool OnStylusUp(int16_t x, int16_t y) override;
    bool OnKeyDown(uint16_t virtualKey) override;
    bool OnChar(uint16_t character) override;

    // Notification sent to the form after the text changed.
    static constexpr uint16_t NOTIFY_CHANGE = 0x300;

private:
    void ReplaceSelection(const std::string& with);
    int32_t CaretAt(int32_t x) const;
    void KeepCaretVisible();

    std::string _value;
    int32_t _maxLength;
    bool _editable;
    bool _numberOnly;
    bool _modified = false;
    int32_t _selStart = 0;
    int32_t _selEnd = 0;
    int32_t _scroll = 0;
    bool _dragging = false;
    Rect _format;
};
