#include "Common/Gui/Controls/ListItem.h"

ListItem::~ListItem() = default;

void ListItem::OnSelect() {}

void ListItem::OnTap(int16_t, int16_t) {}

std::string ListItem::GetLabel() const
{
    return std::string();
}
