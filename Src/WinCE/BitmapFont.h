// BitmapFont: game text drawn from a strip of glyphs.
//
// One bitmap (plain or masked) holds all glyphs side by side; a metrics entry
// of the data file with the strip's base name and ".fmc" tells where each
// glyph starts and how wide it is (all little-endian):
//   0  2 bytes   fc: first character code (its low 8 bits are used)
//   2  2 bytes   nc: number of characters
//   4  2 bytes   ic: default character (its low byte is used)
//   6  4 * nc    records for characters fc + i: x offset in the strip
//                (16 bits), width (8 bits; 255 = no glyph), one unused byte
// A character outside fc .. fc + nc - 1 or without a glyph is drawn and
// measured as the default character; when that has no glyph either, it draws
// nothing and is 0 wide. Each drawn glyph is followed by `spacing` extra
// pixels; `TextWidth` does not count the spacing.
#pragma once

#include "WinCE/Font.h"

#include <string>
#include <vector>

class Bitmap;

class BitmapFont : public Font
{
public:
    // The strip as a plain bitmap.
    BitmapFont(const char* stripName, int16_t spacing);
    // The strip as a masked bitmap: glyphs drawn transparently.
    BitmapFont(const char* stripName, const char* maskName, int16_t spacing);
    // A strip already loaded (owned from now on) and the bytes of its metrics;
    // `metricsName` names them in messages.
    BitmapFont(Bitmap* strip, const uint8_t* metrics, size_t size, const char* metricsName, int16_t spacing);
    ~BitmapFont() override;

    BitmapFont(const BitmapFont&) = delete;
    BitmapFont& operator=(const BitmapFont&) = delete;

    void DrawString(Window* window, int32_t x, int32_t y, const char* text, uint32_t rop) override;
    int32_t TextWidth(const char* text) override;
    int32_t GetHeight() override;

    // True when the font has a glyph of its own for the character.
    bool IsValid(char c) const;
    // Draws one glyph at (x, y) and returns x + width + spacing as a 16-bit value.
    int16_t DrawChar(char c, int32_t x, int32_t y, Window* window, uint32_t rop);

    // The metrics entry of a strip: the name up to its first '.' plus ".fmc".
    static std::string MetricsName(const char* stripName);

private:
    struct Metric
    {
        uint16_t x;
        uint8_t width;
    };

    // The record drawn for a character, or null when nothing is drawn.
    const Metric* Lookup(char c) const;
    void ReadMetrics(const uint8_t* data, size_t size, const std::string& name);
    void LoadMetrics(const char* stripName);

    uint16_t _fc = 0;
    uint16_t _nc = 0;
    int32_t _height = 0;
    int16_t _spacing;
    bool _masked = false;
    uint8_t _defaultChar = 0;
    std::vector<Metric> _metrics;
    Bitmap* _bitmap;
};
