#include "Common/Backend/BankActions.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/EventFactory.h"
#include "Common/Backend/Events/CreditInstallmentEvent.h"
#include "Common/Backend/Events/EventCommon.h"
#include "Common/Backend/TimeSimulation.h"

#include <algorithm>

namespace
{
Company& TheCompany()
{
    return EventCommon::TheCompany();
}

void ScheduleInstallment(const Time& at)
{
    ScheduledEvent* installment = EventFactory::Create(CreditInstallmentEvent::TYPE);
    EventCommon::Schedule(installment, at);
}

BankActions::AmountRange RangeUpTo(int64_t high, int64_t floor)
{
    BankActions::AmountRange range;
    range.high = std::max<int64_t>(high, 0);
    range.step = range.high > 0 ? std::max<int64_t>(range.high / 100, 1) : 0;
    range.floor = floor;
    return range;
}
} // namespace

int64_t BankActions::AmountRange::Raise(int64_t amount) const
{
    return CanRaise(amount) ? std::min(amount + step, high) : amount;
}

int64_t BankActions::AmountRange::Lower(int64_t amount) const
{
    return CanLower(amount) ? amount - step : amount;
}

bool BankActions::MayObtain(const Time& now)
{
    return !TheCompany().HasCredit() && TheCompany().CreditLimit(now) > 0;
}

bool BankActions::MayRepay()
{
    return TheCompany().HasCredit() && TheCompany().GetCash() > 0;
}

bool BankActions::MayChangeRate()
{
    return TheCompany().HasCredit();
}

BankActions::AmountRange BankActions::CreditAmounts(const Time& now)
{
    return RangeUpTo(TheCompany().CreditLimit(now), CREDIT_FLOOR);
}

bool BankActions::ObtainCredit(int64_t amount, const Time& now)
{
    if (!MayObtain(now) || amount < 1 || amount > CreditAmounts(now).high)
        return false;
    TheCompany().ObtainCredit(amount);
    ScheduleInstallment(now.Add(0, 1, 0, 0, 0, 0));
    return true;
}

BankActions::AmountRange BankActions::RepayAmounts()
{
    return RangeUpTo(TheCompany().MaxRepayment(), 0);
}

bool BankActions::RepayCredit(int64_t amount)
{
    if (!MayRepay() || amount < 1 || amount > RepayAmounts().high)
        return false;
    Company& company = TheCompany();
    company.RepayCredit(amount);
    if (!company.HasCredit())
        TimeSimulation::CancelByType(CreditInstallmentEvent::TYPE);
    return true;
}

bool BankActions::SetRate(int64_t percent, const Time& now)
{
    Company& company = TheCompany();
    const int64_t highest = company.HasCredit() ? company.HighestRate() : 30;
    if (percent < 1 || percent > highest)
        return false;
    company.SetMIR(percent);
    if (company.GetMIRPrompt())
    {
        company.SetMIRPrompt(false);
        // The installment the old rate could not pay is due again at once;
        // the one already waiting a month ahead would otherwise start a
        // second chain and charge every installment twice.
        if (company.HasCredit())
        {
            TimeSimulation::CancelByType(CreditInstallmentEvent::TYPE);
            ScheduleInstallment(now);
        }
    }
    return true;
}
