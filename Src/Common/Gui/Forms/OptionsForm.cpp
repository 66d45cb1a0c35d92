#include "Common/Gui/Forms/OptionsForm.h"

#include "Common/Gui/Controls/BasicRadioButton.h"
#include "Common/Gui/Controls/GfxRadioButton.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/GameOptions.h"
#include "WinCE/Bitmap.h"
#include "WinCE/TickCount.h"
#include "Wkr/Gui/Callback.h"
#include "Wkr/Gui/GfxButton.h"

namespace
{
constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_YELLOW, 99, 46, "Sound"}, {GfxResources::FONT_TEXT, 114, 72, "On"},
    {GfxResources::FONT_TEXT, 114, 92, "Off"},    {GfxResources::FONT_YELLOW, 60, 119, "Show distances in"},
    {GfxResources::FONT_TEXT, 114, 147, "Km"},    {GfxResources::FONT_TEXT, 114, 167, "Miles"},
};

constexpr ScreenButton BUTTONS[] = {
    {OptionsForm::REDEFINE, "sr_redefine_button.bmp", 58, 193},
    {OptionsForm::OK, "sr_Ok_button.bmp", 89, 238},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::PLAIN, false, false, "Options", SRForm::CENTRED, 7, TEXTS, BUTTONS,
};

constexpr const char* RADIO_IMAGE = "sr_Radio_Button.bmp";
constexpr int16_t RADIO_X = 96;

// The prompt strip lies where the redefine button stands; the prompt is
// centred at y 197.
constexpr int16_t STRIP_X = 20;
constexpr int16_t STRIP_Y = 193;
constexpr int32_t PROMPT_Y = 197;
constexpr Rect BUTTON_AREA = {{58, 193}, {124, 24}};

// The names of the keys in the order they are asked for.
constexpr const char* KEY_NAMES[3] = {"decrease speed", "increase speed", "next event"};

// Runs a choice of a radio pair: true for its first button.
class ChoiceCallback : public Callback
{
public:
    ChoiceCallback(void (*choose)(bool), bool first) : _choose(choose), _first(first) {}
    void Invoke() override { _choose(_first); }

private:
    void (*_choose)(bool);
    bool _first;
};
} // namespace

// Two radio buttons that exclude each other, with the group they share: the
// buttons leave the group when deleted, so the pair deletes them first.
class OptionsForm::RadioPair : public Widget
{
public:
    RadioPair(Window* parent, int16_t firstY, int16_t secondY, void (*choose)(bool))
    {
        _first = new GfxRadioButton(&_group, true, RADIO_IMAGE, RADIO_X, firstY, parent,
                                    new ChoiceCallback(choose, true));
        _second = new GfxRadioButton(&_group, false, RADIO_IMAGE, RADIO_X, secondY, parent,
                                     new ChoiceCallback(choose, false));
    }
    ~RadioPair() override
    {
        delete _second;
        delete _first;
    }

    // Selects a button without drawing, before the form is painted.
    void Select(bool first) { (first ? _first : _second)->SetChecked(); }
    bool IsFirstChecked() const { return _first->IsChecked(); }

    void Draw() override
    {
        _first->Draw();
        _second->Draw();
    }
    bool OnStylusDown(int16_t x, int16_t y) override
    {
        return _first->OnStylusDown(x, y) || _second->OnStylusDown(x, y);
    }

private:
    RadioGroup _group;
    GfxRadioButton* _first;
    GfxRadioButton* _second;
};

OptionsForm::OptionsForm() : MenuScreen(LAYOUT)
{
    _sound = new RadioPair(this, 72, 92,
                           [](bool on)
                           {
                               GameOptions::SetSound(on);
                               GameOptions::SetSystemSound(false);
                           });
    _unit = new RadioPair(this, 147, 167, [](bool kilometres) { GameOptions::SetKilometres(kilometres); });
    Widgets().AddWidget(_sound);
    Widgets().AddWidget(_unit);
    GameOptions::FillUnsetKeys();
    SelectRadios();
}

OptionsForm::~OptionsForm() = default;

void OptionsForm::SelectRadios()
{
    _sound->Select(GameOptions::IsSoundOn());
    _unit->Select(GameOptions::UsesKilometres());
}

bool OptionsForm::IsSoundOnChecked() const
{
    return _sound->IsFirstChecked();
}

bool OptionsForm::IsKilometresChecked() const
{
    return _unit->IsFirstChecked();
}

