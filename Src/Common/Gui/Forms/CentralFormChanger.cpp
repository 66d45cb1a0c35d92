#include "Common/Gui/Forms/CentralFormChanger.h"

#include "Common/Backend/AirportDetails.h"
#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/GameState.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/Route.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Forms/NoticeForm.h"
#include "Common/Gui/Forms/SRForm.h"
#include "Common/Gui/Forms/ScreenFactory.h"
#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/DebugOutput.h"
#include "WinCE/OffscreenWindow.h"
#include "Wkrimp/Config/ConfigBlock.h"

namespace
{
CentralFormChanger* s_instance = nullptr;

Company* TheCompany()
{
    return Enviroment::IsCreated() ? Enviroment::GetCompany() : nullptr;
}

bool IsScreenNumber(int32_t n)
{
    return n >= 0 && n <= Screens::LAST_SCREEN;
}

bool IsNotice(int32_t n)
{
    return n >= Screens::FIRST_NOTICE && n <= Screens::LAST_NOTICE;
}

// The subject of the notice Resume returns to: the dialog subject slots the
// event set (planes and airport details by identifier) and the offer the
// notice drew, so that a notice open when the game was left comes back after
// a restart about the same subject and with the same terms.
void SaveNoticeSubject(int32_t notice, ConfigBlock& block)
{
    const Company* company = TheCompany();
    const Plane* plane = Enviroment::GetDialogPlane();
    const AirportDetails* airport = Enviroment::GetDialogAirport();
    const bool planeKnown = plane && company && company->PositionOf(plane) >= 0;
    const bool airportKnown = airport && company && company->PositionOf(airport) >= 0;
    block.Put("dp", planeKnown ? plane->_id : -1);
    block.Put("da", airportKnown ? airport->_id : -1);
    block.Put("dm", Enviroment::GetDialogModel());
    const NoticeForm::KeptOffer& kept = NoticeForm::Kept();
    if (kept.Holds(notice, kept.planeId, TimeSimulation::GetCurrGameTime()))
    {
        block.Put("kp", kept.planeId);
        block.Put("kt0", kept.terms[0]);
        block.Put("kt1", kept.terms[1]);
        block.Put("kt2", kept.terms[2]);
    }
}

// Sets the dialog subject slots and the kept offer from a saved notice
// subject; false with the reason when they name nothing of this game. Game
// time is the saved moment again, which is when the offer was drawn.
bool LoadNoticeSubject(int32_t notice, const ConfigBlock& block, std::string* reason)
{
    const Company* company = TheCompany();
    int32_t planeId = -1;
    int32_t airportId = -1;
    int32_t model = -1;
    block.Get("dp", planeId);
    block.Get("da", airportId);
    block.Get("dm", model);
    Plane* plane = planeId >= 0 && company ? company->FindPlane(planeId) : nullptr;
    AirportDetails* airport = airportId >= 0 && company ? company->FindDetailsById(airportId) : nullptr;
    if ((planeId >= 0 && !plane) || (airportId >= 0 && !airport))
    {
        *reason = "the open notice names a plane or an airport the company does not have";
        return false;
    }
    if (model < -1 || model >= Enviroment::GetModelCount())
    {
        *reason = "the open notice names a plane model out of range";
        return false;
    }
    Enviroment::SetDialogPlane(plane);
    Enviroment::SetDialogAirport(airport);
    Enviroment::SetDialogModel(model);
    NoticeForm::KeptOffer kept;
    if (block.Get("kp", kept.planeId))
    {
        block.Get("kt0", kept.terms[0]);
        block.Get("kt1", kept.terms[1]);
        block.Get("kt2", kept.terms[2]);
        kept.notice = notice;
        kept.at = TimeSimulation::GetCurrGameTime();
    }
    NoticeForm::Kept() = kept;
    return true;
}
} // namespace

CentralFormChanger::CentralFormChanger() : Form("Form Changer", 0, 0, SRForm::WIDTH, SRForm::HEIGHT, false, 0)
{
    ASSERT(!s_instance && "one navigation form");
    s_instance = this;
    _previousSink = SetNoticeSink(this);
    // The shared frame holds the strips of the screen shown last; until a
    // screen has been shown, a dialog finds the plain strips there.
    OffscreenWindow* frame = GfxResources::GetBackBufferB();
    GfxResources::GetBitmap(GfxResources::BMP_SCREEN_BACKGROUND)->Draw(frame, 0, 0, SRCCOPY);
    GfxResources::GetBitmap(GfxResources::BMP_SCREEN_TOP_PLAIN)->Draw(frame, 0, 0, SRCCOPY);
}

