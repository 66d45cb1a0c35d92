#include "WinCE/Host/SdlHost.h"

#include "WinCE/DebugOutput.h"

#include <SDL.h>
#include <dlfcn.h>

#include <cstring>

namespace
{
uint32_t s_raiseEventType = static_cast<uint32_t>(-1);

void IgnoreAlsaReport(const char*, int, const char*, int, const char*, ...)
{
}

// ALSA reports on stderr every device it fails to open: a page of lines at
// each start on a machine without sound. The game needs none of them; it says
// once, in the debug output, that it plays silently. The library stays loaded
// for the handler to stay in force; SDL loads the same one.
void QuietAlsaReports()
{
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_GLOBAL);
    if (!alsa)
        return;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
        set(IgnoreAlsaReport);
}

// The keyboard's stand-ins for the device's buttons.
uint16_t MapKey(const SDL_Keysym& keysym, bool textInput)
{
    const bool ctrl = (keysym.mod & KMOD_CTRL) != 0;
    switch (keysym.sym)
    {
    case SDLK_UP:
        return HOSTKEY_UP;
    case SDLK_DOWN:
        return HOSTKEY_DOWN;
    case SDLK_LEFT:
        return HOSTKEY_LEFT;
    case SDLK_RIGHT:
        return HOSTKEY_RIGHT;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return textInput ? HOSTKEY_RETURN : HOSTKEY_START;
    case SDLK_F1:
        return HOSTKEY_F1;
    case SDLK_F2:
        return HOSTKEY_F2;
    case SDLK_F3:
        return HOSTKEY_F3;
    case SDLK_F4:
        return HOSTKEY_F4;
    case SDLK_ESCAPE:
        return HOSTKEY_BACK;
    case SDLK_BACKSPACE:
        return HOSTKEY_BACKSPACE;
    case SDLK_DELETE:
        return HOSTKEY_DELETE;
    case SDLK_HOME:
        return HOSTKEY_HOME;
    case SDLK_END:
        return HOSTKEY_END;
    case SDLK_q:
        return ctrl ? HOSTKEY_QUIT : 0;
    // While a text field has focus the letter keys type letters instead.
    case SDLK_z:
        return textInput || ctrl ? 0 : HOSTKEY_A;
    case SDLK_x:
        return textInput || ctrl ? 0 : HOSTKEY_B;
    case SDLK_c:
        return textInput || ctrl ? 0 : HOSTKEY_C;
    default:
        return 0;
    }
}

SDL_Scancode ScancodeOf(uint16_t key)
{
    switch (key)
    {
    case HOSTKEY_UP:
        return SDL_SCANCODE_UP;
    case HOSTKEY_DOWN:
        return SDL_SCANCODE_DOWN;
    case HOSTKEY_LEFT:
        return SDL_SCANCODE_LEFT;
    case HOSTKEY_RIGHT:
        return SDL_SCANCODE_RIGHT;
    case HOSTKEY_A:
        return SDL_SCANCODE_Z;
    case HOSTKEY_B:
        return SDL_SCANCODE_X;
    case HOSTKEY_C:
        return SDL_SCANCODE_C;
    case HOSTKEY_START:
    case HOSTKEY_RETURN:
        return SDL_SCANCODE_RETURN;
    case HOSTKEY_F1:
        return SDL_SCANCODE_F1;
    case HOSTKEY_F2:
        return SDL_SCANCODE_F2;
    case HOSTKEY_F3:
        return SDL_SCANCODE_F3;
    case HOSTKEY_F4:
        return SDL_SCANCODE_F4;
    case HOSTKEY_BACK:
        return SDL_SCANCODE_ESCAPE;
    default:
        return SDL_SCANCODE_UNKNOWN;
    }
}

// Decodes the first character of UTF-8 text to a UTF-16 code unit; characters
// outside the basic plane cannot reach an 8-bit game and are dropped.
uint16_t FirstCharacter(const char* text)
{
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    if (s[0] < 0x80)
        return s[0];
    if ((s[0] & 0xE0) == 0xC0 && (s[1] & 0xC0) == 0x80)
        return static_cast<uint16_t>(((s[0] & 0x1F) << 6) | (s[1] & 0x3F));
    if ((s[0] & 0xF0) == 0xE0 && (s[1] & 0xC0) == 0x80 && (s[2] & 0xC0) == 0x80)
        return static_cast<uint16_t>(((s[0] & 0x0F) << 12) | ((s[1] & 0x3F) << 6) | (s[2] & 0x3F));
    return 0;
}
} // namespace

