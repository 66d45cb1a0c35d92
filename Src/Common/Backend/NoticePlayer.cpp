#include "Common/Backend/NoticePlayer.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/BankActions.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{
NoticePlayer::Outcome Rate(int32_t notice, int32_t wanted, const Time& now)
{
    // The rate screen offers any rate from 1 up to what the cash can pay.
    NoticePlayer::Outcome outcome;
    Company& company = *Enviroment::GetCompany();
    if (notice == Notices::CREDIT_FINE)
        outcome.amount = company.FineAmount();
    const int64_t rate =
        std::clamp<int64_t>(wanted > 0 ? wanted : company.GetMIR(), 1, company.HighestRate());
    BankActions::SetRate(rate, now);
    outcome.rate = static_cast<int32_t>(rate);
    return outcome;
}

NoticePlayer::Outcome Repair(Plane* plane, bool take, const Time& now)
{
    NoticePlayer::Outcome outcome;
    const NoticeActions::RepairChoice choice = NoticeActions::RepairChoiceFor(plane);
    if (plane)
        outcome.amount = plane->_repair_cost;
    if (choice == NoticeActions::RepairChoice::NO_SPARE_PARTS)
        outcome.result = "no spare parts";
    else if (choice == NoticeActions::RepairChoice::CANNOT_AFFORD)
        outcome.result = "can't afford";
    else if (take && NoticeActions::RepairPlane(plane, now))
        outcome.result = "repaired";
    else
        outcome.result = "damaged";
    return outcome;
}

NoticePlayer::Outcome Crash(Plane* plane, const NoticePlayer::Answer& answer, const Time& now)
{
    NoticePlayer::Outcome outcome;
    if (!plane)
        return outcome;
    if (answer.take)
    {
        // The replacement screen buys a new plane that takes over the route,
        // when that is still possible; otherwise the route is shut down.
        int32_t model = answer.model;
        if (model == NoticePlayer::SAME_MODEL)
            model = plane->_model;
        else if (model == NoticePlayer::CHEAPEST_MODEL)
            model = Enviroment::CheapestModelFor(plane->HasRoute() ? plane->GetRoute()->Distance() : 0);
        const std::string name = "Plane" + std::to_string(Enviroment::GetCompany()->NextPlaneId());
        outcome.plane = model >= 0 ? NoticeActions::ReplaceCrashedPlane(plane, model, name, now) : nullptr;
    }
    if (outcome.plane)
    {
        outcome.result = "replaced";
        return outcome;
    }
    NoticeActions::ShutDownCrashedPlane(plane, now);
    outcome.result = "shut down";
    return outcome;
}

NoticePlayer::Outcome SpecialFlight(int32_t notice, AirportDetails* airport, bool take)
{
    NoticePlayer::Outcome outcome;
    if (!airport)
        return outcome;
    if (!take)
    {
        outcome.result = "not assigned";
        return outcome;
    }
    const std::vector<Plane*> planes = NoticeActions::PlanesForSpecialFlight(airport);
    if (planes.empty())
    {
        outcome.result = "no free plane";
        outcome.shown = notice == Notices::CHARITY_OFFER ? Notices::CHARITY_NO_PLANE : Notices::VIP_NO_PLANE;
        return outcome;
    }
    if (NoticeActions::AssignSpecialFlight(airport, planes.front()))
    {
        outcome.result = "assigned";
        outcome.plane = planes.front();
    }
    else
    {
        outcome.result = "not assigned";
    }
    return outcome;
}
} // namespace

NoticePlayer::Answer NoticePlayer::Usual(int32_t notice)
{
    Answer answer;
    answer.take = notice != Notices::SMUGGLING_OFFER;
    return answer;
}

NoticePlayer::Outcome NoticePlayer::Play(int32_t notice, Plane* plane, AirportDetails* airport,
                                         const Answer& answer, const Time& now)
{
    Outcome outcome;
    switch (notice)
    {
    case Notices::CHANGE_RATE:
    case Notices::CREDIT_FINE:
        return Rate(notice, answer.rate, now);
    case Notices::PLANE_DAMAGE:
        return Repair(plane, answer.take, now);
    case Notices::PLANE_CRASH:
        return Crash(plane, answer, now);
    case Notices::SMUGGLING_OFFER:
    {
        // The payment is drawn when the notice is laid out, whatever the answer.
        const NoticeActions::SmugglingTerms terms = NoticeActions::DrawSmugglingOffer(plane);
        outcome.amount = terms.payment;
        outcome.result =
            answer.take && NoticeActions::AcceptSmuggling(plane, terms) ? "accepted" : "rejected";
        return outcome;
    }
    case Notices::SMUGGLING_DETECTED:
        outcome.amount = NoticeActions::GetNoticeAmount();
        return outcome;
    case Notices::AGENCY_OFFER:
    {
        const NoticeActions::AgencyTerms terms = NoticeActions::DrawAgencyOffer(plane);
        outcome.tickets = terms.tickets;
        outcome.discount = terms.discount;
        outcome.result =
            answer.take && NoticeActions::AcceptAgencyOffer(plane, terms, now) ? "accepted" : "rejected";
        return outcome;
    }
    case Notices::CHARITY_OFFER:
    case Notices::VIP_OFFER:
        return SpecialFlight(notice, airport, answer.take);
    case Notices::ROUTE_OFFER:
        if (airport)
            outcome.amount = airport->_event_value;
        return outcome;
    case Notices::FOOD_POISONING:
        outcome.amount = NoticeActions::PayFoodPoisoningSettlement(plane);
        return outcome;
    default:
        return outcome;
    }
}
