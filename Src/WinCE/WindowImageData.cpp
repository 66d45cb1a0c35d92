#include "WinCE/WindowImageData.h"

#include "WinCE/Assert.h"
#include "WinCE/OffscreenWindow.h"

WindowImageData::WindowImageData(OffscreenWindow* window)
{
    ASSERT(window != NULL && "an image needs its window");
    _surface = window;
    _width = static_cast<int16_t>(window->GetWidth());
    _height = static_cast<int16_t>(window->GetHeight());
}
