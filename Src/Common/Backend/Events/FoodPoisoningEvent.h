// FoodPoisoningEvent (type 15): passengers are poisoned by the food on board.
//
// Drawn at the departure and due during the flight. Every demand value of both
// airports of the route drops to nine tenths; the notice shows the settlement
// and its Ok pays it (NoticeActions::PayFoodPoisoningSettlement).
#pragma once

#include "Common/Backend/ScheduledEvent.h"

#include <cstdint>

class FoodPoisoningEvent : public ScheduledEvent
{
public:
    static constexpr int32_t TYPE = 15;

    FoodPoisoningEvent() : ScheduledEvent(TYPE) {}
    // The factory's creator: an empty event of this class for loading.
    static ScheduledEvent* Create();

    int Execute() override;
};
