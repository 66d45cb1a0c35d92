// SimReport: the state of a skyreach-sim game as output records.
//
// `Report` prints the company (date, cash, worth, credit, MIR, cost index,
// notices shown), one line per plane, one per airport the company holds
// details for, the statistics, and how often each event class has fired;
// `PendingEvents` prints every event waiting on the scheduler, in fire order.
#pragma once

class SimSession;

class SimReport
{
public:
    static void Report(SimSession& session);
    static void PendingEvents(SimSession& session);
};