struct SdlHost::Sdl
{
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    SDL_AudioDeviceID audio = 0;
    SDL_AudioSpec audioSpec{};
    bool videoStarted = false;
    bool audioStarted = false;
};

std::unique_ptr<SdlHost> SdlHost::Create(const SdlHostOptions& options, std::string& error)
{
    std::unique_ptr<SdlHost> host(new SdlHost(options));
    if (!host->Open(error))
        return nullptr;
    return host;
}

SdlHost::SdlHost(const SdlHostOptions& options)
    : _options(options), _sdl(new Sdl), _lastFrame(size_t(DEVICE_WIDTH) * DEVICE_HEIGHT, 0)
{
    if (_options.scale < 1)
        _options.scale = 1;
}

bool SdlHost::Open(std::string& error)
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
    {
        error = std::string("No display available (") + SDL_GetError() + ")";
        return false;
    }
    _sdl->videoStarted = true;
    // Without a desktop SDL falls back to drivers that show nothing (the
    // offscreen and dummy ones); a window there would be invisible, so
    // unless one of them was asked for by name, there is no display.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* wanted = SDL_getenv("SDL_VIDEODRIVER");
    if (driver &&
        (SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0 ||
         SDL_strcmp(driver, "evdev") == 0) &&
        !(wanted && SDL_strcmp(wanted, driver) == 0))
    {
        error = "No display available (no desktop session: DISPLAY and WAYLAND_DISPLAY are not set)";
        return false;
    }
    s_raiseEventType = SDL_RegisterEvents(1);

    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    // The window's own framebuffer is enough; do not let SDL put a GL
    // texture behind it.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (_options.fullscreen)
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    _sdl->window = SDL_CreateWindow(_options.title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                    DEVICE_WIDTH * _options.scale, DEVICE_HEIGHT * _options.scale, flags);
    if (!_sdl->window)
    {
        error = std::string("Couldn't open a window: ") + SDL_GetError();
        return false;
    }
    // A 240x320 picture scaled by whole factors needs no graphics card: the
    // software renderer starts faster and costs less memory and power than a
    // GL context (which on machines without a GPU emulates one on the CPU).
    _sdl->renderer = SDL_CreateRenderer(_sdl->window, -1, SDL_RENDERER_SOFTWARE);
    if (!_sdl->renderer)
        _sdl->renderer = SDL_CreateRenderer(_sdl->window, -1, SDL_RENDERER_ACCELERATED);
    if (!_sdl->renderer)
    {
        error = std::string("Couldn't create a renderer: ") + SDL_GetError();
        return false;
    }
    // The logical size gives integer scaling with letterboxing and maps the
    // mouse back into device-screen coordinates.
    SDL_RenderSetLogicalSize(_sdl->renderer, DEVICE_WIDTH, DEVICE_HEIGHT);
    SDL_RenderSetIntegerScale(_sdl->renderer, SDL_TRUE);
    _sdl->texture = SDL_CreateTexture(_sdl->renderer, SDL_PIXELFORMAT_XBGR8888, SDL_TEXTUREACCESS_STREAMING,
                                      DEVICE_WIDTH, DEVICE_HEIGHT);
    if (!_sdl->texture)
    {
        error = std::string("Couldn't create the screen texture: ") + SDL_GetError();
        return false;
    }
    SDL_StopTextInput();

    // Sound is a nicety: without an audio device the game plays silently.
    QuietAlsaReports();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0)
    {
        _sdl->audioStarted = true;
        SDL_AudioSpec want{};
        want.freq = 22050;
        want.format = AUDIO_S16SYS;
        want.channels = 1;
        want.samples = 1024;
        _sdl->audio = SDL_OpenAudioDevice(nullptr, 0, &want, &_sdl->audioSpec, 0);
    }
    if (!_sdl->audio)
        DebugPrintf("No audio device could be opened (%s); the game plays silently.\n", SDL_GetError());
    return true;
}

