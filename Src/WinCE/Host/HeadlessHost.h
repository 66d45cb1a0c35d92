// A host without a window, for tests, scripted runs and screenshots.
//
// Time stands still until the driver advances the fake clock; input is what
// the driver pushes; every presented frame, played sound and message box is
// recorded so tests can assert on them, and so is every lasting change the
// store reports. Message boxes are answered from configuration (by default
// Abort for Abort/Retry/Ignore, Cancel where there is one, otherwise Ok or
// No) and their text goes to stderr.
#pragma once

#include "WinCE/Host/Host.h"

#include <deque>
#include <mutex>
#include <set>
#include <string>
#include <vector>

class HeadlessHost : public Host
{
public:
    struct Message
    {
        std::string caption;
        std::string text;
        HostButtons buttons;
        HostAnswer answer;
    };

    explicit HeadlessHost(uint32_t startTicks = 0);
    ~HeadlessHost() override;

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

    // Driving the host.
    void AdvanceClock(uint32_t milliseconds) { _now += milliseconds; }
    void Push(const HostEvent& event);
    void Tap(int x, int y);
    void StylusDown(int x, int y);
    void StylusMove(int x, int y);
    void StylusUp(int x, int y);
    void Key(uint16_t key, bool pressed);
    void Type(const std::string& text);
    bool HasPendingEvents() const;

    // The answer given to every message box with these buttons from now on.
    void SetAnswer(HostButtons buttons, HostAnswer answer);
    // Whether message box texts are echoed to stderr (on by default).
    void SetEchoMessages(bool echo) { _echoMessages = echo; }
    bool EchoesMessages() const { return _echoMessages; }

    // What happened.
    const std::vector<uint32_t>& LastFrame() const { return _frame; }
    int PresentCount() const { return _presentCount; }
    const std::vector<int>& PlayedSounds() const { return _sounds; }
    const std::vector<Message>& Messages() const { return _messages; }
    const std::vector<std::string>& OpenedDocuments() const { return _documents; }
    bool TextInputOn() const { return _textInput; }
    int RaiseCount() const { return _raiseCount; }
    // How often the loop asked to wait for input (false) or idle time (true).
    const std::vector<bool>& Waits() const { return _waits; }
    // The store files told of a lasting change, one entry a change.
    const std::vector<std::string>& StoreWrites() const { return _storeWrites; }

private:
    HostEvent MakeEvent(HostEvent::Kind kind, int x, int y) const;

    uint32_t _now;
    mutable std::mutex _queueLock; // a second start may push Raise from the instance listener
    std::deque<HostEvent> _queue;
    std::set<uint16_t> _keysDown;
    std::vector<uint32_t> _frame;
    int _presentCount = 0;
    std::vector<int> _sounds;
    std::vector<Message> _messages;
    std::vector<std::string> _documents;
    std::vector<std::string> _storeWrites;
    std::vector<bool> _waits;
    HostAnswer _answers[5];
    bool _echoMessages = true;
    bool _textInput = false;
    int _raiseCount = 0;
};
