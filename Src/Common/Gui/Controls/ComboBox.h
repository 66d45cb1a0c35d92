// ComboBox: a drop-down choice: the list box with an arrow button beside it.
//
// The box is "sr_Combo_box.bmp" or, with the short flag, the 80-pixel
// "sr_Combo_box_short.bmp"; the arrow "sr_Combo_arrow.bmp" sits directly to
// its right and toggles the list open and closed. Strings are drawn in
// shared font 1 in the game's blue list colours. The selection action gets
// the index of the chosen string.
#pragma once

#include "Common/Gui/Controls/GfxComboList.h"
#include "Wkr/Gui/Widget.h"

class SoundButton;
class Window;

class ComboBox : public Widget
{
public:
    static constexpr uint32_t LIGHT_COLOUR = 0x00FFCC99;
    static constexpr uint32_t FACE_COLOUR = 0x00965F0C;
    static constexpr uint32_t DARK_COLOUR = 0x00FF9933;

    ComboBox(int16_t x, int16_t y, Window* window, GfxComboList::Action action, bool shortBox);
    ~ComboBox() override;

    GfxComboList* GetList() const { return _list; }
    SoundButton* GetArrow() const { return _arrow; }
    void AddString(const std::string& s) { _list->AddString(s); }

    void Draw() override;
    bool OnStylusMove(int16_t x, int16_t y) override;
    bool OnStylusUp(int16_t x, int16_t y) override;
    bool OnStylusDown(int16_t x, int16_t y) override;
    void Disable() override;
    void Enable() override;
    bool IsOverlayOpen() const override { return _list->IsOpen(); }
    // The arrow button and the list.
    void Describe(ScreenDump& dump) const override;

private:
    void Toggle();

    GfxComboList* _list;
    SoundButton* _arrow;
    bool _enabled = true;
};
