#include "Common/Gui/Forms/ContractWarning.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Notices.h"

void ContractWarning::PrepareNotice(int32_t screen, Plane* plane)
{
    if (screen < Screens::FIRST_NOTICE || !plane)
        return;
    Enviroment::SetDialogPlane(plane);
    if (AirportDetails* flight = Enviroment::GetCompany()->SpecialFlightOf(plane))
        Enviroment::SetDialogAirport(flight);
}
