// ChoiceItem: a text row of a list screen that the player chooses.
//
// A tap selects a row; a tap on the row already selected chooses it, which
// runs the screen's choice (the same as its OK button). The value is the
// screen's own number for the row (an airport index, a plane id).
#pragma once

#include "Common/Gui/Controls/ItemString.h"

class Callback;

class ChoiceItem : public ItemString
{
public:
    // `choose` (owned) may not be null.
    ChoiceItem(const std::string& text, ItemListPanel* owner, int32_t value, Callback* choose);
    ~ChoiceItem() override;
    ChoiceItem(const ChoiceItem&) = delete;
    ChoiceItem& operator=(const ChoiceItem&) = delete;

    void OnTap(int16_t x, int16_t y) override;

private:
    Callback* _choose;
};
