#include "Common/Gui/Forms/TimeCashForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/SpeedSlider.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/GameOptions.h"
#include "Common/LocaleDate.h"
#include "WinCE/Bitmap.h"
#include "WinCE/OffscreenWindow.h"
#include "WinCE/TickCount.h"
#include "Wkr/Gui/Callback.h"

#include <cinttypes>
#include <cstdio>

namespace
{
enum Button
{
    OK,
    JUMP,
};

constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, SRForm::CENTRED, 160, "Time speed in units per second"},
    {GfxResources::FONT_TEXT, 20, 200, "0s"},
    {GfxResources::FONT_TEXT, 58, 200, "1min"},
    {GfxResources::FONT_TEXT, 102, 200, "30min"},
    {GfxResources::FONT_TEXT, 162, 200, "1h"},
    {GfxResources::FONT_TEXT, 203, 200, "3h"},
};

constexpr ScreenButton BUTTONS[] = {
    {OK, "sr_Ok_button.bmp", 10, 238},
    {JUMP, "sr_JumpToNext_button.bmp", 72, 238},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::BACK, true, true, "Time&Cash", 152, 7, TEXTS, BUTTONS,
};

// The slider: where it stands, its stops and the speed of each position.
constexpr int16_t SLIDER_X = 21;
constexpr int16_t SLIDER_Y = 180;
constexpr int32_t STOPS[TimeCashForm::POSITIONS] = {0, 47, 94, 141, 188};
constexpr int32_t SPEEDS[TimeCashForm::POSITIONS] = {0, 60, 1800, 3600, 10800};
// The speeds of the characters '1', '2' and '3'.
constexpr int32_t FAST_SPEEDS[3] = {129600, 259200, 518400};

// The two panels, composed off-screen and copied to the screen.
constexpr int32_t PANEL_X = 21;
constexpr int32_t CASH_PANEL_Y = 50;
constexpr int32_t TIME_PANEL_Y = 107;
constexpr int32_t PANEL_WIDTH = 198;
constexpr int32_t PANEL_HEIGHT = 40;
constexpr int32_t RETURN_LABEL_X = 10;
constexpr int32_t RETURN_LABEL_Y = 7;

class SliderChanged : public Callback
{
public:
    explicit SliderChanged(void (*apply)(TimeCashForm*), TimeCashForm* form) : _apply(apply), _form(form) {}
    void Invoke() override { _apply(_form); }

private:
    void (*_apply)(TimeCashForm*);
    TimeCashForm* _form;
};
} // namespace

TimeCashForm::TimeCashForm(int32_t number) : SRForm(number, LAYOUT)
{
    _slider = new SpeedSlider(SLIDER_X, SLIDER_Y, this, "sr_Speed_panel.bmp", "sr_ScrollVertical_bar.bmp", STOPS,
                              POSITIONS, new SliderChanged([](TimeCashForm* form) { form->ApplySlider(); }, this));
    _slider->SetVisible(true);
    Widgets().AddWidget(_slider);
    // Not drawn yet: the first paint shows it.
    const int32_t position = PositionOf(TimeSimulation::GetGameSpeed());
    if (position != 0)
        _slider->SetPosition(position);
}

int32_t TimeCashForm::PositionOf(int32_t speed)
{
    for (int32_t i = 1; i < POSITIONS; ++i)
    {
        if (SPEEDS[i] == speed)
            return i;
    }
    return 0;
}

const char* TimeCashForm::ReturnLabel(int32_t previous, int32_t statisticsPage)
{
    switch (previous)
    {
    case Screens::BANK:
        return "Bank";
    case Screens::PLANES:
        return "Planes";
    case Screens::AIRPORTS:
        return "Airports";
    case Screens::STATISTICS:
        switch (statisticsPage)
        {
        case 2:
            return "P&L Account";
        case 3:
            return "Planes statistics";
        case 4:
            return "Passenger's Stats.";
        case 5:
            return "Map statistics";
        default:
            return "Company worth";
        }
    case Screens::PLANE_DETAILS:
        return "Plane details";
    case Screens::ROUTE_EDIT:
        return "Route edit";
    case Screens::AIRPORT_DETAILS:
        return "Airport details";
    case Screens::DEMAND_INFO:
        return "Demand info";
    case Screens::RISK_INFO:
        return "Risk info";
    default:
        return "Return";
    }
}

