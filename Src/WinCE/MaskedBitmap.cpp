#include "WinCE/MaskedBitmap.h"

#include "WinCE/Assert.h"
#include "WinCE/FileImageData.h"
#include "WinCE/OffscreenWindow.h"
#include "WinCE/WindowImageData.h"

#include <string>

MaskedBitmap::MaskedBitmap(const char* imageName, const char* maskName)
    : Bitmap(imageName), _mask(new FileImageData(maskName))
{
    _mask->Attach();
    Prepare(maskName);
}

MaskedBitmap::MaskedBitmap(OffscreenWindow* image, OffscreenWindow* mask)
    : Bitmap(image), _mask(new WindowImageData(mask))
{
    _mask->Attach();
    Prepare("(drawn mask)");
}

MaskedBitmap::MaskedBitmap(const MaskedBitmap& other) : Bitmap(other), _mask(other._mask)
{
    if (_mask)
        _mask->Attach();
}

MaskedBitmap::MaskedBitmap(const MaskedBitmap& other, const Rect& sub)
    : Bitmap(other, sub), _mask(other._mask)
{
    if (_mask)
        _mask->Attach();
}

MaskedBitmap::~MaskedBitmap()
{
    if (_mask)
        _mask->Detach();
}

void MaskedBitmap::Prepare(const char* maskName)
{
    // A mask of another size would leave parts of the image unmasked: the
    // data file is damaged, and the message names the mask.
    const Rect maskrect{{0, 0}, {_mask->GetWidth(), _mask->GetHeight()}};
    if (!((GetImgRect().extent.x == maskrect.extent.x) && (GetImgRect().extent.y == maskrect.extent.y)))
    {
        const std::string message = std::string("Bitmap mask doesn't match its image size:") + maskName;
        FatalError(message.c_str());
        return;
    }
    // Pre-multiply: invert the mask, AND it onto the image (transparent parts
    // become black), invert the mask back.
    OffscreenWindow* mask = _mask->GetSurface();
    OffscreenWindow* image = _data->GetSurface();
    const Rect whole{{0, 0}, {maskrect.extent.x, maskrect.extent.y}};
    mask->InvertRect(whole, 0);
    image->Blit(mask, 0, 0, whole.extent.x, whole.extent.y, 0, 0, SRCAND);
    mask->InvertRect(whole, 0);
}

void MaskedBitmap::DrawPart(Window* window, int32_t x, int32_t y, const Rect& sub, uint32_t rop)
{
    MaskedBitmap part(*this, sub);
    part.Draw(window, x, y, rop);
}

void MaskedBitmap::Draw(Window* window, int32_t x, int32_t y, uint32_t)
{
    ASSERT(_data && _mask && "bmpdata && maskdata");
    ASSERT(window != NULL && "_window");
    const Rect& r = GetImgRect();
    window->Blit(_mask->GetSurface(), r.origin.x, r.origin.y, r.extent.x, r.extent.y, x, y, SRCAND);
    window->Blit(_data->GetSurface(), r.origin.x, r.origin.y, r.extent.x, r.extent.y, x, y, SRCPAINT);
}

Window* MaskedBitmap::GetSurface()
{
    ASSERT(_mask);
    return _mask->GetSurface();
}

Window* MaskedBitmap::GetImageSurface()
{
    ASSERT(_data);
    return _data->GetSurface();
}
