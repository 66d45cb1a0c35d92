// GfxButton: a button whose looks are cut from one image strip.
//
// A button that can be disabled takes three looks side by side (normal,
// pressed, disabled), each a third of the strip's width; one that cannot
// takes two halves (normal, pressed) (LookStrip). The hit test includes the
// far column and row (x .. x + width, y .. y + height).
#pragma once

#include "Wkr/Gui/Button.h"
#include "Wkr/Gui/LookStrip.h"

#include <string>

class Bitmap;
class Window;

class GfxButton : public Button
{
public:
    GfxButton(const char* imagename, int16_t x, int16_t y, Window* parent, Callback* callback, bool enabled,
              bool candisable);
    ~GfxButton() override;

    void DrawPressed() override;
    void DrawNormal() override;
    void DrawDisabled() override;
    bool HitTest(int16_t x, int16_t y) override;
    // The button under its bitmap's name, with its rectangle and state.
    void Describe(ScreenDump& dump) const override;

    // Loads another strip and cuts it again.
    void SetImage(const char* imagename);

    int16_t GetX() const { return _x; }
    int16_t GetY() const { return _y; }
    const std::string& GetImageName() const { return _looks.Name(); }
    Bitmap* GetNormalLook() const { return _looks.Look(0); }
    Bitmap* GetPressedLook() const { return _looks.Look(1); }
    Bitmap* GetDisabledLook() const { return _candisable ? _looks.Look(2) : nullptr; }

protected:
    int16_t _x;
    int16_t _y;
    Window* _parent;
    LookStrip _looks;
};
