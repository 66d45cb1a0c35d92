// SpecialFlightPlaneForm: the notices about a plane already assigned to a
// charity or VIP flight, opened by the route and plane screens with the plane
// in the dialog plane slot; the flight is the one the company has that plane
// down for.
//
// 67 and 76 (from the route screens) show the flight; Free releases the plane
// from it (the offer stays open, without a plane) and Ok leaves it assigned.
// 68 and 77 come before the plane is sold, 69 and 78 before its route is shut
// down: Proceed gives up the flight for this plane and goes on to the sale
// (15) or the shut-down (16); Cancel goes back and keeps everything.
#pragma once

#include "Common/Gui/Forms/NoticeForm.h"

#include <cstdint>

class AirportDetails;

class SpecialFlightPlaneForm : public NoticeForm
{
public:
    explicit SpecialFlightPlaneForm(int32_t number);

protected:
    void OnButton(int32_t id) override;

private:
    AirportDetails* Flight() const;

    int32_t _planeId = -1;
};
