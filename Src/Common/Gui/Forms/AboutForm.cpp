#include "Common/Gui/Forms/AboutForm.h"

#include "Common/AppIdentity.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "WinCE/Bitmap.h"
#include "WinCE/BitmapFont.h"
#include "WinCE/OffscreenWindow.h"
#include "WinCE/TickCount.h"

namespace
{
constexpr uint32_t FRAME_COLOUR = RGB(5, 11, 101);
// The credits are written in the shared white font.
constexpr int32_t CREDITS_FONT = 1;
} // namespace

const char* const AboutForm::CREDITS[] = {
    "Credits:",
    "Northgate Soft",
    "Design:",
    "The Jet Warden design team",
    "Graphics:",
    "The Jet Warden art team",
    "Programming:",
    "The Jet Warden engineers",
    "Project manager:",
    "The Jet Warden producers",
    "Quality assurance:",
    "The Jet Warden testers",
};

int32_t AboutForm::CreditCount()
{
    return static_cast<int32_t>(sizeof(CREDITS) / sizeof(CREDITS[0]));
}

AboutForm::AboutForm()
    : Form("About", 0, 0, 240, 268, false, 0), _background(new Bitmap("sr_About_screen.bmp")),
      _digits(new BitmapFont("sr_digits_ver.bmp", "sr_digits_ver_mask.bmp", 0)),
      _strip(new OffscreenWindow(STRIP_WIDTH, STRIP_HEIGHT))
{
    RenderLine();
}

AboutForm::~AboutForm()
{
    delete _strip;
    delete _digits;
    delete _background;
}

void AboutForm::RenderLine()
{
    // The strip shows the about screen's own background behind the text, so
    // the scrolling window blends with the picture.
    _background->DrawPart(_strip, 0, 0, Rect{{WINDOW_X, WINDOW_Y}, {STRIP_WIDTH, WINDOW_HEIGHT}}, SRCCOPY);
    _strip->Blit(_strip, 0, 0, STRIP_WIDTH, WINDOW_HEIGHT, 0, WINDOW_HEIGHT, SRCCOPY);
    _strip->Blit(_strip, 0, 0, STRIP_WIDTH, WINDOW_HEIGHT, 0, 2 * WINDOW_HEIGHT, SRCCOPY);
    if (!GfxResources::IsLoaded())
        return;
    Font* font = GfxResources::GetFont(CREDITS_FONT);
    const char* text = CREDITS[_line];
    const int32_t width = font->TextWidth(text);
    const int32_t x = (STRIP_WIDTH - width) / 2;
    const int32_t y = WINDOW_HEIGHT + (WINDOW_HEIGHT - font->GetHeight()) / 2;
    font->DrawString(_strip, x < 0 ? 0 : x, y, text, SRCCOPY);
}

void AboutForm::CopyWindow()
{
    Blit(_strip, 0, _row, STRIP_WIDTH, WINDOW_HEIGHT, WINDOW_X, WINDOW_Y, SRCCOPY);
}

void AboutForm::OnShow()
{
    _line = 0;
    _row = 0;
    _lastStep = GetTickCount();
    RenderLine();
}

void AboutForm::Paint()
{
    _background->Draw(this, 0, 0, SRCCOPY);
    // The outline of the rectangle (38, 97) - (201, 114).
    FillSolid(Rect{{38, 97}, {163, 1}}, FRAME_COLOUR);
    FillSolid(Rect{{38, 113}, {163, 1}}, FRAME_COLOUR);
    FillSolid(Rect{{38, 97}, {1, 17}}, FRAME_COLOUR);
    FillSolid(Rect{{200, 97}, {1, 17}}, FRAME_COLOUR);
    _digits->DrawString(this, 160, 165, AppIdentity::VERSION_TEXT, SRCCOPY);
    CopyWindow();
}

bool AboutForm::OnIdle()
{
    const uint32_t now = GetTickCount();
    const uint32_t wait = _row == REST_ROW ? REST_TIME : STEP_TIME;
    const bool due = _row == REST_ROW ? now - _lastStep >= wait : now - _lastStep > wait;
    if (due)
    {
        _lastStep = now;
        CopyWindow();
        ++_row;
        if (_row > LAST_ROW)
        {
            _row = 0;
            _line = (_line + 1) % CreditCount();
            RenderLine();
        }
    }
    return true;
}

void AboutForm::OnStylusDown(int16_t, int16_t)
{
    Hide();
}
