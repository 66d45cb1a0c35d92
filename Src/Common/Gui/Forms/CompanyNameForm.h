// CompanyNameForm: screen 2, "Company Name": the player names the airline.
//
// OK stays disabled while the field is empty. Confirming founds the company
// under that name (fresh cash and credit, statistics and the 1959 market)
// and moves on to the choice of the home airport (3).
#pragma once

#include "Common/Gui/Forms/NameEntryForm.h"

class CompanyNameForm : public NameEntryForm
{
public:
    explicit CompanyNameForm(int32_t number);

protected:
    void OnButton(int32_t id) override;
};
