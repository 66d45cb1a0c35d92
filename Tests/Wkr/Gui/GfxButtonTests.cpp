#include "Wkr/Gui/GfxButton.h"

#include "WinCE/Bitmap.h"
#include "WinCE/BmpBuilder.h"
#include "WinCE/DataFile.h"
#include "WinCE/DataFileBuilder.h"
#include "WinCE/OffscreenWindow.h"
#include "WinCE/TempFolder.h"

#include <gtest/gtest.h>

namespace
{
struct Counter : Callback
{
    explicit Counter(int* count) : _count(count) {}
    void Invoke() override { ++*_count; }
    int* _count;
};

// Strips whose looks are told apart by colour: column x gets the colour of
// look x / lookWidth (red, green, blue), the spare columns white.
std::vector<uint8_t> Strip(int32_t width, int32_t height, int32_t lookWidth)
{
    return bmp_test::MakeBmp(
        width, height, 24, {},
        [=](int32_t x, int32_t) -> uint32_t
        {
            const int32_t look = x / lookWidth;
            return look == 0 ? 0xFF0000u : look == 1 ? 0x00FF00u : look == 2 ? 0x0000FFu : 0xFFFFFFu;
        });
}

class GfxButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::string path = folder / "buttons.dat";
        WriteFile(path, MakeDataFile({{"strip90.bmp", Strip(90, 10, 30)},
                                      {"strip91.bmp", Strip(91, 10, 30)},
                                      {"halves90.bmp", Strip(90, 10, 45)}}));
        DataFile::UseFile(path);
    }
    void TearDown() override { DataFile::Destroy(); }

    TempFolder folder;
    OffscreenWindow parent{240, 268};
    int fired = 0;
};
} // namespace

TEST_F(GfxButtonTest, ThreeLooksAreThirdsOfTheStrip)
{
    GfxButton button("strip90.bmp", 10, 20, &parent, new Counter(&fired), true, true);
    EXPECT_EQ(30, button.GetNormalLook()->GetImgRect().extent.x);
    EXPECT_EQ(30, button.GetPressedLook()->GetImgRect().extent.x);
    EXPECT_EQ(30, button.GetDisabledLook()->GetImgRect().extent.x);
    EXPECT_EQ(30, button.GetPressedLook()->GetImgRect().origin.x);
    EXPECT_EQ(60, button.GetDisabledLook()->GetImgRect().origin.x);
    GfxButton odd("strip91.bmp", 10, 20, &parent, new Counter(&fired), true, true);
    EXPECT_EQ(30, odd.GetNormalLook()->GetImgRect().extent.x)
        << "the last column of a 91-pixel strip is unused";
}

TEST_F(GfxButtonTest, TwoLooksAreHalvesWhenTheButtonCannotBeDisabled)
{
    GfxButton button("halves90.bmp", 0, 0, &parent, new Counter(&fired), true, false);
    EXPECT_EQ(45, button.GetNormalLook()->GetImgRect().extent.x);
    EXPECT_EQ(45, button.GetPressedLook()->GetImgRect().origin.x);
    EXPECT_EQ(nullptr, button.GetDisabledLook());
}

TEST_F(GfxButtonTest, EachStateDrawsItsLook)
{
    GfxButton button("strip90.bmp", 10, 20, &parent, new Counter(&fired), true, true);
    button.Draw();
    EXPECT_EQ(RGB(255, 0, 0), parent.GetDC()->GetPixel(10, 20));
    EXPECT_EQ(RGB(255, 0, 0), parent.GetDC()->GetPixel(39, 29));
    button.OnStylusDown(15, 25);
    EXPECT_EQ(RGB(0, 255, 0), parent.GetDC()->GetPixel(10, 20)) << "pressed look";
    button.OnStylusUp(15, 25);
    EXPECT_EQ(1, fired);
    button.Disable();
    button.Draw();
    EXPECT_EQ(RGB(0, 0, 255), parent.GetDC()->GetPixel(10, 20)) << "disabled look";
}

TEST_F(GfxButtonTest, TheHitTestIncludesTheFarColumnAndRow)
{
    GfxButton button("strip90.bmp", 10, 20, &parent, new Counter(&fired), true, true);
    EXPECT_TRUE(button.HitTest(10, 20));
    EXPECT_TRUE(button.HitTest(40, 30)) << "x + width and y + height are inside";
    EXPECT_FALSE(button.HitTest(41, 30));
    EXPECT_FALSE(button.HitTest(40, 31));
    EXPECT_FALSE(button.HitTest(9, 25));
    EXPECT_FALSE(button.HitTest(25, 19));
}

TEST_F(GfxButtonTest, SetImageCutsTheNewStrip)
{
    GfxButton button("strip90.bmp", 0, 0, &parent, new Counter(&fired), true, false);
    EXPECT_EQ(45, button.GetNormalLook()->GetImgRect().extent.x);
    button.SetImage("strip91.bmp");
    EXPECT_EQ(45, button.GetNormalLook()->GetImgRect().extent.x);
    EXPECT_DEATH(button.SetImage(nullptr), "imagename");
    EXPECT_DEATH(GfxButton(nullptr, 0, 0, &parent, new Counter(&fired), true, true), "imagename");
    EXPECT_DEATH(GfxButton("strip90.bmp", 0, 0, nullptr, new Counter(&fired), true, true), "_parent");
}
