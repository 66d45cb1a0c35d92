#include "Common/Gui/Forms/SmugglingOfferForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "Common/Backend/TimeSimulation.h"

#include <string>

SmugglingOfferForm::SmugglingOfferForm(int32_t number) : NoticeForm(number, "Smuggling Offer", ACCEPT_REJECT)
{
    const Plane* plane = Enviroment::GetDialogPlane();
    const Route* route = plane ? plane->GetRoute() : nullptr;
    if (route)
    {
        _planeId = plane->_id;
        const auto& kept = KeptTerms(number, _planeId, TimeSimulation::GetCurrGameTime(),
                                     [plane]
                                     {
                                         const NoticeActions::SmugglingTerms drawn =
                                             NoticeActions::DrawSmugglingOffer(plane);
                                         return std::array<int64_t, 3>{drawn.base, drawn.factor, drawn.payment};
                                     });
        _terms = {kept[0], static_cast<int32_t>(kept[1]), kept[2]};
    }
    AddText("Just before " + (plane ? plane->_name : std::string()) + "'s");
    AddText("departure from:");
    AddText(AirportPlace(route ? route->DepartureAirport() : -1));
    AddText("someone has made your pilot an");
    AddText("offer. If you manage to smuggle");
    AddText("some illegal goods, you will be");
    AddText("paid: $ " + std::to_string(_terms.payment));
}

void SmugglingOfferForm::OnButton(int32_t id)
{
    if (id == ACCEPT)
        NoticeActions::AcceptSmuggling(Enviroment::GetCompany()->FindPlane(_planeId), _terms);
    if (id == ACCEPT || id == REJECT)
    {
        Kept() = KeptOffer{};
        Back();
    }
}
