#include "WinCE/Host/WebHost.h"

#include "WinCE/Assert.h"

#include <emscripten/emscripten.h>

#include <cstring>

// The page's side, in WebHost.js.
extern "C"
{
void web_host_start();
void web_host_request(int delayMs);
void web_host_present(const uint32_t* rgba);
void web_host_play(int id, const uint8_t* wav, size_t size);
void web_host_dialog(const char* caption, const char* text, int final);
void web_host_text_input(int on);
int web_host_open(const char* path);
void web_host_store_written(const char* path);
}

namespace
{
WebHost* s_instance = nullptr;

struct NamedKey
{
    const char* name;
    uint16_t key;
};

// The keyboard's stand-ins for the device's buttons, by KeyboardEvent.key.
// Enter and the letters Z, X and C depend on text input (see MapKey).
const NamedKey KEY_MAP[] = {
    {"ArrowUp", HOSTKEY_UP},         {"ArrowDown", HOSTKEY_DOWN}, {"ArrowLeft", HOSTKEY_LEFT},
    {"ArrowRight", HOSTKEY_RIGHT},   {"F1", HOSTKEY_F1},          {"F2", HOSTKEY_F2},
    {"F3", HOSTKEY_F3},              {"F4", HOSTKEY_F4},          {"Escape", HOSTKEY_BACK},
    {"Backspace", HOSTKEY_BACKSPACE}, {"Delete", HOSTKEY_DELETE}, {"Home", HOSTKEY_HOME},
    {"End", HOSTKEY_END},
};

uint16_t MapKey(const char* name, bool ctrl, bool textInput)
{
    if (std::strcmp(name, "Enter") == 0)
        return textInput ? HOSTKEY_RETURN : HOSTKEY_START;
    if (name[0] != 0 && name[1] == 0)
    {
        const char c = static_cast<char>(name[0] | 0x20);
        if (c == 'q')
            return ctrl ? HOSTKEY_QUIT : 0;
        // While a text field has focus the letter keys type letters instead.
        if (textInput || ctrl)
            return 0;
        return c == 'z' ? HOSTKEY_A : c == 'x' ? HOSTKEY_B : c == 'c' ? HOSTKEY_C : 0;
    }
    for (const NamedKey& named : KEY_MAP)
    {
        if (std::strcmp(name, named.name) == 0)
            return named.key;
    }
    return 0;
}

// The UTF-16 code unit of a one-character key name in UTF-8, 0 otherwise;
// characters outside the basic plane cannot reach an 8-bit game.
uint16_t TypedCharacter(const char* name)
{
    const auto* s = reinterpret_cast<const unsigned char*>(name);
    if (s[0] >= 0x20 && s[0] < 0x7F && s[1] == 0)
        return s[0];
    if ((s[0] & 0xE0) == 0xC0 && (s[1] & 0xC0) == 0x80 && s[2] == 0)
        return static_cast<uint16_t>(((s[0] & 0x1F) << 6) | (s[1] & 0x3F));
    if ((s[0] & 0xF0) == 0xE0 && (s[1] & 0xC0) == 0x80 && (s[2] & 0xC0) == 0x80 && s[3] == 0)
        return static_cast<uint16_t>(((s[0] & 0x0F) << 12) | ((s[1] & 0x3F) << 6) | (s[2] & 0x3F));
    return 0;
}

// Keys that repeat while held: the editing keys, as on the desktop.
bool Repeats(uint16_t key)
{
    return key == HOSTKEY_BACKSPACE || key == HOSTKEY_DELETE || key == HOSTKEY_LEFT || key == HOSTKEY_RIGHT;
}
} // namespace

WebHost::WebHost(const WebHostOptions& options)
    : _options(options), _rgba(size_t(DEVICE_WIDTH) * DEVICE_HEIGHT, 0xFF000000u)
{
    ASSERT(!s_instance && "a page has one host");
    s_instance = this;
}

WebHost::~WebHost()
{
    s_instance = nullptr;
}

WebHost* WebHost::Instance()
{
    return s_instance;
}

uint32_t WebHost::Ticks()
{
    // The page's monotonic clock, wrapping as the device's tick count does.
    return static_cast<uint32_t>(static_cast<uint64_t>(emscripten_get_now()));
}

bool WebHost::PollEvent(HostEvent& event)
{
    if (_queue.empty())
        return false;
    event = _queue.front();
    _queue.pop_front();
    return true;
}

void WebHost::WaitForEvent(bool busy)
{
    // A page cannot wait: the wish is noted, and Frame asks the browser for
    // the next iteration accordingly.
    _waited = true;
    _due = busy ? Due::AfterPace : Due::OnInput;
}

void WebHost::Present(const uint32_t* pixels)
{
    _presented = true;
    // 0x00BBGGRR is R, G, B, 0 in memory; the canvas wants the last byte opaque.
    for (size_t i = 0; i < _rgba.size(); ++i)
        _rgba[i] = pixels[i] | 0xFF000000u;
    web_host_present(_rgba.data());
}

void WebHost::PlaySound(int resourceId, const uint8_t* wav, size_t size)
{
    if (wav && size > 0)
        web_host_play(resourceId, wav, size);
}

HostAnswer WebHost::MessageBox(const char* caption, const char* text, HostButtons buttons)
{
    const bool final = buttons != HostButtons::Ok;
    web_host_dialog(caption ? caption : "", text ? text : "", final ? 1 : 0);
    if (!final)
    {
        // The loop stands still until the player closes the box.
        ++_openDialogs;
        return HostAnswer::Ok;
    }
    // No debugger to retry into and no way to wait for an answer: the
    // failure ends the program, with its text left on the page.
    _running = false;
    switch (buttons)
    {
    case HostButtons::AbortRetryIgnore:
        return HostAnswer::Abort;
    case HostButtons::YesNo:
        return HostAnswer::No;
    default:
        return HostAnswer::Cancel;
    }
}

