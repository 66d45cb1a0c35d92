#include "Common/Gui/Forms/SRForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GameSound.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Controls/PopupMenu.h"
#include "Common/Gui/Controls/ScrollBar.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/GameOptions.h"
#include "Common/LocaleDate.h"
#include "WinCE/Application.h"
#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/BitmapFont.h"
#include "WinCE/Color.h"
#include "WinCE/MaskedBitmap.h"
#include "WinCE/MenuBar.h"
#include "WinCE/OffscreenWindow.h"
#include "WinCE/ScreenDump.h"
#include "WinCE/TickCount.h"
#include "Wkr/Gui/Callback.h"
#include "Wkr/Gui/GfxButton.h"

#include <cinttypes>
#include <cstdio>

namespace
{
// The speed lamps: left edges, the top, the size, and the speed each needs.
constexpr int32_t LAMP_X[4] = {155, 162, 169, 176};
constexpr int32_t LAMP_Y = 8;
constexpr int32_t LAMP_SIZE = 4;
constexpr int32_t LAMP_SPEED[4] = {60, 1800, 3600, 10800};
constexpr uint32_t LAMP_LIT = RGB(24, 190, 10);
constexpr uint32_t LAMP_UNLIT = RGB(11, 86, 9);
// Cash ends at x 235 at y 16; the date starts at (186, 6).
constexpr int32_t CASH_RIGHT = 235;
constexpr int32_t CASH_Y = 16;
constexpr int32_t DATE_X = 186;
constexpr int32_t DATE_Y = 6;

// The melodies by number: good, bad, won, lost, high score.
constexpr int32_t MELODY_SOUNDS[6] = {0, 118, 122, 118, 122, 119};

bool s_menuReturn = false;

// Runs the screen's button switch for one button of its layout.
class ScreenButtonCallback : public Callback
{
public:
    ScreenButtonCallback(SRForm* form, int32_t id, void (*press)(SRForm*, int32_t))
        : _form(form), _id(id), _press(press)
    {
    }
    void Invoke() override { _press(_form, _id); }

private:
    SRForm* _form;
    int32_t _id;
    void (*_press)(SRForm*, int32_t);
};

// The shared frame: the top and bottom strips of the screen shown last,
// which dialog-style screens keep around their window.
OffscreenWindow* SharedFrame()
{
    return GfxResources::GetBackBufferB();
}

int32_t LitLamps(int32_t speed)
{
    int32_t lit = 0;
    for (const int32_t needed : LAMP_SPEED)
    {
        if (speed >= needed)
            ++lit;
    }
    return lit;
}

std::string CashText(int64_t cash)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%" PRId64, cash);
    return text;
}

std::string DateText()
{
    char text[LOCALE_DATE_SIZE];
    TimeSimulation::GetCurrGameTime().FormatDate(text);
    return text;
}

int64_t CompanyCash()
{
    const Company* company = Enviroment::IsCreated() ? Enviroment::GetCompany() : nullptr;
    return company ? company->GetCash() : 0;
}
} // namespace

SRForm::SRForm(int32_t number, const ScreenLayout& layout)
    : Form("Game Screen", 0, 0, WIDTH, HEIGHT, false, MENU_RESOURCE_GAME), _number(number), _layout(layout),
      _cashDigits(new BitmapFont("sr_digits_cash.bmp", 0)), _dateDigits(new BitmapFont("sr_digits_date.bmp", 0))
{
    // Time stands still while a screen is built; showing it decides.
    GameState::SetSimulationRunning(false);
    for (const ScreenButton& button : _layout.buttons)
        AddButton(button.id, button.bitmap, button.x, button.y);
}

GfxButton* SRForm::AddButton(int32_t id, const char* bitmap, int16_t x, int16_t y)
{
    auto* button = new GfxButton(
        bitmap, x, y, this,
        new ScreenButtonCallback(this, id, [](SRForm* form, int32_t which) { form->OnButton(which); }), true, true);
    _widgets.AddWidget(button);
    _buttons.emplace_back(id, button);
    return button;
}

SRForm::~SRForm()
{
    delete _dateDigits;
    delete _cashDigits;
    // The next screen's construction stops time again at once.
    GameState::SetSimulationRunning(true);
}

