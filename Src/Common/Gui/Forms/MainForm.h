// MainForm: the application's main form: the splash sequence and the main
// menu.
//
// After creation the first idle step shows the publisher splash; every 3
// seconds (or at a tap) the next stage follows: the game splash, then the
// menu with its seven buttons. Exit (and the quit key) ends the program,
// About opens the scrolling credits, New Game and Resume hand over to the
// navigation form that shows the game screens. The form also carries what
// the game saves under "MainForm": "_gameactive" and the blocks of the
// navigation state, the options and the high score table.
#pragma once

#include "WinCE/Form.h"
#include "Wkr/Gui/WidgetList.h"
#include "Wkrimp/Config/ConfigBlock.h"

#include <string>

class AboutForm;
class Bitmap;
class CentralFormChanger;
class GfxButton;
class HighScoreTable;

class MainForm : public Form
{
public:
    enum Stage
    {
        STAGE_NONE = 0,
        STAGE_PUBLISHER = 1,
        STAGE_GAME = 2,
        STAGE_MENU = 3,
    };

    // A form of 240 x 268 at (0, 0).
    explicit MainForm(const char* title);
    ~MainForm() override;

    void Paint() override;
    void OnStylusMove(int16_t x, int16_t y) override;
    void OnStylusUp(int16_t x, int16_t y) override;
    void OnStylusDown(int16_t x, int16_t y) override;
    void OnActivate() override;
    bool OnKey(uint32_t keyBit, bool pressed) override;
    bool OnIdle() override;
    // The menu's buttons once the menu is shown.
    void Describe(ScreenDump& dump) override;

    void Save(ConfigBlock& block) const;
    // Loads what the block holds. Without `withGame` only the settings (the
    // options and the high score table) are taken and the game is left
    // inactive: the game part of the save was lost. False, with the reason,
    // when the block is damaged (a value of the wrong size, a plain value
    // where a block belongs); nothing of the game is taken then.
    bool Load(const ConfigBlock& block, bool withGame, std::string* error);

    int32_t GetStage() const { return _stage; }
    bool IsGameActive() const { return _gameactive; }
    void SetGameActive(bool active) { _gameactive = active; }
    AboutForm* GetAboutForm() const { return _aboutForm; }
    CentralFormChanger* GetNavigation() const { return _navigation; }
    // The table of the best finished games, while the main form exists.
    static HighScoreTable* HighScores();
    GfxButton* GetResumeButton() const { return _resume; }

    // Milliseconds each splash stays up without a tap.
    static constexpr uint32_t STAGE_TIME = 3000;

private:
    void NextStage();
    void OnExit();
    void OnNewGame();
    void OnResume();
    void OnHighscores();
    void OnOptions();
    void OnHelp();
    void OnAbout();

    Bitmap* _background;
    Bitmap* _publisherSplash;
    Bitmap* _gameSplash;
    WidgetList _widgets;
    GfxButton* _resume = nullptr;
    bool _gameactive = false;
    AboutForm* _aboutForm;
    CentralFormChanger* _navigation;
    HighScoreTable* _highscores;
    int32_t _stage = STAGE_NONE;
    uint32_t _stageTick = 0;
};
