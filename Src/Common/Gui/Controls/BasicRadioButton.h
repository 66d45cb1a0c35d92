// BasicRadioButton: the logic of radio buttons that exclude each other.
//
// Buttons of one group share a RadioGroup (a list the buttons add themselves
// to and leave when deleted). Tapping an enabled, unchecked button checks it,
// unchecks and redraws the others of its group and runs its action; tapping
// a checked one does nothing. SetChecked and UncheckSilently change the state
// without drawing, for screens that set up their initial choice before the
// first paint. Subclasses supply the looks and the hit test.
#pragma once

#include "Wkr/Gui/Callback.h"
#include "Wkr/Gui/Widget.h"

#include <vector>

class BasicRadioButton;
using RadioGroup = std::vector<BasicRadioButton*>;

class BasicRadioButton : public Widget
{
public:
    // Joins the group; `callback` (owned) may be null for a button whose
    // choice is read later, but then it must never be tapped.
    BasicRadioButton(RadioGroup* group, bool checked, Callback* callback);
    ~BasicRadioButton() override;

    void Draw() override;
    bool OnStylusDown(int16_t x, int16_t y) override;
    void Disable() override;
    void Enable() override;

    // Checks this button and unchecks the rest of the group, redrawing all.
    void Check();
    // The same without drawing.
    void SetChecked();
    void Uncheck();
    void UncheckSilently();

    bool IsChecked() const { return _checked; }
    bool IsEnabled() const { return _enabled; }

    virtual void DrawChecked() = 0;
    virtual void DrawUnchecked() = 0;
    virtual void DrawDisabled() = 0;
    virtual bool HitTest(int16_t x, int16_t y) = 0;

private:
    RadioGroup* _group;
    Callback* _callback;
    bool _enabled = true;
    bool _checked;
};
