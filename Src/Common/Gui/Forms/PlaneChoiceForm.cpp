#include "Common/Gui/Forms/PlaneChoiceForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/Plane.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Controls/ItemString.h"
#include "Common/Gui/Forms/CentralFormChanger.h"

namespace
{
constexpr ScreenButton BUTTONS[] = {
    {NoticeForm::PROCEED, "sr_Proceed_button.bmp", 24, 238},
    {NoticeForm::CANCEL, "sr_Cancel_button.bmp", 154, 238},
};

constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 40, "Your planes that fit this flight:"},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::PLAIN, false, false, "Assign plane", SRForm::CENTRED, 7, TEXTS, BUTTONS,
};
} // namespace

PlaneChoiceForm::PlaneChoiceForm(int32_t number) : NoticeForm(number, LAYOUT), _list(AddList(true))
{
    for (Plane* plane : NoticeActions::PlanesForSpecialFlight(Enviroment::GetDialogAirport()))
        _list->AddItem(new ItemString(plane->_name, _list, 0, 0, plane->_id));
}

int32_t PlaneChoiceForm::GetChosenPlane() const
{
    if (_list->GetCount() == 0 || _list->GetSelected() < 0)
        return -1;
    return static_cast<const ItemString*>(_list->GetItem(_list->GetSelected()))->GetValue();
}

void PlaneChoiceForm::OnButton(int32_t id)
{
    if (id == CANCEL)
    {
        Back();
        return;
    }
    if (id != PROCEED)
        return;
    Plane* plane = Enviroment::GetCompany()->FindPlane(GetChosenPlane());
    if (!NoticeActions::AssignSpecialFlight(Enviroment::GetDialogAirport(), plane))
        return;
    // The offer is answered: past it, to the screen it covered.
    Navigation()->GoBack();
    Back();
}