GfxButton* SRForm::GetButton(int32_t id) const
{
    for (const auto& [which, button] : _buttons)
    {
        if (which == id)
            return button;
    }
    return nullptr;
}

void SRForm::SetButtonEnabled(int32_t id, bool enabled)
{
    GfxButton* button = GetButton(id);
    ASSERT(button && "no such button on this screen");
    if (button->IsEnabled() == enabled)
        return;
    if (enabled)
        button->Enable();
    else
        button->Disable();
    button->Draw();
}

void SRForm::SetMenuReturn(bool set)
{
    s_menuReturn = set;
}

bool SRForm::IsMenuReturn()
{
    return s_menuReturn;
}

int32_t SRForm::MelodySound(int32_t melody)
{
    ASSERT(melody > MELODY_NONE && melody <= MELODY_HIGHSCORE && "no such melody");
    return MELODY_SOUNDS[melody];
}

CentralFormChanger* SRForm::Navigation() const
{
    CentralFormChanger* changer = CentralFormChanger::Get();
    ASSERT(changer && "game screens live under the navigation form");
    return changer;
}

void SRForm::GoTo(int32_t screen)
{
    Navigation()->ChangeForm(screen);
    Hide();
}

void SRForm::Back()
{
    Navigation()->GoBack();
    Hide();
}

ItemListPanel* SRForm::AddList(bool selectionEnabled)
{
    ASSERT(!_scrollBar && "one list per screen");
    auto* list = new ItemListPanel(LIST_X, LIST_Y, this, LIST_BACKGROUND, LIST_SELECTION, selectionEnabled);
    _widgets.AddWidget(list);
    _scrollBar = new ScrollBar(SCROLL_BAR_X, LIST_Y, this, list, "sr_ScrollVerticalUp_button.bmp",
                               "sr_ScrollVerticalDown_button.bmp", "sr_ScrollLine.bmp",
                               "sr_ScrollVertical_bar.bmp", true);
    _widgets.AddWidget(_scrollBar);
    return list;
}

PopupMenu* SRForm::AddGoPopup(int32_t self)
{
    static constexpr struct
    {
        const char* bitmap;
        int32_t screen;
    } ENTRIES[] = {
        {"sr_Popup1Retire_button.bmp", Screens::REALLY_RETIRE},
        {"sr_Popup1Statistics_button.bmp", Screens::STATISTICS},
        {"sr_Popup1Bank_button.bmp", Screens::BANK},
        {"sr_Popup1Airports_button.bmp", Screens::AIRPORTS},
        {"sr_Popup1Planes_button.bmp", Screens::PLANES},
    };
    auto* popup = new PopupMenu(11, 238, "sr_Go_button.bmp", this);
    for (const auto& entry : ENTRIES)
    {
        const int32_t screen = entry.screen;
        popup->AddItem(entry.bitmap, [this, screen](PopupItem*) { GoTo(screen); }, screen == self);
    }
    // Last in the list: open, it lies over everything else.
    _widgets.AddWidget(popup);
    return popup;
}

void SRForm::OnButton(int32_t) {}

void SRForm::PaintContent() {}

std::string SRForm::GetTitleText() const
{
    return _layout.title ? _layout.title : "";
}

void SRForm::OnEvent(ScheduledEvent*) {}

void SRForm::DrawText(int32_t font, int32_t x, int32_t y, const char* text)
{
    SetFont(GfxResources::GetFont(font), false);
    DrawString(x, y, text, ROP_DEFAULT);
}

void SRForm::DrawCentred(int32_t font, int32_t y, const char* text)
{
    SetFont(GfxResources::GetFont(font), false);
    DrawString((WIDTH - TextWidth(text)) / 2, y, text, ROP_DEFAULT);
}

void SRForm::DrawRightAligned(int32_t font, int32_t x, int32_t y, const char* text)
{
    SetFont(GfxResources::GetFont(font), false);
    DrawString(x - TextWidth(text), y, text, ROP_DEFAULT);
}

