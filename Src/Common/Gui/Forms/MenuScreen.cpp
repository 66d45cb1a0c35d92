#include "Common/Gui/Forms/MenuScreen.h"

#include "WinCE/MenuBar.h"

MenuScreen::MenuScreen(const ScreenLayout& layout) : SRForm(NOT_NUMBERED, layout) {}

void MenuScreen::OnStylusDown(int16_t x, int16_t y)
{
    // The base arms its top-bar shortcuts on a tap in the top strip; these
    // forms have no game screen to go to, so the tap goes to the widgets only.
    if (y < TOP_BAR_TAP_LIMIT)
    {
        Widgets().OnStylusDown(x, y);
        return;
    }
    SRForm::OnStylusDown(x, y);
}

void MenuScreen::OnCommand(uint16_t id)
{
    if (id == COMMAND_MAIN_MENU)
    {
        Hide();
        return;
    }
    SRForm::OnCommand(id);
}
