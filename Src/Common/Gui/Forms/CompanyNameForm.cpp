#include "Common/Gui/Forms/CompanyNameForm.h"

#include "Common/Backend/GameState.h"
#include "Common/Backend/Notices.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "WinCE/Bitmap.h"
#include "WinCE/Color.h"
#include "WinCE/UIControls/TextField.h"
#include "Wkr/Gui/GfxButton.h"

namespace
{
enum Button
{
    OK,
};

constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 99, "Enter the name of your"},
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 113, "airline company"},
};

constexpr ScreenButton BUTTONS[] = {
    {OK, "sr_Ok_button.bmp", 89, 189},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::FRAMED, false, false, "Company Name", SRForm::CENTRED, 53, TEXTS, BUTTONS,
};

constexpr int32_t PANEL_X = 20;
constexpr int32_t PANEL_Y = 137;
constexpr uint32_t FIELD_TEXT = RGB(236, 242, 250);
constexpr uint32_t FIELD_BACKGROUND = RGB(14, 36, 76);
} // namespace

CompanyNameForm::CompanyNameForm(int32_t number)
    : SRForm(number, LAYOUT), _field(new TextField(28, 145, 184, 17, this, MAX_NAME, true, true, 0, false,
                                                    FIELD_TEXT, FIELD_BACKGROUND))
{
    GetButton(OK)->Disable();
}

void CompanyNameForm::PaintContent()
{
    GfxResources::GetBitmap(GfxResources::BMP_INPUT_PANEL)->Draw(this, PANEL_X, PANEL_Y, SRCCOPY);
}

void CompanyNameForm::OnShow()
{
    SRForm::OnShow();
    _field->SetFocus();
}

void CompanyNameForm::OnHide()
{
    _field->KillFocus();
    SRForm::OnHide();
}

bool CompanyNameForm::OnIdle()
{
    UpdateOk();
    return SRForm::OnIdle();
}

void CompanyNameForm::UpdateOk()
{
    GfxButton* ok = GetButton(OK);
    const bool named = _field->GetTextLength() > 0;
    if (named == ok->IsEnabled())
        return;
    if (named)
        ok->Enable();
    else
        ok->Disable();
    ok->Draw();
}

void CompanyNameForm::OnButton(int32_t id)
{
    if (id != OK || _field->GetTextLength() == 0)
        return;
    GameState::FoundCompany(_field->Text());
    GoTo(Screens::AIRPORT_SELECTION);
}
