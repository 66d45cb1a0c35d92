#include "Common/Gui/Forms/ChoiceTabs.h"

#include "Common/Gui/Controls/GfxRadioButton.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "WinCE/Assert.h"
#include "WinCE/Font.h"
#include "WinCE/ScreenDump.h"
#include "WinCE/Window.h"
#include "Wkr/Gui/Callback.h"

namespace
{
// A label takes taps over the button's height, from its own top.
constexpr int32_t TAB_HEIGHT = 16;
constexpr int32_t LABEL_TOP_OFFSET = 2;

class ChooseCallback : public Callback
{
public:
    ChooseCallback(ChoiceTabs* tabs, int32_t choice) : _tabs(tabs), _choice(choice) {}
    void Invoke() override { _tabs->Choose(_choice); }

private:
    ChoiceTabs* _tabs;
    int32_t _choice;
};
} // namespace

ChoiceTabs::ChoiceTabs(std::span<const Tab> tabs, int32_t chosen, Window* window, Action action)
    : _tabs(tabs), _window(window), _chosen(chosen), _action(std::move(action))
{
    ASSERT(chosen >= 0 && chosen < static_cast<int32_t>(tabs.size()) && "the chosen tab is one of the row");
    for (size_t i = 0; i < tabs.size(); ++i)
    {
        const int32_t choice = static_cast<int32_t>(i);
        _buttons.push_back(std::make_unique<GfxRadioButton>(&_group, choice == chosen, "sr_Radio_Button.bmp",
                                                            tabs[i].x, tabs[i].y, window,
                                                            new ChooseCallback(this, choice)));
    }
}

ChoiceTabs::~ChoiceTabs() = default;

void ChoiceTabs::Choose(int32_t choice)
{
    ASSERT(choice >= 0 && choice < static_cast<int32_t>(_tabs.size()) && "no such tab");
    GfxRadioButton* button = _buttons[static_cast<size_t>(choice)].get();
    // A tap on a button has checked it already; a tap on a label has not.
    if (!button->IsChecked())
        button->Check();
    if (choice == _chosen)
        return;
    _chosen = choice;
    _action(choice);
}

void ChoiceTabs::Draw()
{
    for (const auto& button : _buttons)
        button->Draw();
    _window->SetFont(GfxResources::GetFont(GfxResources::FONT_TEXT), false);
    for (const Tab& tab : _tabs)
        _window->DrawString(tab.x + LABEL_OFFSET, tab.y + LABEL_TOP_OFFSET, tab.label, ROP_DEFAULT);
}

bool ChoiceTabs::OnStylusDown(int16_t x, int16_t y)
{
    for (const auto& button : _buttons)
    {
        if (button->OnStylusDown(x, y))
            return true;
    }
    Font* font = GfxResources::GetFont(GfxResources::FONT_TEXT);
    for (size_t i = 0; i < _tabs.size(); ++i)
    {
        const Tab& tab = _tabs[i];
        const int32_t left = tab.x + LABEL_OFFSET;
        if (x >= left && x < left + font->TextWidth(tab.label) && y >= tab.y && y < tab.y + TAB_HEIGHT)
        {
            Choose(static_cast<int32_t>(i));
            return true;
        }
    }
    return false;
}

void ChoiceTabs::Describe(ScreenDump& dump) const
{
    for (const auto& button : _buttons)
        button->Describe(dump);
}
