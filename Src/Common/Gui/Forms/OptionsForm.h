// OptionsForm: the main menu's "Options": sound on or off, distances in
// kilometres or miles, and the three game keys.
//
// The radio buttons act at once on the process-wide GameOptions, which the
// whole game reads and the main form saves; every showing selects the
// buttons that match the options in force (a restored save included).
//
// "Redefine" asks for the three keys in turn (decrease speed, increase speed,
// next event) with a prompt in a strip where the button stood. A key already
// taken by another of the three is refused with "Key in use. Press another
// key!" and asked for again; the up and down keys are never taken. Each
// answer shows for 700 ms before the next question. The new keys replace the
// old ones together once all three are chosen; leaving the form in the
// middle of the questions (OK, or "Main menu" on the menu bar) ends them and
// keeps the old keys, so the game is never left with a key missing.
#pragma once

#include "Common/Gui/Forms/MenuScreen.h"

#include <array>
#include <string>

class OptionsForm : public MenuScreen
{
public:
    // The redefinition's states: idle, the "in use" message, the three
    // questions, the three answers and the last step back to idle.
    enum State
    {
        IDLE = -1,
        KEY_IN_USE = 0,
        ASK_SPEED_DOWN = 1,
        ASK_SPEED_UP = 2,
        ASK_JUMP = 3,
        GOT_SPEED_DOWN = 4,
        GOT_SPEED_UP = 5,
        GOT_JUMP = 6,
        FINISHING = 7,
    };
    // How long an answer or the refusal stays before the next step.
    static constexpr uint32_t ADVANCE_TIME = 700;
    // A key not chosen yet.
    static constexpr uint32_t NO_KEY = 0xFFFFFFFF;

    OptionsForm();
    ~OptionsForm() override;

    void OnShow() override;
    void OnHide() override;
    bool OnKey(uint32_t keyBit, bool pressed) override;
    bool OnIdle() override;

    int32_t GetState() const { return _state; }
    // The prompt the strip shows in the current state; empty while idle.
    std::string GetPrompt() const;
    bool IsSoundOnChecked() const;
    bool IsKilometresChecked() const;

    enum Button
    {
        REDEFINE,
        OK,
    };

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;

private:
    class RadioPair;

    void StartRedefinition();
    void EndRedefinition();
    void TakeKey(uint32_t keyBit);
    void SetState(int32_t state);
    void SelectRadios();

    RadioPair* _sound;
    RadioPair* _unit;
    int32_t _state = IDLE;
    int32_t _refused = IDLE;
    uint32_t _lastKeyTick = 0;
    // The keys being chosen: decrease speed, increase speed, next event.
    std::array<uint32_t, 3> _keys = {NO_KEY, NO_KEY, NO_KEY};
};
