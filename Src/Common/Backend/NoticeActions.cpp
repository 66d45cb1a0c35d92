#include "Common/Backend/NoticeActions.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/AgencyContractEndEvent.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "Common/Backend/TimeSimulation.h"
#include "WinCE/Assert.h"
#include "WinCE/Random.h"

namespace
{
int64_t s_notice_amount = 0;

Company& TheCompany()
{
    return EventCommon::TheCompany();
}

bool OwnedByCompany(const Plane* plane)
{
    return plane && TheCompany().PositionOf(plane) >= 0;
}
} // namespace

NoticeActions::AgencyTerms NoticeActions::DrawAgencyOffer(const Plane* plane)
{
    AgencyTerms terms;
    const Route* route = plane ? plane->GetRoute() : nullptr;
    if (!route)
        return terms;
    route->DrawAgencyTerms(TheCompany().FindDetails(route->_source), &terms.tickets, &terms.discount);
    return terms;
}

bool NoticeActions::AcceptAgencyOffer(Plane* plane, const AgencyTerms& terms, const Time& now)
{
    if (!OwnedByCompany(plane) || !plane->HasRoute() || terms.tickets < 1 || terms.discount < 0)
        return false;
    // The end of an earlier contract of this plane must not end the new one.
    TimeSimulation::CancelPlaneEvents(plane, AgencyContractEndEvent::TYPE, false);
    TheCompany().AcceptAgencyOffer(plane, terms.tickets, terms.discount, now);
    return true;
}

NoticeActions::SmugglingTerms NoticeActions::DrawSmugglingOffer(const Plane* plane)
{
    SmugglingTerms terms;
    const Route* route = plane ? plane->GetRoute() : nullptr;
    if (!route)
        return terms;
    terms.base = route->SmugglingBase();
    terms.factor = Rand() % 3 - 1;
    terms.payment = terms.base + terms.base / 2 * terms.factor;
    return terms;
}

bool NoticeActions::AcceptSmuggling(Plane* plane, const SmugglingTerms& terms)
{
    if (!OwnedByCompany(plane) || !plane->HasRoute() || terms.factor < -1 || terms.factor > 1 ||
        terms.base < 0)
        return false;
    plane->GetRoute()->AcceptSmuggling(terms.base, terms.factor);
    return true;
}

NoticeActions::RepairChoice NoticeActions::RepairChoiceFor(const Plane* plane)
{
    if (!plane || !plane->_damaged)
        return RepairChoice::NOT_DAMAGED;
    if (Enviroment::GetModelAvailability(plane->_model) == Enviroment::MODEL_UNSERVICED)
        return RepairChoice::NO_SPARE_PARTS;
    if (TheCompany().GetCash() < plane->_repair_cost)
        return RepairChoice::CANNOT_AFFORD;
    return RepairChoice::ASK;
}

bool NoticeActions::RepairPlane(Plane* plane, const Time& now)
{
    if (!OwnedByCompany(plane) || RepairChoiceFor(plane) != RepairChoice::ASK)
        return false;
    TheCompany().RepairPlane(plane, now);
    return true;
}

Plane* NoticeActions::ReplaceCrashedPlane(Plane* crashed, int32_t model, const std::string& name,
                                          const Time& now)
{
    Company& company = TheCompany();
    if (!OwnedByCompany(crashed) || model < 0 || model >= Enviroment::GetModelCount() ||
        Enviroment::GetModelAvailability(model) != Enviroment::MODEL_ON_SALE)
        return nullptr;
    const PlaneModel replacement = Enviroment::GetPlaneModel(model);
    if (company.GetCash() < replacement._price)
        return nullptr;
    const Route* route = crashed->GetRoute();
    if (route && replacement._range < static_cast<uint32_t>(route->Distance()))
        return nullptr;

    std::unique_ptr<Route> kept = company.RemoveCrashedPlane(crashed, true, now);
    Plane* plane = company.BuyPlane(model, name, now);
    ASSERT(plane && "the replacement was checked to be affordable");
    if (kept)
        company.AttachRoute(plane, std::move(kept), now);
    return plane;
}

void NoticeActions::ShutDownCrashedPlane(Plane* crashed, const Time& now)
{
    if (OwnedByCompany(crashed))
        TheCompany().RemoveCrashedPlane(crashed, false, now);
}

std::unique_ptr<Route> NoticeActions::KeepCrashedRoute(Plane* crashed, const Time& now)
{
    if (!OwnedByCompany(crashed))
        return nullptr;
    return TheCompany().RemoveCrashedPlane(crashed, true, now);
}

int64_t NoticeActions::FoodPoisoningSettlement(const Plane* plane)
{
    return plane ? TheCompany().FoodPoisoningSettlement(plane) : 0;
}

int64_t NoticeActions::PayFoodPoisoningSettlement(const Plane* plane)
{
    return plane ? TheCompany().PayFoodPoisoning(plane) : 0;
}

std::vector<Plane*> NoticeActions::PlanesForSpecialFlight(const AirportDetails* details)
{
    std::vector<Plane*> planes;
    if (!details || (details->_event_state != AirportDetails::OFFER_CHARITY &&
                     details->_event_state != AirportDetails::OFFER_VIP))
        return planes;
    Company& company = TheCompany();
    for (int32_t i = 0; i < company.GetPlaneCount(); ++i)
    {
        Plane* plane = company.GetPlane(i);
        if (company.PlaneFitsSpecialFlight(plane, details))
            planes.push_back(plane);
    }
    return planes;
}

bool NoticeActions::AssignSpecialFlight(AirportDetails* details, Plane* plane)
{
    Company& company = TheCompany();
    if (!details || !OwnedByCompany(plane) || company.PositionOf(details) < 0 || details->_event_mark != 0)
        return false;
    if (details->_event_state != AirportDetails::OFFER_CHARITY &&
        details->_event_state != AirportDetails::OFFER_VIP)
        return false;
    if (!company.PlaneFitsSpecialFlight(plane, details))
        return false;
    company.AssignSpecialFlight(details, plane);
    return true;
}

void NoticeActions::FreeSpecialFlight(AirportDetails* details, const Time& now)
{
    if (details && TheCompany().PositionOf(details) >= 0)
        TheCompany().FreeSpecialFlight(details, now);
}

void NoticeActions::SetNoticeAmount(int64_t amount)
{
    s_notice_amount = amount;
}

int64_t NoticeActions::GetNoticeAmount()
{
    return s_notice_amount;
}
