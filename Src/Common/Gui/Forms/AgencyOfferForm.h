// AgencyOfferForm: notice 60, a travel agency's offer to buy tickets on every
// flight of the dialog plane's route at a discount.
//
// The terms are drawn once, when the notice is built, and Accept signs
// exactly the terms shown (the contract's end is scheduled by the backend);
// Reject leaves the route as it was. Both go back to the covered screen.
#pragma once

#include "Common/Backend/NoticeActions.h"
#include "Common/Gui/Forms/NoticeForm.h"

#include <cstdint>

class AgencyOfferForm : public NoticeForm
{
public:
    explicit AgencyOfferForm(int32_t number);

    const NoticeActions::AgencyTerms& GetTerms() const { return _terms; }

protected:
    void OnButton(int32_t id) override;

private:
    int32_t _planeId = -1;
    NoticeActions::AgencyTerms _terms;
};
