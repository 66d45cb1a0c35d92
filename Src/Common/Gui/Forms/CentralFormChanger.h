// CentralFormChanger: the navigation form that shows one game screen at a
// time.
//
// Screens never build each other: a screen asks for the next one by number
// (ChangeForm, GoBack, ResumeForm) and hides itself, which activates this
// hidden, full-screen form; its idle step then destroys the old screen,
// builds the new one from the number (ScreenFactory), registers it as the
// scheduler's listener and shows it. Number 0 (and the numbers that build
// nothing) hide this form instead, which brings the main menu back.
//
// It keeps the navigation state the game saves under "CentralFormChanger":
// a three-deep history of screens, the screen "Resume" returns to, the
// statistics page, and the current plane, airport details and route that the
// management screens work on. A route being set up before a plane flies it
// is provisional and owned here. It is also the game's NoticeSink: events
// open their notices and end games through it.
#pragma once

#include "Common/Backend/NoticeSink.h"
#include "WinCE/Form.h"

#include <cstdint>
#include <memory>

class AirportDetails;
class ConfigBlock;
class Plane;
class Route;
class SRForm;

class CentralFormChanger : public Form, public NoticeSink
{
public:
    CentralFormChanger();
    ~CentralFormChanger() override;

    // The one navigation form, while it exists.
    static CentralFormChanger* Get();

    void ChangeForm(int32_t id);
    void GoBack();
    void ResumeForm();
    void SetSubState(int32_t n);
    int32_t SubState() const { return _st; }
    int32_t PreviousForm() const { return _pf; }
    int32_t GetCurrentNumber() const { return _current; }
    int32_t GetResumeForm() const { return _rf; }
    int32_t GetHistory(int32_t depth) const;
    bool IsChangePending() const { return _ch; }
    SRForm* GetScreen() const { return _screen; }

    // The current airport (an index of the airport table), chosen in the
    // airports list.
    int32_t GetCurrentAirport() const { return _ca; }
    void SetCurrentAirport(int32_t airport) { _ca = airport; }

    // The current plane and airport details, looked up in the company's lists
    // by identifier; null when none is set or it no longer exists.
    Plane* GetCurrentPlane() const;
    void SetCurrentPlane(const Plane* plane);
    bool HasCurrentPlane() const { return GetCurrentPlane() != nullptr; }
    AirportDetails* GetCurrentDetails() const;
    void SetCurrentDetails(const AirportDetails* details);
    bool HasCurrentDetails() const { return GetCurrentDetails() != nullptr; }

    // The route the route screens work on: one a plane flies, or a
    // provisional one that this form owns until a plane takes it over.
    Route* GetCurrentRoute() const;
    bool HasCurrentRoute() const { return GetCurrentRoute() != nullptr; }
    void SetCurrentRoute(const Plane* flownBy);
    void SetProvisionalRoute(std::unique_ptr<Route> route);
    std::unique_ptr<Route> TakeProvisionalRoute();
    bool IsRouteProvisional() const { return _provisional != nullptr; }
    void ClearCurrentRoute();

    // Set when a game has ended (37); the main menu reads it.
    bool IsGameEnded() const { return _gameEnded; }
    void ClearGameEnded() { _gameEnded = false; }

    void Save(ConfigBlock& block) const;
    // False with the reason when the block is damaged (the state is then
    // the fresh one).
    bool Load(const ConfigBlock& block, std::string* error);
    // Back to the state of a new navigation form (no screen is shown).
    void ResetState();

    void Paint() override;
    bool OnIdle() override;

    void ShowNotice(int32_t notice) override;
    void GameOver(int32_t reason) override;

private:
    void Mark() { _ch = true; }
    // Hides the shown screen so that this form's idle step takes over.
    void HideScreen();
    void DestroyScreen();

    bool _ch = false;
    int32_t _st = 0;
    int32_t _current = 1;
    int32_t _pf = 0;
    int32_t _ppf = 0;
    int32_t _pppf = 0;
    int32_t _rf = 0;
    int32_t _ca = 0;
    bool _hasPlane = false;
    int32_t _cpid = 0;
    bool _hasDetails = false;
    int32_t _cadid = 0;
    bool _hasRoute = false;
    int32_t _crPid = 0;
    std::unique_ptr<Route> _provisional;
    bool _gameEnded = false;
    SRForm* _screen = nullptr;
    NoticeSink* _previousSink = nullptr;
};
