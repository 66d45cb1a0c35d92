#include "DrawingTestSupport.h"

#include "WinCE/Bitmap.h"
#include "WinCE/ImageData.h"
#include "WinCE/MaskedBitmap.h"
#include "WinCE/OffscreenWindow.h"

#include <gtest/gtest.h>

using drawing_test::Paint;
using drawing_test::Picture;

namespace
{
const std::map<char, uint32_t> kColours = {
    {'r', RGB(255, 0, 0)}, {'g', RGB(0, 255, 0)}, {'b', RGB(0, 0, 255)}};
const std::map<uint32_t, char> kLegend = {
    {RGB(255, 0, 0), 'r'}, {RGB(0, 255, 0), 'g'}, {RGB(0, 0, 255), 'b'}};

OffscreenWindow* Make(int16_t w, int16_t h, const std::string& picture)
{
    auto* window = new OffscreenWindow(w, h);
    Paint(*window, picture, kColours);
    return window;
}

struct Canvas : OffscreenWindow
{
    Canvas(int16_t w, int16_t h, uint32_t colour = COLOR_WHITE) : OffscreenWindow(w, h)
    {
        GetDC()->Clear(colour);
    }
};
} // namespace

TEST(Bitmap, CuttingClipsTheSubRectangleToTheRectangle)
{
    EXPECT_EQ((Rect{{5, 5}, {7, 3}}), Bitmap::Cut(Rect{{0, 0}, {12, 8}}, Rect{{5, 5}, {10, 10}}));
    EXPECT_EQ((Rect{{20, 0}, {0, 5}}), Bitmap::Cut(Rect{{0, 0}, {12, 8}}, Rect{{20, 0}, {5, 5}}));
    EXPECT_EQ((Rect{{3, 4}, {2, 1}}), Bitmap::Cut(Rect{{2, 2}, {4, 3}}, Rect{{1, 2}, {2, 9}}));
    EXPECT_EQ((Rect{{2, 2}, {0, 0}}), Bitmap::Cut(Rect{{2, 2}, {4, 3}}, Rect{{0, 0}, {0, 0}}));
}

TEST(BitmapDeathTest, CuttingWithNegativeValuesIsOurBug)
{
    EXPECT_DEATH(Bitmap::Cut(Rect{{-1, 0}, {4, 4}}, Rect{{0, 0}, {1, 1}}),
                 "Assertion 'x >= 0 && y >= 0 && w >= 0 && h >= 0' failed");
    EXPECT_DEATH(Bitmap::Cut(Rect{{0, 0}, {4, 4}}, Rect{{0, 0}, {1, -1}}),
                 "Assertion 'x2 >= 0 && y2 >= 0 && w2 >= 0 && h2 >= 0' failed");
}

TEST(Bitmap, PiecesShareOneImageAndReleaseItWithTheLastPiece)
{
    auto* strip = new Bitmap(Make(6, 2,
                                  "rrggbb\n"
                                  "rrggbb\n"));
    ImageData* image = strip->GetImageData();
    EXPECT_EQ(1, image->GetUseCount());
    EXPECT_EQ((Rect{{0, 0}, {6, 2}}), strip->GetImgRect());
    EXPECT_EQ(6, image->GetWidth());

    Bitmap green(*strip, 2, 0, 2, 2);
    Bitmap blue(*strip, Rect{{4, 0}, {5, 5}});
    Bitmap copy(blue);
    EXPECT_EQ(image, green.GetImageData());
    EXPECT_EQ(4, image->GetUseCount());
    EXPECT_EQ((Rect{{4, 0}, {2, 2}}), blue.GetImgRect());
    EXPECT_EQ(blue.GetImgRect(), copy.GetImgRect());
    EXPECT_EQ(strip->GetSurface(), green.GetSurface());

    delete strip;
    EXPECT_EQ(3, image->GetUseCount());
    Canvas target(3, 2);
    green.Draw(&target, 1, 0, ROP_DEFAULT);
    EXPECT_EQ(".gg\n.gg\n", Picture(target, kLegend));
    blue.DrawPart(&target, 0, 1, Rect{{1, 1}, {9, 9}}, SRCCOPY);
    EXPECT_EQ(".gg\nbgg\n", Picture(target, kLegend));
}

