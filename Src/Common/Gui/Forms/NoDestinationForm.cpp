#include "Common/Gui/Forms/NoDestinationForm.h"

#include "Common/Backend/Notices.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/CentralFormChanger.h"

namespace
{
constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 96, "There are no destination airports"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 112, "available"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 138, "Perhaps the range of this plane"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 154, "is too low..."},
};

constexpr ScreenButton BUTTONS[] = {
    {NoDestinationForm::OK, "sr_Ok_button.bmp", 89, 189},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false, "Destination airport", SRForm::CENTRED, 53, TEXTS, BUTTONS,
};
} // namespace

NoDestinationForm::NoDestinationForm(int32_t number) : SRForm(number, LAYOUT) {}

void NoDestinationForm::OnButton(int32_t id)
{
    if (id != OK)
        return;
    Navigation()->ClearCurrentRoute();
    GoTo(Screens::PLANE_DETAILS);
}
