// EventListener: the screen that is told about every event the scheduler
// fires in the normal run of time.
//
// The game form base implements it; the form changer registers the current
// form with TimeSimulation::SetEventListener after every change of screen.
// The event is still alive during the call and destroyed right after it.
#pragma once

class ScheduledEvent;

class EventListener
{
public:
    virtual ~EventListener() = default;

    virtual void OnEvent(ScheduledEvent* event) = 0;
};
