#include "Common/Gui/Forms/ListSelection.h"

#include "Common/Backend/AirportInfo.h"
#include "Common/Backend/Enviroment.h"

#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Controls/ItemString.h"
#include "Common/Gui/Controls/ScrollBar.h"
#include "WinCE/Form.h"

#include <cstdio>

void ListSelection::Select(ItemListPanel* list, ScrollBar* bar, int32_t row)
{
    if (list->GetCount() == 0)
        return;
    list->SetSelected(row);
    const int32_t selected = list->GetSelected();
    if (selected < list->GetFirst())
        list->SetFirst(selected);
    else if (selected >= list->GetFirst() + list->GetVisibleRows())
        list->SetFirst(selected - list->GetVisibleRows() + 1);
    bar->UpdateThumb();
    bar->Draw();
    list->Update();
}

bool ListSelection::OnKey(ItemListPanel* list, ScrollBar* bar, uint32_t keyBit, bool pressed)
{
    if (keyBit != KEY_UP && keyBit != KEY_DOWN)
        return false;
    if (pressed)
        Select(list, bar, list->GetSelected() + (keyBit == KEY_UP ? -1 : 1));
    return true;
}

int32_t ListSelection::SelectedValue(const ItemListPanel* list)
{
    if (list->GetCount() == 0)
        return -1;
    return static_cast<const ItemString*>(list->GetItem(list->GetSelected()))->GetValue();
}

std::string ListSelection::AirportLabel(int32_t airport)
{
    const AirportInfo info = Enviroment::GetAirport(airport);
    char label[64];
    std::snprintf(label, sizeof(label), "%.20s, %.20s", info._country, info._short_name);
    return label;
}
