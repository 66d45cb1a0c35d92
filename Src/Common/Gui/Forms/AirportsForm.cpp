#include "Common/Gui/Forms/AirportsForm.h"

#include "Common/Backend/AirportInfo.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Controls/ItemString.h"
#include "Common/Gui/Controls/PopupMenu.h"
#include "Common/Gui/Controls/ScrollBar.h"
#include "Common/Gui/Forms/CentralFormChanger.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>

namespace
{
constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Airports", 10, 7, {}, {},
};

std::string Label(int32_t airport)
{
    const AirportInfo info = Enviroment::GetAirport(airport);
    char label[64];
    std::snprintf(label, sizeof(label), "%.20s, %.20s", info._country, info._short_name);
    return label;
}

std::string Folded(const std::string& text)
{
    std::string folded = text;
    for (char& c : folded)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

// A row of the list; a tap on the row already selected chooses it.
class AirportRow : public ItemString
{
public:
    AirportRow(const std::string& label, ItemListPanel* list, int32_t airport, AirportsForm* form)
        : ItemString(label, list, 0, 0, airport), _form(form)
    {
    }
    void OnTap(int16_t, int16_t) override { _form->Choose(); }

private:
    AirportsForm* _form;
};
} // namespace

AirportsForm::AirportsForm(int32_t number) : SRForm(number, LAYOUT), _list(AddList(true))
{
    // Records nobody uses any more go whenever the airport screens open.
    Enviroment::GetCompany()->DropStaleDetails(TimeSimulation::GetCurrGameTime());
    const int32_t current = Navigation()->GetCurrentAirport();
    int32_t currentRow = 0;
    for (const int32_t airport : ListOrder())
    {
        if (airport == current)
            currentRow = _list->GetCount();
        _list->AddItem(new AirportRow(Label(airport), _list, airport, this));
    }
    _list->SetSelected(currentRow);
    _list->SetFirst(std::max(0, currentRow - _list->GetVisibleRows() / 2));
    GetScrollBar()->UpdateThumb();
    _popup = AddGoPopup(Screens::AIRPORTS);
}

std::vector<int32_t> AirportsForm::ListOrder()
{
    std::vector<int32_t> order;
    std::vector<std::string> keys(Enviroment::AIRPORT_COUNT);
    for (int32_t airport = 0; airport < Enviroment::AIRPORT_COUNT; ++airport)
    {
        order.push_back(airport);
        const AirportInfo info = Enviroment::GetAirport(airport);
        // The country and the name compared apart, so that a country whose
        // name begins with another's ("Niger", "Nigeria") keeps its airports
        // together.
        keys[static_cast<size_t>(airport)] = Folded(info._country) + '\0' + Folded(info._short_name);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&keys](int32_t a, int32_t b)
                     { return keys[static_cast<size_t>(a)] < keys[static_cast<size_t>(b)]; });
    return order;
}

void AirportsForm::Choose()
{
    if (_list->GetCount() == 0)
        return;
    const int32_t airport = static_cast<const ItemString*>(_list->GetItem(_list->GetSelected()))->GetValue();
    CentralFormChanger* navigation = Navigation();
    navigation->SetCurrentAirport(airport);
    navigation->SetCurrentDetails(Enviroment::GetCompany()->FindDetails(airport));
    GoTo(Screens::AIRPORT_DETAILS);
}

void AirportsForm::Select(int32_t row)
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

bool AirportsForm::OnKey(uint32_t keyBit, bool pressed)
{
    if (pressed && !_popup->IsOpen())
    {
        if (keyBit == KEY_UP)
        {
            Select(_list->GetSelected() - 1);
            return true;
        }
        if (keyBit == KEY_DOWN)
        {
            Select(_list->GetSelected() + 1);
            return true;
        }
    }
    return SRForm::OnKey(keyBit, pressed);
}

bool AirportsForm::OnChar(uint16_t character)
{
    if (_popup->IsOpen() || character > 0x7F || !std::isalpha(character))
        return false;
    const char wanted = static_cast<char>(std::toupper(character));
    for (int32_t i = 0; i < _list->GetCount(); ++i)
    {
        const std::string& label = static_cast<const ItemString*>(_list->GetItem(i))->GetText();
        if (!label.empty() && std::toupper(static_cast<unsigned char>(label[0])) == wanted)
        {
            Select(i);
            return true;
        }
    }
    return false;
}
