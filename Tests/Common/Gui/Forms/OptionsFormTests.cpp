#include "MenuScreenTestSupport.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/Notices.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/GameOptions.h"
#include "Common/Gui/Forms/NoticeForm.h"
#include "Common/Gui/Forms/OptionsForm.h"
#include "WinCE/MenuBar.h"
#include "Wkrimp/Config/ConfigBlock.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{
class OptionsFormTest : public game_test::MenuScreenTest
{
protected:
    void TearDown() override
    {
        // The options are process-wide: the next test starts from the defaults.
        GameOptions::Reset();
        MenuScreenTest::TearDown();
    }
    OptionsForm* options() const { return menu()->GetOptionsForm(); }
    // The menu's Options button, then the form is shown.
    void OpenOptions()
    {
        TapAt(menu(), 110, 183);
        ASSERT_TRUE(options()->IsVisible());
    }
    // The radio buttons stand at x 96; taps at their middle.
    void TapRadio(int32_t y) { TapAt(options(), 102, y + 6); }
    static constexpr int32_t SOUND_ON = 72;
    static constexpr int32_t SOUND_OFF = 92;
    static constexpr int32_t KM = 147;
    static constexpr int32_t MILES = 167;
};

// One step of a redefinition: a script line and what the form shows after it.
struct RedefineStep
{
    const char* script;
    int32_t state;
    const char* prompt;
};

TEST_F(OptionsFormTest, RedefinitionAsksForTheThreeKeysAndRefusesOneInUse)
{
    StartAtMenu();
    OpenOptions();
    ASSERT_EQ(GameOptions::DEFAULT_SPEED_UP_KEY, GameOptions::SpeedUpKey());
    Press(options(), OptionsForm::REDEFINE);
    EXPECT_FALSE(options()->GetButton(OptionsForm::REDEFINE)->IsEnabled());
    const RedefineStep steps[] = {
        {"", OptionsForm::ASK_SPEED_DOWN, "Press new decrease speed key."},
        // Up and down are never taken.
        {"key up\nkey down\n", OptionsForm::ASK_SPEED_DOWN, "Press new decrease speed key."},
        // B, the old increase-speed key, is free: the old keys were cleared.
        {"key b\n", OptionsForm::GOT_SPEED_DOWN, "You pressed decrease speed key."},
        {"wait 600\n", OptionsForm::GOT_SPEED_DOWN, "You pressed decrease speed key."},
        {"wait 150\n", OptionsForm::ASK_SPEED_UP, "Press new increase speed key."},
        // The key just chosen is refused, and asked for again after 700 ms.
        {"key b\n", OptionsForm::KEY_IN_USE, "Key in use. Press another key!"},
        {"key a\n", OptionsForm::KEY_IN_USE, "Key in use. Press another key!"},
        {"wait 750\n", OptionsForm::ASK_SPEED_UP, "Press new increase speed key."},
        {"key a\n", OptionsForm::GOT_SPEED_UP, "You pressed increase speed key."},
        {"wait 750\n", OptionsForm::ASK_JUMP, "Press new next event key."},
        {"key a\n", OptionsForm::KEY_IN_USE, "Key in use. Press another key!"},
        {"wait 750\n", OptionsForm::ASK_JUMP, "Press new next event key."},
        {"key f2\n", OptionsForm::GOT_JUMP, "You pressed next event key."},
        {"wait 750\n", OptionsForm::IDLE, ""},
    };
    for (const RedefineStep& step : steps)
    {
        SCOPED_TRACE(step.script);
        Run(step.script);
        EXPECT_EQ(step.state, options()->GetState());
        EXPECT_EQ(step.prompt, options()->GetPrompt());
        if (*step.prompt)
        {
            const std::vector<std::string> texts = Texts(options());
            EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), step.prompt))
                << "the prompt is drawn";
        }
    }
    EXPECT_TRUE(options()->GetButton(OptionsForm::REDEFINE)->IsEnabled());
    EXPECT_EQ(KEY_B, GameOptions::SpeedDownKey());
    EXPECT_EQ(KEY_A, GameOptions::SpeedUpKey());
    EXPECT_EQ(KEY_F2, GameOptions::JumpKey());
}

