#include "Common/Gui/Forms/MainForm.h"

#include "Common/Gui/Forms/AboutForm.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/HighScoreTable.h"
#include "Common/Backend/Notices.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/GameOptions.h"
#include "Common/Gui/Forms/SRForm.h"
#include "WinCE/Application.h"
#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/TickCount.h"
#include "Wkr/Gui/GfxButton.h"

#include <cstring>

namespace
{
MainForm* s_instance = nullptr;
}

HighScoreTable* MainForm::HighScores()
{
    return s_instance ? s_instance->_highscores : nullptr;
}

MainForm::MainForm(const char* title)
    : Form(title, 0, 0, 240, 268, false, 0), _background(new Bitmap("sr_MainMenu_screen.bmp")),
      _publisherSplash(new Bitmap("pxsplash.bmp")), _gameSplash(new Bitmap("sr_Splash_screen.bmp")),
      _aboutForm(new AboutForm), _navigation(new CentralFormChanger),
      _highscores(new HighScoreTable(HighScoreTable::GAME_CAPACITY))
{
    ASSERT(!s_instance && "one main form");
    s_instance = this;
    _highscores->FillDefaults();
    _widgets.AddWidget(new GfxButton("exit_button.bmp", 210, 9, this,
                                     new MemberCallback<MainForm>(this, &MainForm::OnExit), true, true));
    _widgets.AddWidget(new GfxButton("sr_NewGame_button.bmp", 103, 96, this,
                                     new MemberCallback<MainForm>(this, &MainForm::OnNewGame), true, true));
    _resume = new GfxButton("sr_Resume_button.bmp", 103, 123, this,
                            new MemberCallback<MainForm>(this, &MainForm::OnResume), false, true);
    _widgets.AddWidget(_resume);
    _widgets.AddWidget(new GfxButton("sr_Highscores_button.bmp", 103, 150, this,
                                     new MemberCallback<MainForm>(this, &MainForm::OnHighscores), true,
                                     true));
    _widgets.AddWidget(new GfxButton("sr_Options_button.bmp", 103, 177, this,
                                     new MemberCallback<MainForm>(this, &MainForm::OnOptions), true, true));
    _widgets.AddWidget(new GfxButton("sr_Help_button.bmp", 103, 204, this,
                                     new MemberCallback<MainForm>(this, &MainForm::OnHelp), true, true));
    _widgets.AddWidget(new GfxButton("sr_About_button.bmp", 103, 231, this,
                                     new MemberCallback<MainForm>(this, &MainForm::OnAbout), true, true));
}

MainForm::~MainForm()
{
    delete _navigation;
    delete _highscores;
    s_instance = nullptr;
    delete _aboutForm;
    delete _gameSplash;
    delete _publisherSplash;
    delete _background;
}

void MainForm::Paint()
{
    // Every drawing restarts the stage's time.
    _stageTick = GetTickCount();
    switch (_stage)
    {
    case STAGE_NONE:
        FillSolid(Rect{{0, 0}, {_width, _height}}, COLOR_BLACK);
        break;
    case STAGE_PUBLISHER:
        _publisherSplash->Draw(this, 0, 0, SRCCOPY);
        break;
    case STAGE_GAME:
        _gameSplash->Draw(this, 0, 0, SRCCOPY);
        break;
    default:
        if (_navigation->IsGameEnded())
            _gameactive = false;
        if (_gameactive)
            _resume->Enable();
        else
            _resume->Disable();
        _background->Draw(this, 0, 0, SRCCOPY);
        _widgets.Draw();
        break;
    }
}

void MainForm::NextStage()
{
    if (_stage < STAGE_MENU)
        ++_stage;
    Redraw();
}

bool MainForm::OnIdle()
{
    if (_stage == STAGE_NONE)
        NextStage();
    else if (_stage < STAGE_MENU && GetTickCount() - _stageTick > STAGE_TIME)
        NextStage();
    else if (_stage == STAGE_MENU)
        _widgets.Update();
    // The menu keeps its idle calls coming; the host paces them.
    return true;
}

