// CompanyWorthForm: page 0 of the statistics screen, "Company worth".
//
// The worth broken down: cash, the remaining credit, the planes' value, the
// real estate (offices) and the total, each right-aligned at x 204 on its
// label's row. The figures are read from the company at every paint, and
// the page repaints while time runs. "History" shows the worth's graph
// (page 1).
#pragma once

#include "Common/Gui/Forms/StatisticsForm.h"

class CompanyWorthForm : public StatisticsForm
{
public:
    explicit CompanyWorthForm(int32_t number);

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;
};
