// AirportDetailsForm: screen 25, "Airport details" of the current airport.
//
// Shows the airport's full name and country and, when the company has an
// office there, "Office present.". OK returns to the airports list (6),
// Demand and Risk open the demand (26) and risk (27) screens. The options
// pop-up reaches the company's operations at the airport: Research (28, or
// 29 when the price is not below the cash, or 30 when the information is
// fresh), Advertise (31), Buy an office (32, or 33 when the price is not
// below the cash) and Sell it (34). Entries that cannot act are disabled:
// Advertise while the company knows nothing of the airport, Buy while it
// has an office there and Sell while it has none.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class PopupMenu;

class AirportDetailsForm : public SRForm
{
public:
    // The buttons of the layout.
    enum Button
    {
        OK,
        DEMAND,
        RISK,
    };

    // The pop-up's entries, bottom first.
    enum Entry
    {
        RESEARCH,
        ADVERTISE,
        BUY,
        SELL,
    };

    explicit AirportDetailsForm(int32_t number);

    PopupMenu* GetPopup() const { return _popup; }
    // What the pop-up entry does.
    void Act(Entry entry);

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;

private:
    PopupMenu* _popup;
};
