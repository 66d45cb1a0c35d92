// RiskInfoForm: screen 27, "Risk info" of the current airport.
//
// Names the level ("very low" to "very high") of the airport's staff
// strike, extremely bad weather and smuggling offer risks from the
// company's details; without details it only says that research gives the
// risk info. OK returns to the airport details (25).
#pragma once

#include "Common/Gui/Forms/SRForm.h"

#include <string>
#include <vector>

class AirportDetails;

class RiskInfoForm : public SRForm
{
public:
    // The buttons of the layout.
    enum Button
    {
        OK,
    };

    // One centred line of the screen.
    struct Line
    {
        int32_t font;
        int32_t y;
        std::string text;
    };

    explicit RiskInfoForm(int32_t number);

    // What the screen shows for the company's details of an airport (none
    // when it holds none).
    static std::vector<Line> Lines(const AirportDetails* details);

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;
};
