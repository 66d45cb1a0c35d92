// OffscreenWindow: a window drawn in memory only, a back buffer.
//
// Screens and controls compose their pictures in off-screen windows and blit
// them to the form; images keep their pixels in one too. A 0 x 0 off-screen
// window is legal and stands for an image not yet loaded.
#pragma once

#include "WinCE/Surface.h"
#include "WinCE/Window.h"

class OffscreenWindow : public Window
{
public:
    OffscreenWindow(int16_t width, int16_t height);
    ~OffscreenWindow() override;

private:
    Surface _buffer;
};
