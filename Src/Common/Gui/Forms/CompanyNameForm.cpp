#include "Common/Gui/Forms/CompanyNameForm.h"

#include "Common/Backend/GameState.h"
#include "Common/Backend/Notices.h"
#include "Common/Gui/Controls/GfxResources.h"

namespace
{
enum Button
{
    OK,
};

constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 99, "Enter the name of your"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 113, "airline company"},
};

constexpr ScreenButton BUTTONS[] = {
    {OK, "sr_Ok_button.bmp", 89, 189},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false, "Company Name", SRForm::CENTRED, 53, TEXTS, BUTTONS,
};

constexpr NameEntryForm::Field FIELD = {28, 145, 20, 137, OK, nullptr};
} // namespace

CompanyNameForm::CompanyNameForm(int32_t number) : NameEntryForm(number, LAYOUT, FIELD) {}

void CompanyNameForm::OnButton(int32_t id)
{
    if (id != OK || Name().empty())
        return;
    GameState::FoundCompany(Name());
    GoTo(Screens::AIRPORT_SELECTION);
}
