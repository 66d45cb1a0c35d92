// AdvertisingForm: screen 31, "Advertising" at the current airport.
//
// Three radio buttons choose a small, medium or large campaign, each shown
// with its price; a size the company cannot afford (its price is not below
// the cash) cannot be chosen. OK runs the chosen campaign and Cancel leaves;
// both return to the airport details (25). OK stays disabled until a size
// is chosen.
#pragma once

#include "Common/Gui/Controls/BasicRadioButton.h"
#include "Common/Gui/Forms/SRForm.h"

class GfxRadioButton;

// The radio buttons' group must outlive the buttons, which the screen's
// base deletes; a base class constructed before SRForm is destroyed after it.
struct AdvertisingGroup
{
    RadioGroup _sizes;
};

class AdvertisingForm : private AdvertisingGroup, public SRForm
{
public:
    // The buttons of the layout.
    enum Button
    {
        OK,
        CANCEL,
    };

    static constexpr int32_t SIZES[3] = {40, 80, 120};

    explicit AdvertisingForm(int32_t number);

    // The campaign size chosen, 0 before a choice.
    int32_t GetChosenSize() const { return _chosen; }
    void ChooseSize(int32_t size);
    // The radio button of the size at this index (small, medium, large).
    GfxRadioButton* GetSizeButton(int32_t index) const { return _buttons[index]; }

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;

private:
    int32_t _chosen = 0;
    GfxRadioButton* _buttons[3] = {};
};
