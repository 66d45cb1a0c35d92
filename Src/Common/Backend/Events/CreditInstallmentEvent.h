// CreditInstallmentEvent (type 202): the monthly installment of the bank credit.
//
// The installment (initial credit x rate / 100) is paid only when cash
// strictly exceeds it; the chain ends with the last one. When not even the
// minimal 1 percent can be paid the company is fined 4 percent of the initial
// credit (notice 11); otherwise the bank asks for a new rate (notice 10).
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class CreditInstallmentEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 202;

    CreditInstallmentEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
