#include "Common/Gui/Forms/PlaneCrashForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Forms/CentralFormChanger.h"

#include <string>

namespace
{
constexpr ScreenButton BUTTONS[] = {
    {NoticeForm::REPLACE, "sr_Replace_button.bmp", 13, 189},
    {NoticeForm::SHUT_DOWN, "sr_ShutDown_button.bmp", 128, 189},
};
} // namespace

PlaneCrashForm::PlaneCrashForm(int32_t number) : NoticeForm(number, "Plane crash", BUTTONS)
{
    const Plane* plane = Enviroment::GetDialogPlane();
    if (plane)
        _planeId = plane->_id;
    AddText("Plane");
    AddText(plane ? plane->_name : std::string());
    AddText("has just crashed.");
    AddText("It will surely have impact on your");
    AddText("company's reputation...");
}

void PlaneCrashForm::OnButton(int32_t id)
{
    Plane* plane = Enviroment::GetCompany()->FindPlane(_planeId);
    const Time now = TimeSimulation::GetCurrGameTime();
    if (id == SHUT_DOWN)
    {
        NoticeActions::ShutDownCrashedPlane(plane, now);
        Back();
    }
    else if (id == REPLACE)
    {
        if (plane)
            Navigation()->SetProvisionalRoute(NoticeActions::KeepCrashedRoute(plane, now));
        GoTo(Screens::REPLACE_PLANE);
    }
}
