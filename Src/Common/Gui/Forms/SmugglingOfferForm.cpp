#include "Common/Gui/Forms/SmugglingOfferForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "Common/Backend/TimeSimulation.h"

#include <string>

namespace
{
NoticeForm::KeptTerms<NoticeActions::SmugglingTerms> s_kept;
} // namespace

SmugglingOfferForm::SmugglingOfferForm(int32_t number) : NoticeForm(number, "Smuggling Offer", ACCEPT_REJECT)
{
    const Plane* plane = Enviroment::GetDialogPlane();
    const Route* route = plane ? plane->GetRoute() : nullptr;
    if (route)
    {
        _planeId = plane->_id;
        _terms = s_kept.For(_planeId, TimeSimulation::GetCurrGameTime(),
                            [plane] { return NoticeActions::DrawSmugglingOffer(plane); });
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
        s_kept.Forget();
        Back();
    }
}
