// ProfitLossForm: page 2 of the statistics screen, "P&L Account".
//
// The company's income, expenses and their difference (the operation
// result) for one period at a time, chosen with the tabs: the whole game,
// the last finished year, the last finished month or the month in progress,
// as the statistics record keeps them. The chosen period is kept for the
// next visit; the page repaints while time runs.
#pragma once

#include "Common/Gui/Forms/StatisticsForm.h"

class ChoiceTabs;

class ProfitLossForm : public StatisticsForm
{
public:
    explicit ProfitLossForm(int32_t number);

    // The period shown (a period of Statistics::GetIncomes).
    int32_t GetPeriod() const;
    ChoiceTabs* GetTabs() const { return _tabs; }

protected:
    void PaintContent() override;

private:
    ChoiceTabs* _tabs;
};
