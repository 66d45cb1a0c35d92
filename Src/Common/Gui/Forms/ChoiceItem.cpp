#include "Common/Gui/Forms/ChoiceItem.h"

#include "WinCE/Assert.h"
#include "Wkr/Gui/Callback.h"

ChoiceItem::ChoiceItem(const std::string& text, ItemListPanel* owner, int32_t value, Callback* choose)
    : ItemString(text, owner, 0, 0, value), _choose(choose)
{
    ASSERT(choose && "a row the player chooses needs the choice");
}

ChoiceItem::~ChoiceItem()
{
    delete _choose;
}

void ChoiceItem::OnTap(int16_t, int16_t)
{
    _choose->Invoke();
}
