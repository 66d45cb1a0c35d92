// RiskInfoForm: screen 27, "Risk info" of the current airport.
//
// Names the level ("very low" to "very high") of the airport's staff
// strike, extremely bad weather and smuggling offer risks from the
// company's details; without details it only says that research gives the
// risk info. OK returns to the airport details (25).
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class RiskInfoForm : public SRForm
{
public:
    explicit RiskInfoForm(int32_t number);

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;
};