SdlHost::~SdlHost()
{
    if (_sdl->audio)
        SDL_CloseAudioDevice(_sdl->audio);
    if (_sdl->texture)
        SDL_DestroyTexture(_sdl->texture);
    if (_sdl->renderer)
        SDL_DestroyRenderer(_sdl->renderer);
    if (_sdl->window)
        SDL_DestroyWindow(_sdl->window);
    if (_sdl->audioStarted)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    if (_sdl->videoStarted)
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    SDL_Quit();
}

uint32_t SdlHost::Ticks()
{
    return SDL_GetTicks();
}

bool SdlHost::Translate(const void* raw, HostEvent& event)
{
    const SDL_Event& e = *static_cast<const SDL_Event*>(raw);
    event = HostEvent{};
    switch (e.type)
    {
    case SDL_QUIT:
        event.kind = HostEvent::Quit;
        return true;
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
            Redraw();
        return false;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (e.button.button != SDL_BUTTON_LEFT)
            return false;
        event.kind = e.type == SDL_MOUSEBUTTONDOWN ? HostEvent::StylusDown : HostEvent::StylusUp;
        event.x = static_cast<int16_t>(e.button.x);
        event.y = static_cast<int16_t>(e.button.y);
        // Capture keeps the stylus ours while it is dragged outside the window.
        SDL_CaptureMouse(e.type == SDL_MOUSEBUTTONDOWN ? SDL_TRUE : SDL_FALSE);
        return true;
    case SDL_MOUSEMOTION:
        if (!(e.motion.state & SDL_BUTTON_LMASK))
            return false;
        event.kind = HostEvent::StylusMove;
        event.x = static_cast<int16_t>(e.motion.x);
        event.y = static_cast<int16_t>(e.motion.y);
        return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    {
        const uint16_t key = MapKey(e.key.keysym, _textInput);
        if (!key || (e.type == SDL_KEYDOWN && e.key.repeat && key != HOSTKEY_BACKSPACE &&
                     key != HOSTKEY_DELETE && key != HOSTKEY_LEFT && key != HOSTKEY_RIGHT))
            return false;
        event.kind = e.type == SDL_KEYDOWN ? HostEvent::KeyDown : HostEvent::KeyUp;
        event.key = key;
        return true;
    }
    case SDL_TEXTINPUT:
        event.kind = HostEvent::Char;
        event.character = FirstCharacter(e.text.text);
        return event.character != 0;
    default:
        if (e.type == s_raiseEventType)
        {
            event.kind = HostEvent::Raise;
            return true;
        }
        return false;
    }
}

bool SdlHost::PollEvent(HostEvent& event)
{
    SDL_Event e;
    while (SDL_PollEvent(&e))
    {
        if (Translate(&e, event))
            return true;
    }
    return false;
}

void SdlHost::WaitForEvent(bool busy)
{
    if (!busy)
    {
        SDL_WaitEvent(nullptr);
        return;
    }
    // A form wants idle time: hand it out at a steady pace rather than
    // spinning, waking early for input.
    const uint32_t now = SDL_GetTicks();
    const uint32_t elapsed = now - _lastIdle;
    if (elapsed < _options.idlePace)
        SDL_WaitEventTimeout(nullptr, static_cast<int>(_options.idlePace - elapsed));
    _lastIdle = SDL_GetTicks();
}

void SdlHost::Present(const uint32_t* pixels)
{
    std::memcpy(_lastFrame.data(), pixels, _lastFrame.size() * sizeof(uint32_t));
    _haveFrame = true;
    Redraw();
}

void SdlHost::Redraw()
{
    if (!_haveFrame)
        return;
    SDL_UpdateTexture(_sdl->texture, nullptr, _lastFrame.data(), DEVICE_WIDTH * sizeof(uint32_t));
    SDL_SetRenderDrawColor(_sdl->renderer, 0, 0, 0, 255);
    SDL_RenderClear(_sdl->renderer);
    SDL_RenderCopy(_sdl->renderer, _sdl->texture, nullptr, nullptr);
    SDL_RenderPresent(_sdl->renderer);
}

