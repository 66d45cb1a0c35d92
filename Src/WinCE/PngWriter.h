// PngWriter: saves the pixels of a surface as a PNG file.
//
// Used for screenshots (tests, review, the data contact sheet). The image is
// written as 8-bit RGB without transparency; each 0x00BBGGRR pixel becomes the
// bytes red, green, blue. Writing is deterministic: the same pixels give the
// same file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Surface;
class Window;

class PngWriter
{
public:
    // The whole PNG file for the surface.
    static std::vector<uint8_t> Encode(const Surface& surface);

    // Writes the surface (or the window's surface) to the file; false with a
    // message naming the file in *error when it cannot be written.
    static bool WriteFile(const Surface& surface, const std::string& path, std::string* error);
    static bool WriteFile(const Window& window, const std::string& path, std::string* error);
};
