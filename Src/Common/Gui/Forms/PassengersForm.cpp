#include "Common/Gui/Forms/PassengersForm.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Statistics.h"
#include "Common/Gui/Controls/GfxResources.h"

namespace
{
constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 80, "Passengers in the air:"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 140, "Total no. of passengers ever:"},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Passenger's Stats.", 10, 7, TEXTS, {},
};

constexpr int32_t IN_THE_AIR_Y = 100;
constexpr int32_t EVER_Y = 160;
} // namespace

PassengersForm::PassengersForm(int32_t number) : StatisticsForm(number, PAGE_PASSENGERS, LAYOUT, true)
{
    AddPopups();
}

void PassengersForm::PaintContent()
{
    const Statistics* statistics = Enviroment::GetStatistics();
    DrawCentred(GfxResources::FONT_YELLOW, IN_THE_AIR_Y,
                Amount("", statistics->GetPassengersInTheAir()).c_str());
    DrawCentred(GfxResources::FONT_YELLOW, EVER_Y, Amount("", statistics->GetPassengersEver()).c_str());
}