void OptionsForm::OnShow()
{
    MenuScreen::OnShow();
    // The options may have changed since the last showing: a save was
    // restored, or a test or script set them.
    SelectRadios();
}

void OptionsForm::OnButton(int32_t id)
{
    if (id == REDEFINE)
    {
        StartRedefinition();
        return;
    }
    Hide();
}

void OptionsForm::OnHide()
{
    MenuScreen::OnHide();
    // However the form is left (OK, the menu bar), the questions end there.
    EndRedefinition();
}

void OptionsForm::StartRedefinition()
{
    _keys = {NO_KEY, NO_KEY, NO_KEY};
    _refused = IDLE;
    GfxButton* button = GetButton(REDEFINE);
    button->Disable();
    // The prompt strip takes the button's place until the keys are chosen.
    button->SetVisible(false);
    SetState(ASK_SPEED_DOWN);
}

void OptionsForm::EndRedefinition()
{
    GfxButton* button = GetButton(REDEFINE);
    button->SetVisible(true);
    button->Enable();
    if (_state != IDLE)
        SetState(IDLE);
}

void OptionsForm::SetState(int32_t state)
{
    _state = state;
    if (IsVisible())
        Redraw();
}

std::string OptionsForm::GetPrompt() const
{
    switch (_state)
    {
    case KEY_IN_USE:
        return "Key in use. Press another key!";
    case ASK_SPEED_DOWN:
    case ASK_SPEED_UP:
    case ASK_JUMP:
        return std::string("Press new ") + KEY_NAMES[_state - ASK_SPEED_DOWN] + " key.";
    case GOT_SPEED_DOWN:
    case GOT_SPEED_UP:
    case GOT_JUMP:
        return std::string("You pressed ") + KEY_NAMES[_state - GOT_SPEED_DOWN] + " key.";
    case FINISHING:
        // The last answer stays up for the one idle step this state lasts.
        return std::string("You pressed ") + KEY_NAMES[2] + " key.";
    default:
        return "";
    }
}

void OptionsForm::PaintContent()
{
    if (_state == IDLE)
        return;
    GfxResources::GetBitmap(GfxResources::BMP_SCREEN_BACKGROUND)
        ->DrawPart(this, BUTTON_AREA.origin.x, BUTTON_AREA.origin.y, BUTTON_AREA, SRCCOPY);
    GfxResources::GetBitmap(GfxResources::BMP_PANEL_LINE)->Draw(this, STRIP_X, STRIP_Y, SRCCOPY);
    DrawCentred(GfxResources::FONT_TEXT, PROMPT_Y, GetPrompt().c_str());
}

void OptionsForm::TakeKey(uint32_t keyBit)
{
    const int32_t asked = _state - ASK_SPEED_DOWN;
    for (int32_t other = 0; other < 3; ++other)
    {
        if (other != asked && _keys[other] == keyBit)
        {
            _refused = _state;
            SetState(KEY_IN_USE);
            return;
        }
    }
    _keys[asked] = keyBit;
    if (_state == ASK_JUMP)
        GameOptions::SetKeys(_keys[2], _keys[1], _keys[0]);
    SetState(_state + (GOT_SPEED_DOWN - ASK_SPEED_DOWN));
}

bool OptionsForm::OnKey(uint32_t keyBit, bool pressed)
{
    // The game keys act only on running screens; this form keeps time
    // stopped, but the keys go the same way as everywhere.
    const bool used = MenuScreen::OnKey(keyBit, pressed);
    if (!pressed || _state < ASK_SPEED_DOWN || _state > ASK_JUMP || !GameOptions::IsGameKey(keyBit))
        return used;
    _lastKeyTick = GetTickCount();
    TakeKey(keyBit);
    return true;
}

bool OptionsForm::OnIdle()
{
    const bool result = MenuScreen::OnIdle();
    const bool waiting = _state == IDLE || (_state >= ASK_SPEED_DOWN && _state <= ASK_JUMP);
    if (waiting || GetTickCount() - _lastKeyTick < ADVANCE_TIME)
        return result;
    switch (_state)
    {
    case KEY_IN_USE:
        SetState(_refused);
        break;
    case GOT_SPEED_DOWN:
        SetState(ASK_SPEED_UP);
        break;
    case GOT_SPEED_UP:
        SetState(ASK_JUMP);
        break;
    case GOT_JUMP:
        SetState(FINISHING);
        break;
    default:
        EndRedefinition();
        break;
    }
    return result;
}
