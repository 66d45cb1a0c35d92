// LookStrip: the looks of a control, cut side by side from one image strip.
//
// Buttons, radio buttons, pop-up menus and their entries, the scroll bar's
// parts and the speed knob each draw from one bitmap holding two or three
// looks of equal width (normal, pressed or highlighted or checked, disabled).
// Integer division decides the width, so the last columns of a strip that
// does not divide evenly are unused. The strip owns its looks; loading
// another strip replaces them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class Bitmap;

class LookStrip
{
public:
    static constexpr int32_t MAX_LOOKS = 3;

    LookStrip() = default;
    LookStrip(const char* imagename, int32_t count);
    ~LookStrip();
    LookStrip(const LookStrip&) = delete;
    LookStrip& operator=(const LookStrip&) = delete;

    // Loads the strip under `imagename` and cuts `count` looks (1 to
    // MAX_LOOKS) from it, dropping those of the strip before.
    void Load(const char* imagename, int32_t count);

    Bitmap* Look(int32_t index) const;
    int32_t Count() const { return _count; }
    // The width and height of one look, and the width of the whole strip.
    int32_t Width() const;
    int32_t Height() const;
    int32_t StripWidth() const;
    const std::string& Name() const { return _name; }

private:
    std::string _name;
    std::unique_ptr<Bitmap> _strip;
    std::unique_ptr<Bitmap> _looks[MAX_LOOKS];
    int32_t _count = 0;
};
