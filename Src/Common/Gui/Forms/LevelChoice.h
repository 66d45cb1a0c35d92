// LevelChoice: the two radio groups of the route screens, ticket price and
// service level, each low, medium or high.
//
// Buttons of one group exclude each other; the choice is read when the
// screen confirms. The groups live here, before the buttons, so that every
// button can leave its group when the buttons are deleted. The screens draw
// the labels.
#pragma once

#include "Common/Gui/Controls/BasicRadioButton.h"
#include "Wkr/Gui/Widget.h"
#include "Wkr/Gui/WidgetList.h"

#include <cstdint>

class Window;

class LevelChoice : public Widget
{
public:
    static constexpr int32_t LEVELS = 3;

    // The price buttons stand at priceX, the service buttons at serviceX,
    // the low ones at `top` and each further one `step` lower.
    LevelChoice(Window* window, int16_t priceX, int16_t serviceX, int16_t top, int16_t step, int32_t price,
                int32_t service);

    bool Update() override { return _buttons.Update(); }
    void Draw() override { _buttons.Draw(); }
    bool OnStylusMove(int16_t x, int16_t y) override { return _buttons.OnStylusMove(x, y); }
    bool OnStylusUp(int16_t x, int16_t y) override { return _buttons.OnStylusUp(x, y); }
    bool OnStylusDown(int16_t x, int16_t y) override { return _buttons.OnStylusDown(x, y); }
    bool HasCapture() override { return _buttons.HasCapture(); }
    void Describe(ScreenDump& dump) const override { _buttons.Describe(dump); }

    int32_t GetPrice() const { return Checked(_price); }
    int32_t GetService() const { return Checked(_service); }
    // Checks a level of either group, as a tap on its button does.
    void ChoosePrice(int32_t level);
    void ChooseService(int32_t level);

private:
    static int32_t Checked(const RadioGroup& group);
    void Chosen() {}

    RadioGroup _price;
    RadioGroup _service;
    WidgetList _buttons;
};