void SdlHost::PlaySound(int resourceId, const uint8_t* wav, size_t size)
{
    if (!_sdl->audio || !wav || size == 0)
        return;
    auto found = _convertedSounds.find(resourceId);
    if (found == _convertedSounds.end())
    {
        SDL_AudioSpec wavFormat;
        Uint8* buffer = nullptr;
        Uint32 length = 0;
        SDL_RWops* rw = SDL_RWFromConstMem(wav, static_cast<int>(size));
        if (!SDL_LoadWAV_RW(rw, 1, &wavFormat, &buffer, &length))
            return;
        SDL_AudioCVT cvt;
        std::vector<uint8_t> converted;
        if (SDL_BuildAudioCVT(&cvt, wavFormat.format, wavFormat.channels, wavFormat.freq, _sdl->audioSpec.format,
                              _sdl->audioSpec.channels, _sdl->audioSpec.freq) >= 0)
        {
            converted.resize(size_t(length) * (cvt.len_mult > 0 ? cvt.len_mult : 1));
            std::memcpy(converted.data(), buffer, length);
            cvt.buf = converted.data();
            cvt.len = static_cast<int>(length);
            if (cvt.needed)
                SDL_ConvertAudio(&cvt);
            converted.resize(size_t(cvt.needed ? cvt.len_cvt : cvt.len));
        }
        SDL_FreeWAV(buffer);
        found = _convertedSounds.emplace(resourceId, std::move(converted)).first;
    }
    SDL_ClearQueuedAudio(_sdl->audio);
    SDL_QueueAudio(_sdl->audio, found->second.data(), static_cast<Uint32>(found->second.size()));
    SDL_PauseAudioDevice(_sdl->audio, 0);
}

HostAnswer SdlHost::MessageBox(const char* caption, const char* text, HostButtons buttons)
{
    struct Choice
    {
        const char* label;
        HostAnswer answer;
    };
    std::vector<Choice> choices;
    switch (buttons)
    {
    case HostButtons::Ok:
        choices = {{"OK", HostAnswer::Ok}};
        break;
    case HostButtons::AbortRetryIgnore:
        choices = {
            {"Abort", HostAnswer::Abort}, {"Retry", HostAnswer::Retry}, {"Ignore", HostAnswer::Ignore}};
        break;
    case HostButtons::RetryCancel:
        choices = {{"Retry", HostAnswer::Retry}, {"Cancel", HostAnswer::Cancel}};
        break;
    case HostButtons::YesNo:
        choices = {{"Yes", HostAnswer::Yes}, {"No", HostAnswer::No}};
        break;
    case HostButtons::OkCancel:
        choices = {{"OK", HostAnswer::Ok}, {"Cancel", HostAnswer::Cancel}};
        break;
    }
    std::vector<SDL_MessageBoxButtonData> data;
    for (size_t i = 0; i < choices.size(); ++i)
    {
        Uint32 flags = 0;
        if (i == 0)
            flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
        if (i + 1 == choices.size())
            flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
        data.push_back(SDL_MessageBoxButtonData{flags, static_cast<int>(i), choices[i].label});
    }
    SDL_MessageBoxData box{};
    box.flags = buttons == HostButtons::Ok ? SDL_MESSAGEBOX_INFORMATION : SDL_MESSAGEBOX_WARNING;
    box.window = _sdl->window;
    box.title = caption;
    box.message = text;
    box.numbuttons = static_cast<int>(data.size());
    box.buttons = data.data();
    int chosen = -1;
    if (SDL_ShowMessageBox(&box, &chosen) != 0 || chosen < 0)
        return choices.back().answer;
    return choices[size_t(chosen)].answer;
}

void SdlHost::SetTextInput(bool on)
{
    _textInput = on;
    if (on)
        SDL_StartTextInput();
    else
        SDL_StopTextInput();
}

bool SdlHost::IsKeyDown(uint16_t key)
{
    const SDL_Scancode scancode = ScancodeOf(key);
    if (scancode == SDL_SCANCODE_UNKNOWN)
        return false;
    const Uint8* state = SDL_GetKeyboardState(nullptr);
    return state[scancode] != 0;
}

void SdlHost::Raise()
{
    SDL_RestoreWindow(_sdl->window);
    SDL_RaiseWindow(_sdl->window);
}

void SdlHost::PostRaise()
{
    if (s_raiseEventType == static_cast<uint32_t>(-1))
        return;
    SDL_Event e{};
    e.type = s_raiseEventType;
    SDL_PushEvent(&e);
}
