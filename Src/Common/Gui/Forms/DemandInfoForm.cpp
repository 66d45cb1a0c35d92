#include "Common/Gui/Forms/DemandInfoForm.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/AirportInfo.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Notices.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/GameOptions.h"
#include "WinCE/MaskedBitmap.h"

#include <cstdio>

namespace
{
using enum DemandInfoForm::Button;

constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 45, "Info about value of demand"},
};

constexpr ScreenButton BUTTONS[] = {
    {OK, "sr_Ok_button.bmp", 89, 238},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Demand info", 10, 7, TEXTS, BUTTONS,
};

constexpr int32_t LINE_X = 40;
constexpr int32_t MARKER_X = 27;
constexpr int32_t FIRST_LINE_Y = 71;
constexpr int32_t LINE_STEP = 26;
// This screen converts with 1.6 where the others use 1.609.
constexpr double KM_PER_MILE = 1.6;
} // namespace

DemandInfoForm::DemandInfoForm(int32_t number)
    : SRForm(number, LAYOUT), _marker(new MaskedBitmap("sr_ce_plane.bmp", "sr_ce_plane_mask.bmp"))
{
}

DemandInfoForm::~DemandInfoForm()
{
    delete _marker;
}

std::string DemandInfoForm::LineText(int32_t airport, int32_t slot, bool kilometres)
{
    const int32_t neighbour = Enviroment::GetNeighbour(airport, slot);
    const AirportInfo info = Enviroment::GetAirport(neighbour);
    const AirportDetails* details = Enviroment::GetCompany()->FindDetails(airport);
    const int32_t demand = details ? details->DemandFor(slot) : 0;
    int32_t distance = Enviroment::GetDistance(airport, neighbour);
    if (!kilometres)
        distance = static_cast<int32_t>(distance / KM_PER_MILE);
    char line[64];
    std::snprintf(line, sizeof(line), "%.20s  %d (%d%s)", info._short_name, demand, distance,
                  kilometres ? "km" : "mls");
    return line;
}

void DemandInfoForm::OnButton(int32_t id)
{
    if (id == OK)
        GoTo(Screens::AIRPORT_DETAILS);
}

void DemandInfoForm::PaintContent()
{
    const int32_t airport = Navigation()->GetCurrentAirport();
    const Company* company = Enviroment::GetCompany();
    for (int32_t slot = 0; slot < AirportDetails::NEIGHBOURS; ++slot)
    {
        const int32_t y = FIRST_LINE_Y + LINE_STEP * slot;
        DrawText(GfxResources::FONT_TEXT, LINE_X, y,
                 LineText(airport, slot, GameOptions::UsesKilometres()).c_str());
        if (!company->MayOpenRouteToNeighbour(airport, slot))
            _marker->Draw(this, MARKER_X, y, SRCCOPY);
    }
}
