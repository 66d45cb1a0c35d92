#include "GameTestSupport.h"

#include "Common/Backend/HighScoreTable.h"
#include "Common/Backend/NoticeSink.h"
#include "Common/Backend/SchedulerTestSupport.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Forms/GameOptions.h"
#include "Common/Gui/Forms/MainForm.h"
#include "WinCE/Preferences.h"
#include "WinCE/RegValue.h"
#include "WinCE/TickCount.h"
#include "WinCE/WaveResource.h"

using game_test::GameTest;

namespace
{
std::vector<uint8_t> Pattern(size_t size)
{
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<uint8_t>(i * 7 + 3);
    return bytes;
}

std::vector<uint8_t> StoredValue(const char* name)
{
    std::unique_ptr<RegKey> app = RegKey::OpenAppKey();
    RegKey prefs(app.get(), "Preferences", false);
    const uint8_t* data = nullptr;
    uint32_t size = 0;
    prefs.Value(name)->GetData(&data, &size);
    return std::vector<uint8_t>(data, data + size);
}
} // namespace

using SavePieces = GameTest;

TEST_F(SavePieces, SplitAtFourKilobytes)
{
    const struct
    {
        size_t size;
        std::vector<uint32_t> pieces;
    } cases[] = {{4095, {4095}}, {4096, {4096}}, {4097, {4096, 1}}, {8193, {4096, 4096, 1}}};
    for (const auto& c : cases)
    {
        const std::vector<uint8_t> bytes = Pattern(c.size);
        SkyreachApp::WritePreferences(bytes);
        for (size_t i = 0; i < c.pieces.size(); ++i)
            EXPECT_EQ(c.pieces[i], Preferences::GetPreferenceSize(static_cast<uint16_t>(i)))
                << c.size << " piece " << i;
        EXPECT_EQ(0u, Preferences::GetPreferenceSize(static_cast<uint16_t>(c.pieces.size())))
            << c.size << ": no piece after the last";
        EXPECT_EQ(bytes, SkyreachApp::ReadPreferences()) << c.size;
    }
}

TEST_F(SavePieces, AShorterSaveEmptiesTheStaleTail)
{
    SkyreachApp::WritePreferences(Pattern(3 * 4096 + 10));
    ASSERT_EQ(10u, Preferences::GetPreferenceSize(3));
    const std::vector<uint8_t> shorter = Pattern(100);
    SkyreachApp::WritePreferences(shorter);
    EXPECT_EQ(100u, Preferences::GetPreferenceSize(0));
    EXPECT_EQ(0u, Preferences::GetPreferenceSize(1));
    EXPECT_EQ(0u, Preferences::GetPreferenceSize(2));
    EXPECT_EQ(0u, Preferences::GetPreferenceSize(3));
    EXPECT_EQ(shorter, SkyreachApp::ReadPreferences()) << "the restore stops at the first empty piece";
}

TEST_F(SavePieces, ReadingStopsAtTheFirstMissingPiece)
{
    EXPECT_TRUE(SkyreachApp::ReadPreferences().empty()) << "a first start has nothing to restore";
    Preferences::SetPreference("ab", 2, 0);
    Preferences::SetPreference("cd", 2, 2);
    EXPECT_EQ((std::vector<uint8_t>{'a', 'b'}), SkyreachApp::ReadPreferences());
}

using SaveAndRestore = GameTest;

TEST_F(SaveAndRestore, AFirstStartBeginsAtTheSplashWithNoGameActive)
{
    Start();
    ASSERT_NE(nullptr, app->GetMainMenu());
    EXPECT_STREQ("Sky Reach", app->GetMainMenu()->GetTitle());
    EXPECT_EQ(240, app->GetMainMenu()->GetWidth());
    EXPECT_EQ(268, app->GetMainMenu()->GetHeight());
    EXPECT_FALSE(app->GetMainMenu()->IsGameActive());
    EXPECT_TRUE(host->Messages().empty());
}

