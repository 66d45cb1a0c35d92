// contact-sheet: draws every bitmap of a data file, each with its name, into
// one PNG, so the whole art set can be looked at in one go. The images are
// read exactly as the game reads them (data-file index, unpacking, bitmap
// decoding), so a picture that looks wrong here looks wrong in the game.
//
//   contact-sheet DATAFILE OUT.png
#include "WinCE/DIBFile.h"
#include "WinCE/DataFile.h"
#include "WinCE/OffscreenWindow.h"
#include "WinCE/PngWriter.h"
#include "WinCE/Surface.h"
#include "WinCE/SystemFont.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace
{
// Sheet layout: images flow left to right in rows of at most SHEET_WIDTH
// pixels, each in a cell with its name underneath.
constexpr int32_t SHEET_WIDTH = 1280;
constexpr int32_t MARGIN = 8;
constexpr int32_t GAP = 10;
constexpr int32_t LABEL_HEIGHT = SystemFont::CELL_HEIGHT + 2;
constexpr uint32_t BACKGROUND = 0x00505050;
constexpr int32_t MAX_SHEET_HEIGHT = 32000;

struct Picture
{
    std::string name;
    std::unique_ptr<DIBFile> image;
    int32_t x = 0;
    int32_t y = 0;
};

bool EndsWith(const std::string& text, const char* suffix)
{
    const std::string s(suffix);
    return text.size() >= s.size() && text.compare(text.size() - s.size(), s.size(), s) == 0;
}

int32_t CellWidth(const Picture& p)
{
    return std::max(p.image->GetWidth(), SystemFont::MeasureText(p.name.c_str()));
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: contact-sheet DATAFILE OUT.png\n");
        return 2;
    }
    DataFile::UseFile(argv[1]);

    std::vector<Picture> pictures;
    for (const auto& [name, entry] : DataFile::Get()->GetIndex().Entries())
    {
        if (!EndsWith(name, ".bmp"))
            continue;
        Picture p;
        p.name = name;
        p.image = std::make_unique<DIBFile>(name.c_str());
        pictures.push_back(std::move(p));
    }

    // Lay the cells out in rows.
    int32_t x = MARGIN;
    int32_t y = MARGIN;
    int32_t rowHeight = 0;
    for (Picture& p : pictures)
    {
        const int32_t width = CellWidth(p);
        if (x > MARGIN && x + width > SHEET_WIDTH - MARGIN)
        {
            x = MARGIN;
            y += rowHeight + GAP;
            rowHeight = 0;
        }
        p.x = x;
        p.y = y;
        x += width + GAP;
        rowHeight = std::max(rowHeight, p.image->GetHeight() + LABEL_HEIGHT);
    }
    const int32_t height = std::min(y + rowHeight + MARGIN, MAX_SHEET_HEIGHT);

    OffscreenWindow sheet(SHEET_WIDTH, static_cast<int16_t>(height));
    Surface& pixels = *sheet.GetDC();
    pixels.Clear(BACKGROUND);
    for (const Picture& p : pictures)
    {
        const int32_t w = p.image->GetWidth();
        const int32_t h = p.image->GetHeight();
        if (p.y + h + LABEL_HEIGHT > height)
            break;
        Surface image(std::max(w, 1), std::max(h, 1));
        p.image->CopyTo(image);
        for (int32_t row = 0; row < h; ++row)
            std::copy_n(image.GetRow(row), w, pixels.GetRow(p.y + row) + p.x);
        sheet.DrawString(p.x, p.y + h + 1, p.name.c_str(), SRCCOPY);
    }

    std::string error;
    if (!PngWriter::WriteFile(sheet, argv[2], &error))
    {
        std::fprintf(stderr, "contact-sheet: %s\n", error.c_str());
        return 1;
    }
    std::printf("%zu bitmaps drawn into %s\n", pictures.size(), argv[2]);
    return 0;
}
