#include "Common/Gui/Forms/MainForm.h"

#include "Common/Gui/Forms/AboutForm.h"
#include "Common/SkyreachApp.h"
#include "WinCE/Application.h"
#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/TickCount.h"
#include "Wkr/Gui/GfxButton.h"

MainForm::MainForm(const char* title)
    : Form(title, 0, 0, 240, 268, false, 0), _background(new Bitmap("sr_MainMenu_screen.bmp")),
      _publisherSplash(new Bitmap("pxsplash.bmp")), _gameSplash(new Bitmap("sr_Splash_screen.bmp")),
      _aboutForm(new AboutForm)
{
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
    // Time stands still while the menu is shown.
    SkyreachApp::SetSimulationRunning(false);
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
    // The company name and home airport screens take over from here in the
    // next round of work; starting a game already marks it active, so the
    // menu offers to resume it, now and after a restart.
    _gameactive = true;
    Redraw();
}

void MainForm::OnResume()
{
    // Resuming returns to the screen the navigation state remembers; those
    // screens come with the next round of work, so for now nothing happens.
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
    if (_hasNavigation)
        block.PutBlock("CentralFormChanger", _navigation);
    if (_hasOptions)
        block.PutBlock("OptionsForm", _options);
    if (_hasHighscore)
        block.PutBlock("Highscore", _highscore);
}

bool MainForm::Load(const ConfigBlock& block, bool withGame, std::string* error)
{
    ConfigBlock::LenientReads lenient;
    _hasOptions = block.GetBlock("OptionsForm", _options);
    _hasHighscore = block.GetBlock("Highscore", _highscore);
    if (withGame)
    {
        // Read as a byte: any value but 0 counts as set.
        uint8_t active = 0;
        if (block.Get("_gameactive", active))
            _gameactive = active != 0;
        _hasNavigation = block.GetBlock("CentralFormChanger", _navigation);
    }
    if (lenient.Mangled() > 0)
    {
        if (error)
            *error = "the main form's block holds values of the wrong size";
        _gameactive = false;
        return false;
    }
    return true;
}
