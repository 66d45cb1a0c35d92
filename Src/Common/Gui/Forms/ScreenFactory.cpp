#include "Common/Gui/Forms/ScreenFactory.h"

#include "Common/Backend/Notices.h"
#include "Common/Gui/Forms/AirportSelectionForm.h"
#include "Common/Gui/Forms/CompanyNameForm.h"
#include "Common/Gui/Forms/GameOverForm.h"
#include "Common/Gui/Forms/NewGameForm.h"
#include "Common/Gui/Forms/PlanesForm.h"
#include "Common/Gui/Forms/RetireForm.h"
#include "Common/Gui/Forms/TimeCashForm.h"

namespace
{
template <class T> SRForm* Make(int32_t number)
{
    return new T(number);
}

// In number order; a screen's file says what its numbers mean.
constexpr ScreenFactory::Row ROWS[] = {
    {Screens::NEW_GAME, Screens::NEW_GAME, "NewGameForm", Make<NewGameForm>},
    {Screens::COMPANY_NAME, Screens::COMPANY_NAME, "CompanyNameForm", Make<CompanyNameForm>},
    {Screens::AIRPORT_SELECTION, Screens::AIRPORT_SELECTION, "AirportSelectionForm", Make<AirportSelectionForm>},
    {Screens::PLANES, Screens::PLANES, "PlanesForm", Make<PlanesForm>},
    {Screens::REALLY_RETIRE, Screens::REALLY_RETIRE, "RetireForm", Make<RetireForm>},
    {Screens::GAME_OVER_RETIRED, Screens::GAME_OVER_LAST_PLANE, "GameOverForm", Make<GameOverForm>},
    {Screens::TIME_AND_CASH, Screens::TIME_AND_CASH, "TimeCashForm", Make<TimeCashForm>},
};
} // namespace

const ScreenFactory::Row* ScreenFactory::Find(int32_t number)
{
    for (const Row& row : ROWS)
    {
        if (number >= row.first && number <= row.last)
            return &row;
    }
    return nullptr;
}

SRForm* ScreenFactory::Build(int32_t number)
{
    const Row* row = Find(number);
    return row ? row->build(number) : nullptr;
}