void WebHost::SetTextInput(bool on)
{
    _textInput = on;
    web_host_text_input(on ? 1 : 0);
}

bool WebHost::IsKeyDown(uint16_t key)
{
    return _keysDown.count(key) != 0;
}

void WebHost::Raise()
{
    // A page is raised by its browser; there is no second start to answer.
}

bool WebHost::OpenDocument(const std::string& path)
{
    return web_host_open(path.c_str()) != 0;
}

void WebHost::StoreWritten(const std::string& path)
{
    web_host_store_written(path.c_str());
}

void WebHost::Run(std::function<bool()> step, std::function<void()> finished)
{
    _step = std::move(step);
    _finished = std::move(finished);
    _running = true;
    web_host_start();
    Request(Due::Now);
}

bool WebHost::Key(const char* name, bool down, bool ctrl)
{
    HostEvent event;
    event.key = MapKey(name, ctrl, _textInput);
    if (event.key != 0)
    {
        event.kind = down ? HostEvent::KeyDown : HostEvent::KeyUp;
        Push(event);
        return true;
    }
    // Typed characters reach a text field while it has the keyboard.
    if (down && _textInput && !ctrl)
    {
        event.character = TypedCharacter(name);
        if (event.character != 0)
        {
            event.kind = HostEvent::Char;
            Push(event);
            return true;
        }
    }
    return false;
}

void WebHost::ReleaseKeys()
{
    // Keys let go while the page had no focus never report their release.
    const std::set<uint16_t> held = _keysDown;
    for (uint16_t key : held)
    {
        HostEvent event;
        event.kind = HostEvent::KeyUp;
        event.key = key;
        Push(event);
    }
}

void WebHost::Push(const HostEvent& event)
{
    if (event.kind == HostEvent::KeyDown)
    {
        // The browser repeats held keys; only the editing keys repeat here.
        if (!_keysDown.insert(event.key).second && !Repeats(event.key))
            return;
    }
    else if (event.kind == HostEvent::KeyUp)
        _keysDown.erase(event.key);
    _queue.push_back(event);
    if (event.kind == HostEvent::Suspend && _running && _openDialogs == 0 && !_inFrame)
    {
        // The page may be gone before the next frame: the save runs now.
        Frame();
        return;
    }
    Request(Due::Now);
}

void WebHost::Request(Due due)
{
    if (!_running || _openDialogs > 0)
        return;
    switch (due)
    {
    case Due::Now:
        web_host_request(0);
        break;
    case Due::AfterPace:
        web_host_request(static_cast<int>(_quiet >= _options.quietSteps ? _options.quietPace : _options.idlePace));
        break;
    case Due::OnInput:
        break;
    }
}

void WebHost::Frame()
{
    if (!_running || _openDialogs > 0)
        return;
    _waited = false;
    _presented = false;
    const bool input = !_queue.empty();
    _inFrame = true;
    const bool goesOn = _step();
    _inFrame = false;
    _quiet = input || _presented ? 0 : _quiet + 1;
    if (!goesOn || !_running)
    {
        _running = false;
        _queue.clear();
        if (_finished)
        {
            auto finished = std::move(_finished);
            _finished = nullptr;
            finished();
        }
        return;
    }
    // An iteration that handled input did not wait: the idle step follows
    // at the next frame.
    Request(_waited ? _due : Due::Now);
}

void WebHost::DialogClosed()
{
    if (_openDialogs > 0)
        --_openDialogs;
    Request(Due::Now);
}

// Entry points for the page's handlers.
extern "C"
{
// The stylus: 0 down, 1 move, 2 up, at a device-screen point.
EMSCRIPTEN_KEEPALIVE void web_host_stylus(int what, int x, int y)
{
    WebHost* host = WebHost::Instance();
    if (!host || what < 0 || what > 2)
        return;
    static const HostEvent::Kind kinds[3] = {HostEvent::StylusDown, HostEvent::StylusMove, HostEvent::StylusUp};
    HostEvent event;
    event.kind = kinds[what];
    event.x = static_cast<int16_t>(x);
    event.y = static_cast<int16_t>(y);
    host->Push(event);
}

// A key of the page's keyboard, by its KeyboardEvent.key name; true when it
// is one of the game's keys, so the page keeps it from the browser.
EMSCRIPTEN_KEEPALIVE int web_host_key(const char* name, int down, int ctrl)
{
    WebHost* host = WebHost::Instance();
    if (!host || !name)
        return 0;
    return host->Key(name, down != 0, ctrl != 0) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void web_host_release_keys()
{
    if (WebHost* host = WebHost::Instance())
        host->ReleaseKeys();
}

EMSCRIPTEN_KEEPALIVE void web_host_suspend()
{
    if (WebHost* host = WebHost::Instance())
    {
        HostEvent event;
        event.kind = HostEvent::Suspend;
        host->Push(event);
    }
}

EMSCRIPTEN_KEEPALIVE void web_host_frame()
{
    if (WebHost* host = WebHost::Instance())
        host->Frame();
}

EMSCRIPTEN_KEEPALIVE void web_host_dialog_closed()
{
    if (WebHost* host = WebHost::Instance())
        host->DialogClosed();
}
}
