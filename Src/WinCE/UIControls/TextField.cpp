#include "WinCE/UIControls/TextField.h"

#include "WinCE/Assert.h"
#include "WinCE/Color.h"
#include "WinCE/DeviceScreen.h"
#include "WinCE/Form.h"
#include "WinCE/Host/Host.h"
#include "WinCE/SystemFont.h"
#include "WinCE/Window.h"

#include <cstring>

namespace
{
constexpr int32_t PAD = 2;
constexpr int32_t GLYPH_WIDTH = SystemFont::CELL_WIDTH;
} // namespace

TextField::TextField(int16_t x, int16_t y, int16_t width, int16_t height, Form* parent, int32_t maxLength,
                     bool editable, bool singleLine, uint32_t extraStyle, bool numberOnly,
                     uint32_t textColour, uint32_t backgroundColour)
    : UIControl(x, y, width, height, nullptr, parent, "EDIT",
                WS_CHILD_VISIBLE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | (singleLine ? 0 : ES_MULTILINE) |
                    (editable ? 0 : ES_READONLY) | (numberOnly ? ES_NUMBER : 0) | extraStyle,
                textColour, backgroundColour),
      _maxLength(maxLength), _editable(editable),
      _numberOnly(numberOnly), _format{{PAD, PAD}, {width - 2 * PAD, height - 2 * PAD}}
{
    ASSERT(maxLength >= 0 && "a text field holds at least nothing");
}

TextField::~TextField()
{
    KillFocus();
}

void TextField::SetFocus()
{
    TakeFocus();
}

void TextField::KillFocus()
{
    DropFocus();
    _dragging = false;
}

bool TextField::HasFocus() const
{
    return s_focus == this;
}

void TextField::GetText(char* buffer, int32_t length) const
{
    if (length <= 0)
        return;
    int32_t n = GetTextLength();
    if (n > length - 1)
        n = length - 1;
    std::memcpy(buffer, _value.data(), static_cast<size_t>(n));
    buffer[n] = 0;
}

void TextField::GetText(char* buffer) const
{
    GetText(buffer, GetTextLength() + 1);
}

void TextField::SetText(const char* text)
{
    std::string value = text ? text : "";
    // The device cuts text set from the program at the limit as well.
    if (_maxLength > 0 && static_cast<int32_t>(value.size()) > _maxLength)
        value.resize(static_cast<size_t>(_maxLength));
    _value = value;
    UIControl::SetText(_value.c_str());
    _selStart = _selEnd = GetTextLength();
    _modified = false;
    _scroll = 0;
    KeepCaretVisible();
}

bool TextField::InsertText(const char* text)
{
    for (const char* p = text; p && *p; ++p)
    {
        if (!OnChar(static_cast<unsigned char>(*p)))
            return false;
    }
    return true;
}

void TextField::SetEditable(bool editable)
{
    _editable = editable;
    if (editable)
        _style &= ~ES_READONLY;
    else
        _style |= ES_READONLY;
}

void TextField::SetRect(int16_t x, int16_t y, int16_t width, int16_t height)
{
    _format = Rect{{x, y}, {width, height}};
    KeepCaretVisible();
}

void TextField::SetSelection(int32_t start, int32_t end)
{
    const int32_t length = GetTextLength();
    if (end < 0 || end > length)
        end = length;
    if (start < 0)
        start = end;
    if (start > length)
        start = length;
    _selStart = start;
    _selEnd = end;
    KeepCaretVisible();
}

int32_t TextField::GetVisibleLines()
{
    ASSERT(false && "TextField::GetVisibleLines not implemented on windows");
    return 1;
}

void TextField::SetUsable(bool usable)
{
    (void)usable;
    ASSERT(false && "TextField::SetUsable not implemented on Win32 yet");
}

void TextField::ReplaceSelection(const std::string& with)
{
    const int32_t from = GetSelectionStart();
    const int32_t to = GetSelectionEnd();
    _value.replace(static_cast<size_t>(from), static_cast<size_t>(to - from), with);
    _selStart = _selEnd = from + static_cast<int32_t>(with.size());
    _modified = true;
    UIControl::SetText(_value.c_str());
    KeepCaretVisible();
    Notify(NOTIFY_CHANGE);
}

bool TextField::OnChar(uint16_t character)
{
    if (!_editable)
        return false;
    if (character == 0x08)
        return OnKeyDown(HOSTKEY_BACKSPACE);
    // The game's strings are 8-bit: anything wider, and control characters,
    // cannot be typed.
    if (character < 0x20 || character > 0xFF || character == 0x7F)
        return false;
    if (_numberOnly && (character < '0' || character > '9'))
        return false;
    const int32_t selected = GetSelectionEnd() - GetSelectionStart();
    if (_maxLength > 0 && GetTextLength() - selected + 1 > _maxLength)
        return false;
    ReplaceSelection(std::string(1, static_cast<char>(character)));
    return true;
}

