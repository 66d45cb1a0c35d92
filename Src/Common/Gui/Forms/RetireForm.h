// RetireForm: screen 35, "Really retire": the player confirms ending the
// game. Yes ends it as retired ("Game over", 38); No goes back.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class RetireForm : public SRForm
{
public:
    explicit RetireForm(int32_t number);

protected:
    void OnButton(int32_t id) override;
};
