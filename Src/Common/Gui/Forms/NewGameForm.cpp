#include "Common/Gui/Forms/NewGameForm.h"

#include "Common/Backend/Notices.h"
#include "Common/Gui/Controls/GfxResources.h"

namespace
{
enum Button
{
    YES,
    NO,
};

constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 80, "There is an unfinished game."},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 100, "If you proceed,"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 115, "you will lose a chance to reach"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 130, "the highscores."},
    {GfxResources::FONT_YELLOW, SRForm::CENTRED, 150, "Are you sure you want"},
    {GfxResources::FONT_YELLOW, SRForm::CENTRED, 165, "to start a new game?"},
};

constexpr ScreenButton BUTTONS[] = {
    {YES, "sr_Yes_button.bmp", 43, 189},
    {NO, "sr_No_button.bmp", 136, 189},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false, "New Game", SRForm::CENTRED, 53, TEXTS, BUTTONS,
};
} // namespace

NewGameForm::NewGameForm(int32_t number) : SRForm(number, LAYOUT) {}

void NewGameForm::OnButton(int32_t id)
{
    switch (id)
    {
    case YES:
        GoTo(Screens::COMPANY_NAME);
        break;
    case NO:
        GoTo(Screens::MAIN_MENU);
        break;
    }
}
