#include "Common/Gui/Forms/AirportSelectionForm.h"

#include "Common/Backend/GameState.h"
#include "Common/Backend/Notices.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Controls/ItemString.h"
#include "Common/Gui/Controls/ScrollBar.h"
#include "Common/Gui/Forms/ListSelection.h"


namespace
{
enum Button
{
    OK,
};

constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, 33, 40, "Choose your home airport:"},
};

constexpr ScreenButton BUTTONS[] = {
    {OK, "sr_Ok_button.bmp", 89, 238},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::PLAIN, false, false, "Airport Selection", SRForm::CENTRED, 7, TEXTS, BUTTONS,
};

// A row of the list; a tap on the row already selected chooses it.
class AirportItem : public ItemString
{
public:
    AirportItem(const std::string& label, ItemListPanel* list, int32_t airport, AirportSelectionForm* form)
        : ItemString(label, list, 0, 0, airport), _form(form)
    {
    }
    void OnTap(int16_t, int16_t) override { _form->Choose(); }

private:
    AirportSelectionForm* _form;
};
} // namespace

AirportSelectionForm::AirportSelectionForm(int32_t number) : SRForm(number, LAYOUT), _list(AddList(true))
{
    for (const int32_t airport : GameState::HomeAirportCandidates())
        _list->AddItem(new AirportItem(ListSelection::AirportLabel(airport), _list, airport, this));
}

int32_t AirportSelectionForm::GetChosenAirport() const
{
    return ListSelection::SelectedValue(_list);
}

void AirportSelectionForm::Choose()
{
    const int32_t airport = GetChosenAirport();
    if (!GameState::ChooseHomeAirport(airport))
        return;
    GoTo(Screens::PLANES);
}

void AirportSelectionForm::OnButton(int32_t id)
{
    if (id == OK)
        Choose();
}

bool AirportSelectionForm::OnKey(uint32_t keyBit, bool pressed)
{
    return ListSelection::OnKey(_list, GetScrollBar(), keyBit, pressed);
}

bool AirportSelectionForm::OnChar(uint16_t character)
{
    return ListSelection::JumpToLetter(_list, GetScrollBar(), character);
}