TEST_F(SaveAndRestore, TheSaveHoldsTheThreeBlocksInOrderAndComesBack)
{
    Start();
    app->GetMainMenu()->SetGameActive(true);
    TimeSimulation::SetSpeed(1800);
    Stop();
    ConfigBlock top;
    const std::vector<uint8_t> bytes = SkyreachApp::ReadPreferences();
    ASSERT_TRUE(ConfigBlock::Validate(bytes.data(), bytes.size()));
    top.SetRaw(bytes);
    ConfigBlock mainForm;
    ConfigBlock time;
    ConfigBlock world;
    EXPECT_TRUE(top.GetBlock("MainForm", mainForm));
    EXPECT_TRUE(top.GetBlock("TimeSimulation", time));
    EXPECT_TRUE(top.GetBlock("Enviroment", world));
    const std::string raw(bytes.begin(), bytes.end());
    EXPECT_LT(raw.find("MainForm"), raw.find("TimeSimulation"));
    EXPECT_LT(raw.find("TimeSimulation"), raw.find("Enviroment"));

    Start();
    EXPECT_TRUE(app->GetMainMenu()->IsGameActive()) << "a restart restores _gameactive";
    EXPECT_EQ(1800, TimeSimulation::GetGameSpeed());
}

TEST_F(SaveAndRestore, KeysOfScreensNotBuiltYetSurviveASave)
{
    ConfigBlock top;
    ConfigBlock mainForm;
    ConfigBlock navigation;
    navigation.Put("_rf", int32_t(43));
    mainForm.Put("_gameactive", uint8_t(1));
    mainForm.PutBlock("CentralFormChanger", navigation);
    top.PutBlock("MainForm", mainForm);
    SkyreachApp::WritePreferences(top.GetRaw());
    Start();
    Stop();
    ConfigBlock saved;
    saved.SetRaw(SkyreachApp::ReadPreferences());
    ASSERT_TRUE(saved.GetBlock("MainForm", mainForm));
    ASSERT_TRUE(mainForm.GetBlock("CentralFormChanger", navigation));
    int32_t resume = 0;
    EXPECT_TRUE(navigation.Get("_rf", resume));
    EXPECT_EQ(43, resume);
}

TEST_F(SaveAndRestore, ADamagedSaveIsKeptAsideAndTheGameStartsFresh)
{
    const std::vector<uint8_t> damaged = Pattern(5000);
    ASSERT_FALSE(ConfigBlock::Validate(damaged.data(), damaged.size()));
    SkyreachApp::WritePreferences(damaged);
    Start();
    EXPECT_FALSE(app->GetMainMenu()->IsGameActive());
    ASSERT_EQ(1u, host->Messages().size()) << "the player is told once";
    EXPECT_NE(std::string::npos, host->Messages()[0].text.find("damaged")) << host->Messages()[0].text;
    EXPECT_EQ(damaged, StoredValue(SkyreachApp::DAMAGED_SAVE_VALUE)) << "the bytes are kept, whole";
    EXPECT_TRUE(SkyreachApp::ReadPreferences().empty());
    Stop();

    // A second damaged save does not overwrite the first one kept.
    const std::vector<uint8_t> again = Pattern(300);
    SkyreachApp::WritePreferences(again);
    Start();
    EXPECT_EQ(damaged, StoredValue(SkyreachApp::DAMAGED_SAVE_VALUE));
    EXPECT_EQ(again, StoredValue("Damaged save 2"));
}