TEST_F(OptionsFormTest, OkInTheMiddleOfARedefinitionKeepsTheOldKeys)
{
    StartAtMenu();
    OpenOptions();
    Press(options(), OptionsForm::REDEFINE);
    Run("key c\nwait 750\nkey f1\n");
    ASSERT_EQ(OptionsForm::GOT_SPEED_UP, options()->GetState());
    Press(options(), OptionsForm::OK);
    EXPECT_FALSE(options()->IsVisible());
    EXPECT_EQ(menu(), Form::GetActiveForm()) << "OK returns to the menu";
    EXPECT_EQ(OptionsForm::IDLE, options()->GetState());
    EXPECT_EQ(GameOptions::DEFAULT_SPEED_DOWN_KEY, GameOptions::SpeedDownKey());
    EXPECT_EQ(GameOptions::DEFAULT_SPEED_UP_KEY, GameOptions::SpeedUpKey());
    EXPECT_EQ(GameOptions::DEFAULT_JUMP_KEY, GameOptions::JumpKey());
    OpenOptions();
    EXPECT_TRUE(options()->GetButton(OptionsForm::REDEFINE)->IsEnabled());
    EXPECT_EQ("", options()->GetPrompt());
}

TEST_F(OptionsFormTest, ChoicesSurviveARestartAndChangeTheUnitsShown)
{
    // A first start shows miles, whatever the process held before.
    GameOptions::SetKilometres(true);
    StartAtMenu();
    EXPECT_FALSE(GameOptions::UsesKilometres());
    OpenOptions();
    EXPECT_TRUE(options()->IsSoundOnChecked());
    EXPECT_FALSE(options()->IsKilometresChecked()) << "miles by default";
    TapRadio(SOUND_OFF);
    TapRadio(KM);
    EXPECT_FALSE(GameOptions::IsSoundOn());
    EXPECT_FALSE(GameOptions::GetSystemSound()) << "choosing On or Off clears the system sound";
    EXPECT_TRUE(GameOptions::UsesKilometres());
    Press(options(), OptionsForm::REDEFINE);
    Run("key left\nwait 750\nkey right\nwait 750\nkey c\nwait 750\n");
    Press(options(), OptionsForm::OK);
    Stop();

    // Nothing of the old run stays but what the save holds.
    GameOptions::Reset();
    Start();
    EXPECT_FALSE(GameOptions::IsSoundOn());
    EXPECT_TRUE(GameOptions::UsesKilometres());
    EXPECT_FALSE(GameOptions::GetSystemSound());
    EXPECT_EQ(KEY_LEFT, GameOptions::SpeedDownKey());
    EXPECT_EQ(KEY_RIGHT, GameOptions::SpeedUpKey());
    EXPECT_EQ(KEY_C, GameOptions::JumpKey());
    Run("wait 25\ntap 1 100\ntap 1 100\n");
    OpenOptions();
    EXPECT_FALSE(options()->IsSoundOnChecked()) << "the loaded options select their radio buttons";
    EXPECT_TRUE(options()->IsKilometresChecked());
    Press(options(), OptionsForm::OK);

    // A plane model's figures follow the unit, back and forth.
    ASSERT_TRUE(GameState::NewGame("Unit Air", GameState::HomeAirportCandidates().front()));
    menu()->SetGameActive(true);
    const PlaneModel model = Enviroment::GetPlaneModel(0);
    const auto speedLine = [&]()
    {
        Enviroment::SetDialogModel(0);
        menu()->GetNavigation()->ChangeForm(Screens::NEW_MODEL);
        menu()->GetNavigation()->Show();
        Run("wait 75\n");
        auto* notice = dynamic_cast<NoticeForm*>(menu()->GetNavigation()->GetScreen());
        std::string line;
        for (const NoticeForm::Line& l : notice ? notice->GetLines() : std::vector<NoticeForm::Line>{})
            line = line.empty() && l.text.rfind("Speed:", 0) == 0 ? l.text : line;
        if (notice)
            notice->OnCommand(COMMAND_MAIN_MENU);
        Run("wait 75\n");
        EXPECT_EQ(menu(), Form::GetActiveForm());
        return line;
    };
    EXPECT_EQ("Speed: " + std::to_string(model._speed) + " km/h", speedLine());
    OpenOptions();
    TapRadio(MILES);
    EXPECT_FALSE(GameOptions::UsesKilometres());
    Press(options(), OptionsForm::OK);
    EXPECT_EQ("Speed: " + std::to_string(static_cast<int32_t>(model._speed / 1.609)) + " mph", speedLine());
}

