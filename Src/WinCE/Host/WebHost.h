// The browser host: the device screen on a page's canvas, built with
// emscripten.
//
// The page (WebHost.js, linked into the program) turns pointer events on the
// canvas into the stylus (captured while pressed), keys into the device's
// buttons by the desktop's key map, plays the wave sounds through Web Audio
// once the player has touched the page, shows message boxes as dialogs in
// the page and keeps the store file in the browser's IndexedDB.
//
// A page cannot block, so the loop is turned inside out: `Run` hands the
// browser one iteration of the application's loop when one is due. After
// input the next iteration comes at the next animation frame; while a form
// wants idle time it comes from a timer after the idle pace; when the loop
// waits for input nothing runs at all until input arrives. A
// message box cannot block either: an information box shows and the loop
// stands still until the player closes it; an assertion or a fatal error
// shows its text and the program ends, as a desktop run whose player
// declines to debug does.
#pragma once

#include "WinCE/Host/Host.h"

#include <deque>
#include <functional>
#include <set>
#include <vector>

struct WebHostOptions
{
    // Milliseconds between idle calls while a form wants to be called again.
    uint32_t idlePace = 25;
    // Once this many idle calls in a row have changed nothing on the screen
    // (a menu waiting, a clock panel between its once-a-second redraws),
    // they come this many milliseconds apart instead, until the screen
    // changes or input arrives: every wake costs the page a timer and a
    // call into the game, which the desktop's loop does not pay.
    uint32_t quietSteps = 8;
    uint32_t quietPace = 100;
};

class WebHost : public Host
{
public:
    explicit WebHost(const WebHostOptions& options = WebHostOptions());
    ~WebHost() override;

    uint32_t Ticks() override;
    bool PollEvent(HostEvent& event) override;
    void WaitForEvent(bool busy) override;
    void Present(const uint32_t* pixels) override;
    void PlaySound(int resourceId, const uint8_t* wav, size_t size) override;
    HostAnswer MessageBox(const char* caption, const char* text, HostButtons buttons) override;
    void SetTextInput(bool on) override;
    bool IsKeyDown(uint16_t key) override;
    void Raise() override;
    bool OpenDocument(const std::string& path) override;
    void StoreWritten(const std::string& path) override;

    // Starts the loop and returns at once: the browser calls `step` (one
    // iteration of the application's loop, false once it has ended) when
    // an iteration is due; after the last one `finished` runs once.
    void Run(std::function<bool()> step, std::function<void()> finished);

    // The page's side: input from the page's handlers, and the frame the
    // page was asked for.
    void Push(const HostEvent& event);
    // A key by its KeyboardEvent.key name: a device key by the key map, or
    // a typed character while text input is on. False when the game has no
    // use for it (the browser keeps it then).
    bool Key(const char* name, bool down, bool ctrl);
    // Releases every key held, when the page loses the keyboard.
    void ReleaseKeys();
    void Frame();
    // The player closed the message box shown last.
    void DialogClosed();

    // The one host of the page, for the page's handlers.
    static WebHost* Instance();

private:
    // When the next iteration is due.
    enum class Due
    {
        Now,       // input was handled: at the next frame
        AfterPace, // a form wants idle time
        OnInput,   // nothing until input arrives
    };
    void Request(Due due);

    WebHostOptions _options;
    std::function<bool()> _step;
    std::function<void()> _finished;
    std::deque<HostEvent> _queue;
    std::set<uint16_t> _keysDown;
    std::vector<uint32_t> _rgba;
    Due _due = Due::Now;
    bool _waited = false;
    // Idle iterations in a row that presented nothing, and whether the
    // current one presented.
    uint32_t _quiet = 0;
    bool _presented = false;
    bool _running = false;
    bool _inFrame = false;
    bool _textInput = false;
    int _openDialogs = 0;
};