// A save whose main form block is damaged in each of the ways a block can
// be: the bytes are kept aside, the player is told, the game starts fresh.
TEST_F(SaveAndRestore, ADamagedMainFormBlockIsKeptAsideAndTheGameStartsFresh)
{
    const struct
    {
        const char* what;
        std::function<void(ConfigBlock& top)> damage;
    } cases[] = {
        {"a value of the wrong size",
         [](ConfigBlock& top)
         {
             ConfigBlock form;
             form.Put("_gameactive", int32_t(1));
             top.PutBlock("MainForm", form);
         }},
        {"a plain value where a block belongs",
         [](ConfigBlock& top)
         {
             ConfigBlock form;
             form.Put("_gameactive", uint8_t(1));
             form.Put("OptionsForm", int32_t(7));
             top.PutBlock("MainForm", form);
         }},
        {"the main form itself a plain value", [](ConfigBlock& top) { top.Put("MainForm", int32_t(1)); }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        Start();
        app->GetMainMenu()->SetGameActive(true);
        TimeSimulation::SetSpeed(1800);
        Stop();
        ConfigBlock saved;
        saved.SetRaw(SkyreachApp::ReadPreferences());
        ConfigBlock damaged;
        c.damage(damaged);
        ConfigBlock part;
        ASSERT_TRUE(saved.GetBlock("TimeSimulation", part));
        damaged.PutBlock("TimeSimulation", part);
        ASSERT_TRUE(saved.GetBlock("Enviroment", part));
        damaged.PutBlock("Enviroment", part);
        const std::vector<uint8_t> bytes = damaged.GetRaw();
        SkyreachApp::WritePreferences(bytes);
        {
            std::unique_ptr<RegKey> key = RegKey::OpenAppKey();
            RegKey prefs(key.get(), "Preferences", true);
            prefs.Value(SkyreachApp::DAMAGED_SAVE_VALUE)->SetBinary(nullptr, 0);
        }
        const size_t told = host->Messages().size();

        Start();
        EXPECT_FALSE(app->GetMainMenu()->IsGameActive());
        EXPECT_EQ(TimeSimulation::INITIAL_SPEED, TimeSimulation::GetGameSpeed()) << "the game starts fresh";
        ASSERT_EQ(told + 1, host->Messages().size()) << "the player is told once";
        EXPECT_EQ(bytes, StoredValue(SkyreachApp::DAMAGED_SAVE_VALUE)) << "the bytes are kept, whole";
        EXPECT_TRUE(SkyreachApp::ReadPreferences().empty());
        Stop();
    }
}

// When only the game part of a save is damaged, the options and the high
// score table of the same save stay; the game and its navigation are lost.
TEST_F(SaveAndRestore, ADamagedGameKeepsTheOptionsAndTheHighScores)
{
    Start();
    app->GetMainMenu()->SetGameActive(true);
    GameOptions::SetKilometres(true);
    GameOptions::SetSound(false);
    const HighScoreEntry ace{"Ace Airways", 987654321, 1977};
    MainForm::HighScores()->Insert(ace);
    Stop();
    ConfigBlock saved;
    saved.SetRaw(SkyreachApp::ReadPreferences());
    ConfigBlock form;
    ConfigBlock world;
    ASSERT_TRUE(saved.GetBlock("MainForm", form));
    ASSERT_TRUE(saved.GetBlock("Enviroment", world));
    ConfigBlock scheduler;
    scheduler.Put("_game_speed", int32_t(TimeSimulation::FASTEST_SPEED + 1));
    ConfigBlock damaged;
    damaged.PutBlock("MainForm", form);
    damaged.PutBlock("TimeSimulation", scheduler);
    damaged.PutBlock("Enviroment", world);
    SkyreachApp::WritePreferences(damaged.GetRaw());
    GameOptions::Reset();

    Start();
    EXPECT_FALSE(app->GetMainMenu()->IsGameActive()) << "the game is lost";
    ASSERT_EQ(1u, host->Messages().size());
    EXPECT_NE(std::string::npos, host->Messages()[0].text.find("high score table were kept"))
        << host->Messages()[0].text;
    EXPECT_EQ(damaged.GetRaw(), StoredValue(SkyreachApp::DAMAGED_SAVE_VALUE));
    EXPECT_TRUE(GameOptions::UsesKilometres());
    EXPECT_FALSE(GameOptions::IsSoundOn());
    bool kept = false;
    for (int32_t i = 0; i < MainForm::HighScores()->GetCount(); ++i)
        kept = kept || MainForm::HighScores()->Get(i) == ace;
    EXPECT_TRUE(kept) << "the high score entry of the damaged save";
    Stop();
    GameOptions::Reset();
}

TEST_F(SaveAndRestore, GamesSavedAtTheKeySpeedsComeBack)
{
    for (const int32_t speed : TimeSimulation::KEY_SPEEDS)
    {
        Start();
        app->GetMainMenu()->SetGameActive(true);
        TimeSimulation::SetSpeed(speed);
        Stop();
        Start();
        EXPECT_TRUE(app->GetMainMenu()->IsGameActive()) << speed;
        EXPECT_EQ(speed, TimeSimulation::GetGameSpeed());
        EXPECT_TRUE(host->Messages().empty()) << host->Messages()[0].text;
        Stop();
    }
}

using MainMenuScript = GameTest;

// The main menu read and driven by script: buttons by their bitmaps, the
// About screen's texts by what it draws, whatever font draws them.
TEST_F(MainMenuScript, ButtonsArePressedByTheirBitmaps)
{
    Start();
    Run("wait 50\ntap 120 160\ntap 120 160\nwait 100\n");
    std::istringstream resume("press sr_Resume_button\n");
    std::string error;
    EXPECT_FALSE(script->Run(resume, &error)) << "no game to resume on a first start";
    EXPECT_NE(std::string::npos, error.find("disabled")) << error;

    Run("press sr_About_button\nwait 1700\nexpect v 0.13.9\nexpect Credits:\n");
    const ScreenDump about = script->Describe();
    EXPECT_EQ("About", about.form);
    for (const ScreenDump::Text& text : about.texts)
    {
        if (text.text == "v 0.13.9")
        {
            EXPECT_EQ("sr_digits_ver", text.font);
        }
    }
    Run("tap 120 160\nwait 100\n");
    EXPECT_EQ(SkyreachApp::MAIN_FORM_TITLE, script->Describe().form);
    EXPECT_EQ(7u, script->Describe().buttons.size()) << "the menu's seven buttons";
}

using Simulation = GameTest;

TEST_F(Simulation, ResumingSynchronisesTickAndGameTime)
{
    Start();
    SkyreachApp::SetSimulationRunning(false);
    TimeSimulation::SetCurrGameTime(Time(1960, 5, 1, 12, 0, 0));
    host->AdvanceClock(60000);
    SkyreachApp::SetSimulationRunning(true);
    EXPECT_EQ(GetTickCount(), TimeSimulation::GetLastEventTick());
    EXPECT_TRUE(TimeSimulation::GetLastEventGameTime().Equals(Time(1960, 5, 1, 12, 0, 0)))
        << "the game time of the synchronisation point is the current one";
    SkyreachApp::SetSimulationRunning(false);
}

TEST_F(Simulation, TheClockStandsStillWhileStoppedOrAtSpeedZero)
{
    Start();
    const Time before = TimeSimulation::GetCurrGameTime();
    SkyreachApp::SetSimulationRunning(false);
    host->AdvanceClock(2000);
    app->OnIdle();
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(before));
    TimeSimulation::SetSpeed(0);
    SkyreachApp::SetSimulationRunning(true);
    host->AdvanceClock(2000);
    app->OnIdle();
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(before));
    TimeSimulation::SetSpeed(60);
    host->AdvanceClock(2000);
    app->OnIdle();
    EXPECT_FALSE(TimeSimulation::GetCurrGameTime().Equals(before)) << "running at speed 60 moves the clock";
    SkyreachApp::SetSimulationRunning(false);
}

