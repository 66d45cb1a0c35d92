// WindowImageData: an image around an off-screen window handed to it.
//
// Lets pixels drawn at run time (back buffers, pre-rendered text) be used as
// bitmaps. The image owns the window from then on and deletes it with itself.
#pragma once

#include "WinCE/ImageData.h"

class WindowImageData : public ImageData
{
public:
    explicit WindowImageData(OffscreenWindow* window);

    OffscreenWindow* GetSurface() override { return _surface; }
};