TEST(Bitmap, DrawHonoursTheRasterOperationAndTheWindowsClip)
{
    Bitmap bitmap(Make(2, 2,
                       "#.\n"
                       ".#\n"));
    Canvas target(4, 2, RGB(255, 0, 0));
    bitmap.Draw(&target, 0, 0, SRCAND);
    bitmap.Draw(&target, 2, 0, SRCPAINT);
    EXPECT_EQ("#rr.\nr#.r\n", Picture(target, kLegend));

    target.SetClip(1, 0, 2, 1);
    bitmap.Draw(&target, 1, 0, WHITENESS);
    EXPECT_EQ("#...\nr#.r\n", Picture(target, kLegend));

    // A window image over a rectangle of the window.
    Bitmap part(Make(3, 3,
                     "rgb\n"
                     "grb\n"
                     "bgr\n"),
                Rect{{1, 1}, {2, 2}});
    Canvas small(2, 2);
    part.Draw(&small, 0, 0, SRCCOPY);
    EXPECT_EQ("rb\ngr\n", Picture(small, kLegend));
}

TEST(MaskedBitmap, DrawsTheImageWhereTheMaskIsBlackOverAnyBackground)
{
    const std::string image = "rgb\n"
                              "grb\n"
                              "bgr\n";
    const std::string mask = "#.#\n"
                             "...\n"
                             "###\n";
    MaskedBitmap sprite(Make(3, 3, image), Make(3, 3, mask));
    // The image was pre-multiplied: black where the mask is white.
    EXPECT_EQ("r#b\n###\nbgr\n", Picture(*sprite.GetImageSurface(), kLegend));
    // The mask is back as it was.
    EXPECT_EQ(mask, Picture(*sprite.GetSurface()));

    // Every background colour, even ones sharing bits with the image, shows
    // through unchanged where the mask is white.
    for (uint32_t background : {COLOR_BLACK, COLOR_WHITE, RGB(255, 0, 0), RGB(18, 52, 86), RGB(0, 255, 255)})
    {
        Canvas target(5, 4, background);
        sprite.Draw(&target, 1, 1, SRCCOPY);
        for (int32_t y = 0; y < 4; ++y)
        {
            for (int32_t x = 0; x < 5; ++x)
            {
                const bool inside = x >= 1 && x < 4 && y >= 1 && y < 4;
                uint32_t expected = background;
                if (inside && mask[(y - 1) * 4 + (x - 1)] == '#')
                    expected = kColours.at(image[(y - 1) * 4 + (x - 1)]);
                ASSERT_EQ(expected, target.GetDC()->GetPixel(x, y))
                    << x << "," << y << " over " << background;
            }
        }
    }
}

TEST(MaskedBitmap, PiecesShareImageAndMaskAndDrawMasked)
{
    auto* strip = new MaskedBitmap(Make(4, 1, "rgbr\n"), Make(4, 1, "#.##\n"));
    MaskedBitmap piece(*strip, Rect{{1, 0}, {3, 1}});
    MaskedBitmap copy(piece);
    EXPECT_EQ(3, strip->GetMaskData()->GetUseCount());
    EXPECT_EQ(3, strip->GetImageData()->GetUseCount());
    delete strip;

    Canvas target(4, 1, RGB(0, 255, 0));
    piece.Draw(&target, 0, 0, SRCCOPY);
    EXPECT_EQ("gbrg\n", Picture(target, kLegend));
    Canvas target2(4, 1);
    copy.DrawPart(&target2, 1, 0, Rect{{1, 0}, {1, 1}}, SRCCOPY);
    EXPECT_EQ(".b..\n", Picture(target2, kLegend));
}

TEST(MaskedBitmapDeathTest, AMaskOfAnotherSizeIsRefused)
{
    EXPECT_EXIT(MaskedBitmap(Make(3, 3, "rgb\nrgb\nrgb\n"), Make(3, 2, "...\n...\n")),
                ::testing::ExitedWithCode(255), "Bitmap mask doesn't match its image size");
}
