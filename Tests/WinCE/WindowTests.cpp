#include "DrawingTestSupport.h"

#include "WinCE/Brush.h"
#include "WinCE/Font.h"
#include "WinCE/OffscreenWindow.h"
#include "WinCE/SystemFont.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using drawing_test::Paint;
using drawing_test::Picture;

namespace
{
// A white window of the given size.
struct Canvas : OffscreenWindow
{
    Canvas(int16_t w, int16_t h) : OffscreenWindow(w, h) { GetDC()->Clear(COLOR_WHITE); }
};
} // namespace

TEST(Window, StartsWithTheSurfaceAsClipSrcCopyAndABlackBrush)
{
    OffscreenWindow w(7, 5);
    EXPECT_EQ((Rect{{0, 0}, {7, 5}}), w.GetClip());
    EXPECT_EQ((Rect{{0, 0}, {7, 5}}), w.GetRect());
    EXPECT_EQ(SRCCOPY, w.GetDefaultRop());
    EXPECT_EQ(Brush::StockBlack(), w.GetBrush());
    ASSERT_NE(nullptr, w.GetFont());
    // A new back buffer is black.
    EXPECT_EQ(COLOR_BLACK, w.GetDC()->GetPixel(6, 4));
}

TEST(Window, ZeroSizedWindowsAreLegalAndIgnoreDrawing)
{
    OffscreenWindow empty(0, 0);
    empty.FillRectBlack(Rect{{0, 0}, {5, 5}}, 0);
    empty.InvertRect(Rect{{0, 0}, {5, 5}}, 2);
    Canvas target(2, 2);
    target.Blit(&empty, 0, 0, 2, 2, 0, 0, SRCCOPY);
    EXPECT_EQ("..\n..\n", Picture(target));
}

TEST(Window, PenRectanglesCoverLeftTopButNotRightBottomInBothForms)
{
    Canvas a(6, 5);
    a.FillRectBlack(EdgeRect{1, 1, 4, 3}, 0);
    const std::string expected = "......\n"
                                 ".###..\n"
                                 ".###..\n"
                                 "......\n"
                                 "......\n";
    EXPECT_EQ(expected, Picture(a));
    Canvas b(6, 5);
    b.FillRectBlack(Rect{{1, 1}, {3, 2}}, 0);
    EXPECT_EQ(expected, Picture(b));

    // Reversed edges are put in order, empty ones draw nothing.
    Canvas c(6, 5);
    c.FillRectBlack(EdgeRect{4, 3, 1, 1}, 0);
    EXPECT_EQ(expected, Picture(c));
    c.FillRectBlack(EdgeRect{2, 2, 2, 4}, 0);
    c.FillRectBlack(Rect{{0, 0}, {0, 3}}, 0);
    EXPECT_EQ(expected, Picture(c));

    Canvas d(6, 5);
    d.GetDC()->Clear(COLOR_BLACK);
    d.FillRectWhite(Rect{{0, 1}, {2, 4}}, 0);
    EXPECT_EQ("######\n"
              "..####\n"
              "..####\n"
              "..####\n"
              "..####\n",
              Picture(d));
}

TEST(Window, FillRectUsesTheBrushWithoutAPenOnePixelShort)
{
    Canvas a(6, 5);
    a.SetBrushColor(RGB(255, 0, 0));
    a.FillRect(EdgeRect{1, 1, 5, 4}, 0);
    const std::map<uint32_t, char> red = {{RGB(255, 0, 0), 'r'}};
    EXPECT_EQ("......\n"
              ".rrr..\n"
              ".rrr..\n"
              "......\n"
              "......\n",
              Picture(a, red));
    Canvas b(6, 5);
    b.SetBrushColor(RGB(255, 0, 0));
    b.FillRect(Rect{{1, 1}, {4, 3}}, 0);
    EXPECT_EQ(Picture(a, red), Picture(b, red));
    // A one-pixel rectangle has nothing left without a pen.
    b.FillRect(Rect{{0, 0}, {1, 1}}, 0);
    EXPECT_EQ(COLOR_WHITE, b.GetDC()->GetPixel(0, 0));
}

