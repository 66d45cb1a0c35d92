// AirportSelectionForm: screen 3, "Airport Selection": the player picks the
// home airport of the new company.
//
// The list holds the airports a company may start from ("country, name" in
// table order). Up and down move the selection, a letter jumps to the first
// airport whose label starts with it, and OK (or a second tap on the chosen
// row) starts the game there: the clock restarts in 1959 with the calendar
// events, the home office opens and the planes list (5) follows.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class ItemListPanel;

class AirportSelectionForm : public SRForm
{
public:
    explicit AirportSelectionForm(int32_t number);

    bool OnKey(uint32_t keyBit, bool pressed) override;
    bool OnChar(uint16_t character) override;

    // The airport index of the selected row.
    int32_t GetChosenAirport() const;
    ItemListPanel* GetList() const { return _list; }
    void Choose();

protected:
    void OnButton(int32_t id) override;

private:
    void Select(int32_t row);

    ItemListPanel* _list;
};
