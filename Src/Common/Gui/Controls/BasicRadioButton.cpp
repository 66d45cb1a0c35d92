#include "Common/Gui/Controls/BasicRadioButton.h"

#include "WinCE/Assert.h"

#include <algorithm>

BasicRadioButton::BasicRadioButton(RadioGroup* group, bool checked, Callback* callback)
    : _group(group), _callback(callback), _checked(checked)
{
    ASSERT(_group && "a radio button needs its group");
    _group->push_back(this);
}

BasicRadioButton::~BasicRadioButton()
{
    _group->erase(std::remove(_group->begin(), _group->end(), this), _group->end());
    delete _callback;
}

void BasicRadioButton::Draw()
{
    if (!_visible)
        return;
    if (!_enabled)
        DrawDisabled();
    else if (_checked)
        DrawChecked();
    else
        DrawUnchecked();
}

bool BasicRadioButton::OnStylusDown(int16_t x, int16_t y)
{
    if (!HitTest(x, y) || !_enabled || _checked)
        return false;
    Check();
    ASSERT(_callback);
    _callback->Invoke();
    return true;
}

void BasicRadioButton::Disable()
{
    _enabled = false;
    _checked = false;
}

void BasicRadioButton::Enable()
{
    _enabled = true;
}

void BasicRadioButton::Check()
{
    _checked = true;
    for (BasicRadioButton* other : *_group)
    {
        if (other != this)
            other->Uncheck();
    }
    Draw();
}

void BasicRadioButton::SetChecked()
{
    _checked = true;
    for (BasicRadioButton* other : *_group)
    {
        if (other != this)
            other->UncheckSilently();
    }
}

void BasicRadioButton::Uncheck()
{
    _checked = false;
    Draw();
}

void BasicRadioButton::UncheckSilently()
{
    _checked = false;
}