bool TextField::OnKeyDown(uint16_t virtualKey)
{
    const int32_t length = GetTextLength();
    switch (virtualKey)
    {
    case HOSTKEY_BACKSPACE:
        if (!_editable)
            return false;
        if (_selStart == _selEnd)
        {
            if (_selEnd == 0)
                return true;
            _selStart = _selEnd - 1;
        }
        ReplaceSelection("");
        return true;
    case HOSTKEY_DELETE:
        if (!_editable)
            return false;
        if (_selStart == _selEnd)
        {
            if (_selEnd == length)
                return true;
            _selEnd = _selStart + 1;
        }
        ReplaceSelection("");
        return true;
    case HOSTKEY_LEFT:
        _selEnd = _selStart == _selEnd ? (_selEnd > 0 ? _selEnd - 1 : 0) : GetSelectionStart();
        _selStart = _selEnd;
        KeepCaretVisible();
        return true;
    case HOSTKEY_RIGHT:
        _selEnd = _selStart == _selEnd ? (_selEnd < length ? _selEnd + 1 : length) : GetSelectionEnd();
        _selStart = _selEnd;
        KeepCaretVisible();
        return true;
    case HOSTKEY_HOME:
        _selStart = _selEnd = 0;
        KeepCaretVisible();
        return true;
    case HOSTKEY_END:
        _selStart = _selEnd = length;
        KeepCaretVisible();
        return true;
    default:
        return false;
    }
}

int32_t TextField::CaretAt(int32_t x) const
{
    const int32_t column = (x - _format.origin.x + _scroll + GLYPH_WIDTH / 2) / GLYPH_WIDTH;
    if (column < 0)
        return 0;
    return column > GetTextLength() ? GetTextLength() : column;
}

void TextField::KeepCaretVisible()
{
    const int32_t caretX = _selEnd * GLYPH_WIDTH;
    const int32_t visible = _format.extent.x - 1;
    if (caretX - _scroll > visible)
        _scroll = caretX - visible;
    if (caretX < _scroll)
        _scroll = caretX;
    if (_scroll < 0)
        _scroll = 0;
}

bool TextField::OnStylusDown(int16_t x, int16_t y)
{
    (void)y;
    SetFocus();
    _selStart = _selEnd = CaretAt(x);
    _dragging = true;
    KeepCaretVisible();
    return true;
}

bool TextField::OnStylusMove(int16_t x, int16_t y)
{
    (void)y;
    if (!_dragging)
        return false;
    _selEnd = CaretAt(x);
    KeepCaretVisible();
    return true;
}

bool TextField::OnStylusUp(int16_t x, int16_t y)
{
    (void)y;
    if (!_dragging)
        return false;
    _selEnd = CaretAt(x);
    _dragging = false;
    KeepCaretVisible();
    return true;
}

void TextField::Paint(Window* screen, int32_t originX, int32_t originY)
{
    const int32_t left = originX + _x;
    const int32_t top = originY + _y;
    screen->FillSolid(Rect{{left, top}, {_width, _height}}, _backgroundColour);
    // Draw inside the formatting rectangle only.
    const Rect saved = screen->GetClip();
    const int32_t fx = left + _format.origin.x;
    const int32_t fy = top + _format.origin.y;
    screen->SetClip(fx, fy, _format.extent.x, _format.extent.y);
    const int32_t textY = fy + (_format.extent.y - SystemFont::CELL_HEIGHT) / 2;
    DeviceScreen::DrawText(screen, fx - _scroll, textY, _value.c_str(), _textColour,
                           DeviceScreen::COLOR_TRANSPARENT);
    if (HasFocus())
    {
        const int32_t from = GetSelectionStart();
        const int32_t to = GetSelectionEnd();
        if (from != to)
        {
            const Rect selection{{fx - _scroll + from * GLYPH_WIDTH, textY},
                                 {(to - from) * GLYPH_WIDTH, SystemFont::CELL_HEIGHT}};
            // Inverting colours marks the selection, as the device does.
            Surface* dc = screen->GetDC();
            const Rect clip = screen->GetClip();
            for (int32_t yy = selection.origin.y; yy < selection.origin.y + selection.extent.y; ++yy)
            {
                if (yy < clip.origin.y || yy >= clip.origin.y + clip.extent.y || yy < 0 ||
                    yy >= dc->GetHeight())
                    continue;
                uint32_t* row = dc->GetRow(yy);
                for (int32_t xx = selection.origin.x; xx < selection.origin.x + selection.extent.x; ++xx)
                {
                    if (xx < clip.origin.x || xx >= clip.origin.x + clip.extent.x || xx < 0 ||
                        xx >= dc->GetWidth())
                        continue;
                    row[xx] = ~row[xx] & COLOR_MASK;
                }
            }
        }
        const int32_t caretX = fx - _scroll + _selEnd * GLYPH_WIDTH;
        screen->FillSolid(Rect{{caretX, textY - 1}, {1, SystemFont::CELL_HEIGHT + 1}}, _textColour);
    }
    screen->SetClip(saved.origin.x, saved.origin.y, saved.extent.x, saved.extent.y);
}
