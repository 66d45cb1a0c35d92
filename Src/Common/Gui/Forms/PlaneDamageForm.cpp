#include "Common/Gui/Forms/PlaneDamageForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/TimeSimulation.h"

#include <string>

PlaneDamageForm::PlaneDamageForm(int32_t number) : NoticeForm(number, "Plane damage", {})
{
    const Plane* plane = Enviroment::GetDialogPlane();
    if (plane)
        _planeId = plane->_id;
    _choice = NoticeActions::RepairChoiceFor(plane);
    AddText("Plane " + (plane ? plane->_name : std::string()));
    AddText("has been damaged.");
    switch (_choice)
    {
    case NoticeActions::RepairChoice::ASK:
        AddText("Repair cost is:");
        AddAmount("$ " + std::to_string(plane->_repair_cost));
        AddText("Do you want to repair it?");
        AddButton(YES, "sr_Yes_button.bmp", 35, 189);
        AddButton(NO, "sr_No_button.bmp", 144, 189);
        return;
    case NoticeActions::RepairChoice::NO_SPARE_PARTS:
        AddText("This model was withdrawn from");
        AddText("market, and there are no required");
        AddText("spare parts to repair it.");
        break;
    case NoticeActions::RepairChoice::CANNOT_AFFORD:
        AddText("Unfortunatelly, you can't afford");
        AddText("to repair it now, so the route will");
        AddText("be suspended.");
        break;
    case NoticeActions::RepairChoice::NOT_DAMAGED:
        // Repaired before the notice came up (or no plane): the two lines
        // that name it are all there is to say.
        break;
    }
    AddButton(OK, "sr_Ok_button.bmp", 89, 189);
}

void PlaneDamageForm::OnButton(int32_t id)
{
    if (id == YES)
        NoticeActions::RepairPlane(Enviroment::GetCompany()->FindPlane(_planeId),
                                   TimeSimulation::GetCurrGameTime());
    Back();
}
