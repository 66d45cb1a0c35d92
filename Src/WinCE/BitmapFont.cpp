#include "WinCE/BitmapFont.h"

#include "WinCE/Assert.h"
#include "WinCE/Bitmap.h"
#include "WinCE/MaskedBitmap.h"

#include "WinCE/VirtualFile.h"
#include "WinCE/Window.h"

#include <cstring>

namespace
{
uint16_t Read16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
} // namespace

std::string BitmapFont::MetricsName(const char* stripName)
{
    ASSERT(stripName != NULL && "imagename");
    const char* dot = std::strchr(stripName, '.');
    const std::string base = dot ? std::string(stripName, dot) : std::string(stripName);
    return base + ".fmc";
}

namespace
{
// A font is known by its strip's (or metrics entry's) name up to the first '.'.
std::string BaseName(const char* name)
{
    const char* dot = std::strchr(name, '.');
    return dot ? std::string(name, dot) : std::string(name);
}
} // namespace

BitmapFont::BitmapFont(const char* stripName, int16_t spacing)
    : _spacing(spacing), _bitmap(new Bitmap(stripName))
{
    _name = BaseName(stripName);
    LoadMetrics(stripName);
}

BitmapFont::BitmapFont(const char* stripName, const char* maskName, int16_t spacing)
    : _spacing(spacing), _masked(true), _bitmap(new MaskedBitmap(stripName, maskName))
{
    _name = BaseName(stripName);
    LoadMetrics(stripName);
}

BitmapFont::BitmapFont(Bitmap* strip, const uint8_t* metrics, size_t size, const char* metricsName,
                       int16_t spacing)
    : _spacing(spacing), _bitmap(strip)
{
    ASSERT(strip != NULL && "a font needs its strip");
    _masked = dynamic_cast<MaskedBitmap*>(strip) != nullptr;
    _name = BaseName(metricsName ? metricsName : "");
    ReadMetrics(metrics, size, metricsName ? metricsName : "");
}

BitmapFont::~BitmapFont()
{
    delete _bitmap;
}

void BitmapFont::LoadMetrics(const char* stripName)
{
    const std::string name = MetricsName(stripName);
    VirtualFile file(name.c_str());
    if (!file.IsOpen())
    {
        // Carrying on after the message leaves a font that draws nothing.
        _height = _bitmap->GetImgRect().extent.y;
        FatalError(("Couldn't load font metrics: " + name).c_str());
        return;
    }
    std::vector<uint8_t> bytes(file.GetSize());
    const int32_t bytesread = file.Read(bytes.data(), static_cast<int32_t>(bytes.size()));
    bytes.resize(bytesread > 0 ? static_cast<size_t>(bytesread) : 0);
    ReadMetrics(bytes.data(), bytes.size(), name);
}

void BitmapFont::ReadMetrics(const uint8_t* data, size_t size, const std::string& name)
{
    _height = _bitmap->GetImgRect().extent.y;
    // Six bytes of header, then four per character.
    if (data == nullptr || size < 6 || size < 6 + 4 * size_t(Read16(data + 2)))
    {
        FatalError(("Bad font metrics: " + name).c_str());
        return;
    }
    _fc = Read16(data);
    _nc = Read16(data + 2);
    _defaultChar = static_cast<uint8_t>(Read16(data + 4) & 0xFF);
    _metrics.resize(_nc);
    for (size_t i = 0; i < _nc; ++i)
    {
        const uint8_t* record = data + 6 + 4 * i;
        _metrics[i] = Metric{Read16(record), record[2]};
    }
}

bool BitmapFont::IsValid(char c) const
{
    const int32_t code = static_cast<unsigned char>(c);
    const int32_t first = _fc & 0xFF;
    return code >= first && code < first + _nc && _metrics[code - first].width != 255;
}

const BitmapFont::Metric* BitmapFont::Lookup(char c) const
{
    const int32_t first = _fc & 0xFF;
    if (IsValid(c))
        return &_metrics[static_cast<unsigned char>(c) - first];
    // A default character without a glyph of its own draws nothing.
    if (IsValid(static_cast<char>(_defaultChar)))
        return &_metrics[_defaultChar - first];
    return nullptr;
}

int16_t BitmapFont::DrawChar(char c, int32_t x, int32_t y, Window* window, uint32_t rop)
{
    const Metric* metric = Lookup(c);
    if (metric == nullptr)
        return static_cast<int16_t>(x);
    _bitmap->DrawPart(window, x, y, Rect{{metric->x, 0}, {metric->width, _height}}, rop);
    return static_cast<int16_t>(x + metric->width + _spacing);
}

void BitmapFont::DrawString(Window* window, int32_t x, int32_t y, const char* text, uint32_t rop)
{
    ASSERT(text != NULL && "a font draws a string");
    const int32_t left = x;
    for (const char* p = text; *p; ++p)
        x = DrawChar(*p, x, y, window, rop);
    // A masked strip draws only the glyphs; a plain one copies whole cells.
    const uint32_t used = rop == ROP_DEFAULT ? window->GetDefaultRop() : rop;
    const bool opaque = !_masked && (used == SRCCOPY || used == NOTSRCCOPY);
    window->NoteText(Rect{{left, y}, {x - left, _height}}, text, _name, opaque);
}

int32_t BitmapFont::TextWidth(const char* text)
{
    ASSERT(text != NULL && "a font measures a string");
    int32_t width = 0;
    for (const char* p = text; *p; ++p)
    {
        const Metric* metric = Lookup(*p);
        if (metric)
            width += metric->width;
    }
    return width;
}

int32_t BitmapFont::GetHeight()
{
    return _height;
}