void MainForm::OnStylusDown(int16_t x, int16_t y)
{
    if (_stage == STAGE_PUBLISHER || _stage == STAGE_GAME)
    {
        NextStage();
        return;
    }
    if (_stage == STAGE_MENU)
        _widgets.OnStylusDown(x, y);
}

void MainForm::OnStylusMove(int16_t x, int16_t y)
{
    if (_stage == STAGE_MENU)
        _widgets.OnStylusMove(x, y);
}

void MainForm::OnStylusUp(int16_t x, int16_t y)
{
    if (_stage == STAGE_MENU)
        _widgets.OnStylusUp(x, y);
}

void MainForm::OnActivate()
{
    // Time stands still while the menu is shown, and the next game screen
    // draws its own top bar instead of keeping the menu's strips.
    GameState::SetSimulationRunning(false);
    SRForm::SetMenuReturn(true);
    if (_stage == STAGE_MENU)
        Invalidate();
}

bool MainForm::OnKey(uint32_t keyBit, bool pressed)
{
    if (keyBit == KEY_QUIT && pressed)
    {
        OnExit();
        return true;
    }
    return false;
}

void MainForm::OnExit()
{
    if (Application* app = Application::Get())
        app->PostQuitMessage(0);
}

void MainForm::OnNewGame()
{
    // An unfinished game is confirmed first. Starting marks the game active
    // even if the player leaves the flow before its end.
    _navigation->ChangeForm(_gameactive ? Screens::NEW_GAME : Screens::COMPANY_NAME);
    _gameactive = true;
    _navigation->Show();
}

void MainForm::OnResume()
{
    if (!_gameactive)
        return;
    _navigation->ResumeForm();
    _navigation->Show();
}

void MainForm::OnHighscores()
{
    // The high score screen comes with the next round of work.
}

void MainForm::OnOptions()
{
    // The options screen comes with the next round of work.
}

void MainForm::OnHelp()
{
    // The help screen comes with the next round of work.
}

void MainForm::OnAbout()
{
    _aboutForm->Show();
}

void MainForm::Describe(ScreenDump& dump)
{
    Form::Describe(dump);
    if (_stage == STAGE_MENU)
        _widgets.Describe(dump);
}

void MainForm::Save(ConfigBlock& block) const
{
    block.Put("_gameactive", _gameactive);
    ConfigBlock navigation;
    _navigation->Save(navigation);
    block.PutBlock("CentralFormChanger", navigation);
    ConfigBlock options;
    GameOptions::Save(options);
    block.PutBlock("OptionsForm", options);
    ConfigBlock highscore;
    _highscores->Save(highscore);
    block.PutBlock("Highscore", highscore);
}

bool MainForm::Load(const ConfigBlock& block, bool withGame, std::string* error)
{
    ConfigBlock::LenientReads lenient;
    // A plain value stored where a block belongs does not read as a block.
    std::string reason;
    const auto child = [&](const char* name, ConfigBlock& into)
    {
        if (!block.GetBlock(name, into))
        {
            const uint8_t* data = nullptr;
            int32_t length = 0;
            if (block.FindEntry(name, static_cast<int32_t>(std::strlen(name)), data, length) && reason.empty())
                reason = std::string("\"") + name + "\" is not a block";
            return false;
        }
        return true;
    };
    ConfigBlock options;
    if (child("OptionsForm", options))
        GameOptions::Load(options);
    ConfigBlock highscore;
    if (child("Highscore", highscore))
        _highscores->Load(highscore);
    if (withGame)
    {
        // Read as a byte: any value but 0 counts as set.
        uint8_t active = 0;
        if (block.Get("_gameactive", active))
            _gameactive = active != 0;
        ConfigBlock navigation;
        if (child("CentralFormChanger", navigation) && !_navigation->Load(navigation, &reason))
            _gameactive = false;
    }
    if (reason.empty() && lenient.Mangled() > 0)
        reason = "the main form's block holds values of the wrong size";
    if (!reason.empty())
    {
        if (error)
            *error = reason;
        _gameactive = false;
        _navigation->ResetState();
        return false;
    }
    return true;
}
