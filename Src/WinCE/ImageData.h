// ImageData: the pixels of one image, shared by the bitmaps cut from it.
//
// Many bitmaps can view rectangles of one image (font strips, button strips)
// without copying pixels: each holds one use of the image (`_useCount`), and
// the image deletes itself when the last one lets go. The pixels live in an
// off-screen window, the surface, that `GetSurface` returns. Two kinds exist:
// `FileImageData` loads a bitmap file of the data file on first use, and
// `WindowImageData` wraps an off-screen window handed to it.
#pragma once

#include <cstdint>

class OffscreenWindow;

class ImageData
{
public:
    virtual ~ImageData();

    ImageData(const ImageData&) = delete;
    ImageData& operator=(const ImageData&) = delete;

    // The window holding the pixels (loading them first when needed).
    virtual OffscreenWindow* GetSurface() = 0;

    // -1 while unknown.
    int16_t GetWidth() const { return _width; }
    int16_t GetHeight() const { return _height; }
    int32_t GetUseCount() const { return _useCount; }

    // A bitmap starts or stops using the image; the last release deletes it.
    void Attach();
    void Detach();

protected:
    ImageData() = default;

    int16_t _width = -1;
    int16_t _height = -1;
    int32_t _useCount = 0;
    OffscreenWindow* _surface = nullptr;
};
