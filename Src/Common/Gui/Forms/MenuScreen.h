// MenuScreen: the base of the game forms that the main menu shows itself:
// the options, the high score table and the help pages.
//
// They look and behave like the numbered game screens (SRForm, with time
// standing still) but live outside the navigation scheme: the main menu
// builds each once, shows it on its button and gets the stylus and keys back
// when the form hides. So a tap on the top strip opens no Time & Cash screen
// here, and the menu bar's "Main menu" just hides the form; the navigation
// history of a game in progress stays as it was.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class MenuScreen : public SRForm
{
public:
    // Not a numbered screen: dumps report the number NOT_NUMBERED.
    static constexpr int32_t NOT_NUMBERED = -1;

    explicit MenuScreen(const ScreenLayout& layout);

    void OnStylusDown(int16_t x, int16_t y) override;
    void OnCommand(uint16_t id) override;
};
