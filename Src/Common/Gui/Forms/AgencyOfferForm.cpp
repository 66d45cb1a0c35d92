#include "Common/Gui/Forms/AgencyOfferForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "Common/Backend/TimeSimulation.h"

#include <string>

AgencyOfferForm::AgencyOfferForm(int32_t number) : NoticeForm(number, "Offer", ACCEPT_REJECT)
{
    const Plane* plane = Enviroment::GetDialogPlane();
    const Route* route = plane ? plane->GetRoute() : nullptr;
    if (route)
    {
        _planeId = plane->_id;
        const auto& kept = KeptTerms(number, _planeId, TimeSimulation::GetCurrGameTime(),
                                     [plane]
                                     {
                                         const NoticeActions::AgencyTerms drawn = NoticeActions::DrawAgencyOffer(plane);
                                         return std::array<int64_t, 3>{drawn.tickets, drawn.discount, 0};
                                     });
        _terms = {static_cast<int32_t>(kept[0]), static_cast<int32_t>(kept[1])};
    }
    const int32_t source = route ? route->_source : -1;
    AddText("from:");
    AddText(AirportPlace(source));
    AddText(CityPossessive(source) + " travel agency");
    AddText("makes you an offer. They will");
    AddText("buy " + std::to_string(_terms.tickets) + " tickets for each flight");
    AddText("but they want " + std::to_string(_terms.discount) + "% reduction.");
}

void AgencyOfferForm::OnButton(int32_t id)
{
    if (id == ACCEPT)
    {
        // The plane is looked up again: the answer acts on the plane the offer
        // was made for, or on nothing if it has left the fleet.
        Plane* plane = Enviroment::GetCompany()->FindPlane(_planeId);
        NoticeActions::AcceptAgencyOffer(plane, _terms, TimeSimulation::GetCurrGameTime());
    }
    if (id == ACCEPT || id == REJECT)
    {
        Kept() = KeptOffer{};
        Back();
    }
}
