#include "Common/Gui/Forms/FoodPoisoningForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/Plane.h"

#include <string>

namespace
{
constexpr ScreenButton BUTTONS[] = {
    {NoticeForm::OK, "sr_Ok_button.bmp", 89, 189},
};
} // namespace

FoodPoisoningForm::FoodPoisoningForm(int32_t number) : NoticeForm(number, "Food poisoning", BUTTONS)
{
    const Plane* plane = Enviroment::GetDialogPlane();
    if (plane)
    {
        _planeId = plane->_id;
        _settlement = NoticeActions::FoodPoisoningSettlement(plane);
    }
    AddText("Passengers of " + (plane ? plane->_name : std::string()));
    AddText("have suffered because");
    AddText("of food poisoning.");
    AddText("You must pay");
    AddAmount("$ " + std::to_string(_settlement));
    AddText("as the settlement.");
}

void FoodPoisoningForm::OnButton(int32_t id)
{
    if (id != OK)
        return;
    const Plane* plane = Enviroment::GetCompany()->FindPlane(_planeId);
    if (plane)
        NoticeActions::PayFoodPoisoningSettlement(plane);
    Back();
}
