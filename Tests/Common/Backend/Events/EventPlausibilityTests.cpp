// Loaded events must be ones play could have scheduled: the scheduler
// refuses a save holding any other, so that their work never trips an
// assertion or an overflow.
#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/AirportEffectEvent.h"
#include "Common/Backend/Events/AirportGrowthEvent.h"
#include "Common/Backend/Events/DailyEvent.h"
#include "Common/Backend/Events/ModelRetirementEvent.h"
#include "Common/Backend/Events/ModelWithdrawalEvent.h"
#include "Common/Backend/Events/NewModelEvent.h"

#include <gtest/gtest.h>

TEST(EventPlausibility, EventsCheckTheirOwnFigures)
{
    DailyEvent daily;
    daily._time = Time(1960, 1, 31);
    EXPECT_TRUE(daily.IsPlausible());
    daily._time = Time(1960, 2, 0);
    EXPECT_FALSE(daily.IsPlausible()) << "the day indexes the month's history";

    AirportEffectEvent effect;
    effect._time = Time(1960, 0, 1);
    effect._size = 80;
    effect._repeat = 12;
    EXPECT_TRUE(effect.IsPlausible());
    effect._size = 81;
    EXPECT_FALSE(effect.IsPlausible()) << "campaigns come in three sizes";
    effect._size = 120;
    effect._repeat = 13;
    EXPECT_FALSE(effect.IsPlausible()) << "a campaign runs for 12 months";
    effect._repeat = 3;
    effect._effect[5] = AirportDetails::MAX_PLAUSIBLE_BONUS + 1;
    EXPECT_FALSE(effect.IsPlausible());

    AirportGrowthEvent growth;
    growth._time = Time(1961, 0, 1);
    growth._size = 40;
    EXPECT_TRUE(growth.IsPlausible());
    growth._size = -40;
    EXPECT_FALSE(growth.IsPlausible());

    NewModelEvent arrival;
    ModelWithdrawalEvent withdrawal;
    ModelRetirementEvent retirement;
    for (ScheduledEvent* event :
         {static_cast<ScheduledEvent*>(&arrival), static_cast<ScheduledEvent*>(&withdrawal),
          static_cast<ScheduledEvent*>(&retirement)})
        event->_time = Time(1965, 3, 1);
    arrival._model = withdrawal._model = retirement._model = AVAIL_MODELS - 1;
    EXPECT_TRUE(arrival.IsPlausible() && withdrawal.IsPlausible() && retirement.IsPlausible());
    arrival._model = AVAIL_MODELS;
    withdrawal._model = -1;
    retirement._model = 1000;
    EXPECT_FALSE(arrival.IsPlausible());
    EXPECT_FALSE(withdrawal.IsPlausible());
    EXPECT_FALSE(retirement.IsPlausible());

    arrival._model = 0;
    arrival._time = Time(2101, 0, 1);
    EXPECT_FALSE(arrival.IsPlausible()) << "every event is due at a moment of the game";
}
