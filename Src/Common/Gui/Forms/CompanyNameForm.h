// CompanyNameForm: screen 2, "Company Name": the player names the airline.
//
// OK stays disabled while the field is empty. Confirming founds the company
// under that name (fresh cash and credit, statistics and the 1959 market)
// and moves on to the choice of the home airport (3).
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class TextField;

class CompanyNameForm : public SRForm
{
public:
    static constexpr int32_t MAX_NAME = 12;

    explicit CompanyNameForm(int32_t number);

    void OnShow() override;
    void OnHide() override;
    bool OnIdle() override;

    TextField* GetField() const { return _field; }

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;

private:
    void UpdateOk();

    TextField* _field;
};
