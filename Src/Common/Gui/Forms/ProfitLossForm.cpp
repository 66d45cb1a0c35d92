#include "Common/Gui/Forms/ProfitLossForm.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Statistics.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/ChoiceTabs.h"

namespace
{
constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 75, "Income:"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 124, "Expenses:"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 173, "Operation result:"},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "P&L Account", 10, 7, TEXTS, {},
};

constexpr int32_t INCOME_Y = 95;
constexpr int32_t EXPENSES_Y = 144;
constexpr int32_t RESULT_Y = 193;

// In the order of the statistics record's periods.
constexpr ChoiceTabs::Tab TABS[] = {
    {"Total", 20, 36},
    {"Last Year", 120, 36},
    {"Last Month", 20, 54},
    {"This Month", 120, 54},
};
static_assert(Statistics::PERIOD_TOTAL == 0 && Statistics::PERIOD_LAST_YEAR == 1 &&
              Statistics::PERIOD_LAST_MONTH == 2 && Statistics::PERIOD_CURRENT_MONTH == 3);

// The period shown last, kept between visits.
int32_t s_period = Statistics::PERIOD_TOTAL;
} // namespace

ProfitLossForm::ProfitLossForm(int32_t number) : StatisticsForm(number, PAGE_ACCOUNT, LAYOUT, true)
{
    _tabs = new ChoiceTabs(TABS, s_period, this,
                           [this](int32_t period)
                           {
                               s_period = period;
                               Invalidate();
                           });
    Widgets().AddWidget(_tabs);
    AddPopups();
}

int32_t ProfitLossForm::GetPeriod() const
{
    return _tabs->GetChosen();
}

void ProfitLossForm::PaintContent()
{
    const Statistics* statistics = Enviroment::GetStatistics();
    const int64_t income = statistics->GetIncomes(GetPeriod());
    const int64_t expenses = statistics->GetCosts(GetPeriod());
    DrawCentred(GfxResources::FONT_YELLOW, INCOME_Y, Amount("$ ", income).c_str());
    DrawCentred(GfxResources::FONT_YELLOW, EXPENSES_Y, Amount("$ ", expenses).c_str());
    DrawCentred(GfxResources::FONT_YELLOW, RESULT_Y, Amount("$ ", income - expenses).c_str());
}