namespace
{
using scheduler_test::GLOBAL_A;
using scheduler_test::TestEvent;
using scheduler_test::TheJournal;

// Schedules a global test event at `at`; `action` runs when it fires.
void ScheduleAt(const Time& at, int32_t tag, std::function<void(TestEvent&)> action = nullptr)
{
    TestEvent* event = new TestEvent(GLOBAL_A, tag);
    event->_time = at;
    event->_action = std::move(action);
    TimeSimulation::Schedule(event);
}
} // namespace

// One idle step fires every due event, up to the first that asks for the
// player (its notice comes first) or until the time budget is spent.
TEST_F(Simulation, AnIdleStepFiresEveryDueEventWithinItsLimits)
{
    Start();
    const struct
    {
        const char* what;
        std::function<void(int32_t tag)> action;
        size_t fired;
        size_t firedByTheNextStep;
    } cases[] = {
        {"every due event", nullptr, 30, 30},
        {"a notice ends the step",
         [](int32_t tag)
         {
             if (tag == 2)
                 GetNoticeSink()->ShowNotice(3);
         },
         3, 30},
        {"a game over ends the step",
         [](int32_t tag)
         {
             if (tag == 4)
                 GetNoticeSink()->GameOver(38);
         },
         5, 30},
        // Each event takes 3 ms of the 8 ms budget.
        {"the budget ends the step", [this](int32_t) { host->AdvanceClock(3); }, 3, 6},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        SkyreachApp::SetSimulationRunning(false);
        TimeSimulation::Reset();
        TimeSimulation::SetSpeed(60);
        TheJournal() = {};
        const Time now(1960, 0, 1);
        TimeSimulation::SetCurrGameTime(now);
        for (int32_t tag = 0; tag < 30; ++tag)
            ScheduleAt(Time(1959, 6, 1).Add(0, 0, 0, tag, 0, 0), tag,
                       [&c, tag](TestEvent&)
                       {
                           if (c.action)
                               c.action(tag);
                       });
        ScheduleAt(Time(1961, 0, 1), 99);
        SkyreachApp::SetSimulationRunning(true);
        app->OnIdle();
        EXPECT_EQ(c.fired, TheJournal().fired.size());
        app->OnIdle();
        EXPECT_EQ(c.firedByTheNextStep, TheJournal().fired.size()) << "the rest follows";
    }
    SkyreachApp::SetSimulationRunning(false);
    TimeSimulation::Reset();
}

