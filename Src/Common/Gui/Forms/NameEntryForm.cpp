#include "Common/Gui/Forms/NameEntryForm.h"

#include "Common/Gui/Controls/GfxResources.h"
#include "WinCE/Bitmap.h"
#include "WinCE/Color.h"
#include "WinCE/UIControls/TextField.h"
#include "Wkr/Gui/GfxButton.h"

namespace
{
constexpr int16_t FIELD_WIDTH = 184;
constexpr int16_t FIELD_HEIGHT = 17;
constexpr uint32_t FIELD_TEXT = RGB(236, 242, 250);
constexpr uint32_t FIELD_BACKGROUND = RGB(14, 36, 76);
} // namespace

NameEntryForm::NameEntryForm(int32_t number, const ScreenLayout& layout, const Field& field)
    : SRForm(number, layout), _place(field),
      _field(new TextField(field.x, field.y, FIELD_WIDTH, FIELD_HEIGHT, this, MAX_NAME, true, true, 0, false,
                           FIELD_TEXT, FIELD_BACKGROUND))
{
    if (field.proposal)
        _field->SetText(field.proposal);
    if (_field->GetTextLength() == 0)
        GetButton(_place.okButton)->Disable();
}

const std::string& NameEntryForm::Name() const
{
    return _field->Text();
}

void NameEntryForm::PaintContent()
{
    GfxResources::GetBitmap(GfxResources::BMP_INPUT_PANEL)->Draw(this, _place.panelX, _place.panelY, SRCCOPY);
}

void NameEntryForm::OnShow()
{
    SRForm::OnShow();
    _field->SetFocus();
    _field->SetSelection(0, _field->GetTextLength());
}

void NameEntryForm::OnHide()
{
    _field->KillFocus();
    SRForm::OnHide();
}

bool NameEntryForm::OnIdle()
{
    UpdateOk();
    return SRForm::OnIdle();
}

void NameEntryForm::UpdateOk()
{
    SetButtonEnabled(_place.okButton, _field->GetTextLength() > 0);
}
