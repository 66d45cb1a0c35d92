// PlaneBuyingForm: screen 13, "Plane buying", the market.
//
// Shows one model on sale at a time with its details (name, price, speed,
// range, seats and the monthly maintenance estimate); the arrows step to the
// previous or next model on sale, round all the models. Buy is enabled, on
// every idle step, only while the company can afford the model (and, when a
// plane is bought to take over a route, while the model has the range for
// it) and leads to the name screen (14). Cancel returns to the replacement
// screen (24) when the purchase replaces a plane on a route, else to the
// planes list (5). The model last shown is kept for the name screen and for
// the next visit.
#pragma once

#include "Common/Gui/Forms/SRForm.h"

#include <string>
#include <vector>

class PlaneBuyingForm : public SRForm
{
public:
    // The buttons, by the id their presses carry.
    enum Button
    {
        PREVIOUS,
        NEXT,
        CANCEL,
        BUY,
    };

    explicit PlaneBuyingForm(int32_t number);

    bool OnIdle() override;

    int32_t GetModel() const { return _model; }
    // The model the player chose last (the one the name screen buys), or -1.
    static int32_t ChosenModel();
    // The details lines of a model, in the order the screen shows them.
    static std::vector<std::string> DetailLines(int32_t model);

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;

private:
    void Step(int32_t step);
    bool MayBuy() const;
    void UpdateBuy();

    int32_t _model;
};