CentralFormChanger::~CentralFormChanger()
{
    DestroyScreen();
    SetNoticeSink(_previousSink);
    s_instance = nullptr;
}

CentralFormChanger* CentralFormChanger::Get()
{
    return s_instance;
}

void CentralFormChanger::ChangeForm(int32_t id)
{
    if (id > 1 && _current < 99)
    {
        _pppf = _ppf;
        _ppf = _pf;
        _pf = _current;
        _rf = id;
        _current = id;
    }
    else
    {
        // Screen 0 is the main menu: remember where "Resume" returns to.
        if (id == 0 && _current != 1)
            _rf = _current;
        _current = id;
    }
    Mark();
}

void CentralFormChanger::GoBack()
{
    // Three levels deep; the oldest stays, so going back further repeats it.
    _current = _pf;
    _rf = _pf;
    _pf = _ppf;
    _ppf = _pppf;
    Mark();
}

void CentralFormChanger::ResumeForm()
{
    _current = _rf;
    Mark();
}

void CentralFormChanger::SetSubState(int32_t n)
{
    _st = n;
    Mark();
}

int32_t CentralFormChanger::GetHistory(int32_t depth) const
{
    switch (depth)
    {
    case 0:
        return _pf;
    case 1:
        return _ppf;
    default:
        return _pppf;
    }
}

Plane* CentralFormChanger::GetCurrentPlane() const
{
    const Company* company = TheCompany();
    return _hasPlane && company ? company->FindPlane(_cpid) : nullptr;
}

void CentralFormChanger::SetCurrentPlane(const Plane* plane)
{
    _hasPlane = plane != nullptr;
    _cpid = plane ? plane->_id : 0;
}

AirportDetails* CentralFormChanger::GetCurrentDetails() const
{
    const Company* company = TheCompany();
    return _hasDetails && company ? company->FindDetailsById(_cadid) : nullptr;
}

void CentralFormChanger::SetCurrentDetails(const AirportDetails* details)
{
    _hasDetails = details != nullptr;
    _cadid = details ? details->_id : 0;
}

Route* CentralFormChanger::GetCurrentRoute() const
{
    if (!_hasRoute)
        return nullptr;
    if (_provisional)
        return _provisional.get();
    const Company* company = TheCompany();
    const Plane* plane = company ? company->FindPlane(_crPid) : nullptr;
    return plane ? plane->GetRoute() : nullptr;
}

void CentralFormChanger::SetCurrentRoute(const Plane* flownBy)
{
    ASSERT(flownBy && "a flown route belongs to a plane");
    _provisional.reset();
    _hasRoute = true;
    _crPid = flownBy->_id;
}

void CentralFormChanger::SetProvisionalRoute(std::unique_ptr<Route> route)
{
    _provisional = std::move(route);
    _hasRoute = _provisional != nullptr;
    _crPid = 0;
}

std::unique_ptr<Route> CentralFormChanger::TakeProvisionalRoute()
{
    _hasRoute = false;
    return std::move(_provisional);
}

void CentralFormChanger::ClearCurrentRoute()
{
    _provisional.reset();
    _hasRoute = false;
    _crPid = 0;
}

void CentralFormChanger::ResetState()
{
    DestroyScreen();
    _ch = false;
    _st = 0;
    _current = 1;
    _pf = _ppf = _pppf = _rf = 0;
    _ca = 0;
    _hasPlane = _hasDetails = false;
    _cpid = _cadid = 0;
    ClearCurrentRoute();
    _gameEnded = false;
    NoticeForm::Kept() = NoticeForm::KeptOffer{};
}

void CentralFormChanger::Save(ConfigBlock& block) const
{
    block.Put("_ch", _ch);
    block.Put("_st", _st);
    block.Put("_pf", _pf);
    block.Put("_ppf", _ppf);
    block.Put("_pppf", _pppf);
    block.Put("_rf", _rf);
    block.Put("_ca", _ca);
    const bool hasPlane = GetCurrentPlane() != nullptr;
    block.Put("hcp", hasPlane);
    if (hasPlane)
        block.Put("_cpid", _cpid);
    const bool hasDetails = GetCurrentDetails() != nullptr;
    block.Put("hcad", hasDetails);
    if (hasDetails)
        block.Put("_cadid", _cadid);
    block.Put("hr", _hasRoute);
    if (_hasRoute)
    {
        const bool provisional = _provisional != nullptr;
        block.Put("dr", provisional);
        if (provisional)
        {
            ConfigBlock route;
            _provisional->Save(route);
            block.PutBlock("r", route);
        }
        else
            block.Put("_cr_pid", _crPid);
    }
    if (IsNotice(_rf))
    {
        ConfigBlock notice;
        SaveNoticeSubject(_rf, notice);
        block.PutBlock("n", notice);
    }
}

