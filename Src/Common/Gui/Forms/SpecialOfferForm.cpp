#include "Common/Gui/Forms/SpecialOfferForm.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/Notices.h"
#include "Common/LocaleDate.h"

#include <string>

namespace
{
constexpr ScreenButton BUTTONS[] = {
    {NoticeForm::ASSIGN_PLANE, "sr_AssignPlane_button.bmp", 17, 189},
    {NoticeForm::OK, "sr_Ok_button.bmp", 163, 189},
};

bool IsVipNumber(int32_t number)
{
    return number == Screens::VIP_OFFER || number == Screens::VIP_OFFER_INFO;
}
} // namespace

SpecialOfferForm::SpecialOfferForm(int32_t number)
    : NoticeForm(number, IsVipNumber(number) ? "VIP offer" : "Charity offer", BUTTONS)
{
    const AirportDetails* details = Enviroment::GetDialogAirport();
    const int32_t from = details ? details->_airport : -1;
    const int32_t to = details ? details->_reserved_a : -1;
    char date[LOCALE_DATE_SIZE] = "";
    if (details)
        details->_expiry_date.FormatDate(date);
    if (IsVip())
    {
        AddText(from >= 0 ? CityPossessive(from) + " VIPs" : "Some VIPs");
        AddText("want a private flight to:");
        AddText(AirportPlace(to));
        AddText("on .");
        AddText(date);
        AddText("They will pay:");
        // Appended rather than "$" + text: GCC 12 warns falsely of an
        // overlapping copy in that form in Release builds.
        std::string amount = "$";
        amount += std::to_string(details ? details->_event_value : 0);
        AddAmount(amount);
        return;
    }
    AddText(CityPossessive(from));
    AddText("charity organization wants you");
    AddText("to make charity flight to:");
    AddText(AirportPlace(to));
    AddText("on .");
    AddText(date);
}

bool SpecialOfferForm::IsVip() const
{
    return IsVipNumber(GetNumber());
}

int32_t SpecialOfferForm::AssignTarget() const
{
    const bool fits = !NoticeActions::PlanesForSpecialFlight(Enviroment::GetDialogAirport()).empty();
    const bool fromAirportScreen =
        GetNumber() == Screens::CHARITY_OFFER_INFO || GetNumber() == Screens::VIP_OFFER_INFO;
    if (fits)
        return IsVip() ? Screens::VIP_ASSIGN : Screens::CHARITY_ASSIGN;
    if (IsVip())
        return fromAirportScreen ? Screens::VIP_NO_PLANE_2 : Screens::VIP_NO_PLANE;
    return fromAirportScreen ? Screens::CHARITY_NO_PLANE_2 : Screens::CHARITY_NO_PLANE;
}

void SpecialOfferForm::OnButton(int32_t id)
{
    if (id == ASSIGN_PLANE)
        GoTo(AssignTarget());
    else if (id == OK)
        Back();
}
