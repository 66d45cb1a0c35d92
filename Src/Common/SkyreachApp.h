// SkyreachApp: the game's application object.
//
// It owns the main form, the game clock and scheduler (TimeSimulation) and
// the world (Enviroment). Its idle step drives the simulation while a screen
// with running time is shown: every due event (within a few milliseconds,
// and up to the first that asks for the player), then the clock follows the
// tick count. At the end of the loop the whole game is saved into the
// preference store (one top-level block with "MainForm", "TimeSimulation"
// and "Enviroment", written as "Preference%i" pieces of at most 4096 bytes
// in one transaction); at start it is restored in the reverse order.
//
// A stored save that cannot be restored (not a sound block, a damaged game,
// a damaged "MainForm" block) is kept aside under "Damaged save" in the
// store, never deleted; the player is told once and the game starts fresh.
// When only the game part is damaged, the options and the high score table
// of the same save are kept.
#pragma once

#include "Common/AppIdentity.h"
#include "WinCE/Preferences.h"

#include "WinCE/Application.h"
#include "Wkrimp/Config/ConfigBlock.h"

#include <cstdint>
#include <string>
#include <vector>

class MainForm;
class TimeSimulation;

class SkyreachApp : public Application
{
public:
    static constexpr const char* VERSION_TEXT = AppIdentity::VERSION_TEXT;
    static constexpr const char* APPLICATION_NAME = AppIdentity::APPLICATION_NAME;
    static constexpr const char* COMPANY_NAME = AppIdentity::COMPANY_NAME;
    static constexpr const char* MAIN_FORM_TITLE = "Sky Reach";
    static constexpr uint32_t PIECE_SIZE = Preferences::PIECE_SIZE;
    // The value that keeps a damaged save's bytes.
    static constexpr const char* DAMAGED_SAVE_VALUE = "Damaged save";
    // Milliseconds an idle step spends on due events at most.
    static constexpr uint32_t IDLE_EVENT_BUDGET_MS = 8;

    // Creates the scheduler and the world (from the data file's tables).
    SkyreachApp();
    // Saves the game if that has not happened yet, then releases everything.
    ~SkyreachApp() override;

    bool OnIdle() override;
    void OnInit() override;
    // Saves the game and plays on (SaveProgress).
    void OnSuspend() override;

    // Saves the game and destroys the main form, the scheduler and the world.
    // Returns false when the store could not take the save (the previous save
    // is then still there, whole).
    bool SaveGame();
    // Saves the same bytes SaveGame would save now, and the game goes on: a
    // host that can be stopped without warning (a browser tab) asks for it.
    // Nothing is written after SaveGame.
    bool SaveProgress();
    // Restores the saved game (called by OnInit).
    void RestoreGame();

    MainForm* GetMainMenu() const { return _mainform; }
    TimeSimulation* GetTimeSimulation() const { return _timeSimulation; }

    static SkyreachApp* GetApp();

    static void SetSimulationRunning(bool running);
    static bool IsSimulationRunning();

    static void FormatLocaleDate(int32_t day, int32_t month, int32_t year, char* buffer);

    // The preference pieces: all bytes of the values 0, 1, ... up to the
    // first missing or empty one.
    static std::vector<uint8_t> ReadPreferences();
    // Writes the bytes as pieces of at most PIECE_SIZE and empties the stale
    // tail of a longer earlier save. The caller holds the transaction.
    static void WritePreferences(const std::vector<uint8_t>& bytes);

private:
    // Keeps the bytes of a save that cannot be restored aside, empties the
    // pieces and tells the player once (and whether the settings were kept).
    void SetAside(const std::vector<uint8_t>& bytes, const std::string& reason, bool settingsKept);
    // A new world and scheduler after a damaged save; without `keepMainForm`
    // the main form is made anew too.
    void StartFresh(bool keepMainForm);
    // Writes a whole save in one transaction; false (the player told) when
    // the store refused it.
    bool Store(const std::vector<uint8_t>& bytes);
    // The whole game as it is saved: the main form's block, the scheduler's
    // and the world's.
    ConfigBlock SavedGame() const;

    MainForm* _mainform = nullptr;
    bool _worldCreated = false;
    TimeSimulation* _timeSimulation = nullptr;
    bool _saved = false;
};
