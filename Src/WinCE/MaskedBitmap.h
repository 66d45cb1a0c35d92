// MaskedBitmap: a bitmap drawn with transparency through a mask image.
//
// The mask has the image's size; black mask pixels mark where the image is
// drawn, white ones where the background stays. At construction the image is
// pre-multiplied once (its transparent pixels made black), so drawing costs
// two blits and no work per pixel: the mask's rectangle with SRCAND (clearing
// the opaque area), then the image's with SRCPAINT (painting into it). The
// raster operation passed to Draw is therefore not used.
//
// As the fourth operation of a bitmap, GetSurface returns the mask's window;
// GetImageSurface returns the image's.
#pragma once

#include "WinCE/Bitmap.h"

class MaskedBitmap : public Bitmap
{
public:
    // The named image and mask files of the data file.
    MaskedBitmap(const char* imageName, const char* maskName);
    // An image and a mask drawn at run time; both windows are then owned.
    MaskedBitmap(OffscreenWindow* image, OffscreenWindow* mask);
    // Share both images of the other bitmap, with its rectangle or one cut from it.
    MaskedBitmap(const MaskedBitmap& other);
    MaskedBitmap(const MaskedBitmap& other, const Rect& sub);
    ~MaskedBitmap() override;

    MaskedBitmap& operator=(const MaskedBitmap&) = delete;

    void DrawPart(Window* window, int32_t x, int32_t y, const Rect& sub, uint32_t rop) override;
    void Draw(Window* window, int32_t x, int32_t y, uint32_t rop) override;
    // The mask's window.
    Window* GetSurface() override;
    // The (pre-multiplied) image's window.
    Window* GetImageSurface();

    ImageData* GetMaskData() const { return _mask; }

private:
    // Checks the sizes and pre-multiplies the image by the mask.
    void Prepare(const char* maskName);

    ImageData* _mask;
};
