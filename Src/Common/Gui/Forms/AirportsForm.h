// AirportsForm: screen 6, "Airports", the list of every airport of the world.
//
// Each row reads "country, name". The rows are in alphabetical order of what
// they show, country first and then the airport's short name, so that a
// player scanning 138 airports finds a country's airports together and can
// jump to them by the first letter of the country (a typed letter selects the
// first row starting with it; up and down move the selection). Choosing an
// airport (a second tap on the selected row) makes it the current airport,
// with the company's details of it current when it holds them, and opens its
// details (25). Opening the list drops the company's stale details records.
// The current airport is selected and in view when the list opens.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

#include <vector>

class ItemListPanel;
class PopupMenu;

class AirportsForm : public SRForm
{
public:
    explicit AirportsForm(int32_t number);

    bool OnKey(uint32_t keyBit, bool pressed) override;
    bool OnChar(uint16_t character) override;

    // The airport indexes in the order of the list.
    static std::vector<int32_t> ListOrder();
    // Makes the airport of the selected row current and opens its details.
    void Choose();
    ItemListPanel* GetList() const { return _list; }

private:
    void Select(int32_t row);

    ItemListPanel* _list;
    PopupMenu* _popup;
};
