#include "WinCE/OffscreenWindow.h"

OffscreenWindow::OffscreenWindow(int16_t width, int16_t height)
    : Window(width, height), _buffer(width, height)
{
    SetSurface(&_buffer);
}

OffscreenWindow::~OffscreenWindow()
{
    SetSurface(nullptr);
}
