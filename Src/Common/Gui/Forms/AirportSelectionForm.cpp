#include "Common/Gui/Forms/AirportSelectionForm.h"

#include "Common/Backend/AirportInfo.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/Notices.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Controls/ItemString.h"
#include "Common/Gui/Controls/ScrollBar.h"

#include <cstdio>

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
    {
        const AirportInfo info = Enviroment::GetAirport(airport);
        char label[64];
        std::snprintf(label, sizeof(label), "%.20s, %.20s", info._country, info._short_name);
        _list->AddItem(new AirportItem(label, _list, airport, this));
    }
}

int32_t AirportSelectionForm::GetChosenAirport() const
{
    if (_list->GetCount() == 0)
        return -1;
    return static_cast<const ItemString*>(_list->GetItem(_list->GetSelected()))->GetValue();
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

void AirportSelectionForm::Select(int32_t row)
{
    if (_list->GetCount() == 0)
        return;
    _list->SetSelected(row);
    const int32_t selected = _list->GetSelected();
    // Keep the selection in view.
    if (selected < _list->GetFirst())
        _list->SetFirst(selected);
    else if (selected >= _list->GetFirst() + _list->GetVisibleRows())
        _list->SetFirst(selected - _list->GetVisibleRows() + 1);
    GetScrollBar()->UpdateThumb();
    GetScrollBar()->Draw();
    _list->Update();
}

bool AirportSelectionForm::OnKey(uint32_t keyBit, bool pressed)
{
    if (!pressed)
        return false;
    if (keyBit == KEY_UP)
        Select(_list->GetSelected() - 1);
    else if (keyBit == KEY_DOWN)
        Select(_list->GetSelected() + 1);
    else
        return false;
    return true;
}

bool AirportSelectionForm::OnChar(uint16_t character)
{
    if (character >= 'a' && character <= 'z')
        character = static_cast<uint16_t>(character - 'a' + 'A');
    if (character < 'A' || character > 'Z')
        return false;
    for (int32_t i = 0; i < _list->GetCount(); ++i)
    {
        const std::string& label = static_cast<const ItemString*>(_list->GetItem(i))->GetText();
        if (!label.empty() && label[0] == static_cast<char>(character))
        {
            Select(i);
            return true;
        }
    }
    return false;
}
