// ControlGallery: a form showing every game control with sample data.
//
// Not part of the game's screens: the headless runner opens it with
// --gallery so that scripts can tap through the controls and take
// screenshots of them. From the top: the title strip (the last action is
// written at its right), a flip button with its counter and a short combo
// box, an item list panel with its scroll bar, and along the bottom a pop-up
// menu, three radio buttons (string rows, plane rows, pop-up disabled) and a
// sound button. Everything is drawn from the shared graphics set.
#pragma once

#include "WinCE/Form.h"
#include "Wkr/Gui/WidgetList.h"

#include "Common/Gui/Controls/BasicRadioButton.h"

#include <string>

class ComboBox;
class FlipButton;
class ItemListPanel;
class PopupMenu;
class ScrollBar;

class ControlGallery : public Form
{
public:
    static constexpr const char* TITLE = "Controls";

    ControlGallery();
    ~ControlGallery() override;

    void Paint() override;
    void OnStylusMove(int16_t x, int16_t y) override;
    void OnStylusUp(int16_t x, int16_t y) override;
    void OnStylusDown(int16_t x, int16_t y) override;
    bool OnIdle() override;
    // The form's strings, its title "Controls" and every control.
    void Describe(ScreenDump& dump) override;

    const std::string& GetStatus() const { return _status; }
    int32_t GetFlipCount() const { return _flips; }
    ComboBox* GetCombo() const { return _combo; }
    ItemListPanel* GetList() const { return _list; }
    PopupMenu* GetPopup() const { return _popup; }
    ScrollBar* GetScrollBar() const { return _scrollBar; }

private:
    void FillStrings();
    void FillPlanes();
    void ShowStrings();
    void ShowPlanes();
    void DisablePopup();
    void Flip();
    void Ok();
    void SetStatus(const std::string& status);
    void DrawTitle();
    void DrawCounter();

    // The group outlives the widgets: each radio button leaves its group
    // when the widget list deletes it.
    RadioGroup _group;
    WidgetList _widgets;
    ComboBox* _combo = nullptr;
    FlipButton* _flip = nullptr;
    ItemListPanel* _list = nullptr;
    PopupMenu* _popup = nullptr;
    ScrollBar* _scrollBar = nullptr;
    std::string _status;
    int32_t _flips = 0;
};
