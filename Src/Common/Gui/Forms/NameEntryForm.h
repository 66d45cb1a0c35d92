// NameEntryForm: the base of the dialogs that ask for a name (the company's,
// a new plane's): a text field on the input panel, focused while the dialog
// is shown, and an OK button that stays disabled while the field is empty.
// Names are at most 12 characters. The screen says where the field and its
// panel stand and which of its buttons is OK; it handles the buttons itself.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

class TextField;

class NameEntryForm : public SRForm
{
public:
    static constexpr int32_t MAX_NAME = 12;

    struct Field
    {
        int16_t x;
        int16_t y;
        int16_t panelX;
        int16_t panelY;
        int32_t okButton;
        // The text proposed; it is selected, so typing replaces it.
        const char* proposal;
    };

    NameEntryForm(int32_t number, const ScreenLayout& layout, const Field& field);

    void OnShow() override;
    void OnHide() override;
    bool OnIdle() override;

    TextField* GetField() const { return _field; }
    // The name typed; empty while the field is.
    const std::string& Name() const;

protected:
    void PaintContent() override;

private:
    void UpdateOk();

    Field _place;
    TextField* _field;
};