TEST_F(OptionsFormTest, SoundOnComesBackAndTheMenuCommandAndTopStripLeaveTheGameAlone)
{
    StartAtMenu();
    OpenOptions();
    TapRadio(SOUND_OFF);
    TapRadio(SOUND_ON);
    EXPECT_TRUE(GameOptions::IsSoundOn());
    EXPECT_TRUE(options()->IsSoundOnChecked());
    EXPECT_EQ(MenuScreen::NOT_NUMBERED, options()->GetNumber());
    EXPECT_FALSE(GameState::IsSimulationRunning()) << "time stands still";
    // The top strip's shortcuts belong to game screens.
    CentralFormChanger* navigation = menu()->GetNavigation();
    const int32_t current = navigation->GetCurrentNumber();
    TapAt(options(), 200, 10);
    EXPECT_TRUE(options()->IsVisible());
    EXPECT_FALSE(navigation->IsVisible());
    Press(options(), OptionsForm::REDEFINE);
    options()->OnCommand(COMMAND_MAIN_MENU);
    Run("wait 50\n");
    EXPECT_FALSE(options()->IsVisible());
    EXPECT_EQ(OptionsForm::IDLE, options()->GetState()) << "leaving ends the questions";
    EXPECT_TRUE(options()->GetButton(OptionsForm::REDEFINE)->IsEnabled());
    EXPECT_EQ(menu(), Form::GetActiveForm());
    EXPECT_EQ(current, navigation->GetCurrentNumber()) << "the navigation history is untouched";
    EXPECT_FALSE(navigation->IsChangePending());
}

// What a saved "OptionsForm" block gives; keys a save cannot mean are unset.
TEST(GameOptionsTest, LoadTakesOnlyKeysTheDeviceHasAndNoClashes)
{
    const struct
    {
        uint32_t speedUp, speedDown, jump;
        uint32_t wantUp, wantDown, wantJump;
    } cases[] = {
        {KEY_LEFT, KEY_RIGHT, KEY_F4, KEY_LEFT, KEY_RIGHT, KEY_F4},
        // Unset keys read as their defaults.
        {0, KEY_C, 0, GameOptions::DEFAULT_SPEED_UP_KEY, KEY_C, GameOptions::DEFAULT_JUMP_KEY},
        // Up and down, two bits at once, bits of no key, the "no key" value.
        {KEY_UP, KEY_LEFT | KEY_RIGHT, 0x400, GameOptions::DEFAULT_SPEED_UP_KEY,
         GameOptions::DEFAULT_SPEED_DOWN_KEY, GameOptions::DEFAULT_JUMP_KEY},
        {0xFFFFFFFF, KEY_C, KEY_BACK, GameOptions::DEFAULT_SPEED_UP_KEY, KEY_C, KEY_BACK},
        // A key doing two things, also with a default: all back to the defaults.
        {KEY_C, KEY_C, KEY_F1, GameOptions::DEFAULT_SPEED_UP_KEY, GameOptions::DEFAULT_SPEED_DOWN_KEY,
         GameOptions::DEFAULT_JUMP_KEY},
        {0, 0, GameOptions::DEFAULT_SPEED_UP_KEY, GameOptions::DEFAULT_SPEED_UP_KEY,
         GameOptions::DEFAULT_SPEED_DOWN_KEY, GameOptions::DEFAULT_JUMP_KEY},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.speedUp) + " " + std::to_string(c.speedDown) + " " +
                     std::to_string(c.jump));
        GameOptions::Reset();
        ConfigBlock block;
        block.Put("_speedUpKey", c.speedUp);
        block.Put("_speedDownKey", c.speedDown);
        block.Put("_jumpNextKey", c.jump);
        GameOptions::Load(block);
        EXPECT_EQ(c.wantUp, GameOptions::SpeedUpKey());
        EXPECT_EQ(c.wantDown, GameOptions::SpeedDownKey());
        EXPECT_EQ(c.wantJump, GameOptions::JumpKey());
    }
    GameOptions::Reset();
}

TEST(GameOptionsTest, SavesItsKeysInTheirOrder)
{
    GameOptions::Reset();
    GameOptions::SetKeys(KEY_F1, KEY_F2, KEY_F3);
    ConfigBlock block;
    GameOptions::Save(block);
    GameOptions::Reset();
    const std::vector<uint8_t> raw = block.GetRaw();
    const std::string bytes(raw.begin(), raw.end());
    size_t last = 0;
    for (const char* name : {"_sound", "_unit", "_system", "_speedUpKey", "_speedDownKey", "_jumpNextKey"})
    {
        const size_t at = bytes.find(name);
        ASSERT_NE(std::string::npos, at) << name;
        EXPECT_GE(at, last) << name << " comes in its place";
        last = at;
    }
    GameOptions::Load(block);
    EXPECT_EQ(KEY_F1, GameOptions::JumpKey());
    EXPECT_EQ(KEY_F2, GameOptions::SpeedUpKey());
    EXPECT_EQ(KEY_F3, GameOptions::SpeedDownKey());
    GameOptions::Reset();
}
} // namespace