void TimeCashForm::ApplySlider()
{
    TimeSimulation::Synchronise();
    TimeSimulation::SetSpeed(SPEEDS[_slider->GetPosition()]);
}

void TimeCashForm::OnButton(int32_t id)
{
    switch (id)
    {
    case OK:
        Back();
        break;
    case JUMP:
        TimeSimulation::SkipToNextNotice();
        DrawPanels();
        break;
    }
}

void TimeCashForm::PaintContent()
{
    const CentralFormChanger* navigation = Navigation();
    DrawText(GfxResources::FONT_MENU, RETURN_LABEL_X, RETURN_LABEL_Y,
             ReturnLabel(navigation->PreviousForm(), navigation->SubState()));
    DrawPanels();
}

void TimeCashForm::DrawPanels()
{
    _panelTick = GetTickCount();
    OffscreenWindow* scratch = GfxResources::GetBackBufferA();
    Bitmap* panel = GfxResources::GetBitmap(GfxResources::BMP_PANEL);
    scratch->SetFont(GfxResources::GetFont(GfxResources::FONT_TEXT), false);

    char text[64];
    panel->Draw(scratch, 0, 0, SRCCOPY);
    scratch->DrawString(80, 6, "Cash :", ROP_DEFAULT);
    std::snprintf(text, sizeof(text), "$ %" PRId64, Enviroment::GetCompany()->GetCash());
    scratch->DrawString((PANEL_WIDTH - scratch->TextWidth(text)) / 2, 20, text, ROP_DEFAULT);
    Blit(scratch, 0, 0, PANEL_WIDTH, PANEL_HEIGHT, PANEL_X, CASH_PANEL_Y, SRCCOPY);

    const Time& now = TimeSimulation::GetCurrGameTime();
    panel->Draw(scratch, 0, 0, SRCCOPY);
    std::snprintf(text, sizeof(text), "time:   %.2d:%.2d:%.2d", static_cast<int>(now._hour),
                  static_cast<int>(now._minute), static_cast<int>(now._second));
    scratch->DrawString(44, 5, text, ROP_DEFAULT);
    char date[LOCALE_DATE_SIZE];
    now.FormatDate(date);
    std::snprintf(text, sizeof(text), "date:     %s", date);
    scratch->DrawString(45, 20, text, ROP_DEFAULT);
    Blit(scratch, 0, 0, PANEL_WIDTH, PANEL_HEIGHT, PANEL_X, TIME_PANEL_Y, SRCCOPY);
    scratch->SetFont(nullptr, false);
}

bool TimeCashForm::OnIdle()
{
    Widgets().Update();
    if (GameState::IsSimulationRunning() && GetTickCount() - _panelTick >= PANEL_REFRESH)
        DrawPanels();
    return true;
}

bool TimeCashForm::OnKey(uint32_t keyBit, bool pressed)
{
    if (!pressed)
        return false;
    if (keyBit == GameOptions::JumpKey())
    {
        TimeSimulation::SkipToNextNotice();
        return true;
    }
    int32_t step = 0;
    if (keyBit == GameOptions::SpeedUpKey())
        step = 1;
    else if (keyBit == GameOptions::SpeedDownKey())
        step = POSITIONS - 1;
    else
        return false;
    _slider->SetPosition((_slider->GetPosition() + step) % POSITIONS);
    ApplySlider();
    return true;
}

bool TimeCashForm::OnChar(uint16_t character)
{
    if (character < '1' || character > '3')
        return false;
    TimeSimulation::SetSpeed(FAST_SPEEDS[character - '1']);
    return true;
}
