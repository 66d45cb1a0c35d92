#include "Wkr/Gui/LookStrip.h"

#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"

LookStrip::LookStrip(const char* imagename, int32_t count)
{
    Load(imagename, count);
}

LookStrip::~LookStrip() = default;

void LookStrip::Load(const char* imagename, int32_t count)
{
    ASSERT(imagename && "a strip needs an image name");
    ASSERT(count >= 1 && count <= MAX_LOOKS && "a strip holds one to three looks");
    // The new strip is loaded before the old one goes, so an image shared by
    // both stays loaded.
    auto strip = std::make_unique<Bitmap>(imagename);
    for (auto& look : _looks)
        look.reset();
    _strip = std::move(strip);
    _name = imagename;
    _count = count;
    const Rect r = _strip->GetImgRect();
    const int32_t w = r.extent.x / count;
    for (int32_t i = 0; i < count; ++i)
        _looks[i] = std::make_unique<Bitmap>(*_strip, i * w, 0, w, r.extent.y);
}

Bitmap* LookStrip::Look(int32_t index) const
{
    ASSERT(index >= 0 && index < _count && "no such look in the strip");
    return _looks[index].get();
}

int32_t LookStrip::Width() const
{
    return Look(0)->GetImgRect().extent.x;
}

int32_t LookStrip::Height() const
{
    return Look(0)->GetImgRect().extent.y;
}

int32_t LookStrip::StripWidth() const
{
    return _strip->GetImgRect().extent.x;
}
