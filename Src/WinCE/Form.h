// Form: one screen or dialog of the game, a top-level window with its own
// drawing surface and virtual handlers.
//
// The platform layer keeps every form in the form table (at most
// MAX_FORM_INSTANCES) and in a stacking order of the visible ones. Input from
// the host reaches a form through its window procedure (`Dispatch`), which
// turns device events into the handler calls below: stylus down/move/up with
// capture, keys as key bits through the application, typed characters,
// commands from the menu bar and from native controls. The device screen
// (DeviceScreen) composes the visible forms' surfaces below the system bar.
//
// Activation keeps the device's order: showing a form activates it, the
// activation is cancelled at once (the form is left "reactivate pending") and
// completed by the next message delivered to the form, so a form sees
// OnActivate, OnDeactivate, OnShow, OnActivate, Paint when it is shown.
#pragma once

#include "WinCE/Surface.h"
#include "WinCE/Window.h"

#include <cstdint>
#include <string>

class MenuBar;
class UIControl;
struct ScreenDump;

constexpr int32_t MAX_FORM_INSTANCES = 24;
// Height of the system bar above every form.
constexpr int32_t SYSTEM_BAR_HEIGHT = 26;
// Height of the menu bar below the forms.
constexpr int32_t MENU_BAR_HEIGHT = 26;

// Key bits: what key handlers receive, one bit per event.
constexpr uint32_t KEY_F1 = 0x1;
constexpr uint32_t KEY_F2 = 0x2;
constexpr uint32_t KEY_F3 = 0x4;
constexpr uint32_t KEY_F4 = 0x8;
constexpr uint32_t KEY_UP = 0x10;
constexpr uint32_t KEY_DOWN = 0x20;
constexpr uint32_t KEY_LEFT = 0x40;
constexpr uint32_t KEY_RIGHT = 0x80;
constexpr uint32_t KEY_QUIT = 0x100; // Ctrl+Q on the desktop
constexpr uint32_t KEY_BACK = 0x200; // Esc on the desktop
constexpr uint32_t KEY_A = 0x10000;
constexpr uint32_t KEY_B = 0x20000;
constexpr uint32_t KEY_C = 0x40000;
constexpr uint32_t KEY_START = 0x80000;

// Native control notification codes that forms act on.
constexpr uint16_t NOTIFY_CLICKED = 0;
constexpr uint16_t NOTIFY_PAINT = 1;

// A message for a form's window procedure: the platform's translation of one
// device event.
struct FormMessage
{
    enum Kind
    {
        Create,
        Destroy,
        Activate, // param: 0 inactive, 1 active, 2 click-active
        CancelMode,
        Paint,
        Close,
        Help,
        KeyDown, // param: virtual key
        KeyUp,
        Char,       // param: character
        Command,    // param: command id; code: notification; control: sender or null
        StylusDown, // x, y: client coordinates
        StylusMove,
        StylusUp,
        CaptureChanged,
        Size,
        Null, // delivered only to complete a pending activation
    };
    Kind kind = Null;
    uint32_t param = 0;
    uint16_t code = 0;
    int16_t x = 0;
    int16_t y = 0;
    UIControl* control = nullptr;
};

class Form : public Window
{
public:
    // A form of the given size at (x, y) below the system bar. The title must
    // not be empty; menuBarId 0 means an empty menu bar.
    Form(const char* title, int32_t x, int32_t y, int32_t width, int32_t height, bool caption,
         uint16_t menuBarId);
    ~Form() override;

    // Shows the form modally: every other form is disabled and a nested loop
    // runs until a closing control is pressed (its id is returned), the
    // window is destroyed (-1) or the program quits.
    virtual int32_t DoModal();
    virtual void Paint();
    virtual void OnStylusMove(int16_t x, int16_t y);
    virtual void OnStylusUp(int16_t x, int16_t y);
    virtual void OnStylusDown(int16_t x, int16_t y);
    virtual void OnShow();
    virtual void OnHide();
    virtual void OnActivate();
    virtual void OnDeactivate();
    virtual void OnCommand(uint16_t id);
    virtual bool OnKey(uint32_t keyBit, bool pressed);
    virtual bool OnChar(uint16_t character);
    virtual bool OnIdle();
    virtual void Create(const char* windowClass, const char* title, int32_t x, int32_t y, int32_t width,
                        int32_t height);
    // Fills in what the form shows for scripts and tests: its title,
    // position and the strings on it here (a full paint forgets the earlier
    // ones first); forms with widgets add them, game screens their number
    // and top bar.
    virtual void Describe(ScreenDump& dump);

