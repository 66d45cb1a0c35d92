#include "WinCE/Form.h"

#include "WinCE/ScreenDump.h"

#include "WinCE/Application.h"
#include "WinCE/Assert.h"
#include "WinCE/MenuBar.h"
#include "WinCE/UIControls/UIControl.h"

#include <algorithm>
#include <cstring>
#include <vector>

Form* Form::_forms[MAX_FORM_INSTANCES] = {};
int32_t Form::_numFormInstances = 0;
Form* Form::s_WM_CREATE_instance = nullptr;
Form* Form::s_activeForm = nullptr;
Form* Form::s_focusForm = nullptr;
Form* Form::s_captureForm = nullptr;

namespace
{
// Visible forms, bottom first; the last one is on top.
std::vector<Form*>& Stack()
{
    static std::vector<Form*> s_stack;
    return s_stack;
}

// Forms waiting for their paint message, in the order they were invalidated.
std::vector<Form*>& PaintQueue()
{
    static std::vector<Form*> s_queue;
    return s_queue;
}
} // namespace

Form::Form(const char* title, int32_t x, int32_t y, int32_t width, int32_t height, bool caption,
           uint16_t menuBarId)
    : Window(static_cast<int16_t>(width), static_cast<int16_t>(height)), _surface(width, height)
{
    // clang-format off
    ASSERT((title!=0) && (*title!=0));
    // clang-format on
    ASSERT(_numFormInstances < MAX_FORM_INSTANCES);
    SetSurface(&_surface);
    // A new form is white, like a freshly created window.
    _surface.Clear(COLOR_WHITE);
    _caption = caption;
    _captionErase = caption;
    _menuBarId = menuBarId;
    _instanceIndex = _numFormInstances;
    _forms[_numFormInstances++] = this;
    _capacityUIControls = 8;
    _UIControls = new UIControl*[_capacityUIControls]();
    Create("PDAFormClass", title, x, y, width, height);
}

Form::~Form()
{
    delete _menuBar;
    _menuBar = nullptr;
    if (_hasWindow)
        DestroyWindow();
    ASSERT((_instanceIndex < _numFormInstances) && (_instanceIndex >= 0));
    // The last form of the table moves into the freed slot.
    --_numFormInstances;
    if (_instanceIndex != _numFormInstances)
    {
        _forms[_instanceIndex] = _forms[_numFormInstances];
        _forms[_instanceIndex]->_instanceIndex = _instanceIndex;
    }
    _forms[_numFormInstances] = nullptr;
    for (int32_t i = 0; i < _numUIControls; ++i)
        delete _UIControls[i];
    delete[] _UIControls;
    if (s_activeForm == this)
        s_activeForm = nullptr;
    if (s_focusForm == this)
        s_focusForm = nullptr;
    if (s_captureForm == this)
        s_captureForm = nullptr;
    // A form shown while this one had the focus would otherwise hand the
    // focus back to a form that is gone when it hides.
    for (int32_t i = 0; i < _numFormInstances; ++i)
    {
        if (_forms[i]->_previousActive == this)
            _forms[i]->_previousActive = nullptr;
    }
    SetSurface(nullptr);
}

void Form::Create(const char* windowClass, const char* title, int32_t x, int32_t y, int32_t width,
                  int32_t height)
{
    (void)windowClass;
    ASSERT(x >= 0);
    ASSERT(y >= 0);
    _title = title;
    // Form coordinates start below the system bar.
    _x = x;
    _y = y + SYSTEM_BAR_HEIGHT;
    _width = width;
    _height = height;
    s_WM_CREATE_instance = this;
    FormMessage create;
    create.kind = FormMessage::Create;
    Dispatch(this, create);
    // clang-format off
    ASSERT(s_WM_CREATE_instance==NULL);
    // clang-format on
    ASSERT(_hasWindow && "_handle");
}

void Form::DestroyWindow()
{
    if (!_hasWindow)
        return;
    if (_visible)
    {
        RemoveFromStack();
        _visible = false;
    }
    if (s_captureForm == this)
        ReleaseCapture();
    if (_active)
    {
        _active = false;
        if (s_activeForm == this)
            s_activeForm = nullptr;
    }
    if (s_focusForm == this)
        s_focusForm = nullptr;
    auto& queue = PaintQueue();
    queue.erase(std::remove(queue.begin(), queue.end(), this), queue.end());
    _paintPending = false;
    FormMessage destroy;
    destroy.kind = FormMessage::Destroy;
    Dispatch(this, destroy);
    _hasWindow = false;
    _handle = nullptr;
}

