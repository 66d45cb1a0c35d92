#include "Common/Backend/Events/CreditInstallmentEvent.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/Notices.h"

ScheduledEvent* CreditInstallmentEvent::Create()
{
    return new CreditInstallmentEvent();
}

int CreditInstallmentEvent::Execute()
{
    Company& company = EventCommon::TheCompany();
    switch (company.MonthlyCredit())
    {
    case Company::CreditOutcome::PAID_FINISHED:
        return 0;
    case Company::CreditOutcome::PAID_CONTINUE:
        EventCommon::Recur(*this, _time.Add(0, 1, 0, 0, 0, 0));
        return 0;
    case Company::CreditOutcome::FINED:
        EventCommon::Recur(*this, _time.Add(0, 1, 0, 0, 0, 0));
        return EventCommon::Notice(Notices::CREDIT_FINE);
    case Company::CreditOutcome::ASK_MIR:
        EventCommon::Recur(*this, _time.Add(0, 1, 0, 0, 0, 0));
        return EventCommon::Notice(Notices::CHANGE_RATE);
    }
    return 0;
}
