#include "Common/Gui/Forms/PlaneDetailsForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/FleetRules.h"
#include "Common/Backend/NoticeActions.h"
#include "Common/Backend/Notices.h"
#include "Common/Backend/Plane.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/PopupMenu.h"
#include "Common/Gui/Forms/CentralFormChanger.h"
#include "Common/Gui/Forms/ContractWarning.h"
#include "Common/Gui/Forms/DistanceUnits.h"
#include "WinCE/TickCount.h"

#include <cstdio>

namespace
{
constexpr ScreenButton BUTTONS[] = {
    {PlaneDetailsForm::OK, "sr_Ok_button.bmp", 13, 238},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Plane details", 10, 7, {}, BUTTONS,
};

constexpr int32_t DETAILS_X = 20;
constexpr int32_t DETAILS_Y = 48;
constexpr int32_t DETAILS_STEP = 20;

// The entries' looks, top first (the menu stacks them upward, so they are
// added in the reverse order).
constexpr const char* ENTRY_BITMAPS[PlaneDetailsForm::ENTRIES] = {
    "sr_Popup7Repair_button.bmp", "sr_Popup7Sell_button.bmp",  "sr_Popup7ShutDown_button.bmp",
    "sr_Popup7Edit_button.bmp",   "sr_Popup7SetUp_button.bmp",
};

bool EntryApplies(PlaneDetailsForm::Entry entry, const Plane& plane)
{
    switch (entry)
    {
    case PlaneDetailsForm::REPAIR:
        return plane._damaged != 0;
    case PlaneDetailsForm::SHUT_DOWN:
    case PlaneDetailsForm::EDIT:
        return plane.HasRoute();
    case PlaneDetailsForm::SET_UP:
        return !plane.HasRoute();
    default:
        return true;
    }
}
} // namespace

PlaneDetailsForm::PlaneDetailsForm(int32_t number) : SRForm(number, LAYOUT)
{
    _popup = new PopupMenu(POPUP_X, POPUP_Y, "sr_Opts_button.bmp", this);
    for (int32_t i = ENTRIES - 1; i >= 0; --i)
    {
        const Entry entry = static_cast<Entry>(i);
        _popup->AddItem(
            ENTRY_BITMAPS[i], [this, entry](PopupItem*) { Choose(entry); }, false);
    }
    Widgets().AddWidget(_popup);
    UpdateEntries();
    if (const Plane* plane = Navigation()->GetCurrentPlane())
        _shown = DetailLines(*plane);
}

std::vector<std::string> PlaneDetailsForm::DetailLines(const Plane& plane)
{
    std::vector<std::string> lines;
    char text[96];
    std::snprintf(text, sizeof(text), "Status: %s", plane.Status().c_str());
    lines.emplace_back(text);
    std::snprintf(text, sizeof(text), "Model: %s", Enviroment::GetPlaneModel(plane._model)._name);
    lines.emplace_back(text);
    std::snprintf(text, sizeof(text), "Age: %d years old", plane.Age(TimeSimulation::GetCurrGameTime()));
    lines.emplace_back(text);
    lines.push_back(DistanceUnits::SpeedText(plane.Speed()));
    lines.push_back(DistanceUnits::RangeText(plane.Range()));
    std::snprintf(text, sizeof(text), "Capacity: %d", plane.Capacity());
    lines.emplace_back(text);
    std::snprintf(text, sizeof(text), "No. of damages: %d", plane._damages);
    lines.emplace_back(text);
    return lines;
}

int32_t PlaneDetailsForm::Target(Entry entry, const Plane& plane)
{
    switch (entry)
    {
    case REPAIR:
        // 22 tells why not: the price, or the spare parts that no longer exist.
        return NoticeActions::RepairChoiceFor(&plane) == NoticeActions::RepairChoice::ASK
                   ? Screens::REPAIR_PLANE
                   : Screens::REPAIR_CANNOT_AFFORD;
    case SELL:
        return FleetRules::WarningBefore(Screens::SELL_PLANE, plane);
    case SHUT_DOWN:
        return FleetRules::WarningBefore(Screens::SHUT_DOWN, plane);
    case EDIT:
        return Screens::ROUTE_EDIT;
    case SET_UP:
        return Screens::STARTING_AIRPORT;
    default:
        return Screens::PLANE_DETAILS;
    }
}

void PlaneDetailsForm::Choose(Entry entry)
{
    Plane* plane = Navigation()->GetCurrentPlane();
    if (!plane)
    {
        GoTo(Screens::PLANES);
        return;
    }
    if (!EntryApplies(entry, *plane))
        return;
    const int32_t target = Target(entry, *plane);
    ContractWarning::PrepareNotice(target, plane);
    GoTo(target);
}

void PlaneDetailsForm::UpdateEntries()
{
    const Plane* plane = Navigation()->GetCurrentPlane();
    for (int32_t i = 0; i < ENTRIES; ++i)
    {
        const Entry entry = static_cast<Entry>(i);
        // Entries were added bottom first.
        PopupItem* item = _popup->GetItem(ENTRIES - 1 - i);
        item->SetDisabled(!plane || !EntryApplies(entry, *plane));
    }
}

void PlaneDetailsForm::PaintContent()
{
    int32_t y = DETAILS_Y;
    for (const std::string& line : _shown)
    {
        DrawText(GfxResources::FONT_TEXT, DETAILS_X, y, line.c_str());
        y += DETAILS_STEP;
    }
}

bool PlaneDetailsForm::OnIdle()
{
    const uint32_t now = GetTickCount();
    if (!_popup->IsOpen() && now - _refreshTick >= REFRESH)
    {
        _refreshTick = now;
        // The status and damages change while time runs; the entries follow.
        if (const Plane* plane = Navigation()->GetCurrentPlane())
        {
            std::vector<std::string> lines = DetailLines(*plane);
            if (lines != _shown)
            {
                _shown = std::move(lines);
                Invalidate();
            }
        }
        UpdateEntries();
    }
    return SRForm::OnIdle();
}

void PlaneDetailsForm::OnButton(int32_t id)
{
    if (id == OK)
        GoTo(Screens::PLANES);
}
