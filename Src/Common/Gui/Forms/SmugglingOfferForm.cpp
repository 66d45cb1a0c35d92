#include "Common/Gui/Forms/SmugglingOfferForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "Common/Backend/TimeSimulation.h"

#include <string>

namespace
{
constexpr ScreenButton BUTTONS[] = {
    {NoticeForm::ACCEPT, "sr_Accept_button.bmp", 24, 238},
    {NoticeForm::REJECT, "sr_Reject_button.bmp", 136, 238},
};

NoticeForm::KeptTerms<NoticeActions::SmugglingTerms> s_kept;
} // namespace

SmugglingOfferForm::SmugglingOfferForm(int32_t number) : NoticeForm(number, "Smuggling Offer", BUTTONS)
{
    const Plane* plane = Enviroment::GetDialogPlane();
    const Route* route = plane ? plane->GetRoute() : nullptr;
    if (route)
    {
        _planeId = plane->_id;
        const Time now = TimeSimulation::GetCurrGameTime();
        if (!s_kept.Holds(_planeId, now))
            s_kept.Keep(_planeId, now, NoticeActions::DrawSmugglingOffer(plane));
        _terms = s_kept.terms;
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
