#include "WinCE/Host/HeadlessHost.h"

#include <cstdio>
#include <cstring>

HeadlessHost::HeadlessHost(uint32_t startTicks)
    : _now(startTicks), _frame(size_t(DEVICE_WIDTH) * DEVICE_HEIGHT, 0),
      _answers{HostAnswer::Ok, HostAnswer::Abort, HostAnswer::Cancel, HostAnswer::No, HostAnswer::Cancel}
{
}

HeadlessHost::~HeadlessHost() = default;

uint32_t HeadlessHost::Ticks()
{
    return _now;
}

bool HeadlessHost::PollEvent(HostEvent& event)
{
    std::lock_guard<std::mutex> guard(_queueLock);
    if (_queue.empty())
        return false;
    event = _queue.front();
    _queue.pop_front();
    if (event.kind == HostEvent::KeyDown)
        _keysDown.insert(event.key);
    else if (event.kind == HostEvent::KeyUp)
        _keysDown.erase(event.key);
    return true;
}

void HeadlessHost::WaitForEvent(bool busy)
{
    // Nothing arrives by waiting: the driver pushes input and moves the clock.
    _waits.push_back(busy);
}

void HeadlessHost::Present(const uint32_t* pixels)
{
    std::memcpy(_frame.data(), pixels, _frame.size() * sizeof(uint32_t));
    ++_presentCount;
}

void HeadlessHost::PlaySound(int resourceId, const uint8_t*, size_t)
{
    _sounds.push_back(resourceId);
}

HostAnswer HeadlessHost::MessageBox(const char* caption, const char* text, HostButtons buttons)
{
    const HostAnswer answer = _answers[static_cast<int>(buttons)];
    _messages.push_back(Message{caption ? caption : "", text ? text : "", buttons, answer});
    if (_echoMessages)
        std::fprintf(stderr, "%s: %s\n", caption ? caption : "", text ? text : "");
    return answer;
}

void HeadlessHost::SetTextInput(bool on)
{
    _textInput = on;
}

bool HeadlessHost::IsKeyDown(uint16_t key)
{
    std::lock_guard<std::mutex> guard(_queueLock);
    return _keysDown.count(key) != 0;
}

void HeadlessHost::Raise()
{
    ++_raiseCount;
}

bool HeadlessHost::OpenDocument(const std::string& path)
{
    _documents.push_back(path);
    return true;
}

void HeadlessHost::StoreWritten(const std::string& path)
{
    _storeWrites.push_back(path);
}

void HeadlessHost::Push(const HostEvent& event)
{
    std::lock_guard<std::mutex> guard(_queueLock);
    _queue.push_back(event);
}

HostEvent HeadlessHost::MakeEvent(HostEvent::Kind kind, int x, int y) const
{
    HostEvent event;
    event.kind = kind;
    event.x = static_cast<int16_t>(x);
    event.y = static_cast<int16_t>(y);
    return event;
}

void HeadlessHost::Tap(int x, int y)
{
    StylusDown(x, y);
    StylusUp(x, y);
}

void HeadlessHost::StylusDown(int x, int y)
{
    Push(MakeEvent(HostEvent::StylusDown, x, y));
}

void HeadlessHost::StylusMove(int x, int y)
{
    Push(MakeEvent(HostEvent::StylusMove, x, y));
}

void HeadlessHost::StylusUp(int x, int y)
{
    Push(MakeEvent(HostEvent::StylusUp, x, y));
}

void HeadlessHost::Key(uint16_t key, bool pressed)
{
    HostEvent event;
    event.kind = pressed ? HostEvent::KeyDown : HostEvent::KeyUp;
    event.key = key;
    Push(event);
}

void HeadlessHost::Type(const std::string& text)
{
    // Typed text is delivered whether or not text input is on, as a desktop
    // keyboard would; the form decides what to do with it.
    for (unsigned char c : text)
    {
        HostEvent event;
        event.kind = HostEvent::Char;
        event.character = c;
        Push(event);
    }
}

bool HeadlessHost::HasPendingEvents() const
{
    std::lock_guard<std::mutex> guard(_queueLock);
    return !_queue.empty();
}

void HeadlessHost::SetAnswer(HostButtons buttons, HostAnswer answer)
{
    _answers[static_cast<int>(buttons)] = answer;
}
