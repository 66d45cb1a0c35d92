// The desktop host: a window showing the device screen through SDL2.
//
// The 240x320 screen is scaled by a whole factor (2 by default), letterboxed
// when the window is resized, drawn nearest-neighbour so pixels stay crisp.
// The mouse is the stylus (captured while pressed), the keyboard stands in for
// the hardware buttons (arrows = pad, Z/X/C = A/B/C, Enter = start, F1-F4,
// Esc = back, Ctrl+Q = quit). Sounds play through SDL audio; assertion and
// fatal-error boxes are SDL message boxes. Only this file pair includes SDL.
#pragma once

#include "WinCE/Host/Host.h"

#include <map>
#include <memory>
#include <vector>

struct SdlHostOptions
{
    int scale = 2;
    bool fullscreen = false;
    const char* title = "Jet Warden";
    // Milliseconds between idle calls while a form wants to be called again.
    uint32_t idlePace = 25;
};

class SdlHost : public Host
{
public:
    // Returns null, with the reason in `error`, when no display can be opened.
    static std::unique_ptr<SdlHost> Create(const SdlHostOptions& options, std::string& error);
    ~SdlHost() override;

    uint32_t Ticks() override;
    bool PollEvent(HostEvent& event) override;
    void WaitForEvent(bool busy) override;
    void Present(const uint32_t* pixels) override;
    void PlaySound(int resourceId, const uint8_t* wav, size_t size) override;
    HostAnswer MessageBox(const char* caption, const char* text, HostButtons buttons) override;
    void SetTextInput(bool on) override;
    bool IsKeyDown(uint16_t key) override;
    void Raise() override;

    // Safe from any thread: wakes the loop with a Raise event.
    static void PostRaise();

private:
    explicit SdlHost(const SdlHostOptions& options);
    bool Open(std::string& error);
    void Redraw();
    bool Translate(const void* sdlEvent, HostEvent& event);

    SdlHostOptions _options;
    struct Sdl;
    std::unique_ptr<Sdl> _sdl;
    std::vector<uint32_t> _lastFrame;
    bool _haveFrame = false;
    bool _textInput = false;
    uint32_t _lastIdle = 0;
    std::map<int, std::vector<uint8_t>> _convertedSounds;
};