TEST(Window, RoundedCornersComeFromA2rBy2rEllipse)
{
    // Radius 3: corners cut two pixels on the outer row and one on the next.
    Canvas a(10, 8);
    a.FillRectBlack(Rect{{0, 0}, {10, 8}}, 3);
    EXPECT_EQ("..######..\n"
              ".########.\n"
              "##########\n"
              "##########\n"
              "##########\n"
              "##########\n"
              ".########.\n"
              "..######..\n",
              Picture(a));

    // Radius 2: one pixel per corner. Radius 1 (a 2 x 2 ellipse) and 0 are square.
    Canvas b(5, 4);
    b.FillRectBlack(EdgeRect{0, 0, 5, 4}, 2);
    EXPECT_EQ(".###.\n"
              "#####\n"
              "#####\n"
              ".###.\n",
              Picture(b));
    for (int r : {-1, 0, 1})
    {
        Canvas c(5, 4);
        c.FillRectBlack(EdgeRect{0, 0, 5, 4}, r);
        EXPECT_EQ("#####\n#####\n#####\n#####\n", Picture(c)) << "radius " << r;
    }

    // Radius 4: the quarter ellipse keeps its symmetry (3, 1, 1, 0 pixels cut).
    Canvas d(9, 9);
    d.FillRectBlack(Rect{{0, 0}, {9, 9}}, 4);
    EXPECT_EQ("...###...\n"
              ".#######.\n"
              ".#######.\n"
              "#########\n"
              "#########\n"
              "#########\n"
              ".#######.\n"
              ".#######.\n"
              "...###...\n",
              Picture(d));

    // A radius larger than the rectangle shrinks to half its shorter side.
    Canvas e(6, 4);
    e.FillRectBlack(Rect{{0, 0}, {6, 4}}, 50);
    Canvas f(6, 4);
    f.FillRectBlack(Rect{{0, 0}, {6, 4}}, 2);
    EXPECT_EQ(Picture(f), Picture(e));
}

TEST(Window, RoundedFillRectIsShortOnTheRightAndBottomToo)
{
    Canvas a(7, 6);
    a.FillRect(Rect{{0, 0}, {7, 6}}, 2);
    EXPECT_EQ(".####..\n"
              "######.\n"
              "######.\n"
              "######.\n"
              ".####..\n"
              ".......\n",
              Picture(a));
}

TEST(Window, FrameRectDrawsOnlyTheOutline)
{
    Canvas a(6, 5);
    a.FrameRect(EdgeRect{1, 0, 5, 4});
    const std::string expected = ".####.\n"
                                 ".#..#.\n"
                                 ".#..#.\n"
                                 ".####.\n"
                                 "......\n";
    EXPECT_EQ(expected, Picture(a));
    Canvas b(6, 5);
    b.FrameRect(Rect{{1, 0}, {4, 4}});
    EXPECT_EQ(expected, Picture(b));
}

