// Application: the one application object and the message loop.
//
// `Run` calls `OnInit` and then steps the loop until the quit message: each
// step dispatches every pending message (device events from the host turned
// into form messages, then paints), and when none is left gives idle time to
// the active form. When idle returns true the loop asks the host for the next
// moment of idle time (the host paces it); otherwise it waits for input. A
// host that cannot block (a browser) calls `Step` once per frame instead.
//
// Keys reach the active form through `OnKey` as key bits; the device screen
// (system bar, forms, menu bar) is composed and presented after every step
// that changed it.
#pragma once

#include "WinCE/Form.h"
#include "WinCE/Host/Host.h"

#include <cstdint>

class DeviceScreen;

class Application
{
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The active form's idle call; false when no form is active.
    virtual bool OnIdle();
    // Forwarded to the active form; false when none is active.
    virtual bool OnKey(uint32_t keyBit, bool pressed);
    virtual bool OnChar(uint16_t character);
    // Creates and shows the main form. The default is a 160 x 160 form
    // titled "Form" with a caption.
    virtual void OnInit();
    // The host warns that the program may be stopped without a Quit: the
    // default keeps nothing, the game saves.
    virtual void OnSuspend();

    // OnInit, then Step until the quit message; returns 0.
    int Run();
    // Runs OnInit once (Run does this itself).
    void Init();
    // One iteration of the loop: dispatches the pending messages or, when
    // there are none, runs idle time; presents the screen when it changed.
    // With `wait` set it then lets the host block (or pace) until the next
    // iteration is due. Returns false once the quit message has arrived.
    bool Step(bool wait);
    // Takes and dispatches one pending message; false when none is waiting
    // (or the quit message is next, see IsQuitPending).
    bool DispatchOne();
    // Composes the device screen and presents it when it changed.
    void PresentIfChanged();

    void PostQuitMessage(int exitCode);
    bool IsQuitPending() const { return _quit; }
    int GetExitCode() const { return _exitCode; }
    // Takes the quit message (a modal loop that ends on it posts it again).
    void TakeQuit() { _quit = false; }

    Form* GetMainForm() const { return _mainForm; }
    DeviceScreen* GetScreen() const { return _screen; }

    static Application* Get() { return s_appPointer; }

    // The current state of the key of one key bit; unknown bits give false.
    static bool IsKeyDown(uint32_t keyBit);
    // A modal message box with an OK button.
    static void ShowMessage(const char* text, const char* caption);
    // Opens the HTML manual named by "Help File" of the application key.
    static void ShowHelp();
    // The key bit of a device key, or 0. The pad and game buttons come from
    // the host's key table, compared in the order up, down, left, right,
    // start, A, B, C; F1-F4, back and quit follow.
    static uint32_t KeyBitOf(uint16_t virtualKey);

protected:
    Form* _mainForm = nullptr;

private:
    void Deliver(const HostEvent& event);
    void DeliverStylus(const HostEvent& event);
    void DeliverKey(const HostEvent& event);

    DeviceScreen* _screen;
    bool _quit = false;
    int _exitCode = 0;
    bool _initialised = false;
    bool _lastIdle = false;
    static Application* s_appPointer;
};
