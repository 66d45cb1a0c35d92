// RouteEditForm: screen 17, "Route edit", the route the current plane flies.
//
// The two airports, a lamp (green while the plane flies, red while it stands
// still), the icon of a contract on the route (travel agency, charity or VIP
// flight; a tap on it opens that contract's notice: 63, 67 or 76), and the
// ticket price and service level. OK applies the levels and returns to the
// plane's details (12); Replace opens the choice of another plane for the
// route (24); Shut down asks first (16, or the contract warning of a plane
// bound to a special flight).
#pragma once

#include "Common/Gui/Forms/SRForm.h"

#include <memory>

class LevelChoice;
class MaskedBitmap;
class Plane;

class RouteEditForm : public SRForm
{
public:
    // The buttons, by the id their presses carry.
    enum Button
    {
        REPLACE,
        SHUT_DOWN,
        OK,
    };

    static constexpr uint32_t REFRESH = 500;
    // Where the contract icon lies; a tap there opens the contract's notice.
    static constexpr int32_t ICON_X = 186;
    static constexpr int32_t ICON_Y = 47;
    static constexpr int32_t ICON_SIZE = 14;

    explicit RouteEditForm(int32_t number);
    ~RouteEditForm() override;

    void OnStylusUp(int16_t x, int16_t y) override;
    bool OnIdle() override;

    LevelChoice* GetLevels() const { return _levels; }
    // The notice of the contract on the plane's route (63, 67 or 76), or 0.
    static int32_t ContractNotice(const Plane& plane);

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;

private:
    // What the lamp and the icon show now, to repaint only on a change.
    int32_t ShownState() const;

    LevelChoice* _levels = nullptr;
    std::unique_ptr<MaskedBitmap> _icons[3];
    std::unique_ptr<MaskedBitmap> _lamps[2];
    int32_t _shownState = -1;
    uint32_t _refreshTick = 0;
};