    void Show();
    void Hide();
    bool IsVisible() const { return _visible; }
    bool IsActive() const { return _active; }
    bool GetEnabled() const { return _enabled; }
    void SetEnabled(bool enabled) { _enabled = enabled; }
    // Repaints the rectangle now (x, y, width, height in client coordinates).
    void Redraw(int32_t x, int32_t y, int32_t width, int32_t height);
    void Redraw() { Redraw(0, 0, _width, _height); }
    // Asks for a paint at the next quiet moment of the loop.
    void Invalidate();
    // Destroys the native window while the object lives on: the result
    // becomes -1 and a modal loop on the form ends.
    void DestroyWindow();
    bool HasWindow() const { return _hasWindow; }
    // Ends a modal loop with this result.
    void EndModal(int32_t result);

    UIControl* GetUIControl(int32_t i) const;
    int32_t GetUIControlCount() const { return _numUIControls; }
    void AddUIControl(UIControl* control);
    void UpdateControls();

    void CreateMenuBar(uint16_t id);
    MenuBar* GetMenuBar() const { return _menuBar; }
    uint16_t GetMenuBarId() const { return _menuBarId; }
    void CheckMenuItem(uint16_t id, bool checked);
    void CheckMenuRadioItem(uint16_t item, uint16_t first, uint16_t last);

    const char* GetTitle() const { return _title.c_str(); }
    int32_t GetInstanceIndex() const { return _instanceIndex; }
    int32_t GetResult() const { return _result; }
    bool IsStylusDown() const { return _stylusDown; }
    bool IsReactivatePending() const { return _reactivatePending; }
    // Device-screen position of the client area.
    int32_t GetScreenX() const { return _x; }
    int32_t GetScreenY() const { return _y; }
    // The update rectangle while painting; empty otherwise.
    Rect GetUpdateRect() const { return Rect{{_updX, _updY}, {_updW, _updH}}; }

    // The window procedure shared by all forms.
    static void Dispatch(Form* form, const FormMessage& message);

    // The form table.
    static int32_t GetFormCount() { return _numFormInstances; }
    static Form* GetForm(int32_t i);
    static Form* GetActiveForm() { return s_activeForm; }
    // The form that holds the keyboard (the last one activated), even while
    // its activation is pending.
    static Form* GetFocusForm() { return s_focusForm; }
    // The form holding the stylus capture, if any.
    static Form* GetCaptureForm() { return s_captureForm; }
    // Visible forms from the bottom to the top.
    static int32_t GetVisibleCount();
    static Form* GetVisible(int32_t i);
    static Form* GetTopVisible();
    // The visible, enabled form under a device-screen point (topmost first).
    static Form* FormAt(int32_t x, int32_t y);
    // Forms waiting for a paint, oldest first; null when none.
    static Form* TakePendingPaint();
    static bool HasPendingPaint();

protected:
    // Draws the form's pixels (used by DeviceScreen through GetDC()).
    Surface _surface;

private:
    friend class DeviceScreen;

    void Activate(uint32_t state);
    void CancelMode();
    void ReleaseCapture();
    void RaiseToTop();
    void RemoveFromStack();
    static void ActivateWindow(Form* form);

    int32_t _instanceIndex = -1;
    uint16_t _menuBarId = 0;
    bool _active = false;
    bool _caption = false;
    UIControl** _UIControls = nullptr;
    int32_t _numUIControls = 0;
    int32_t _capacityUIControls = 0;
    int32_t _result = 0;
    bool _endModal = false;
    bool _stylusDown = false;
    bool _captionErase = false;
    std::string _title;
    Form* _previousActive = nullptr;
    MenuBar* _menuBar = nullptr;
    bool _reactivatePending = false;
    int32_t _updX = 0;
    int32_t _updY = 0;
    int32_t _updW = 0;
    int32_t _updH = 0;

    bool _visible = false;
    bool _enabled = true;
    bool _hasWindow = false;
    bool _paintPending = false;

    static Form* _forms[MAX_FORM_INSTANCES];
    static int32_t _numFormInstances;
    static Form* s_WM_CREATE_instance;
    static Form* s_activeForm;
    static Form* s_focusForm;
    static Form* s_captureForm;
};
