// PlaneChoiceForm: notices 66 and 75, "Assign plane": the company's planes
// that fit the charity or VIP flight of the dialog airport, one row each.
//
// Proceed assigns the selected plane to the flight and goes back past the
// offer to the screen the offer covered; Cancel goes back to the offer.
#pragma once

#include "Common/Gui/Forms/NoticeForm.h"

#include <cstdint>

class ItemListPanel;

class PlaneChoiceForm : public NoticeForm
{
public:
    explicit PlaneChoiceForm(int32_t number);

    ItemListPanel* GetList() const { return _list; }
    // The id of the plane selected in the list, or -1.
    int32_t GetChosenPlane() const;

protected:
    void OnButton(int32_t id) override;

private:
    ItemListPanel* _list;
};