TEST(Window, InvertRectGrowsByOnePixelAndTwiceRestores)
{
    Canvas a(8, 7);
    Paint(a, "#.#.#.#.\n"
             ".#.#.#.#\n"
             "#.#.#.#.\n"
             ".#.#.#.#\n"
             "#.#.#.#.\n"
             ".#.#.#.#\n"
             "#.#.#.#.\n");
    const std::string before = Picture(a);
    // Edges (2, 2, 4, 4) invert (1, 1) up to but excluding (5, 5).
    a.InvertRect(EdgeRect{2, 2, 4, 4}, 0);
    EXPECT_EQ("#.#.#.#.\n"
              "..#.##.#\n"
              "##.#..#.\n"
              "..#.##.#\n"
              "##.#..#.\n"
              ".#.#.#.#\n"
              "#.#.#.#.\n",
              Picture(a));
    a.InvertRect(EdgeRect{2, 2, 4, 4}, 0);
    EXPECT_EQ(before, Picture(a));

    // The extent form reaches one pixel further: (x - 1) to (x + width + 2).
    Canvas b(8, 7);
    b.InvertRect(Rect{{2, 2}, {2, 2}}, 0);
    EXPECT_EQ("........\n"
              ".#####..\n"
              ".#####..\n"
              ".#####..\n"
              ".#####..\n"
              ".#####..\n"
              "........\n",
              Picture(b));

    // Rounded inversions restore too, and the colour bits only are flipped.
    Canvas c(8, 7);
    c.GetDC()->Clear(RGB(10, 20, 30));
    c.InvertRect(Rect{{1, 1}, {4, 3}}, 3);
    EXPECT_EQ(RGB(245, 235, 225), c.GetDC()->GetPixel(3, 3));
    EXPECT_EQ(RGB(10, 20, 30), c.GetDC()->GetPixel(0, 0)) << "rounded corner left alone";
    c.InvertRect(Rect{{1, 1}, {4, 3}}, 3);
    for (int32_t y = 0; y < 7; ++y)
        for (int32_t x = 0; x < 8; ++x)
            ASSERT_EQ(RGB(10, 20, 30), c.GetDC()->GetPixel(x, y));
}

TEST(Window, LinesIncludeTheFirstPointAndExcludeTheLast)
{
    Canvas a(6, 4);
    a.DrawLineBlack(0, 0, 4, 0);
    a.DrawLineBlack(5, 3, 5, 0);
    a.DrawLineBlack(0, 1, 3, 3);
    EXPECT_EQ("####..\n"
              "#....#\n"
              ".##..#\n"
              ".....#\n",
              Picture(a));
    Canvas b(3, 3);
    b.GetDC()->Clear(COLOR_BLACK);
    b.DrawLineWhite(0, 0, 3, 3);
    b.DrawLineWhite(1, 1, 1, 1); // a line of no length draws nothing
    EXPECT_EQ(".##\n#.#\n##.\n", Picture(b));
}

TEST(Window, ClippingCutsEveryPrimitiveAtEveryEdge)
{
    Canvas a(8, 6);
    a.SetClip(2, 1, 4, 3);
    EXPECT_EQ((Rect{{2, 1}, {4, 3}}), a.GetClip());
    a.FillRectBlack(Rect{{-5, -5}, {20, 20}}, 0);
    const std::string clipped = "........\n"
                                "..####..\n"
                                "..####..\n"
                                "..####..\n"
                                "........\n"
                                "........\n";
    EXPECT_EQ(clipped, Picture(a));

    Canvas lines(8, 6);
    lines.SetClip(2, 1, 4, 3);
    for (int y = -1; y < 7; ++y)
        lines.DrawLineBlack(-10, y, 20, y);
    EXPECT_EQ(clipped, Picture(lines));

    Canvas inverted(8, 6);
    inverted.SetClip(2, 1, 4, 3);
    inverted.InvertRect(Rect{{0, 0}, {8, 6}}, 0);
    EXPECT_EQ(clipped, Picture(inverted));

    OffscreenWindow black(8, 6);
    Canvas blit(8, 6);
    blit.SetClip(2, 1, 4, 3);
    blit.Blit(&black, 0, 0, 8, 6, 0, 0, SRCCOPY);
    EXPECT_EQ(clipped, Picture(blit));

    // A clip reaching past the surface is cut to it; drawing far outside is harmless.
    Canvas wide(4, 3);
    wide.SetClip(-100, -100, 1000, 1000);
    wide.FillRectBlack(Rect{{2, 1}, {100, 100}}, 3);
    wide.DrawLineBlack(-1000000, 2, 1000000, 2);
    wide.FillRectBlack(Rect{{2000000000, 2000000000}, {2000000000, 2000000000}}, 0);
    // The rounded corner at (2, 1) leaves row 1 empty and row 2 from x = 3.
    EXPECT_EQ("....\n....\n####\n", Picture(wide));
    Canvas corner(4, 3);
    corner.FillRectBlack(Rect{{2, 1}, {100, 100}}, 3);
    EXPECT_EQ("....\n....\n...#\n", Picture(corner));
}