bool CentralFormChanger::Load(const ConfigBlock& block, std::string* error)
{
    ResetState();
    ConfigBlock::LenientReads lenient;
    uint8_t flag = 0;
    if (block.Get("_ch", flag))
        _ch = flag != 0;
    block.Get("_st", _st);
    block.Get("_pf", _pf);
    block.Get("_ppf", _ppf);
    block.Get("_pppf", _pppf);
    block.Get("_rf", _rf);
    block.Get("_ca", _ca);
    if (block.Get("hcp", flag) && flag != 0)
        _hasPlane = block.Get("_cpid", _cpid);
    if (block.Get("hcad", flag) && flag != 0)
        _hasDetails = block.Get("_cadid", _cadid);
    std::string reason;
    if (block.Get("hr", flag) && flag != 0)
    {
        uint8_t provisional = 0;
        block.Get("dr", provisional);
        if (provisional != 0)
        {
            ConfigBlock saved;
            auto route = std::make_unique<Route>(0);
            if (!block.GetBlock("r", saved) || !route->Load(saved, &reason))
            {
                if (reason.empty())
                    reason = "the provisional route is missing";
            }
            else
                SetProvisionalRoute(std::move(route));
        }
        else
            _hasRoute = block.Get("_cr_pid", _crPid);
    }
    ConfigBlock notice;
    if (reason.empty() && IsNotice(_rf) && block.GetBlock("n", notice))
        LoadNoticeSubject(_rf, notice, &reason);
    if (reason.empty() && lenient.Mangled() > 0)
        reason = "a value has the wrong size";
    if (reason.empty())
    {
        for (const int32_t n : {_pf, _ppf, _pppf, _rf})
        {
            if (!IsScreenNumber(n))
                reason = "a remembered screen number is out of range";
        }
        if (_ca < 0 || _ca >= Enviroment::AIRPORT_COUNT)
            reason = "the current airport is out of range";
    }
    if (!reason.empty())
    {
        ResetState();
        if (error)
            *error = "the navigation state is damaged (" + reason + ")";
        return false;
    }
    return true;
}

void CentralFormChanger::Paint()
{
    // Seen only for a moment between two screens.
    GfxResources::GetBitmap(GfxResources::BMP_SCREEN_BACKGROUND)->Draw(this, 0, 0, SRCCOPY);
}

void CentralFormChanger::DestroyScreen()
{
    if (!_screen)
        return;
    if (TimeSimulation::GetEventListener() == _screen)
        TimeSimulation::SetEventListener(nullptr);
    SRForm* screen = _screen;
    _screen = nullptr;
    delete screen;
}

void CentralFormChanger::HideScreen()
{
    if (_screen && _screen->IsVisible())
        _screen->Hide();
}

bool CentralFormChanger::OnIdle()
{
    _gameEnded = false;
    if (!_ch)
    {
        Invalidate();
        return false;
    }
    _ch = false;
    DestroyScreen();

    int32_t number = _current;
    if (number == Screens::COMPANY_NAME)
    {
        // A new company: nothing of the old game stays current.
        SetCurrentPlane(nullptr);
        SetCurrentDetails(nullptr);
    }
    if ((number == Screens::PLANE_DETAILS || number == Screens::ROUTE_EDIT) && !HasCurrentPlane())
        number = Screens::PLANES;
    if (number == Screens::STATISTICS && (_st < 0 || _st > 5))
        _st = 0;
    if (number == Screens::GAME_ENDED || number == Screens::HIGHSCORE_ENTRY)
        _gameEnded = true;

    if (IsScreenNumber(number))
        _screen = ScreenFactory::Build(number);
    if (!_screen)
    {
        if (number != Screens::MAIN_MENU && number != Screens::GAME_ENDED && number != Screens::GAME_OVER_LAST_PLANE &&
            number != Screens::NOTHING)
            DebugPrintf("Screen %d is not available; back to the main menu\n", static_cast<int>(number));
        // The main menu comes back: time stands still there.
        GameState::SetSimulationRunning(false);
        TimeSimulation::SetEventListener(nullptr);
        Hide();
        return false;
    }
    TimeSimulation::SetEventListener(_screen);
    _screen->Show();
    // Showing the screen paints it at once, so no message is left to wake a
    // waiting loop: ask for idle time again, which the new screen now takes.
    return true;
}

void CentralFormChanger::ShowNotice(int32_t notice)
{
    ChangeForm(notice);
    HideScreen();
}

void CentralFormChanger::GameOver(int32_t reason)
{
    ChangeForm(reason);
    HideScreen();
}
