#include "Common/Gui/Forms/HighScoreTableForm.h"

#include "Common/Backend/HighScoreTable.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "WinCE/Application.h"
#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "Wkr/Gui/GfxButton.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

namespace
{
constexpr ScreenButton BUTTONS[] = {
    {HighScoreTableForm::SCROLL_UP, "sr_ScrollUp_button.bmp", 188, 243},
    {HighScoreTableForm::SCROLL_DOWN, "sr_ScrollDown_button.bmp", 208, 243},
    {HighScoreTableForm::OK, "sr_Ok_button.bmp", 89, 238},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::PLAIN, false, false, "Highscores", SRForm::CENTRED, 7, {}, BUTTONS,
};

// Panel i lies 57 pixels below panel i - 1; the texts keep their places in
// the panel.
constexpr int32_t PANEL_X = 20;
constexpr int32_t PANEL_Y = 49;
constexpr int32_t PANEL_STEP = 57;
constexpr int32_t PLACE_X = 25;
constexpr int32_t PLACE_Y = 65;
constexpr int32_t NAME_X = 50;
constexpr int32_t NAME_Y = 56;
constexpr int32_t YEAR_X = 192;
constexpr int32_t YEAR_Y = 55;
constexpr int32_t WORTH_RIGHT = 180;
constexpr int32_t WORTH_Y = 75;
} // namespace

HighScoreTableForm::HighScoreTableForm(HighScoreTable* table) : MenuScreen(LAYOUT), _table(table)
{
    ASSERT(_table != nullptr && "the high score form shows the main form's table");
    UpdateButtons();
}

int32_t HighScoreTableForm::GetLastFirst() const
{
    return std::max(0, _table->GetCapacity() - PANELS);
}

void HighScoreTableForm::UpdateButtons()
{
    GfxButton* up = GetButton(SCROLL_UP);
    GfxButton* down = GetButton(SCROLL_DOWN);
    if (_first > 0)
        up->Enable();
    else
        up->Disable();
    if (_first < GetLastFirst())
        down->Enable();
    else
        down->Disable();
}

void HighScoreTableForm::Scroll(int32_t rows)
{
    const int32_t first = std::clamp(_first + rows, 0, GetLastFirst());
    if (first == _first)
        return;
    _first = first;
    UpdateButtons();
    if (IsVisible())
        Redraw();
}

void HighScoreTableForm::OnShow()
{
    MenuScreen::OnShow();
    _first = 0;
    UpdateButtons();
}

void HighScoreTableForm::OnButton(int32_t id)
{
    switch (id)
    {
    case SCROLL_UP:
        Scroll(-1);
        break;
    case SCROLL_DOWN:
        Scroll(1);
        break;
    default:
        Hide();
        break;
    }
}

bool HighScoreTableForm::OnKey(uint32_t keyBit, bool pressed)
{
    if (!pressed)
        return MenuScreen::OnKey(keyBit, pressed);
    switch (keyBit)
    {
    case KEY_UP:
        Scroll(-1);
        return true;
    case KEY_DOWN:
        Scroll(1);
        return true;
    case KEY_BACK:
        Hide();
        return true;
    case KEY_QUIT:
        if (Application* app = Application::Get())
            app->PostQuitMessage(0);
        return true;
    default:
        return MenuScreen::OnKey(keyBit, pressed);
    }
}

void HighScoreTableForm::PaintContent()
{
    Bitmap* panel = GfxResources::GetBitmap(GfxResources::BMP_HIGHSCORES_PANEL);
    for (int32_t i = 0; i < PANELS; ++i)
    {
        const int32_t dy = PANEL_STEP * i;
        panel->Draw(this, PANEL_X, PANEL_Y + dy, SRCCOPY);
        const int32_t index = _first + i;
        if (index >= _table->GetCount())
            continue;
        const HighScoreEntry& entry = _table->Get(index);
        char text[64];
        std::snprintf(text, sizeof(text), "%.2d", static_cast<int>(index + 1));
        DrawText(GfxResources::FONT_YELLOW, PLACE_X, PLACE_Y + dy, text);
        std::snprintf(text, sizeof(text), "%s", entry._name.c_str());
        DrawText(GfxResources::FONT_TEXT, NAME_X, NAME_Y + dy, text);
        std::snprintf(text, sizeof(text), "%d", static_cast<int>(entry._year));
        DrawText(GfxResources::FONT_TEXT_PLAIN, YEAR_X, YEAR_Y + dy, text);
        std::snprintf(text, sizeof(text), "%" PRId64 " $", entry._worth);
        DrawRightAligned(GfxResources::FONT_YELLOW, WORTH_RIGHT, WORTH_Y + dy, text);
    }
}
