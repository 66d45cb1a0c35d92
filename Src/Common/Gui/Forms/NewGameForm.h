// NewGameForm: screen 1, "New Game": starting a new game while one is
// unfinished costs the old game its chance at the high scores, so the player
// confirms. Yes goes on to the company name (2), No back to the main menu.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class NewGameForm : public SRForm
{
public:
    explicit NewGameForm(int32_t number);

protected:
    void OnButton(int32_t id) override;
};
