// A block of 32-bit pixels in memory: what a window draws into.
//
// Every window of the platform layer (forms and off-screen back buffers) owns
// one surface; the host presents the surfaces of forms on the screen. Pixels
// hold colours as 0x00BBGGRR, rows are stored top row first, `GetStride` pixels
// apart. A new surface is black. A 0 x 0 surface is legal: it stands for an
// image whose pixels are not loaded yet.
#pragma once

#include <cstdint>
#include <memory>

class Surface
{
public:
    Surface(int32_t width, int32_t height);

    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int32_t GetWidth() const { return _width; }
    int32_t GetHeight() const { return _height; }
    // Distance between the starts of two rows, in pixels.
    int32_t GetStride() const { return _stride; }

    uint32_t* GetRow(int32_t y) { return _pixels.get() + static_cast<size_t>(y) * _stride; }
    const uint32_t* GetRow(int32_t y) const { return _pixels.get() + static_cast<size_t>(y) * _stride; }

    // Single-pixel access for tests and slow paths; the position must lie on the surface.
    uint32_t GetPixel(int32_t x, int32_t y) const;
    void SetPixel(int32_t x, int32_t y, uint32_t colour);

    // Sets every pixel to one colour.
    void Clear(uint32_t colour);

private:
    int32_t _width;
    int32_t _height;
    int32_t _stride;
    std::unique_ptr<uint32_t[]> _pixels;
};
