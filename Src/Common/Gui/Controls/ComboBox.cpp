#include "Common/Gui/Controls/ComboBox.h"

#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/SoundButton.h"

#include <utility>

ComboBox::ComboBox(int16_t x, int16_t y, Window* window, GfxComboList::Action action, bool shortBox)
{
    _list = new GfxComboList(x, y, window, GfxResources::GetFont(GfxResources::FONT_TEXT), LIGHT_COLOUR,
                             FACE_COLOUR, DARK_COLOUR,
                             shortBox ? "sr_Combo_box_short.bmp" : "sr_Combo_box.bmp", std::move(action));
    _arrow = new SoundButton("sr_Combo_arrow.bmp", static_cast<int16_t>(x + _list->GetBoxWidth()), y, window,
                             new MemberCallback<ComboBox>(this, &ComboBox::Toggle), true);
}

ComboBox::~ComboBox()
{
    delete _arrow;
    delete _list;
}

void ComboBox::Toggle()
{
    if (_list->IsOpen())
        _list->Close();
    else
        _list->Open();
}

void ComboBox::Draw()
{
    if (!_visible)
        return;
    _list->Draw();
    _arrow->Draw();
}

bool ComboBox::OnStylusDown(int16_t x, int16_t y)
{
    if (!_enabled)
        return false;
    // The arrow handles its own taps; the list would otherwise close on them
    // and the arrow's release open it again.
    if (_arrow->HitTest(x, y))
        return _arrow->OnStylusDown(x, y);
    return _list->OnStylusDown(x, y);
}

bool ComboBox::OnStylusMove(int16_t x, int16_t y)
{
    return _arrow->OnStylusMove(x, y);
}

bool ComboBox::OnStylusUp(int16_t x, int16_t y)
{
    if (!_enabled)
        return false;
    const bool arrow = _arrow->OnStylusUp(x, y);
    const bool list = _list->OnStylusUp(x, y);
    return arrow || list;
}

void ComboBox::Disable()
{
    _enabled = false;
    _list->Close();
    _arrow->Disable();
}

void ComboBox::Enable()
{
    _enabled = true;
    _arrow->Enable();
}

void ComboBox::Describe(ScreenDump& dump) const
{
    _list->Describe(dump);
    _arrow->Describe(dump);
}
