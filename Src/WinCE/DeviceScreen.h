// DeviceScreen: composes the 240x320 device screen and hands it to the host.
//
// From the top: the 26-pixel system bar with the title of the active form,
// the visible forms in their stacking order (each form's surface at its
// position, with its native controls drawn over it) and, across the bottom,
// the menu bar of the top form. The composed picture is compared with the one
// shown last and presented only when it differs, so a quiet screen costs no
// drawing on the host's side.
#pragma once

#include "WinCE/OffscreenWindow.h"

#include <cstdint>
#include <vector>

class Form;
class MenuBar;

class DeviceScreen
{
public:
    DeviceScreen();
    ~DeviceScreen();
    DeviceScreen(const DeviceScreen&) = delete;
    DeviceScreen& operator=(const DeviceScreen&) = delete;

    // Draws the whole device screen into the frame.
    void Compose();
    // Composes and presents the frame when it changed (or when forced, after
    // the host lost its picture). Returns true when it presented.
    bool PresentIfChanged(bool force);

    // The composed frame (DEVICE_WIDTH x DEVICE_HEIGHT).
    OffscreenWindow& GetFrame() { return _frame; }
    int32_t GetPresentCount() const { return _presents; }

    // The menu bar shown at the bottom: the top visible form's, or null.
    static MenuBar* CurrentMenuBar();
    // The form whose title the system bar shows.
    static Form* TitleForm();

    // Draws system-font text in a colour; `background` COLOR_TRANSPARENT keeps
    // what is under the glyphs. Clipped to the window's surface.
    static void DrawText(Window* window, int32_t x, int32_t y, const char* text, uint32_t foreground,
                         uint32_t background);
    static constexpr uint32_t COLOR_TRANSPARENT = 0xFF000000;

private:
    OffscreenWindow _frame;
    std::vector<uint32_t> _shown;
    bool _haveShown = false;
    int32_t _presents = 0;
};
