#include "Common/SkyreachApp.h"

#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Forms/GameOptions.h"
#include "Common/Gui/Forms/MainForm.h"
#include "Common/LocaleDate.h"
#include "WinCE/Assert.h"
#include "WinCE/DebugOutput.h"
#include "WinCE/Preferences.h"
#include "WinCE/RegKey.h"
#include "WinCE/RegValue.h"
#include "WinCE/RegistryTransaction.h"
#include "WinCE/TickCount.h"
#include "WinCE/VFileResource.h"

#include "Common/Backend/Enviroment.h"
#include "Common/Backend/Events/EventRegistry.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/NoticeSink.h"

namespace
{
// Watches, for the length of one idle step, whether a fired event asked for
// the player (a notice or the end of the game), passing the request on.
class AttentionWatch : public NoticeSink
{
public:
    AttentionWatch() : _outer(SetNoticeSink(this)) {}
    ~AttentionWatch() override { SetNoticeSink(_outer); }
    AttentionWatch(const AttentionWatch&) = delete;
    AttentionWatch& operator=(const AttentionWatch&) = delete;

    void ShowNotice(int32_t notice) override
    {
        _asked = true;
        if (_outer)
            _outer->ShowNotice(notice);
    }
    void GameOver(int32_t reason) override
    {
        _asked = true;
        if (_outer)
            _outer->GameOver(reason);
    }
    bool Asked() const { return _asked; }

private:
    NoticeSink* _outer;
    bool _asked = false;
};

// Keeps the bytes of a save that cannot be read beside the preferences, so
// that nothing the player had is ever lost: "Damaged save", or "Damaged
// save 2", 3, ... when earlier damaged saves are kept already.
std::string KeepDamagedSave(const std::vector<uint8_t>& bytes)
{
    std::unique_ptr<RegKey> app = RegKey::OpenAppKey();
    std::string name;
    {
        RegKey prefs(app.get(), "Preferences", true);
        ASSERT(prefs.IsOpen() && "prefs");
        for (int i = 1;; ++i)
        {
            name = SkyreachApp::DAMAGED_SAVE_VALUE;
            // Appended piece by piece: GCC 12 reports a false overlap in
            // Release builds for the literal-plus-string form (-Wrestrict).
            if (i > 1)
            {
                name += ' ';
                name += std::to_string(i);
            }
            RegValue* value = prefs.Value(name.c_str());
            if (value->GetSize() == 0)
            {
                value->SetBinary(bytes.data(), static_cast<uint32_t>(bytes.size()));
                break;
            }
        }
    }
    return name;
}
} // namespace

SkyreachApp::SkyreachApp()
{
    // Saved events are re-created by their type, so the classes are known
    // before anything is loaded.
    EventRegistry::Install();
    _timeSimulation = new TimeSimulation();
    // Distances start in miles; the saved options, restored later, may say
    // otherwise.
    GameOptions::SetKilometres(false);
    VFileResource models("planemodels_rsc");
    VFileResource airports("airports_rsc");
    std::string error;
    const bool created =
        Enviroment::Create(models.GetData(), static_cast<size_t>(models.GetSize()), airports.GetData(),
                           static_cast<size_t>(airports.GetSize()), &error);
    FATAL(!created, ("The world tables of the data file are damaged: " + error).c_str());
    _worldCreated = created;
    TimeSimulation::SetSubjects(Enviroment::Instance());
}

SkyreachApp::~SkyreachApp()
{
    if (!_saved)
    {
        delete _mainform;
        _mainform = nullptr;
        delete _timeSimulation;
        _timeSimulation = nullptr;
        if (_worldCreated)
            Enviroment::Destroy();
        _worldCreated = false;
    }
}

SkyreachApp* SkyreachApp::GetApp()
{
    return static_cast<SkyreachApp*>(Application::Get());
}

void SkyreachApp::SetSimulationRunning(bool running)
{
    // Real time spent stopped is not game time: resuming restarts the clock's
    // reference point from now, tick and game time together.
    GameState::SetSimulationRunning(running);
}

bool SkyreachApp::IsSimulationRunning()
{
    return GameState::IsSimulationRunning();
}

void SkyreachApp::FormatLocaleDate(int32_t day, int32_t month, int32_t year, char* buffer)
{
    ::FormatLocaleDate(day, month, year, buffer);
}

bool SkyreachApp::OnIdle()
{
    if (GameState::IsSimulationRunning() && TimeSimulation::GetGameSpeed() != 0 && _timeSimulation)
    {
        AttentionWatch watch;
        // The clock first follows the tick count, so that everything due by
        // now fires in this step: firing synchronises the clock at the tick
        // it happens, and an advance only after it would drop the real time
        // since the last step whenever an event fires.
        _timeSimulation->Advance();
        // Every due event fires, so a big fleet at the fastest speeds keeps
        // up with the clock; the budget keeps input answered when very many
        // are due (what is left fires at the next step). An event that asks
        // for the player ends the run, so its notice comes before anything
        // else happens, as it would with one event per step.
        const uint32_t start = GetTickCount();
        bool fired = false;
        while (!watch.Asked() && GameState::IsSimulationRunning() && TimeSimulation::GetGameSpeed() != 0 &&
               TimeSimulation::FireDue())
        {
            fired = true;
            if (GetTickCount() - start >= IDLE_EVENT_BUDGET_MS)
                break;
        }
        if (fired)
        {
            // Each event synchronised the clock at its own tick with the game
            // time of the advance above, which would drop the real time the
            // events took; counting again from the advance's tick keeps it.
            TimeSimulation::SetLastEventTick(_timeSimulation->GetLastAdvanceTick());
            _timeSimulation->Advance();
        }
    }
    return Application::OnIdle();
}

