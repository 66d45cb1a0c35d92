// The host: everything the platform layer needs from the machine it runs on,
// behind one small interface.
//
// The platform layer composes the whole 240x320 device screen itself (system
// bar, the top form, the menu bar) and hands finished pixels to the host; the
// host hands back input as device events (stylus in device-screen
// coordinates, keys as device virtual-key codes, typed characters) and tells
// the time. Three hosts exist: SdlHost shows a desktop window, HeadlessHost
// runs without one for tests and scripts, WebHost draws into a browser page.
// Because all input and all time pass through here, a session can be recorded
// and replayed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The device screen.
constexpr int DEVICE_WIDTH = 240;
constexpr int DEVICE_HEIGHT = 320;

// Virtual-key codes the host reports. The pad and the game buttons use the
// codes of the device's default game-input key list; the host's key table
// (GetDefaultKeys) gives them in the order up, down, left, right, A, B, C, start.
enum HostKey : uint16_t
{
    HOSTKEY_BACK = 0x1B, // Esc: the back key
    HOSTKEY_LEFT = 0x25,
    HOSTKEY_UP = 0x26,
    HOSTKEY_RIGHT = 0x27,
    HOSTKEY_DOWN = 0x28,
    HOSTKEY_F1 = 0x70,
    HOSTKEY_F2 = 0x71,
    HOSTKEY_F3 = 0x72,
    HOSTKEY_F4 = 0x73,
    HOSTKEY_A = 0xC1,
    HOSTKEY_B = 0xC2,
    HOSTKEY_C = 0xC3,
    HOSTKEY_START = 0xC4,
    HOSTKEY_QUIT = 0xE0, // Ctrl+Q: leave the program
    HOSTKEY_BACKSPACE = 0x08,
    HOSTKEY_RETURN = 0x0D,
    HOSTKEY_DELETE = 0x2E,
    HOSTKEY_HOME = 0x24,
    HOSTKEY_END = 0x23,
};

// The default key list, in the order of the device's game-input table.
struct HostKeyTable
{
    uint16_t up, down, left, right, a, b, c, start;
};

struct HostEvent
{
    enum Kind
    {
        None,
        StylusDown, // x, y: device-screen coordinates
        StylusMove,
        StylusUp,
        KeyDown, // key: a HostKey code
        KeyUp,
        Char,   // character: a typed character (UTF-16 code unit)
        Quit,   // the window was closed
        Expose, // the window needs the last frame again
        Raise,  // a second start asked this instance to come to the front
        // The program may be stopped soon without a Quit (a browser tab
        // hidden, reloaded or closed): what must survive is saved now, and
        // the program carries on if it is not stopped after all.
        Suspend,
    };
    Kind kind = None;
    int16_t x = 0;
    int16_t y = 0;
    uint16_t key = 0;
    uint16_t character = 0;
};

// The buttons of a message box and the answer chosen.
enum class HostButtons
{
    Ok,
    AbortRetryIgnore,
    RetryCancel,
    YesNo,
    OkCancel,
};

enum class HostAnswer
{
    Ok,
    Abort,
    Retry,
    Ignore,
    Yes,
    No,
    Cancel,
};

class Host
{
public:
    virtual ~Host();

    // Milliseconds, wrapping at 2^32; the platform's GetTickCount reads this.
    virtual uint32_t Ticks() = 0;

    // Takes the next input event without waiting; false when none is pending.
    virtual bool PollEvent(HostEvent& event) = 0;

    // Blocks until an event is pending (or, with busy set, until the next
    // moment the host wants to hand out idle time). The host chooses the pace
    // so that a screen with running time costs little of a core.
    virtual void WaitForEvent(bool busy) = 0;

    // Shows a finished device screen: DEVICE_WIDTH x DEVICE_HEIGHT pixels of
    // 0x00BBGGRR, rows top-down.
    virtual void Present(const uint32_t* pixels) = 0;

    // Plays a wave resource (its id and the WAV file bytes), replacing
    // whatever is playing.
    virtual void PlaySound(int resourceId, const uint8_t* wav, size_t size) = 0;

    virtual HostAnswer MessageBox(const char* caption, const char* text, HostButtons buttons) = 0;

    // Typed characters are delivered only while text input is on.
    virtual void SetTextInput(bool on) = 0;

    virtual bool IsKeyDown(uint16_t key) = 0;

    // Brings the window to the front (asked for by a second start).
    virtual void Raise() = 0;

    // Opens a document (the HTML manual) with the desktop's opener.
    virtual bool OpenDocument(const std::string& path);

    // The key table (up, down, left, right, A, B, C, start).
    virtual HostKeyTable GetDefaultKeys() const;

    // The store file at `path` has just taken a change that must last (a
    // whole transaction, or a single write outside one). A host whose files
    // do not outlive the program by themselves (a browser page's) copies the
    // file to lasting storage here; on the others files last already.
    virtual void StoreWritten(const std::string& path);
};

// The host the platform layer talks to; set once at start.
Host* GetHost();
void SetHost(Host* host);
