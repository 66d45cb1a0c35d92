// FoodPoisoningForm: notice 88, the settlement the company owes the
// passengers of the dialog plane after food poisoning on board.
//
// The settlement is worked out when the notice is built and shown; Ok books
// it as a cost and goes back to the covered screen. The notice has no other
// answer: the amount is paid whatever the player thinks of it.
#pragma once

#include "Common/Gui/Forms/NoticeForm.h"

#include <cstdint>

class FoodPoisoningForm : public NoticeForm
{
public:
    explicit FoodPoisoningForm(int32_t number);

    int64_t GetSettlement() const { return _settlement; }

protected:
    void OnButton(int32_t id) override;

private:
    int32_t _planeId = -1;
    int64_t _settlement = 0;
};