TEST(Window, BlitWithEachRasterOperation)
{
    const std::map<char, uint32_t> colours = {{'r', RGB(255, 0, 0)}, {'g', RGB(0, 255, 0)}};
    const std::map<uint32_t, char> legend = {
        {RGB(255, 0, 0), 'r'}, {RGB(0, 255, 0), 'g'}, {RGB(255, 255, 0), 'y'}};
    Canvas src(3, 1);
    Paint(src, "#.r\n", colours);

    Canvas copy(3, 1);
    Paint(copy, "ggg\n", colours);
    copy.Blit(&src, 0, 0, 3, 1, 0, 0, SRCCOPY);
    EXPECT_EQ("#.r\n", Picture(copy, legend));

    Canvas anded(3, 1);
    Paint(anded, "ggg\n", colours);
    anded.Blit(&src, 0, 0, 3, 1, 0, 0, SRCAND);
    EXPECT_EQ("#g#\n", Picture(anded, legend));

    Canvas ored(3, 1);
    Paint(ored, "ggg\n", colours);
    ored.Blit(&src, 0, 0, 3, 1, 0, 0, SRCPAINT);
    EXPECT_EQ("g.y\n", Picture(ored, legend));

    // ROP_DEFAULT is the window's default: SRCCOPY until changed.
    Canvas byDefault(3, 1);
    Paint(byDefault, "ggg\n", colours);
    byDefault.Blit(&src, 0, 0, 3, 1, 0, 0, ROP_DEFAULT);
    EXPECT_EQ("#.r\n", Picture(byDefault, legend));
    Paint(byDefault, "ggg\n", colours);
    byDefault.SetDefaultRop(SRCPAINT);
    byDefault.Blit(&src, 0, 0, 3, 1, 0, 0, ROP_DEFAULT);
    EXPECT_EQ("g.y\n", Picture(byDefault, legend));

    Canvas others(3, 1);
    Paint(others, "#.r\n", colours);
    others.Blit(&src, 0, 0, 3, 1, 0, 0, SRCINVERT);
    EXPECT_EQ("###\n", Picture(others, legend));
    others.Blit(&src, 0, 0, 3, 1, 0, 0, NOTSRCCOPY);
    EXPECT_EQ(RGB(0, 255, 255), others.GetDC()->GetPixel(2, 0));
    EXPECT_EQ(COLOR_BLACK, others.GetDC()->GetPixel(1, 0));
    others.Blit(&src, 0, 0, 1, 1, 1, 0, DSTINVERT);
    EXPECT_EQ(COLOR_WHITE, others.GetDC()->GetPixel(1, 0));
    others.Blit(&src, 0, 0, 3, 1, 0, 0, WHITENESS);
    EXPECT_EQ("...\n", Picture(others));
    others.Blit(&src, 0, 0, 2, 1, 0, 0, BLACKNESS);
    EXPECT_EQ("##.\n", Picture(others));
}

