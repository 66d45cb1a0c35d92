#include "WinCE/Bitmap.h"

#include "WinCE/Assert.h"
#include "WinCE/FileImageData.h"
#include "WinCE/OffscreenWindow.h"
#include "WinCE/WindowImageData.h"

#include <algorithm>

Rect Bitmap::Cut(const Rect& rect, const Rect& sub)
{
    const int32_t x = rect.origin.x, y = rect.origin.y, w = rect.extent.x, h = rect.extent.y;
    const int32_t x2 = sub.origin.x, y2 = sub.origin.y, w2 = sub.extent.x, h2 = sub.extent.y;
    ASSERT(x >= 0 && y >= 0 && w >= 0 && h >= 0);
    ASSERT(x2 >= 0 && y2 >= 0 && w2 >= 0 && h2 >= 0);
    const int64_t width = std::max<int64_t>(0, std::min<int64_t>(int64_t(w) - x2, w2));
    const int64_t height = std::max<int64_t>(0, std::min<int64_t>(int64_t(h) - y2, h2));
    return Rect{{static_cast<int32_t>(std::min<int64_t>(int64_t(x) + x2, INT32_MAX)),
                 static_cast<int32_t>(std::min<int64_t>(int64_t(y) + y2, INT32_MAX))},
                {static_cast<int32_t>(width), static_cast<int32_t>(height)}};
}

Bitmap::Bitmap(ImageData* data, const Rect& rect) : _rect(rect), _data(data)
{
    if (_data)
        _data->Attach();
}

Bitmap::Bitmap(const char* fileName) : Bitmap(new FileImageData(fileName), Rect{})
{
    _rect = Rect{{0, 0}, {_data->GetWidth(), _data->GetHeight()}};
}

Bitmap::Bitmap(const Bitmap& other) : Bitmap(other._data, other._rect) {}

Bitmap::Bitmap(const Bitmap& other, const Rect& sub) : Bitmap(other._data, Cut(other._rect, sub)) {}

Bitmap::Bitmap(const Bitmap& other, int32_t x, int32_t y, int32_t width, int32_t height)
    : Bitmap(other, Rect{{x, y}, {width, height}})
{
}

Bitmap::Bitmap(OffscreenWindow* window) : Bitmap(new WindowImageData(window), window->GetRect()) {}

Bitmap::Bitmap(OffscreenWindow* window, const Rect& rect) : Bitmap(new WindowImageData(window), rect) {}

Bitmap::~Bitmap()
{
    if (_data)
        _data->Detach();
}

void Bitmap::DrawPart(Window* window, int32_t x, int32_t y, const Rect& sub, uint32_t rop)
{
    Bitmap part(*this, sub);
    part.Draw(window, x, y, rop);
}

void Bitmap::Draw(Window* window, int32_t x, int32_t y, uint32_t rop)
{
    if (_data == nullptr)
        return;
    ASSERT(window != NULL && "_window");
    window->Blit(_data->GetSurface(), _rect.origin.x, _rect.origin.y, _rect.extent.x, _rect.extent.y, x, y,
                 rop);
}

Window* Bitmap::GetSurface()
{
    ASSERT(_data);
    return _data->GetSurface();
}
