#include "Common/Gui/Forms/SpecialFlightPlaneForm.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/LocaleDate.h"

namespace
{
constexpr ScreenButton ASSIGNED_BUTTONS[] = {
    {NoticeForm::FREE, "sr_Free_button.bmp", 24, 189},
    {NoticeForm::OK, "sr_Ok_button.bmp", 163, 189},
};

constexpr ScreenButton WARNING_BUTTONS[] = {
    {NoticeForm::PROCEED, "sr_Proceed_button.bmp", 24, 238},
    {NoticeForm::CANCEL, "sr_Cancel_button.bmp", 154, 238},
};

bool IsAssignedNumber(int32_t number)
{
    return number == Screens::CHARITY_ASSIGNED || number == Screens::VIP_ASSIGNED;
}

bool IsVipNumber(int32_t number)
{
    return number >= Screens::VIP_ASSIGNED && number <= Screens::VIP_WARNING_2;
}

std::span<const ScreenButton> ButtonsOf(int32_t number)
{
    if (IsAssignedNumber(number))
        return ASSIGNED_BUTTONS;
    return WARNING_BUTTONS;
}
} // namespace

SpecialFlightPlaneForm::SpecialFlightPlaneForm(int32_t number)
    : NoticeForm(number, "Plane assigned", ButtonsOf(number))
{
    const Plane* plane = Enviroment::GetDialogPlane();
    if (plane)
        _planeId = plane->_id;
    const AirportDetails* flight = Flight();
    char date[LOCALE_DATE_SIZE] = "";
    if (flight)
        flight->_expiry_date.FormatDate(date);
    const bool vip = IsVipNumber(number);
    if (IsAssignedNumber(number))
    {
        AddText("You have the following plane");
        AddText(vip ? "assigned to a VIP flight to:" : "assigned to a charity flight to:");
        AddText(AirportPlace(flight ? flight->_reserved_a : -1));
    }
    else
    {
        AddText("This plane is assigned to");
        AddText(vip ? "a VIP flight" : "a charity flight");
        AddText("from:");
        AddText(AirportPlace(flight ? flight->_airport : -1));
    }
    AddText("on .");
    AddText(date);
    if (IsAssignedNumber(number))
        return;
    AddText("If you proceed, this flight");
    AddText("won't be executed!");
}

AirportDetails* SpecialFlightPlaneForm::Flight() const
{
    const Company* company = Enviroment::GetCompany();
    const Plane* plane = company->FindPlane(_planeId);
    return plane ? company->SpecialFlightOf(plane) : nullptr;
}

void SpecialFlightPlaneForm::OnButton(int32_t id)
{
    switch (id)
    {
    case FREE:
        NoticeActions::FreeSpecialFlight(Flight(), TimeSimulation::GetCurrGameTime());
        Back();
        break;
    case PROCEED:
    {
        NoticeActions::FreeSpecialFlight(Flight(), TimeSimulation::GetCurrGameTime());
        const int32_t number = GetNumber();
        const bool sale = number == Screens::CHARITY_WARNING || number == Screens::VIP_WARNING;
        GoTo(sale ? Screens::SELL_PLANE : Screens::SHUT_DOWN);
        break;
    }
    case OK:
    case CANCEL:
        Back();
        break;
    }
}
