// GfxRadioButton: a radio button drawn from a three-look strip.
//
// The strip holds the unchecked, checked and disabled looks side by side,
// each a third of its width. The hit test is two columns narrower than the
// look (x .. x + width - 2) but takes the full height including the row
// below (y .. y + height), so that buttons placed side by side do not
// overlap.
#pragma once

#include "Common/Gui/Controls/BasicRadioButton.h"
#include "Wkr/Gui/LookStrip.h"

#include <string>

class Bitmap;
class Window;

class GfxRadioButton : public BasicRadioButton
{
public:
    GfxRadioButton(RadioGroup* group, bool checked, const char* imagename, int16_t x, int16_t y,
                   Window* parent, Callback* callback);
    ~GfxRadioButton() override;

    void DrawChecked() override;
    void DrawUnchecked() override;
    void DrawDisabled() override;
    bool HitTest(int16_t x, int16_t y) override;
    // A button under the strip's name, checked when it is the group's choice.
    void Describe(ScreenDump& dump) const override;

    int32_t GetLookWidth() const;
    int32_t GetLookHeight() const;

private:
    static constexpr int32_t UNCHECKED = 0;
    static constexpr int32_t CHECKED = 1;
    static constexpr int32_t DISABLED = 2;

    int16_t _x;
    int16_t _y;
    Window* _parent;
    LookStrip _looks;
};