// --- The window system ---------------------------------------------------

Form* Form::GetForm(int32_t i)
{
    ASSERT(i >= 0 && i < _numFormInstances && "form index out of range");
    return _forms[i];
}

int32_t Form::GetVisibleCount()
{
    return static_cast<int32_t>(Stack().size());
}

Form* Form::GetVisible(int32_t i)
{
    return Stack()[static_cast<size_t>(i)];
}

Form* Form::GetTopVisible()
{
    return Stack().empty() ? nullptr : Stack().back();
}

Form* Form::FormAt(int32_t x, int32_t y)
{
    const auto& stack = Stack();
    for (auto it = stack.rbegin(); it != stack.rend(); ++it)
    {
        Form* form = *it;
        if (x >= form->_x && x < form->_x + form->_width && y >= form->_y && y < form->_y + form->_height)
            return form->_enabled ? form : nullptr;
    }
    return nullptr;
}

Form* Form::TakePendingPaint()
{
    auto& queue = PaintQueue();
    if (queue.empty())
        return nullptr;
    Form* form = queue.front();
    queue.erase(queue.begin());
    form->_paintPending = false;
    return form;
}

bool Form::HasPendingPaint()
{
    return !PaintQueue().empty();
}

void Form::Invalidate()
{
    if (!_hasWindow || _paintPending)
        return;
    _paintPending = true;
    PaintQueue().push_back(this);
}

void Form::RaiseToTop()
{
    RemoveFromStack();
    Stack().push_back(this);
}

void Form::RemoveFromStack()
{
    auto& stack = Stack();
    stack.erase(std::remove(stack.begin(), stack.end(), this), stack.end());
}

void Form::ReleaseCapture()
{
    if (s_captureForm != this)
        return;
    s_captureForm = nullptr;
    FormMessage changed;
    changed.kind = FormMessage::CaptureChanged;
    Dispatch(this, changed);
}

// Makes `form` the active window: the one active before is told it lost the
// activation, then the new one gets it (which the device follows with a
// cancel-mode, leaving it pending until its next message).
void Form::ActivateWindow(Form* form)
{
    Form* previous = s_focusForm;
    if (previous == form)
        return;
    if (previous && previous->_hasWindow)
    {
        FormMessage inactive;
        inactive.kind = FormMessage::Activate;
        inactive.param = 0;
        Dispatch(previous, inactive);
    }
    s_focusForm = form;
    if (form && form->_hasWindow)
    {
        FormMessage active;
        active.kind = FormMessage::Activate;
        active.param = 1;
        Dispatch(form, active);
    }
}

void Form::Show()
{
    _previousActive = s_focusForm;
    _visible = true;
    RaiseToTop();
    ActivateWindow(this);
    OnShow();
    // Updating the window paints it at once.
    auto& queue = PaintQueue();
    queue.erase(std::remove(queue.begin(), queue.end(), this), queue.end());
    _paintPending = false;
    FormMessage paint;
    paint.kind = FormMessage::Paint;
    Dispatch(this, paint);
}

void Form::Hide()
{
    const bool wasVisible = _visible;
    _visible = false;
    RemoveFromStack();
    if (s_captureForm == this)
        ReleaseCapture();
    if (wasVisible)
    {
        // The window uncovered now needs painting.
        if (Form* top = GetTopVisible())
            top->Invalidate();
    }
    if (s_focusForm == this)
    {
        Form* next = _previousActive;
        if (next && (!next->_hasWindow || !next->_visible))
            next = GetTopVisible();
        if (next && next != this)
            ActivateWindow(next);
        else
        {
            FormMessage inactive;
            inactive.kind = FormMessage::Activate;
            inactive.param = 0;
            Dispatch(this, inactive);
            s_focusForm = nullptr;
        }
    }
    else if (_previousActive && _previousActive->_hasWindow && _previousActive->_visible)
        ActivateWindow(_previousActive);
    OnHide();
}

