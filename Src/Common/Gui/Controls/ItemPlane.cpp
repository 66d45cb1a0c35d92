#include "Common/Gui/Controls/ItemPlane.h"

#include "Common/Gui/Controls/GfxResources.h"
#include "WinCE/Assert.h"
#include "WinCE/Color.h"
#include "WinCE/Font.h"
#include "WinCE/MaskedBitmap.h"
#include "WinCE/Window.h"

namespace
{
MaskedBitmap* s_green = nullptr;
MaskedBitmap* s_red = nullptr;

// The lamp sits at the right of the name line, inside the 189-pixel band.
constexpr int32_t LAMP_X = 176;
} // namespace

ItemPlane::ItemPlane(const std::string& name, const std::string& model, bool stopped, int32_t planeId,
                     Callback* action)
    : _name(name), _model(model), _stopped(stopped), _planeId(planeId), _action(action)
{
    ASSERT(_action && "_callback");
}

ItemPlane::~ItemPlane()
{
    delete _action;
}

int32_t ItemPlane::GetRowHeight() const
{
    return GfxResources::GetFont(GfxResources::FONT_TEXT)->GetHeight() +
           GfxResources::GetFont(GfxResources::FONT_SECONDARY)->GetHeight();
}

void ItemPlane::Draw(Window* window, int32_t x, int32_t y, int32_t row, int32_t rowHeight)
{
    const int32_t top = y + row * rowHeight;
    Font* text = GfxResources::GetFont(GfxResources::FONT_TEXT);
    window->SetFont(text, false);
    window->DrawString(x, top, _name.c_str(), ROP_DEFAULT);
    window->SetFont(GfxResources::GetFont(GfxResources::FONT_SECONDARY), false);
    window->DrawString(x + 8, top + text->GetHeight(), _model.c_str(), ROP_DEFAULT);
    if (!s_green)
        s_green = new MaskedBitmap("sr_LightGreen_button.bmp", "sr_Lights_mask.bmp");
    if (!s_red)
        s_red = new MaskedBitmap("sr_LightRed_button.bmp", "sr_Lights_mask.bmp");
    (_stopped ? s_red : s_green)->Draw(window, x + LAMP_X, top + 1, SRCCOPY);
}

void ItemPlane::OnSelect()
{
    _action->Invoke();
}

void ItemPlane::OnTap(int16_t, int16_t)
{
    _action->Invoke();
}

void ItemPlane::ReleaseLamps()
{
    delete s_green;
    delete s_red;
    s_green = s_red = nullptr;
}
