// ChoiceTabs: a row of labelled choices on the statistics pages: the
// period of the profit-and-loss account and of the worth history, the value
// the map shades its airports by.
//
// Each tab is a radio button ("sr_Radio_Button.bmp") with its label to the
// right; the tabs exclude each other, and choosing one, by its button or by
// its label, hands its index to the page. The row is one widget of the
// page's widget list and owns its buttons.
#pragma once

#include "Common/Gui/Controls/BasicRadioButton.h"
#include "Wkr/Gui/Widget.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

class GfxRadioButton;
class Window;

class ChoiceTabs : public Widget
{
public:
    struct Tab
    {
        const char* label;
        int16_t x;
        int16_t y;
    };
    using Action = std::function<void(int32_t choice)>;

    // The label starts this far right of its button's left edge.
    static constexpr int32_t LABEL_OFFSET = 18;

    ChoiceTabs(std::span<const Tab> tabs, int32_t chosen, Window* window, Action action);
    ~ChoiceTabs() override;

    int32_t GetChosen() const { return _chosen; }
    // Chooses a tab as a tap on it does.
    void Choose(int32_t choice);

    void Draw() override;
    bool OnStylusDown(int16_t x, int16_t y) override;
    void Describe(ScreenDump& dump) const override;

private:
    std::span<const Tab> _tabs;
    Window* _window;
    int32_t _chosen;
    Action _action;
    // The group outlives the buttons, which leave it when deleted.
    RadioGroup _group;
    std::vector<std::unique_ptr<GfxRadioButton>> _buttons;
};
