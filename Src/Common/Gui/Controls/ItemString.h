// ItemString: a text row of an item list panel, with optional icons.
//
// The text is drawn in shared font 1 and is shortened from the end when
// made, one character at a time, until it is narrower than 186 pixels, so
// that it fits beside the icons. The low four bits of the flags choose a
// leading icon (2 information, 3 city); the bits 16, 32, 64 and 128 add the
// route, charity, VIP and stop icons in that order. With any flag set the
// text moves right by 23 pixels to make room. The value is the caller's own
// number for the row (an airport or plane index, say).
#pragma once

#include "Common/Gui/Controls/ListItem.h"

#include <string>

class ItemListPanel;

class ItemString : public ListItem
{
public:
    static constexpr int32_t MAX_WIDTH = 186;

    enum Flags
    {
        ICON_INFO = 2,
        ICON_CITY = 3,
        ICON_ROUTE = 16,
        ICON_CHARITY = 32,
        ICON_VIP = 64,
        ICON_STOP = 128,
    };

    ItemString(const std::string& text, ItemListPanel* owner, int32_t xOffset, uint32_t flags, int32_t value);

    int32_t GetRowHeight() const override;
    void Draw(Window* window, int32_t x, int32_t y, int32_t row, int32_t rowHeight) override;
    // The text as shown (shortened to fit).
    std::string GetLabel() const override { return _text; }

    const std::string& GetText() const { return _text; }
    uint32_t GetFlags() const { return _flags; }
    int32_t GetValue() const { return _value; }
    ItemListPanel* GetOwner() const { return _owner; }

    // The icons are loaded on first use and shared by all rows.
    static void ReleaseIcons();

private:
    std::string _text;
    ItemListPanel* _owner;
    int32_t _xOffset;
    uint32_t _flags;
    int32_t _value;
};
