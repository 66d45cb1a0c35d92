// CarefulPlayer: a stand-in for the player in whole-game tests and
// benchmarks. It queues every notice the events raise and, when asked,
// answers them the usual careful way: it repairs damaged planes, replaces a
// crashed plane with the cheapest model that flies its route (or shuts the
// route down), takes every agency offer, pays food-poisoning settlements and
// flies every charity and VIP offer with the first plane that can. It also
// counts the notices and the events fired, and keeps the first game-over
// reason.
#pragma once

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/EventListener.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/NoticeSink.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "Common/Backend/ScheduledEvent.h"
#include "Common/Backend/TimeSimulation.h"

#include <cstdint>
#include <map>
#include <vector>

class CarefulPlayer : public NoticeSink, public EventListener
{
public:
    void ShowNotice(int32_t notice) override
    {
        queue.push_back({notice, Enviroment::GetDialogPlane(), Enviroment::GetDialogAirport()});
        ++notices[notice];
    }
    void GameOver(int32_t reason) override
    {
        if (gameOver == 0)
            gameOver = reason;
    }
    void OnEvent(ScheduledEvent* event) override { ++fired[event->GetType()]; }

    // Answers the notices raised since the last call.
    void Answer()
    {
        std::vector<Pending> now;
        now.swap(queue);
        const Time today = TimeSimulation::GetCurrGameTime();
        for (const Pending& n : now)
        {
            if (n.number == Notices::PLANE_DAMAGE)
                NoticeActions::RepairPlane(n.plane, today);
            else if (n.number == Notices::PLANE_CRASH)
            {
                const int32_t distance = n.plane->HasRoute() ? n.plane->GetRoute()->Distance() : 0;
                const int32_t model = Enviroment::CheapestModelFor(distance);
                if (model < 0 || !NoticeActions::ReplaceCrashedPlane(n.plane, model, "Phoenix", today))
                    NoticeActions::ShutDownCrashedPlane(n.plane, today);
            }
            else if (n.number == Notices::AGENCY_OFFER)
                NoticeActions::AcceptAgencyOffer(n.plane, NoticeActions::DrawAgencyOffer(n.plane), today);
            else if (n.number == Notices::FOOD_POISONING)
                NoticeActions::PayFoodPoisoningSettlement(n.plane);
            else if (n.number == Notices::CHARITY_OFFER || n.number == Notices::VIP_OFFER)
            {
                const std::vector<Plane*> planes = NoticeActions::PlanesForSpecialFlight(n.airport);
                if (!planes.empty())
                    NoticeActions::AssignSpecialFlight(n.airport, planes.front());
            }
        }
    }

    struct Pending
    {
        int32_t number;
        Plane* plane;
        AirportDetails* airport;
    };
    std::vector<Pending> queue;
    std::map<int32_t, int> notices;
    std::map<int32_t, int64_t> fired;
    int32_t gameOver = 0;
};
