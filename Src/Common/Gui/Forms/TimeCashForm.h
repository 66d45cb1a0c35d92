// TimeCashForm: screen 43, "Time&Cash", the screen behind the top bar.
//
// Large panels show the cash and the game time (redrawn every second while
// time runs) and a five-position slider sets the speed: stopped, one
// minute, half an hour, one hour or three hours of game time per second.
// The speed keys move the slider round (from the fastest to stopped and
// back), the jump key and button skip to the next notice, and the
// characters '1', '2' and '3' set the fast speeds that the slider does not
// show. OK and the back tab return to the screen the player came from.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class SpeedSlider;

class TimeCashForm : public SRForm
{
public:
    static constexpr int32_t POSITIONS = 5;
    static constexpr uint32_t PANEL_REFRESH = 1001;

    explicit TimeCashForm(int32_t number);

    bool OnIdle() override;
    bool OnKey(uint32_t keyBit, bool pressed) override;
    bool OnChar(uint16_t character) override;

    SpeedSlider* GetSlider() const { return _slider; }
    // The slider position of a speed (anything not on the slider is 0).
    static int32_t PositionOf(int32_t speed);
    // The label of the back tab for the screen OK returns to.
    static const char* ReturnLabel(int32_t previous, int32_t statisticsPage);

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;

private:
    void ApplySlider();
    void DrawPanels();

    SpeedSlider* _slider;
    uint32_t _panelTick = 0;
};
