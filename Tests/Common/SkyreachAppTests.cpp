#include "GameTestSupport.h"

#include "Common/Backend/TimeSimulation.h"
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
