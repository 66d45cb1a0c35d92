// FileImageData: an image whose pixels come from a bitmap file of the data
// file.
//
// The file is read once at construction to learn the image's size (and to
// refuse a damaged one early); the pixels are loaded into an off-screen window
// on the first `GetSurface` and then kept until the image is deleted, so a
// bitmap costs memory only once it is drawn.
#pragma once

#include "WinCE/ImageData.h"

#include <string>

class FileImageData : public ImageData
{
public:
    explicit FileImageData(const char* name);

    OffscreenWindow* GetSurface() override;

    const std::string& GetName() const { return _name; }
    bool IsLoaded() const { return _surface != nullptr; }

    // How many times any file image loaded its pixels: lets tests check that
    // bitmaps sharing an image load it once.
    static int32_t GetLoadCount();

private:
    std::string _name;
};