void Form::Redraw(int32_t x, int32_t y, int32_t width, int32_t height)
{
    // A full paint draws every string anew: what was drawn before is gone.
    if (x <= 0 && y <= 0 && int64_t(x) + width >= _width && int64_t(y) + height >= _height)
        ForgetTexts();
    _updX = x;
    _updY = y;
    _updW = width;
    _updH = height;
    Paint();
    _updX = _updY = _updW = _updH = 0;
}

void Form::EndModal(int32_t result)
{
    _result = result;
    _endModal = true;
}

int32_t Form::DoModal()
{
    Application* app = Application::Get();
    ASSERT(app && "DoModal needs the application object");
    _endModal = false;
    Form* remembered = s_focusForm;
    for (int32_t i = 0; i < _numFormInstances; ++i)
    {
        Form* frm = _forms[i];
        if (frm == this)
            continue;
        frm->SetEnabled(false);
        ASSERT(!frm->GetEnabled());
    }
    Show();
    bool quit = false;
    while (!_endModal)
    {
        if (app->IsQuitPending())
        {
            quit = true;
            break;
        }
        if (app->DispatchOne())
            continue;
        if (app->IsQuitPending())
            continue;
        const bool busy = _hasWindow && OnIdle();
        app->PresentIfChanged();
        if (_endModal || app->IsQuitPending())
            continue;
        if (Host* host = GetHost())
            host->WaitForEvent(busy);
    }
    for (int32_t i = 0; i < _numFormInstances; ++i)
        _forms[i]->SetEnabled(true);
    Hide();
    if (remembered && remembered != this && remembered->_hasWindow && remembered->_visible)
        ActivateWindow(remembered);
    if (quit)
    {
        // The outer loop must see the quit message too.
        app->TakeQuit();
        app->PostQuitMessage(app->GetExitCode());
    }
    return _result;
}

// --- Controls and menu bar ----------------------------------------------

UIControl* Form::GetUIControl(int32_t i) const
{
    ASSERT(_UIControls);
    if (i < 0 || i >= _numUIControls)
        ASSERT(false);
    return _UIControls[i];
}

void Form::AddUIControl(UIControl* control)
{
    _UIControls[_numUIControls++] = control;
    // The array always keeps a null slot after the last control.
    if (_numUIControls + 1 >= _capacityUIControls)
    {
        const int32_t capacity = _capacityUIControls + 8;
        UIControl** grown = new UIControl*[capacity]();
        std::memcpy(grown, _UIControls, sizeof(UIControl*) * static_cast<size_t>(_numUIControls));
        delete[] _UIControls;
        _UIControls = grown;
        _capacityUIControls = capacity;
    }
}

void Form::UpdateControls()
{
    for (int32_t i = 0; i < _numUIControls; ++i)
        _UIControls[i]->Update();
}

void Form::CreateMenuBar(uint16_t id)
{
    _menuBarId = id;
    delete _menuBar;
    _menuBar = new MenuBar(this, id, false);
}

void Form::CheckMenuItem(uint16_t id, bool checked)
{
    if (_menuBar)
        _menuBar->CheckMenuItem(id, checked);
}

void Form::CheckMenuRadioItem(uint16_t item, uint16_t first, uint16_t last)
{
    if (_menuBar)
        _menuBar->CheckMenuRadioItem(item, first, last);
}

// --- Handlers -----------------------------------------------------------

void Form::Paint() {}
void Form::OnStylusMove(int16_t, int16_t) {}
void Form::OnStylusUp(int16_t, int16_t) {}
void Form::OnStylusDown(int16_t, int16_t) {}
void Form::OnShow() {}
void Form::OnHide() {}
void Form::OnActivate() {}
void Form::OnDeactivate() {}

void Form::Describe(ScreenDump& dump)
{
    dump.form = _title;
    dump.originX = _x;
    dump.originY = _y;
    for (const DrawnText& drawn : GetDrawnTexts())
        dump.texts.push_back(
            ScreenDump::Text{drawn.box.origin.x, drawn.box.origin.y, drawn.font, drawn.text});
}
void Form::OnCommand(uint16_t) {}
bool Form::OnKey(uint32_t, bool)
{
    return false;
}
bool Form::OnChar(uint16_t)
{
    return false;
}
bool Form::OnIdle()
{
    return false;
}

// --- The window procedure -----------------------------------------------

