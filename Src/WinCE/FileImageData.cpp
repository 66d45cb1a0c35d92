#include "WinCE/FileImageData.h"

#include "WinCE/Assert.h"
#include "WinCE/DIBFile.h"
#include "WinCE/OffscreenWindow.h"

namespace
{
int32_t s_loadCount = 0;
} // namespace

FileImageData::FileImageData(const char* name) : _name(name ? name : "")
{
    ASSERT(name != NULL && "imagename");
    const DIBFile file(name);
    _width = static_cast<int16_t>(file.GetWidth());
    _height = static_cast<int16_t>(file.GetHeight());
}

OffscreenWindow* FileImageData::GetSurface()
{
    if (_surface == nullptr)
    {
        const DIBFile file(_name.c_str());
        _width = static_cast<int16_t>(file.GetWidth());
        _height = static_cast<int16_t>(file.GetHeight());
        _surface = new OffscreenWindow(_width, _height);
        file.CopyTo(*_surface->GetDC());
        ++s_loadCount;
    }
    return _surface;
}

int32_t FileImageData::GetLoadCount()
{
    return s_loadCount;
}