// Events firing at every step do not slow the clock: the real time between
// steps all becomes game time.
TEST_F(Simulation, TheClockKeepsUpWhileEventsFireAtEveryStep)
{
    Start();
    TimeSimulation::Reset();
    TimeSimulation::SetSpeed(TimeSimulation::FASTEST_SPEED);
    const Time start(1960, 0, 1);
    TimeSimulation::SetCurrGameTime(start);
    // An event every game hour, each scheduling the next.
    std::function<void(TestEvent&)> hourly = [&hourly](TestEvent& e)
    { ScheduleAt(e._time.Add(0, 0, 0, 1, 0, 0), e._tag + 1, hourly); };
    ScheduleAt(start.Add(0, 0, 0, 1, 0, 0), 0, hourly);
    TheJournal() = {};
    SkyreachApp::SetSimulationRunning(true);
    for (int step = 0; step < 40; ++step)
    {
        host->AdvanceClock(25);
        app->OnIdle();
    }
    SkyreachApp::SetSimulationRunning(false);
    // 40 steps of 25 ms at 518400 game seconds per second: six game days.
    EXPECT_TRUE(TimeSimulation::GetCurrGameTime().Equals(start.Add(0, 0, 6, 0, 0, 0)))
        << TimeSimulation::GetCurrGameTime()._day << " " << TimeSimulation::GetCurrGameTime()._hour;
    EXPECT_EQ(6u * 24u - 1u, TheJournal().fired.size()) << "every hour's event before the last moment fired";
    TimeSimulation::Reset();
}

TEST(SkyreachAppTexts, VersionAndNames)
{
    EXPECT_STREQ("v 0.13.9", SkyreachApp::VERSION_TEXT);
    EXPECT_STREQ("Jet Warden", SkyreachApp::APPLICATION_NAME);
    EXPECT_STREQ("Northgate Soft", SkyreachApp::COMPANY_NAME);
}

using HelpAndSounds = GameTest;

TEST_F(HelpAndSounds, ShowHelpOpensTheInstalledManual)
{
    {
        std::unique_ptr<RegKey> key = RegKey::OpenAppKey();
        key->Value("Help File")->SetString(u"/opt/manual/JetWarden.html");
    }
    Application::ShowHelp();
    ASSERT_EQ(1u, host->OpenedDocuments().size());
    EXPECT_EQ("/opt/manual/JetWarden.html", host->OpenedDocuments()[0]);
}

TEST_F(HelpAndSounds, ShowHelpWithoutAManualSaysWhatIsMissing)
{
    Application::ShowHelp();
    EXPECT_TRUE(host->OpenedDocuments().empty());
    ASSERT_EQ(1u, host->Messages().size());
    EXPECT_NE(std::string::npos, host->Messages()[0].text.find("Help File")) << host->Messages()[0].text;
}

TEST_F(HelpAndSounds, WaveResourcesPlayThroughTheHost)
{
    static const uint8_t wave[] = {'R', 'I', 'F', 'F'};
    WaveResource::Register(9123, wave, sizeof(wave));
    EXPECT_TRUE(WaveResource::Play(9123));
    EXPECT_FALSE(WaveResource::Play(9124)) << "an unknown sound plays nothing";
    EXPECT_EQ((std::vector<int>{9123}), host->PlayedSounds());
}

// A browser tab may be closed without a Quit: when the host warns, the game
// saves what SaveGame would save and plays on.
TEST_F(SaveAndRestore, ASuspendSavesTheGameAndPlaysOn)
{
    Start();
    app->GetMainMenu()->SetGameActive(true);
    TimeSimulation::SetSpeed(1800);
    ASSERT_TRUE(SkyreachApp::ReadPreferences().empty());
    const size_t writesBefore = host->StoreWrites().size();
    HostEvent suspend;
    suspend.kind = HostEvent::Suspend;
    host->Push(suspend);
    script->Pump();
    const std::vector<uint8_t> suspended = SkyreachApp::ReadPreferences();
    ASSERT_FALSE(suspended.empty()) << "the warning saved the game";
    EXPECT_EQ(writesBefore + 1, host->StoreWrites().size()) << "one lasting change for the host to copy";
    ASSERT_NE(nullptr, app->GetMainMenu()) << "the game goes on";
    EXPECT_TRUE(app->GetMainMenu()->IsVisible());

    Stop();
    EXPECT_EQ(suspended, SkyreachApp::ReadPreferences()) << "the same bytes as the save at the end";
    Start();
    EXPECT_TRUE(app->GetMainMenu()->IsGameActive());
    EXPECT_EQ(1800, TimeSimulation::GetGameSpeed());
}
