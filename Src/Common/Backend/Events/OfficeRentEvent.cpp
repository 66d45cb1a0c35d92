#include "Common/Backend/Events/OfficeRentEvent.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Events/EventCommon.h"
#include "WinCE/Assert.h"

ScheduledEvent* OfficeRentEvent::Create()
{
    return new OfficeRentEvent();
}

int OfficeRentEvent::Execute()
{
    AirportDetails* details = _airport;
    ASSERT(details && "a rent belongs to an airport");
    if (!details->_office || EventCommon::HasPendingAirportEvent(details, TYPE, this))
        return 0;
    const int64_t amount = details->_office_fee;
    EventCommon::TheCompany().Spend(amount, true);
    details->_result_curr -= amount;
    EventCommon::Recur(*this, _time.Add(0, 1, 0, 0, 0, 0));
    return 0;
}