void SkyreachApp::OnInit()
{
    _mainform = new MainForm(MAIN_FORM_TITLE);
    ASSERT(_mainform);
    _mainForm = nullptr;
    RestoreGame();
    _mainform->Show();
}

std::vector<uint8_t> SkyreachApp::ReadPreferences()
{
    return Preferences::ReadPieces();
}

void SkyreachApp::WritePreferences(const std::vector<uint8_t>& bytes)
{
    Preferences::WritePieces(bytes);
}

void SkyreachApp::SetAside(const std::vector<uint8_t>& bytes, const std::string& reason, bool settingsKept)
{
    std::string name;
    {
        RegistryTransaction transaction;
        name = KeepDamagedSave(bytes);
        // With the bytes safe, the pieces are emptied so the next start does
        // not find the same damage again.
        WritePreferences({});
        transaction.Commit();
    }
    DebugPrintf("Saved game of %u bytes is damaged (%s); kept as \"%s\"\n",
                static_cast<unsigned>(bytes.size()), reason.c_str(), name.c_str());
    std::string text = "The saved game could not be read: " + reason +
                       ". Its bytes were kept aside in the "
                       "preferences as \"" +
                       name + "\"; a new game starts.";
    if (settingsKept)
        text += " The options and the high score table were kept.";
    ShowMessage(text.c_str(), APPLICATION_NAME);
}

void SkyreachApp::StartFresh(bool keepMainForm)
{
    // What could be read is no consistent game.
    Enviroment::NewGame();
    TimeSimulation::Reset();
    if (keepMainForm)
        return;
    // A main form that took part of a damaged block is replaced by a new one,
    // so nothing half-read stays behind.
    delete _mainform;
    _mainform = new MainForm(MAIN_FORM_TITLE);
    ASSERT(_mainform);
}

void SkyreachApp::RestoreGame()
{
    const std::vector<uint8_t> bytes = ReadPreferences();
    if (bytes.empty())
        return;
    if (!ConfigBlock::Validate(bytes.data(), bytes.size()))
    {
        SetAside(bytes, "it is damaged", false);
        return;
    }
    ConfigBlock top;
    top.SetRaw(bytes);
    // "MainForm" is read leniently: a plain value where its block belongs is
    // damage to report, not a reason to stop the program.
    ConfigBlock mainBlock;
    bool hasMainForm = false;
    bool mainFormMangled = false;
    {
        ConfigBlock::LenientReads lenient;
        hasMainForm = top.GetBlock("MainForm", mainBlock);
        mainFormMangled = lenient.Mangled() > 0;
    }
    // The world first, then the scheduler whose events name planes and
    // airports by identifier, then the main form.
    std::string error;
    if (!GameState::Load(top, &error))
    {
        // The game is lost, but the options and the high score table of the
        // same save are the player's too: they stay when they can be read.
        const bool settingsKept = hasMainForm && _mainform->Load(mainBlock, false, nullptr);
        StartFresh(settingsKept);
        SetAside(bytes, error, settingsKept);
        return;
    }
    if (mainFormMangled)
    {
        StartFresh(false);
        SetAside(bytes, "the main form's entry is not a block", false);
        return;
    }
    if (hasMainForm && !_mainform->Load(mainBlock, true, &error))
    {
        StartFresh(false);
        SetAside(bytes, error, false);
    }
}

ConfigBlock SkyreachApp::SavedGame() const
{
    ConfigBlock top;
    if (_mainform)
    {
        ConfigBlock block;
        _mainform->Save(block);
        top.PutBlock("MainForm", block);
    }
    {
        ConfigBlock block;
        TimeSimulation::Save(block);
        top.PutBlock(GameState::SCHEDULER_KEY, block);
    }
    if (_worldCreated)
    {
        ConfigBlock block;
        Enviroment::Save(block);
        top.PutBlock(GameState::WORLD_KEY, block);
    }
    return top;
}

bool SkyreachApp::SaveGame()
{
    if (_saved)
        return true;
    _saved = true;
    const std::vector<uint8_t> bytes = SavedGame().GetRaw();
    if (_mainform)
    {
        _mainform->Hide();
        delete _mainform;
        _mainform = nullptr;
    }
    delete _timeSimulation;
    _timeSimulation = nullptr;
    if (_worldCreated)
    {
        Enviroment::Destroy();
        _worldCreated = false;
    }
    return Store(bytes);
}

bool SkyreachApp::SaveProgress()
{
    if (_saved)
        return true;
    return Store(SavedGame().GetRaw());
}

void SkyreachApp::OnSuspend()
{
    SaveProgress();
}

bool SkyreachApp::Store(const std::vector<uint8_t>& bytes)
{
    RegistryTransaction transaction;
    WritePreferences(bytes);
    const bool stored = transaction.Commit();
    if (!stored)
        ShowMessage(
            "The game could not be saved: the preference store refused the write. The previous save is "
            "kept.",
            "Jet Warden");
    return stored;
}
