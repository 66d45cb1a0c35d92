// SmugglingOfferForm: notice 53, an offer to the dialog plane's pilot to
// carry illegal goods on the flight about to leave.
//
// The payment (the route's base amount at the cost index in force, and the
// factor -1, 0 or +1) is drawn when the notice is built and shown; Accept
// stores exactly those terms on the route, Reject leaves the route clean.
// Both go back to the covered screen.
#pragma once

#include "Common/Backend/NoticeActions.h"
#include "Common/Gui/Forms/NoticeForm.h"

#include <cstdint>

class SmugglingOfferForm : public NoticeForm
{
public:
    explicit SmugglingOfferForm(int32_t number);

    const NoticeActions::SmugglingTerms& GetTerms() const { return _terms; }

protected:
    void OnButton(int32_t id) override;

private:
    int32_t _planeId = -1;
    NoticeActions::SmugglingTerms _terms;
};