TEST(Window, BlitCutsToTheSourceAndTheDestination)
{
    Canvas src(4, 3);
    Paint(src,
          "ab.#\n"
          "c#.#\n"
          "####\n",
          {{'a', RGB(1, 0, 0)}, {'b', RGB(2, 0, 0)}, {'c', RGB(3, 0, 0)}});
    const std::map<uint32_t, char> legend = {{RGB(1, 0, 0), 'a'}, {RGB(2, 0, 0), 'b'}, {RGB(3, 0, 0), 'c'}};

    // Source rectangle starting left of and above the source: only the part inside moves.
    Canvas a(4, 3);
    a.Blit(&src, -1, -1, 3, 3, 0, 0, SRCCOPY);
    EXPECT_EQ("....\n"
              ".ab.\n"
              ".c#.\n",
              Picture(a, legend));

    // Destination partly left of and above the window.
    Canvas b(4, 3);
    b.Blit(&src, 0, 0, 4, 3, -1, -1, SRCCOPY);
    EXPECT_EQ("#.#.\n"
              "###.\n"
              "....\n",
              Picture(b, legend));

    // Destination running past the right and bottom edges; source past its own.
    Canvas c(4, 3);
    c.Blit(&src, 0, 0, 100, 100, 2, 1, SRCCOPY);
    EXPECT_EQ("....\n"
              "..ab\n"
              "..c#\n",
              Picture(c, legend));

    // Negative and zero sizes move nothing.
    Canvas d(4, 3);
    d.Blit(&src, 0, 0, -4, 3, 0, 0, SRCCOPY);
    d.Blit(&src, 0, 0, 4, 0, 0, 0, SRCCOPY);
    d.Blit(&src, 1000000, 0, 4, 3, 0, 0, SRCCOPY);
    EXPECT_EQ("....\n....\n....\n", Picture(d));
}

TEST(Window, BlitWithinOneWindowHandlesOverlapInEveryDirection)
{
    const std::string start = "abcd\n"
                              "efgh\n"
                              "ijkl\n";
    std::map<char, uint32_t> colours;
    std::map<uint32_t, char> legend;
    for (char ch = 'a'; ch <= 'l'; ++ch)
    {
        colours[ch] = RGB(ch, 0, 0);
        legend[RGB(ch, 0, 0)] = ch;
    }
    struct Case
    {
        int sx, sy, dx, dy;
        uint32_t rop;
        const char* expected;
    };
    const Case cases[] = {
        {0, 0, 1, 0, SRCCOPY, "aabc\neefg\niijk\n"},
        {1, 0, 0, 0, SRCCOPY, "bcdd\nfghh\njkll\n"},
        {0, 0, 0, 1, SRCCOPY, "abcd\nabcd\nefgh\n"},
        {0, 1, 0, 0, SRCCOPY, "efgh\nijkl\nijkl\n"},
        {0, 0, 1, 0, SRCPAINT, nullptr},
        {1, 1, 0, 0, SRCAND, nullptr},
    };
    for (const Case& c : cases)
    {
        Canvas w(4, 3);
        Paint(w, start, colours);
        // The expected picture of operations that combine pixels comes from a
        // transfer through a separate copy of the source.
        Canvas reference(4, 3);
        Paint(reference, start, colours);
        Canvas copy(4, 3);
        Paint(copy, start, colours);
        reference.Blit(&copy, c.sx, c.sy, 4, 3, c.dx, c.dy, c.rop);

        w.Blit(&w, c.sx, c.sy, 4, 3, c.dx, c.dy, c.rop);
        if (c.expected)
        {
            EXPECT_EQ(c.expected, Picture(w, legend)) << c.sx << "," << c.sy << " -> " << c.dx << "," << c.dy;
        }
        EXPECT_EQ(Picture(reference, legend), Picture(w, legend));
    }
}

TEST(Window, ScrollMovesOnlyThePixelsInsideTheRectangle)
{
    std::map<char, uint32_t> colours;
    std::map<uint32_t, char> legend;
    for (char ch = 'a'; ch <= 'p'; ++ch)
    {
        colours[ch] = RGB(ch, 0, 0);
        legend[RGB(ch, 0, 0)] = ch;
    }
    const std::string start = "abcd\n"
                              "efgh\n"
                              "ijkl\n"
                              "mnop\n";
    Canvas a(4, 4);
    Paint(a, start, colours);
    a.Scroll(Rect{{0, 0}, {4, 4}}, 0, 0);
    EXPECT_EQ(start, Picture(a, legend));

    a.Scroll(Rect{{1, 1}, {3, 2}}, 1, 0);
    EXPECT_EQ("abcd\n"
              "effg\n"
              "ijjk\n"
              "mnop\n",
              Picture(a, legend));

    Canvas b(4, 4);
    Paint(b, start, colours);
    b.Scroll(Rect{{0, 0}, {4, 4}}, -1, -2);
    EXPECT_EQ("jkll\n"
              "nopp\n"
              "jkll\n"
              "nopp\n",
              Picture(b, legend));

    Canvas c(4, 4);
    Paint(c, start, colours);
    c.Scroll(Rect{{0, 1}, {4, 3}}, 0, 1);
    EXPECT_EQ("abcd\n"
              "efgh\n"
              "efgh\n"
              "ijkl\n",
              Picture(c, legend));

    // Scrolling by the whole rectangle or more leaves every pixel where it was.
    Canvas d(4, 4);
    Paint(d, start, colours);
    d.Scroll(Rect{{0, 0}, {2, 2}}, 2, -7);
    EXPECT_EQ(start, Picture(d, legend));
}

