// GfxButton: a button whose looks are cut from one image strip.
//
// A button that can be disabled takes three looks side by side (normal,
// pressed, disabled), each a third of the strip's width; one that cannot
// takes two halves (normal, pressed). Integer division decides the widths,
// so the last columns of a strip that does not divide evenly are unused. The
// hit test includes the far column and row (x .. x + width, y .. y + height).
#pragma once

#include "Wkr/Gui/Button.h"

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
    const std::string& GetImageName() const { return _imageName; }
    Bitmap* GetNormalLook() const { return _normal; }
    Bitmap* GetPressedLook() const { return _pressedLook; }
    Bitmap* GetDisabledLook() const { return _disabled; }

    // The width of one look of a strip `stripWidth` pixels wide.
    static int32_t LookWidth(int32_t stripWidth, bool candisable)
    {
        return candisable ? stripWidth / 3 : stripWidth / 2;
    }

protected:
    // Cuts the looks from the strip (which the button then owns).
    void Cut(Bitmap* strip);
    void Release();

    int16_t _x;
    int16_t _y;
    Window* _parent;
    std::string _imageName;
    Bitmap* _strip = nullptr;
    Bitmap* _disabled = nullptr;
    Bitmap* _normal = nullptr;
    Bitmap* _pressedLook = nullptr;
};
