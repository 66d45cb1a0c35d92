#include "Common/Backend/Events/MonthlyEvent.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/AgencyOfferEvent.h"
#include "Common/Backend/Events/CharityOfferEvent.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Events/RouteOfferEvent.h"
#include "Common/Backend/Events/VipOfferEvent.h"
#include "Common/Backend/Statistics.h"
#include "WinCE/Random.h"
#include "WinCE/TickCount.h"

ScheduledEvent* MonthlyEvent::Create()
{
    return new MonthlyEvent();
}

int MonthlyEvent::Execute()
{
    Company& company = EventCommon::TheCompany();
    Enviroment::GetStatistics()->MonthlyUpdate(_time._month, company.Worth(_time));
    company.MonthlyProcessing();
    company.MonthlyAirportChecks(_time);

    // One tick base for the whole draw; each offer then has its own r and,
    // when it is made, its own hour and day.
    const uint32_t base = GetTickCount() % 1000;
    ScheduledEvent* (*const offers[4])() = {AgencyOfferEvent::Create, RouteOfferEvent::Create,
                                            CharityOfferEvent::Create, VipOfferEvent::Create};
    for (ScheduledEvent* (*create)() : offers)
    {
        const uint32_t r = static_cast<uint32_t>(Rand() % 1000);
        if (base < r && r < base + 300)
        {
            const int32_t h = Rand() % 24;
            const int32_t d = Rand() % 28;
            EventCommon::Schedule(create(), _time.Add(0, 0, d, h, 0, 0));
        }
    }
    EventCommon::Recur(*this, _time.Add(0, 1, 0, 0, 0, 0));
    return 0;
}