TEST(Window, PatternBrushRepeatsFromTheSurfaceOrigin)
{
    const uint8_t checker[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    Canvas a(10, 3);
    a.GetDC()->Clear(RGB(9, 9, 9));
    a.SetPatternBrush(checker);
    a.FillRect(EdgeRect{1, 0, 11, 4}, 0);
    // Set bits paint white, clear bits black; the pattern is anchored at the
    // surface's (0, 0), not at the rectangle.
    EXPECT_EQ("?#.#.#.#.#\n"
              "?.#.#.#.#.\n"
              "?#.#.#.#.#\n",
              Picture(a));

    const uint8_t stripes[8] = {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0xFF};
    Canvas b(10, 9);
    b.SetPatternBrush(stripes);
    b.FillRect(Rect{{0, 0}, {11, 10}}, 0);
    EXPECT_EQ(".#######.#\n"
              ".#######.#\n"
              ".#######.#\n"
              ".#######.#\n"
              ".#######.#\n"
              ".#######.#\n"
              ".#######.#\n"
              "..........\n"
              ".#######.#\n",
              Picture(b));

    // Replacing a pattern by a solid colour.
    b.SetBrushColor(RGB(0, 0, 255));
    b.FillRect(Rect{{0, 0}, {2, 2}}, 0);
    EXPECT_EQ(RGB(0, 0, 255), b.GetDC()->GetPixel(0, 0));
    EXPECT_TRUE(b.GetBrush()->IsSolid());
}

namespace
{
struct CountingFont : Font
{
    int* deleted;
    int32_t width = 0;
    explicit CountingFont(int* counter) : deleted(counter) {}
    void DrawString(Window* window, int32_t x, int32_t y, const char*, uint32_t rop) override
    {
        lastRop = rop;
        window->FillSolid(Rect{{x, y}, {1, 1}}, COLOR_BLACK);
    }
    int32_t TextWidth(const char* text) override
    {
        return static_cast<int32_t>(std::string(text).size()) * 3;
    }
    int32_t GetHeight() override { return 7; }
    ~CountingFont() override { ++*deleted; }
    uint32_t lastRop = 0;
};
} // namespace

TEST(Window, SetFontDeletesOnlyOwnedFontsAndReturnsTheOthers)
{
    int deleted = 0;
    auto* owned = new CountingFont(&deleted);
    CountingFont kept(&deleted);
    {
        Canvas w(4, 4);
        // The system font is owned: replacing it deletes it and returns null.
        EXPECT_EQ(nullptr, w.SetFont(owned, true));
        EXPECT_EQ(owned, w.GetFont());
        EXPECT_EQ(6, w.TextWidth("ab"));
        w.DrawString(1, 2, "x", ROP_DEFAULT);
        EXPECT_EQ(SRCCOPY, owned->lastRop);
        EXPECT_EQ(COLOR_BLACK, w.GetDC()->GetPixel(1, 2));

        // Replacing the owned font deletes it.
        EXPECT_EQ(nullptr, w.SetFont(&kept, false));
        EXPECT_EQ(1, deleted);
        // A font the window does not own is handed back.
        EXPECT_EQ(&kept, w.SetFont(nullptr, true));
        EXPECT_EQ(nullptr, w.GetFont());
        EXPECT_EQ(1, deleted);
        // Null is never owned.
        EXPECT_EQ(nullptr, w.SetFont(&kept, false));
    }
    // The window did not own `kept` and left it alone when it went.
    EXPECT_EQ(1, deleted);
}

TEST(WindowDeathTest, TextNeedsAFontAndBlitNeedsASource)
{
    Canvas w(4, 4);
    w.SetFont(nullptr, false);
    EXPECT_DEATH(w.DrawString(0, 0, "x", ROP_DEFAULT), "Assertion '_font' failed");
    EXPECT_DEATH(w.TextWidth("x"), "Assertion '_font != NULL' failed");
    EXPECT_DEATH(w.Blit(nullptr, 0, 0, 1, 1, 0, 0, SRCCOPY), "Assertion 'src != NULL' failed");
    EXPECT_DEATH(w.Blit(&w, 0, 0, 1, 1, 0, 0, 0x12345678), "unsupported raster operation");
}

TEST(SystemFont, DrawsBlackGlyphsInWhiteCells)
{
    OffscreenWindow w(20, 12);
    w.GetDC()->Clear(RGB(0, 0, 200));
    w.DrawString(1, 1, "Hi", ROP_DEFAULT);
    const std::map<uint32_t, char> legend = {{RGB(0, 0, 200), '-'}};
    EXPECT_EQ("--------------------\n"
              "-............-------\n"
              "-#...#...#...-------\n"
              "-#...#.......-------\n"
              "-#...#..##...-------\n"
              "-#####...#...-------\n"
              "-#...#...#...-------\n"
              "-#...#...#...-------\n"
              "-#...#..###..-------\n"
              "-............-------\n"
              "-............-------\n"
              "--------------------\n",
              Picture(w, legend));
    EXPECT_EQ(12, SystemFont::MeasureText("Hi"));
    EXPECT_EQ(0, SystemFont::MeasureText(""));
    EXPECT_EQ(0, SystemFont::MeasureText(nullptr));

    // Descenders sit two rows lower; bytes without a glyph draw a box.
    OffscreenWindow g(12, 10);
    g.DrawString(0, 0, "g\x01", ROP_DEFAULT);
    EXPECT_EQ(COLOR_WHITE, g.GetDC()->GetPixel(1, 1));
    EXPECT_EQ(COLOR_BLACK, g.GetDC()->GetPixel(1, 3));
    EXPECT_EQ(COLOR_BLACK, g.GetDC()->GetPixel(6, 1));
    EXPECT_EQ(COLOR_WHITE, g.GetDC()->GetPixel(7, 2));
}

TEST(SystemFontDeathTest, WidthAndHeightAreNotAvailable)
{
    SystemFont font;
    EXPECT_DEATH(font.TextWidth("x"), "Assertion 'false' failed");
    EXPECT_DEATH(font.GetHeight(), "Assertion 'false' failed");
}

// The strings a window remembers follow its pixels: hidden by opaque paint
// over their centre, carried by copies, moved by scrolling.
TEST(WindowTexts, StringsFollowThePixels)
{
    using Draw = std::function<void(Canvas & w, Canvas & back)>;
    const struct
    {
        const char* what;
        Draw draw;
        std::vector<std::string> expected; // "text@x,y"
    } cases[] = {
        {"drawn strings are kept in order",
         [](Canvas& w, Canvas&)
         {
             w.DrawString(10, 10, "One", SRCCOPY);
             w.DrawString(10, 30, "Two", SRCCOPY);
         },
         {"One@10,10", "Two@10,30"}},
        {"a fill over the centre hides a string",
         [](Canvas& w, Canvas&)
         {
             w.DrawString(10, 10, "One", SRCCOPY);
             w.FillSolid(Rect{{0, 0}, {60, 20}}, COLOR_BLACK);
         },
         {}},
        {"a fill beside the centre keeps it",
         [](Canvas& w, Canvas&)
         {
             w.DrawString(10, 10, "One", SRCCOPY);
             w.FillRectBlack(Rect{{0, 0}, {12, 40}}, 0);
         },
         {"One@10,10"}},
        {"a string drawn over another replaces it",
         [](Canvas& w, Canvas&)
         {
             w.DrawString(10, 10, "One", SRCCOPY);
             w.DrawString(10, 30, "Two", SRCCOPY);
             w.DrawString(10, 10, "Uno", SRCCOPY);
         },
         {"Two@10,30", "Uno@10,10"}},
        {"a transparent string where another starts takes its place",
         [](Canvas& w, Canvas&)
         {
             w.NoteText(Rect{{10, 10}, {20, 10}}, "One", "font1", false);
             w.NoteText(Rect{{10, 30}, {20, 10}}, "Two", "font1", false);
             w.NoteText(Rect{{10, 10}, {20, 10}}, "Uno", "font1", false);
         },
         {"Uno@10,10", "Two@10,30"}},
        {"a copy carries the strings of the copied part along",
         [](Canvas& w, Canvas& back)
         {
             back.DrawString(2, 2, "In", SRCCOPY);
             back.DrawString(2, 30, "Out", SRCCOPY);
             w.Blit(&back, 0, 0, 40, 20, 100, 50, SRCCOPY);
         },
         {"In@102,52"}},
        {"a copy hides what lay under it",
         [](Canvas& w, Canvas& back)
         {
             w.DrawString(100, 50, "Old", SRCCOPY);
             w.Blit(&back, 0, 0, 40, 20, 100, 50, SRCCOPY);
         },
         {}},
        {"a masked draw hides nothing",
         [](Canvas& w, Canvas& back)
         {
             w.DrawString(100, 50, "Old", SRCCOPY);
             w.Blit(&back, 0, 0, 40, 20, 100, 50, SRCAND);
             w.Blit(&back, 0, 0, 40, 20, 100, 50, SRCPAINT);
         },
         {"Old@100,50"}},
        {"a copy within the window keeps the source",
         [](Canvas& w, Canvas&)
         {
             w.DrawString(0, 0, "Twice", SRCCOPY);
             w.Blit(&w, 0, 0, 40, 12, 0, 40, SRCCOPY);
         },
         {"Twice@0,0", "Twice@0,40"}},
        {"scrolling moves strings and loses those pushed out",
         [](Canvas& w, Canvas&)
         {
             w.DrawString(10, 10, "A", SRCCOPY);
             w.DrawString(10, 40, "B", SRCCOPY);
             w.Scroll(Rect{{0, 0}, {100, 60}}, 0, -20);
         },
         {"B@10,20"}},
        {"a window that keeps no strings",
         [](Canvas& w, Canvas&)
         {
             w.SetKeepsTexts(false);
             w.DrawString(10, 10, "One", SRCCOPY);
         },
         {}},
    };
    for (const auto& c : cases)
    {
        Canvas w(200, 100);
        Canvas back(60, 40);
        c.draw(w, back);
        std::vector<std::string> seen;
        for (const Window::DrawnText& t : w.GetDrawnTexts())
        {
            seen.push_back(t.text + "@" + std::to_string(t.box.origin.x) + "," +
                           std::to_string(t.box.origin.y));
            EXPECT_NE("", t.font) << c.what;
        }
        EXPECT_EQ(c.expected, seen) << c.what;
    }
}

TEST(WindowTexts, TheOldestGoWhenTooManyAreKept)
{
    Canvas w(200, 100);
    for (size_t i = 0; i <= Window::MAX_DRAWN_TEXTS; ++i)
        w.NoteText(Rect{{static_cast<int32_t>(i), 0}, {4, 4}}, "x", "system", false);
    ASSERT_EQ(Window::MAX_DRAWN_TEXTS, w.GetDrawnTexts().size());
    EXPECT_EQ(1, w.GetDrawnTexts().front().box.origin.x);
}
