// SpecialOfferForm: the charity and VIP flight offers of the dialog airport:
// notices 64 and 73 when the offer comes, 65 and 74 when an airport screen
// shows it again (that screen puts the airport in the dialog airport slot
// before it opens the notice).
//
// Assign plane opens the plane choice (66 or 75) when some plane of the
// company fits the flight, or the "No free plane" notice (70 or 79; 71 or
// 80 from the airport screens) when none does. Ok goes back without
// assigning; the offer's expiry then carries out or reports the flight.
#pragma once

#include "Common/Gui/Forms/NoticeForm.h"

#include <cstdint>

class SpecialOfferForm : public NoticeForm
{
public:
    explicit SpecialOfferForm(int32_t number);

    bool IsVip() const;
    // Where Assign plane leads now: the plane choice or the "No free plane"
    // notice.
    int32_t AssignTarget() const;

protected:
    void OnButton(int32_t id) override;
};