void Form::Activate(uint32_t state)
{
    if (state == 0)
    {
        _active = false;
        if (s_activeForm == this)
            s_activeForm = nullptr;
        OnDeactivate();
        // The cancel-mode step follows here too: a form that lost the
        // activation lets go of the stylus, so a release over a form that
        // covers it never reaches a widget pressed beneath.
        CancelMode();
        return;
    }
    ASSERT((state == 1 || state == 2) && "false");
    _active = true;
    s_activeForm = this;
    OnActivate();
    // The device follows an activation with a cancel-mode.
    CancelMode();
}

void Form::CancelMode()
{
    if (s_captureForm == this)
    {
        _stylusDown = false;
        s_captureForm = nullptr;
    }
    if (_active)
    {
        _reactivatePending = true;
        _active = false;
        if (s_activeForm == this)
            s_activeForm = nullptr;
        OnDeactivate();
    }
}

void Form::Dispatch(Form* form, const FormMessage& message)
{
    if (message.kind == FormMessage::Create)
    {
        ASSERT(s_WM_CREATE_instance);
        s_WM_CREATE_instance->_hasWindow = true;
        s_WM_CREATE_instance->_handle = s_WM_CREATE_instance;
        s_WM_CREATE_instance = nullptr;
    }
    // Only forms of the table have a window procedure of ours.
    bool known = false;
    for (int32_t i = 0; i < _numFormInstances; ++i)
    {
        ASSERT(_forms[i] && "instance");
        if (_forms[i] == form)
        {
            known = true;
            break;
        }
    }
    if (!known)
        return;

    if (form->_reactivatePending)
    {
        form->_reactivatePending = false;
        form->_active = true;
        s_activeForm = form;
        form->OnActivate();
    }

    switch (message.kind)
    {
    case FormMessage::Create:
        form->CreateMenuBar(form->_menuBarId);
        break;
    case FormMessage::Destroy:
        form->_result = -1;
        // A modal loop on a window that is gone could never end.
        form->_endModal = true;
        break;
    case FormMessage::Size:
        for (int32_t i = 0; i < form->_numUIControls; ++i)
            form->_UIControls[i]->ApplyRect();
        break;
    case FormMessage::Activate:
        if (message.param == 0)
            form->Activate(0);
        else
            form->Activate(message.param);
        break;
    case FormMessage::CancelMode:
        form->CancelMode();
        break;
    case FormMessage::Paint:
        form->Redraw(0, 0, form->_width, form->_height);
        break;
    case FormMessage::Close:
        form->OnHide();
        break;
    case FormMessage::Help:
        Application::ShowHelp();
        break;
    case FormMessage::KeyDown:
    case FormMessage::KeyUp:
    {
        const bool pressed = message.kind == FormMessage::KeyDown;
        const uint32_t bit = Application::KeyBitOf(static_cast<uint16_t>(message.param));
        if (bit && Application::Get())
            Application::Get()->OnKey(bit, pressed);
        break;
    }
    case FormMessage::Char:
        form->OnChar(static_cast<uint16_t>(message.param));
        break;
    case FormMessage::Command:
    {
        if (message.code != 0 && message.code != 1)
            break;
        UIControl* sender = nullptr;
        if (message.control)
        {
            for (int32_t i = 0; i < form->_numUIControls; ++i)
            {
                if (form->_UIControls[i] == message.control)
                {
                    sender = message.control;
                    break;
                }
            }
        }
        if (sender)
        {
            sender->OnCommand(message.code);
            if (message.code == NOTIFY_CLICKED && sender->ClosesForm())
            {
                form->_result = sender->GetId();
                form->_endModal = true;
            }
        }
        else
            form->OnCommand(static_cast<uint16_t>(message.param & 0xFFFF));
        break;
    }
    case FormMessage::StylusDown:
        form->_stylusDown = true;
        s_captureForm = form;
        form->OnStylusDown(message.x, message.y);
        break;
    case FormMessage::StylusMove:
        if (form->_stylusDown)
            form->OnStylusMove(message.x, message.y);
        break;
    case FormMessage::StylusUp:
        form->_stylusDown = false;
        if (s_captureForm == form)
            s_captureForm = nullptr;
        form->OnStylusUp(message.x, message.y);
        break;
    case FormMessage::CaptureChanged:
        form->_stylusDown = false;
        break;
    case FormMessage::Null:
        break;
    }
}
