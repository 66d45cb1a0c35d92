#include "WinCE/ImageData.h"

#include "WinCE/Assert.h"
#include "WinCE/OffscreenWindow.h"

ImageData::~ImageData()
{
    delete _surface;
}

void ImageData::Attach()
{
    ++_useCount;
}

void ImageData::Detach()
{
    ASSERT(_useCount > 0);
    if (--_useCount == 0)
        delete this;
}
