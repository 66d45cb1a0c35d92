#include "../../GameTestSupport.h"

#include "Common/Gui/Forms/AboutForm.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/MainForm.h"
#include "Common/Gui/Forms/SRForm.h"
#include "WinCE/MenuBar.h"
#include "Wkr/Gui/GfxButton.h"

using game_test::GameTest;

using MainFormTest = GameTest;

TEST_F(MainFormTest, SplashStagesFollowEveryThreeSeconds)
{
    Start();
    MainForm* menu = app->GetMainMenu();
    EXPECT_EQ(MainForm::STAGE_NONE, menu->GetStage());
    Run("wait 25\n");
    EXPECT_EQ(MainForm::STAGE_PUBLISHER, menu->GetStage()) << "the first idle step shows the publisher";
    Run("wait 2975\n");
    EXPECT_EQ(MainForm::STAGE_PUBLISHER, menu->GetStage()) << "not before more than 3000 ms";
    Run("wait 50\n");
    EXPECT_EQ(MainForm::STAGE_GAME, menu->GetStage());
    Run("wait 3100\n");
    EXPECT_EQ(MainForm::STAGE_MENU, menu->GetStage());
}

TEST_F(MainFormTest, TapsSkipTheSplashesOneAtATime)
{
    Start();
    MainForm* menu = app->GetMainMenu();
    Run("wait 25\ntap 120 160\n");
    EXPECT_EQ(MainForm::STAGE_GAME, menu->GetStage());
    Run("tap 220 44\n");
    EXPECT_EQ(MainForm::STAGE_MENU, menu->GetStage());
    EXPECT_FALSE(app->IsQuitPending()) << "the tap that ends the splash does not press the button under it";
}

TEST_F(MainFormTest, ResumeFollowsTheActiveGame)
{
    Start();
    MainForm* menu = app->GetMainMenu();
    Run("wait 25\ntap 1 100\ntap 1 100\n");
    EXPECT_FALSE(menu->GetResumeButton()->IsEnabled());
    Run("tap 160 133\nwait 50\n"); // New Game
    EXPECT_TRUE(menu->IsGameActive()) << "starting the flow marks the game active";
    ASSERT_NE(nullptr, menu->GetNavigation()->GetScreen());
    EXPECT_EQ(2, menu->GetNavigation()->GetScreen()->GetNumber()) << "no game was active: straight to the name";
    menu->GetNavigation()->GetScreen()->OnCommand(COMMAND_MAIN_MENU);
    Run("wait 100\n");
    EXPECT_EQ(menu, Form::GetActiveForm());
    EXPECT_TRUE(menu->GetResumeButton()->IsEnabled());
}

TEST_F(MainFormTest, ExitAndTheQuitKeyEndTheProgram)
{
    Start();
    Run("wait 25\ntap 1 100\ntap 1 100\ntap 220 44\n");
    EXPECT_TRUE(app->IsQuitPending());
    Stop();
    Start();
    Run("wait 25\nkey a\n");
    EXPECT_FALSE(app->IsQuitPending()) << "other keys are ignored";
    Run("key quit\n");
    EXPECT_TRUE(app->IsQuitPending());
}

TEST_F(MainFormTest, AboutScrollsItsCreditsAndAnyTapReturns)
{
    Start();
    MainForm* menu = app->GetMainMenu();
    Run("wait 25\ntap 1 100\ntap 1 100\ntap 160 268\n");
    AboutForm* about = menu->GetAboutForm();
    ASSERT_TRUE(about->IsVisible());
    EXPECT_EQ(0, about->GetRow());
    Run("wait 1000\n");
    EXPECT_GT(about->GetRow(), 5);
    EXPECT_LE(about->GetRow(), 10) << "one row per step of more than 100 ms";
    Run("wait 5000\n");
    EXPECT_EQ(1, about->GetLine()) << "after row 29 the next line starts";
    Run("tap 10 200\n");
    EXPECT_FALSE(about->IsVisible());
    EXPECT_EQ(menu, Form::GetActiveForm()) << "back at the main menu";
}

TEST_F(MainFormTest, TheCreditsNameOurRoles)
{
    std::string all;
    for (int32_t i = 0; i < AboutForm::CreditCount(); ++i)
        all += std::string(AboutForm::CREDITS[i]) + "\n";
    for (const char* heading :
         {"Credits:", "Design:", "Graphics:", "Programming:", "Project manager:", "Quality assurance:"})
        EXPECT_NE(std::string::npos, all.find(heading)) << heading;
}

TEST_F(MainFormTest, TheSameScriptGivesTheSameScreens)
{
    std::vector<std::vector<uint32_t>> frames;
    for (int run = 0; run < 2; ++run)
    {
        Start();
        Run("wait 1000\ntap 1 100\nwait 500\ntap 1 100\nwait 200\ntap 160 268\nwait 777\n");
        app->PresentIfChanged();
        frames.push_back(host->LastFrame());
        Stop();
    }
    EXPECT_TRUE(frames[0] == frames[1]);
}