void SRForm::PaintFrame()
{
    Bitmap* background = GfxResources::GetBitmap(GfxResources::BMP_SCREEN_BACKGROUND);
    if (IsFramed())
    {
        // A dialog keeps the previous screen's strips; after Time & Cash or
        // the main menu those hold no top bar, so it is drawn afresh.
        const int32_t previous = CentralFormChanger::Get() ? CentralFormChanger::Get()->PreviousForm() : -1;
        if (previous != Screens::TIME_AND_CASH && !s_menuReturn)
            DrawTopBar(true);
        Blit(SharedFrame(), 0, 0, WIDTH, FRAME_TOP, 0, 0, SRCCOPY);
        background->DrawPart(this, 0, FRAME_TOP, Rect{{0, FRAME_TOP}, {WIDTH, FRAME_BOTTOM - FRAME_TOP}}, SRCCOPY);
        // A dialog with buttons of its own below the window takes a plain
        // bottom strip: the covered screen's buttons would show between them.
        if (HasButtonsBelowWindow())
            background->DrawPart(this, 0, FRAME_BOTTOM, Rect{{0, FRAME_BOTTOM}, {WIDTH, HEIGHT - FRAME_BOTTOM}},
                                 SRCCOPY);
        else
            Blit(SharedFrame(), 0, FRAME_BOTTOM, WIDTH, HEIGHT - FRAME_BOTTOM, 0, FRAME_BOTTOM, SRCCOPY);
        GfxResources::GetWindowFrame()->Draw(this, 0, FRAME_TOP, ROP_DEFAULT);
        return;
    }
    background->Draw(this, 0, 0, SRCCOPY);
    int32_t top = GfxResources::BMP_SCREEN_TOP;
    if (_layout.top == ScreenLayout::Top::PLAIN)
        top = GfxResources::BMP_SCREEN_TOP_PLAIN;
    else if (_layout.top == ScreenLayout::Top::BACK)
        top = GfxResources::BMP_SCREEN_TOP_REV;
    GfxResources::GetBitmap(top)->Draw(this, 0, 0, SRCCOPY);
}

bool SRForm::HasButtonsBelowWindow() const
{
    for (const auto& entry : _buttons)
    {
        if (entry.second->GetY() >= FRAME_BOTTOM)
            return true;
    }
    return false;
}

void SRForm::SaveStrips()
{
    OffscreenWindow* frame = SharedFrame();
    frame->Blit(this, 0, 0, WIDTH, FRAME_TOP, 0, 0, SRCCOPY);
    frame->Blit(this, 0, FRAME_BOTTOM, WIDTH, HEIGHT - FRAME_BOTTOM, 0, FRAME_BOTTOM, SRCCOPY);
}

void SRForm::Paint()
{
    PaintFrame();
    if (_layout.title)
    {
        if (_layout.titleX == CENTRED)
            DrawCentred(GfxResources::FONT_MENU, _layout.titleY, _layout.title);
        else
            DrawText(GfxResources::FONT_MENU, _layout.titleX, _layout.titleY, _layout.title);
    }
    for (const ScreenText& line : _layout.texts)
    {
        if (line.x == CENTRED)
            DrawCentred(line.font, line.y, line.text);
        else
            DrawText(line.font, line.x, line.y, line.text);
    }
    PaintContent();
    _widgets.Draw();
    if (_layout.top == ScreenLayout::Top::TOP_BAR)
        DrawTopBar(false);
    // A dialog keeps the strips of the screen it covers, so the next dialog
    // shows that screen too, never this one's buttons.
    if (_stripsPending && !IsFramed())
    {
        _stripsPending = false;
        SaveStrips();
    }
}

