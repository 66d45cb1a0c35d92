#include "WinCE/Application.h"

#include "WinCE/Assert.h"
#include "WinCE/DeviceScreen.h"
#include "WinCE/MenuBar.h"
#include "WinCE/RegKey.h"
#include "WinCE/RegValue.h"
#include "WinCE/UIControls/UIControl.h"

#include <string>

Application* Application::s_appPointer = nullptr;

namespace
{
// The control holding the stylus after it went down on it.
UIControl* s_stylusControl = nullptr;
// The menu bar holding the stylus after it went down on it.
MenuBar* s_stylusMenuBar = nullptr;

// Converts UTF-16 text (a registry string) to the 8-bit text of the host.
[[maybe_unused]] std::string Narrow(const char16_t* text)
{
    std::string out;
    for (const char16_t* p = text; p && *p; ++p)
    {
        const char16_t c = *p;
        if (c < 0x80)
            out += static_cast<char>(c);
        else if (c < 0x800)
        {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
        else
        {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}
} // namespace

Application::Application() : _screen(new DeviceScreen)
{
    // clang-format off
    ASSERT(s_appPointer==NULL);
    // clang-format on
    s_appPointer = this;
}

Application::~Application()
{
    if (_mainForm)
        _mainForm->Hide();
    s_appPointer = nullptr;
    delete _mainForm;
    _mainForm = nullptr;
    delete _screen;
    s_stylusControl = nullptr;
    s_stylusMenuBar = nullptr;
}

bool Application::OnIdle()
{
    Form* form = Form::GetActiveForm();
    return form ? form->OnIdle() : false;
}

bool Application::OnKey(uint32_t keyBit, bool pressed)
{
    Form* form = Form::GetActiveForm();
    return form ? form->OnKey(keyBit, pressed) : false;
}

bool Application::OnChar(uint16_t character)
{
    Form* form = Form::GetActiveForm();
    return form ? form->OnChar(character) : false;
}

void Application::OnInit()
{
    _mainForm = new Form("Form", 0, 0, 160, 160, true, 0);
    _mainForm->Show();
}

void Application::OnSuspend()
{
}

void Application::Init()
{
    if (_initialised)
        return;
    _initialised = true;
    OnInit();
    PresentIfChanged();
}

int Application::Run()
{
    Init();
    while (Step(true))
    {
    }
    return 0;
}

bool Application::Step(bool wait)
{
    if (!_initialised)
        Init();
    if (_quit)
        return false;
    bool dispatched = false;
    while (!_quit && DispatchOne())
        dispatched = true;
    if (_quit)
        return false;
    bool busy = false;
    if (!dispatched)
        busy = OnIdle();
    PresentIfChanged();
    if (_quit)
        return false;
    if (wait)
    {
        if (Host* host = GetHost())
        {
            // After input, come back at once for the idle step that follows;
            // after an idle step that asked for a paint, for the paint (a
            // host waiting for input would show the old screen until then).
            if (!dispatched && !Form::HasPendingPaint())
                host->WaitForEvent(busy);
        }
    }
    _lastIdle = busy;
    return true;
}

bool Application::DispatchOne()
{
    if (_quit)
        return false;
    Host* host = GetHost();
    HostEvent event;
    if (host && host->PollEvent(event))
    {
        Deliver(event);
        return true;
    }
    // Paint messages come when no input is waiting.
    if (Form* form = Form::TakePendingPaint())
    {
        FormMessage paint;
        paint.kind = FormMessage::Paint;
        Form::Dispatch(form, paint);
        return true;
    }
    return false;
}

void Application::PresentIfChanged()
{
    _screen->PresentIfChanged(false);
}

void Application::PostQuitMessage(int exitCode)
{
    _quit = true;
    _exitCode = exitCode;
}

void Application::Deliver(const HostEvent& event)
{
    switch (event.kind)
    {
    case HostEvent::StylusDown:
    case HostEvent::StylusMove:
    case HostEvent::StylusUp:
        DeliverStylus(event);
        break;
    case HostEvent::KeyDown:
    case HostEvent::KeyUp:
        DeliverKey(event);
        break;
    case HostEvent::Char:
    {
        if (UIControl* control = UIControl::GetFocus())
        {
            if (control->GetParent()->GetEnabled())
                control->OnChar(event.character);
            break;
        }
        if (Form* form = Form::GetFocusForm())
        {
            FormMessage message;
            message.kind = FormMessage::Char;
            message.param = event.character;
            Form::Dispatch(form, message);
        }
        break;
    }
    case HostEvent::Quit:
        PostQuitMessage(0);
        break;
    case HostEvent::Expose:
        _screen->PresentIfChanged(true);
        break;
    case HostEvent::Raise:
        if (Host* host = GetHost())
            host->Raise();
        break;
    case HostEvent::Suspend:
        OnSuspend();
        break;
    case HostEvent::None:
        break;
    }
}

void Application::DeliverStylus(const HostEvent& event)
{
    const int32_t x = event.x;
    const int32_t y = event.y;
    MenuBar* bar = DeviceScreen::CurrentMenuBar();
    if (event.kind == HostEvent::StylusDown)
    {
        s_stylusControl = nullptr;
        s_stylusMenuBar = nullptr;
        Form* top = Form::GetTopVisible();
        if (bar && top && top->GetEnabled() && (bar->IsOpen() || y >= DEVICE_HEIGHT - MENU_BAR_HEIGHT))
        {
            s_stylusMenuBar = bar;
            bar->OnStylusDown(x, y);
            return;
        }
        Form* form = Form::FormAt(x, y);
        if (!form)
            return;
        const int32_t cx = x - form->GetScreenX();
        const int32_t cy = y - form->GetScreenY();
        // Controls lie over their form; the last created is on top.
        for (int32_t i = form->GetUIControlCount() - 1; i >= 0; --i)
        {
            UIControl* control = form->GetUIControl(i);
            if (control->IsVisible() && control->Contains(cx, cy))
            {
                const Rect r = control->GetBounds();
                s_stylusControl = control;
                control->OnStylusDown(static_cast<int16_t>(cx - r.origin.x),
                                      static_cast<int16_t>(cy - r.origin.y));
                return;
            }
        }
        FormMessage message;
        message.kind = FormMessage::StylusDown;
        message.x = static_cast<int16_t>(cx);
        message.y = static_cast<int16_t>(cy);
        Form::Dispatch(form, message);
        return;
    }

    if (s_stylusMenuBar)
    {
        if (s_stylusMenuBar != bar)
        {
            s_stylusMenuBar = nullptr;
            return;
        }
        if (event.kind == HostEvent::StylusMove)
            bar->OnStylusMove(x, y);
        else
        {
            s_stylusMenuBar = nullptr;
            bar->OnStylusUp(x, y);
        }
        return;
    }
    if (s_stylusControl)
    {
        UIControl* control = s_stylusControl;
        Form* form = control->GetParent();
        const Rect r = control->GetBounds();
        const int16_t cx = static_cast<int16_t>(x - form->GetScreenX() - r.origin.x);
        const int16_t cy = static_cast<int16_t>(y - form->GetScreenY() - r.origin.y);
        if (event.kind == HostEvent::StylusMove)
            control->OnStylusMove(cx, cy);
        else
        {
            s_stylusControl = nullptr;
            control->OnStylusUp(cx, cy);
        }
        return;
    }
    // Moves and releases go to the form holding the capture; moves with no
    // stylus pressed in a form are not reported.
    Form* form = Form::GetCaptureForm();
    if (!form)
        return;
    FormMessage message;
    message.kind = event.kind == HostEvent::StylusMove ? FormMessage::StylusMove : FormMessage::StylusUp;
    message.x = static_cast<int16_t>(x - form->GetScreenX());
    message.y = static_cast<int16_t>(y - form->GetScreenY());
    Form::Dispatch(form, message);
}

void Application::DeliverKey(const HostEvent& event)
{
    const bool down = event.kind == HostEvent::KeyDown;
    // Editing keys go to the field that has the keyboard.
    if (UIControl* control = UIControl::GetFocus())
    {
        if (control->GetParent()->GetEnabled())
        {
            if (!down)
            {
                if (event.key == HOSTKEY_BACKSPACE || event.key == HOSTKEY_DELETE ||
                    event.key == HOSTKEY_HOME || event.key == HOSTKEY_END || event.key == HOSTKEY_LEFT ||
                    event.key == HOSTKEY_RIGHT)
                    return;
            }
            else if (control->OnKeyDown(event.key))
                return;
        }
    }
    Form* form = Form::GetFocusForm();
    if (!form || !form->GetEnabled())
        return;
    FormMessage message;
    message.kind = down ? FormMessage::KeyDown : FormMessage::KeyUp;
    message.param = event.key;
    Form::Dispatch(form, message);
}

uint32_t Application::KeyBitOf(uint16_t virtualKey)
{
    if (virtualKey == 0)
        return 0;
    Host* host = GetHost();
    if (host)
    {
        const HostKeyTable keys = host->GetDefaultKeys();
        // Compared in this order; only the first match counts.
        const uint16_t order[8] = {keys.up,    keys.down, keys.left, keys.right,
                                   keys.start, keys.a,    keys.b,    keys.c};
        const uint32_t bits[8] = {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_START, KEY_A, KEY_B, KEY_C};
        for (int i = 0; i < 8; ++i)
        {
            if (order[i] == virtualKey)
                return bits[i];
        }
    }
    switch (virtualKey)
    {
    case HOSTKEY_F1:
        return KEY_F1;
    case HOSTKEY_F2:
        return KEY_F2;
    case HOSTKEY_F3:
        return KEY_F3;
    case HOSTKEY_F4:
        return KEY_F4;
    case HOSTKEY_BACK:
        return KEY_BACK;
    case HOSTKEY_QUIT:
        return KEY_QUIT;
    default:
        return 0;
    }
}

bool Application::IsKeyDown(uint32_t keyBit)
{
    Host* host = GetHost();
    if (!host)
        return false;
    const HostKeyTable keys = host->GetDefaultKeys();
    uint16_t key = 0;
    switch (keyBit)
    {
    case KEY_F1:
        key = HOSTKEY_F1;
        break;
    case KEY_F2:
        key = HOSTKEY_F2;
        break;
    case KEY_F3:
        key = HOSTKEY_F3;
        break;
    case KEY_F4:
        key = HOSTKEY_F4;
        break;
    case KEY_UP:
        key = keys.up;
        break;
    case KEY_DOWN:
        key = keys.down;
        break;
    case KEY_LEFT:
        key = keys.left;
        break;
    case KEY_RIGHT:
        key = keys.right;
        break;
    case KEY_A:
        key = keys.a;
        break;
    case KEY_B:
        key = keys.b;
        break;
    case KEY_C:
        key = keys.c;
        break;
    case KEY_START:
        key = keys.start;
        break;
    default:
        return false;
    }
    return host->IsKeyDown(key);
}

void Application::ShowMessage(const char* text, const char* caption)
{
    if (Host* host = GetHost())
        host->MessageBox(caption, text, HostButtons::Ok);
}

void Application::ShowHelp()
{
    std::unique_ptr<RegKey> key = RegKey::OpenAppKey();
    const std::string file = Narrow(key->Value("Help File")->GetString());
    key.reset();
    Host* host = GetHost();
    if (file.empty())
    {
        ShowMessage(
            "The manual is not installed: the \"Help File\" setting is empty. Run Skyreach --install.",
            "Help");
        return;
    }
    if (host && !host->OpenDocument(file))
        ShowMessage(("Couldn't open the manual " + file).c_str(), "Help");
}
