#include "Common/Gui/Forms/RetireForm.h"

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
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 112, "Are you sure, you want to"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 132, "end this game?"},
};

constexpr ScreenButton BUTTONS[] = {
    {YES, "sr_Yes_button.bmp", 43, 189},
    {NO, "sr_No_button.bmp", 136, 189},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false, "Really retire", SRForm::CENTRED, 53, TEXTS, BUTTONS,
};
} // namespace

RetireForm::RetireForm(int32_t number) : SRForm(number, LAYOUT) {}

void RetireForm::OnButton(int32_t id)
{
    switch (id)
    {
    case YES:
        GoTo(Screens::GAME_OVER_RETIRED);
        break;
    case NO:
        Back();
        break;
    }
}