void SRForm::DrawTopBar(bool force)
{
    if (!_layout.running && !force)
        return;
    OffscreenWindow* scratch = GfxResources::GetBackBufferA();
    GfxResources::GetBitmap(GfxResources::BMP_SCREEN_TOP)
        ->DrawPart(scratch, 0, 0, Rect{{TOP_BAR_X, 0}, {TOP_BAR_WIDTH, TOP_BAR_HEIGHT}}, SRCCOPY);
    const std::string cash = CashText(CompanyCash());
    scratch->SetFont(_cashDigits, false);
    scratch->DrawString(CASH_RIGHT - TOP_BAR_X - scratch->TextWidth(cash.c_str()), CASH_Y, cash.c_str(), SRCCOPY);
    const std::string date = DateText();
    scratch->SetFont(_dateDigits, false);
    scratch->DrawString(DATE_X - TOP_BAR_X, DATE_Y, date.c_str(), SRCCOPY);
    const int32_t lit = LitLamps(TimeSimulation::GetGameSpeed());
    for (int32_t i = 0; i < 4; ++i)
    {
        scratch->FillSolid(Rect{{LAMP_X[i] - TOP_BAR_X, LAMP_Y}, {LAMP_SIZE, LAMP_SIZE}},
                           i < lit ? LAMP_LIT : LAMP_UNLIT);
    }
    scratch->SetFont(nullptr, false);
    Window* target = force ? static_cast<Window*>(SharedFrame()) : this;
    target->Blit(scratch, 0, 0, TOP_BAR_WIDTH, TOP_BAR_HEIGHT, TOP_BAR_X, 0, SRCCOPY);
}

void SRForm::OnShow()
{
    GameState::SetSimulationRunning(_layout.running);
}

void SRForm::OnHide()
{
    s_menuReturn = false;
    GameState::SetSimulationRunning(false);
}

void SRForm::OnCommand(uint16_t id)
{
    if (id == COMMAND_MAIN_MENU)
        GoTo(Screens::MAIN_MENU);
    else if (id == COMMAND_EXIT)
    {
        if (Application* app = Application::Get())
            app->PostQuitMessage(0);
    }
}

bool SRForm::OnKey(uint32_t keyBit, bool pressed)
{
    if (!_layout.running || !pressed)
        return false;
    if (keyBit == GameOptions::JumpKey())
    {
        TimeSimulation::SkipToNextNotice();
        return true;
    }
    if (keyBit == GameOptions::SpeedUpKey())
        TimeSimulation::SpeedUp();
    else if (keyBit == GameOptions::SpeedDownKey())
        TimeSimulation::SpeedDown();
    else
        return false;
    DrawTopBar(false);
    return true;
}

bool SRForm::OnIdle()
{
    if (_melody != MELODY_NONE)
    {
        if (GameOptions::IsSoundOn())
            GameSound::Play(MelodySound(_melody));
        _melody = MELODY_NONE;
    }
    // Held scroll arrows and dirty lists act on every idle step.
    _widgets.Update();
    if (!_layout.running)
        return true;
    const uint32_t now = GetTickCount();
    if (now - _panelTick < TOP_BAR_REFRESH)
        return true;
    _panelTick = now;
    if (_layout.top == ScreenLayout::Top::TOP_BAR)
        DrawTopBar(false);
    return true;
}

void SRForm::OnStylusDown(int16_t x, int16_t y)
{
    if (y < TOP_BAR_TAP_LIMIT && !IsFramed())
        _topBarArmed = true;
    _widgets.OnStylusDown(x, y);
}

void SRForm::OnStylusMove(int16_t x, int16_t y)
{
    _widgets.OnStylusMove(x, y);
}

void SRForm::OnStylusUp(int16_t x, int16_t y)
{
    const bool armed = _topBarArmed && y < TOP_BAR_TAP_LIMIT;
    _topBarArmed = false;
    if (armed && !_widgets.IsOverlayOpen())
    {
        if (!_layout.backOnTopBar && x > TOP_BAR_X)
        {
            GoTo(Screens::TIME_AND_CASH);
            return;
        }
        if (_layout.backOnTopBar && x < TOP_BAR_X)
        {
            Back();
            return;
        }
    }
    _widgets.OnStylusUp(x, y);
}

void SRForm::Describe(ScreenDump& dump)
{
    Form::Describe(dump);
    dump.screen = _number;
    dump.title = GetTitleText();
    _widgets.Describe(dump);
    if (_layout.running && _layout.top == ScreenLayout::Top::TOP_BAR)
    {
        dump.topBar.shown = true;
        dump.topBar.cash = CompanyCash();
        dump.topBar.date = DateText();
        dump.topBar.lamps = LitLamps(TimeSimulation::GetGameSpeed());
    }
}
