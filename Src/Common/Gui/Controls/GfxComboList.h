// GfxComboList: the box and drop-down list of a combo box.
//
// Closed, it shows its box image with the selected string inside. Open, the
// list hangs below the box (above it when the window has no room below): a
// face with rounded corners, a two-colour frame and one string per row.
// Opening saves the area the list covers in the list's own back buffer and
// closing puts it back, so the screen beneath needs no redraw. A release
// over a row selects it, closes the list and hands the index to the action.
#pragma once

#include "Wkr/Gui/Widget.h"

#include <functional>
#include <string>
#include <vector>

class Bitmap;
class Font;
class OffscreenWindow;
class Window;

class GfxComboList : public Widget
{
public:
    using Action = std::function<void(int32_t index)>;

    // Colours: the light frame, the face and the dark frame (0x00BBGGRR).
    GfxComboList(int16_t x, int16_t y, Window* window, Font* font, uint32_t lightColour, uint32_t faceColour,
                 uint32_t darkColour, const char* boxImage, Action action);
    ~GfxComboList() override;

    void AddString(const std::string& s);
    int32_t GetCount() const { return static_cast<int32_t>(_strings.size()); }
    const std::string& GetString(int32_t i) const;
    int32_t GetSelected() const { return _selected; }
    void SetSelected(int32_t i);

    void Draw() override;
    bool OnStylusUp(int16_t x, int16_t y) override;
    bool OnStylusDown(int16_t x, int16_t y) override;
    // A "combo" list record (its box; open or not) and every string as a
    // row, placed while the list is dropped.
    void Describe(ScreenDump& dump) const override;

    void Open();
    void Close();
    bool IsOpen() const { return _open; }

    int32_t GetBoxWidth() const { return _boxWidth; }
    int32_t GetBoxHeight() const { return _boxHeight; }
    // The open list's edges: left, top, right (the box's) and height.
    int32_t GetListLeft() const { return _x; }
    int32_t GetListTop() const;
    int32_t GetListHeight() const;
    bool InBox(int16_t x, int16_t y) const;
    bool InList(int16_t x, int16_t y) const;

private:
    void RebuildBackBuffer();
    void DrawList();

    int16_t _x;
    int16_t _y;
    Window* _window;
    Font* _font;
    uint32_t _light;
    uint32_t _face;
    uint32_t _dark;
    Bitmap* _box;
    int32_t _boxWidth;
    int32_t _boxHeight;
    Action _action;
    std::vector<std::string> _strings;
    int32_t _selected = 0;
    bool _open = false;
    OffscreenWindow* _backbuffer = nullptr;
};
