// Checks of the artwork and fonts under Data/: every bitmap the screens and
// controls open is there and loads, masks fit their images, every font strip
// has metrics that cover its characters, and button strips cut into whole
// looks that fit where the screens put them.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace
{

namespace fs = std::filesystem;

fs::path DataDir(const char* sub)
{
    return fs::path(SKYREACH_SOURCE_DIR) / "Data" / sub;
}

std::vector<uint8_t> ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t U32(const std::vector<uint8_t>& d, size_t at)
{
    return d[at] | (d[at + 1] << 8) | (d[at + 2] << 16) | (uint32_t(d[at + 3]) << 24);
}

uint16_t U16(const std::vector<uint8_t>& d, size_t at)
{
    return uint16_t(d[at] | (d[at + 1] << 8));
}

// A bitmap file read the way the game reads it: the pixel offset from the
// file header, size and depth from the information header, a palette of
// exactly 2^bpp entries, then bottom-up rows padded to four bytes.
struct Dib
{
    std::string error;
    int32_t width = 0;
    int32_t height = 0;
    int bpp = 0;
    std::vector<uint8_t> data;
    uint32_t offset = 0;
    int32_t stride = 0;

    uint32_t Pixel(int x, int y) const // 0x00RRGGBB
    {
        size_t row = offset + size_t(height - 1 - y) * stride;
        auto pal = [&](unsigned i) {
            size_t p = 54 + 4 * i;
            return uint32_t(data[p + 2]) << 16 | uint32_t(data[p + 1]) << 8 | data[p];
        };
        switch (bpp)
        {
        case 1:
            return pal((data[row + x / 8] & (0x80 >> (x % 8))) ? 1 : 0);
        case 8:
            return pal(data[row + x]);
        default: {
            size_t p = row + size_t(x) * (bpp / 8);
            return uint32_t(data[p + 2]) << 16 | uint32_t(data[p + 1]) << 8 | data[p];
        }
        }
    }
};

Dib LoadDib(const fs::path& path)
{
    Dib dib;
    if (!fs::exists(path))
    {
        dib.error = "missing";
        return dib;
    }
    dib.data = ReadAll(path);
    const auto& d = dib.data;
    if (d.size() < 54)
    {
        dib.error = "shorter than the headers";
        return dib;
    }
    if (d[0] != 'B' || d[1] != 'M')
    {
        dib.error = "not a bitmap file";
        return dib;
    }
    dib.offset = U32(d, 10);
    dib.width = int32_t(U32(d, 18));
    dib.height = int32_t(U32(d, 22));
    dib.bpp = U16(d, 28);
    const uint32_t compression = U32(d, 30);
    if (U32(d, 14) != 40 || compression != 0)
    {
        dib.error = "not an uncompressed bitmap with a 40-byte header";
        return dib;
    }
    if (dib.bpp != 1 && dib.bpp != 8 && dib.bpp != 24 && dib.bpp != 32)
    {
        dib.error = "unsupported depth " + std::to_string(dib.bpp);
        return dib;
    }
    // Top-down files (negative height) would draw upside down in the game.
    if (dib.width <= 0 || dib.height <= 0)
    {
        dib.error = "empty or top-down";
        return dib;
    }
    if (dib.bpp <= 8 && d.size() < 54 + 4 * (size_t(1) << dib.bpp))
    {
        dib.error = "palette shorter than 2^bpp entries";
        return dib;
    }
    if (dib.bpp <= 8 && dib.offset < 54 + 4 * (size_t(1) << dib.bpp))
    {
        dib.error = "pixels overlap the palette";
        return dib;
    }
    dib.stride = ((dib.width * dib.bpp + 31) / 32) * 4;
    if (d.size() < size_t(dib.offset) + size_t(dib.height) * dib.stride)
    {
        dib.error = "pixel rows cut short";
        return dib;
    }
    return dib;
}

// Every bitmap the screens, controls and the shared graphics set open, with
// the number of looks its strip holds (1 for a plain image).
const std::map<std::string, int>& ScreenBitmaps()
{
    static const std::map<std::string, int> names = {
        // Shared graphics set (the continent maps are checked with the tables).
        {"sr_Screen_background.bmp", 1}, {"sr_Highscores_panel.bmp", 1}, {"sr_InputPanel.bmp", 1},
        {"sr_Panel.bmp", 1}, {"sr_Radio_Button.bmp", 3}, {"sr_PanelMedium.bmp", 1},
        {"sr_Procent_Panel1.bmp", 1}, {"sr_Amount_panel.bmp", 1}, {"sr_Procent_Panel2.bmp", 1},
        {"sr_ListPanel.bmp", 1}, {"sr_PanelLine.bmp", 1}, {"sr_Screen_top_plain.bmp", 1},
        {"sr_Screen_top.bmp", 1}, {"sr_Screen_top_rev.bmp", 1}, {"window.bmp", 1},
        // Main menu, splashes and About.
        {"sr_MainMenu_screen.bmp", 1}, {"pxsplash.bmp", 1}, {"sr_Splash_screen.bmp", 1},
        {"sr_About_screen.bmp", 1}, {"exit_button.bmp", 3}, {"sr_NewGame_button.bmp", 3},
        {"sr_Resume_button.bmp", 3}, {"sr_Highscores_button.bmp", 3}, {"sr_Options_button.bmp", 3},
        {"sr_Help_button.bmp", 3}, {"sr_About_button.bmp", 3},
        // Buttons of the game screens and notices.
        {"sr_Ok_button.bmp", 3}, {"sr_Cancel_button.bmp", 3}, {"sr_Yes_button.bmp", 3},
        {"sr_No_button.bmp", 3}, {"sr_JumpToNext_button.bmp", 3}, {"sr_BuyNew_button.bmp", 3},
        {"sr_Buy_button.bmp", 3}, {"sr_PrevCont_button.bmp", 3}, {"sr_NextCont_button.bmp", 3},
        {"sr_Replace_button.bmp", 3}, {"sr_ShutDown_button.bmp", 3}, {"sr_Demand_button.bmp", 3},
        {"sr_Risk_button.bmp", 3}, {"sr_ScrollUp_button.bmp", 3}, {"sr_ScrollDown_button.bmp", 3},
        {"sr_History_button.bmp", 3}, {"sr_Current_button.bmp", 3}, {"sr_redefine_button.bmp", 3},
        {"sr_Accept_button.bmp", 3}, {"sr_Reject_button.bmp", 3}, {"sr_AssignPlane_button.bmp", 3},
        {"sr_Proceed_button.bmp", 3}, {"sr_Free_button.bmp", 3},
        // Controls.
        {"sr_Combo_arrow.bmp", 3}, {"sr_Combo_box.bmp", 1}, {"sr_Combo_box_short.bmp", 1},
        {"sr_ScrollVerticalUp_button.bmp", 3}, {"sr_ScrollVerticalDown_button.bmp", 3},
        {"sr_ScrollVertical_bar.bmp", 3}, {"sr_ScrollLine.bmp", 2}, {"sr_Speed_panel.bmp", 1},
        // Pop-up menu buttons (closed, open) and their entries.
        {"sr_Go_button.bmp", 2}, {"sr_Opts_button.bmp", 2}, {"sr_View_button.bmp", 2},
        {"sr_SortBy_button.bmp", 2}, {"sr_Popup1Retire_button.bmp", 3},
        {"sr_Popup1Statistics_button.bmp", 3}, {"sr_Popup1Bank_button.bmp", 3},
        {"sr_Popup1Airports_button.bmp", 3}, {"sr_Popup1Planes_button.bmp", 3},
        {"sr_Popup2Change_button.bmp", 3}, {"sr_Popup2Repay_button.bmp", 3},
        {"sr_Popup2Obtain_button.bmp", 3}, {"sr_Popup3Company_button.bmp", 3},
        {"sr_Popup3Account_button.bmp", 3}, {"sr_Popup3Planes_button.bmp", 3},
        {"sr_Popup3Passenger_button.bmp", 3}, {"sr_Popup3Map_button.bmp", 3},
        {"sr_Popup5Age_button.bmp", 3}, {"sr_Popup5Speed_button.bmp", 3},
        {"sr_Popup5Range_button.bmp", 3}, {"sr_Popup5Profit_button.bmp", 3},
        {"sr_Popup5NoD_button.bmp", 3}, {"sr_Popup5NoP_button.bmp", 3},
        {"sr_Popup7Repair_button.bmp", 3}, {"sr_Popup7Sell_button.bmp", 3},
        {"sr_Popup7ShutDown_button.bmp", 3}, {"sr_Popup7Edit_button.bmp", 3},
        {"sr_Popup7SetUp_button.bmp", 3}, {"sr_Popup8Research_button.bmp", 3},
        {"sr_Popup8Advertise_button.bmp", 3}, {"sr_Popup8Buy_button.bmp", 3},
        {"sr_Popup8Sell_button.bmp", 3},
        // Icons and lamps.
        {"sr_LightGreen_button.bmp", 1}, {"sr_LightRed_button.bmp", 1}, {"sr_ce_info.bmp", 1},
        {"sr_ce_city.bmp", 1}, {"sr_ce_plane.bmp", 1}, {"sr_Route_icon.bmp", 1},
        {"sr_Charity_icon.bmp", 1}, {"sr_VIP_icon.bmp", 1}, {"sr_stop_icon.bmp", 1},
        {"sr_Travel_Bicon.bmp", 1}, {"sr_Charity_Bicon.bmp", 1}, {"sr_VIP_Bicon.bmp", 1},
    };
    return names;
}

// Image and mask pairs as the game builds them (some masks serve several images).
const std::vector<std::pair<std::string, std::string>>& MaskedPairs()
{
    static const std::vector<std::pair<std::string, std::string>> pairs = {
        {"window.bmp", "window_mask.bmp"},
        {"sr_LightGreen_button.bmp", "sr_Lights_mask.bmp"},
        {"sr_LightRed_button.bmp", "sr_Lights_mask.bmp"},
        {"sr_ce_info.bmp", "sr_ce_info_mask.bmp"},
        {"sr_ce_city.bmp", "sr_ce_city_mask.bmp"},
        {"sr_ce_plane.bmp", "sr_ce_plane_mask.bmp"},
        {"sr_Route_icon.bmp", "sr_Route_icon_mask.bmp"},
        {"sr_Charity_icon.bmp", "sr_Charity_icon_mask.bmp"},
        {"sr_VIP_icon.bmp", "sr_VIP_icon_mask.bmp"},
        {"sr_stop_icon.bmp", "sr_stop_icon_mask.bmp"},
        {"sr_Travel_Bicon.bmp", "sr_Travel_Bicon_mask.bmp"},
        {"sr_Charity_Bicon.bmp", "sr_Travel_Bicon_mask.bmp"},
        {"sr_VIP_Bicon.bmp", "sr_Travel_Bicon_mask.bmp"},
    };
    return pairs;
}

struct FontSpec
{
    const char* strip;
    const char* mask; // null: the game draws this strip only unmasked
    const char* mustCover;
};

const char* const kDigits = "0123456789$-:./v ";

std::string PrintableAscii()
{
    std::string s;
    for (int c = 32; c < 127; ++c)
    {
        s += char(c);
    }
    return s;
}

const std::vector<FontSpec>& Fonts()
{
    static const std::string ascii = PrintableAscii();
    static const std::vector<FontSpec> fonts = {
        {"sr_Menu_font.bmp", "sr_Menu_font_mask.bmp", ascii.c_str()},
        {"font.bmp", "font_mask.bmp", ascii.c_str()},
        {"font_yellow.bmp", "font_yellow_mask.bmp", ascii.c_str()},
        {"font_pl2.bmp", "font_pl2_mask.bmp", ascii.c_str()},
        {"sr_digits_ver.bmp", "sr_digits_ver_mask.bmp", kDigits},
        {"sr_digits_cash.bmp", nullptr, kDigits},
        {"sr_digits_date.bmp", "sr_digits_date_mask.bmp", kDigits},
    };
    return fonts;
}

fs::path BitmapPath(const std::string& name)
{
    fs::path p = DataDir("Bitmaps") / name;
    return fs::exists(p) ? p : DataDir("Fonts") / name;
}

Dib Load(const std::string& name)
{
    return LoadDib(BitmapPath(name));
}

int LookWidth(const std::string& name)
{
    Dib dib = Load(name);
    return dib.width / ScreenBitmaps().at(name);
}

int Height(const std::string& name)
{
    return Load(name).height;
}

// The metrics of a font strip as the game reads them.
struct Metrics
{
    uint16_t fc = 0, nc = 0, ic = 0;
    std::vector<std::pair<uint16_t, uint8_t>> records; // x offset, width (255 = none)
    bool ok = false;

    const std::pair<uint16_t, uint8_t>* Find(unsigned char c) const
    {
        if (c < fc || c >= fc + nc || records[c - fc].second == 255)
        {
            return nullptr;
        }
        return &records[c - fc];
    }
};

Metrics LoadMetrics(const std::string& strip)
{
    Metrics m;
    const std::string base = strip.substr(0, strip.find('.'));
    const auto d = ReadAll(DataDir("Fonts") / (base + ".fmc"));
    if (d.size() < 6)
    {
        return m;
    }
    m.fc = U16(d, 0);
    m.nc = U16(d, 2);
    m.ic = U16(d, 4);
    if (d.size() != 6 + 4 * size_t(m.nc))
    {
        return m;
    }
    for (size_t i = 0; i < m.nc; ++i)
    {
        m.records.emplace_back(U16(d, 6 + 4 * i), d[6 + 4 * i + 2]);
    }
    m.ok = true;
    return m;
}

bool IsBlack(uint32_t rgb)
{
    return rgb == 0x000000;
}

bool IsWhite(uint32_t rgb)
{
    return rgb == 0xFFFFFF;
}

} // namespace

TEST(ArtTests, EveryScreenBitmapLoads)
{
    for (const auto& [name, looks] : ScreenBitmaps())
    {
        Dib dib = Load(name);
        EXPECT_EQ(dib.error, "") << name;
    }
}

TEST(ArtTests, PackedFoldersHoldOnlyEntriesWithUniqueNames)
{
    std::set<std::string> seen;
    for (const char* sub : {"Bitmaps", "Fonts"})
    {
        for (const auto& e : fs::directory_iterator(DataDir(sub)))
        {
            const std::string name = e.path().filename().string();
            const std::string ext = e.path().extension().string();
            EXPECT_TRUE(e.is_regular_file()) << name;
            EXPECT_TRUE(ext == ".bmp" || (ext == ".fmc" && std::string(sub) == "Fonts"))
                << sub << "/" << name << " would become an entry of the data file";
            EXPECT_TRUE(seen.insert(name).second) << name << " is in two packed folders";
            if (ext == ".bmp")
            {
                EXPECT_EQ(LoadDib(e.path()).error, "") << name;
            }
        }
    }
}

TEST(ArtTests, StripsDivideIntoWholeLooks)
{
    for (const auto& [name, looks] : ScreenBitmaps())
    {
        Dib dib = Load(name);
        ASSERT_EQ(dib.error, "") << name;
        EXPECT_EQ(dib.width % looks, 0) << name << " is " << dib.width << " wide for " << looks << " looks";
        // Looks that differ from each other: a strip whose looks are all the
        // same gives the player no feedback on press or disable.
        if (looks > 1)
        {
            const int w = dib.width / looks;
            for (int a = 0; a < looks; ++a)
            {
                for (int b = a + 1; b < looks; ++b)
                {
                    bool differ = false;
                    for (int y = 0; y < dib.height && !differ; ++y)
                    {
                        for (int x = 0; x < w && !differ; ++x)
                        {
                            differ = dib.Pixel(a * w + x, y) != dib.Pixel(b * w + x, y);
                        }
                    }
                    EXPECT_TRUE(differ) << name << " looks " << a << " and " << b << " are identical";
                }
            }
        }
    }
}

TEST(ArtTests, MasksMatchTheirImagesAndAreBlackAndWhite)
{
    std::vector<std::pair<std::string, std::string>> pairs = MaskedPairs();
    for (const FontSpec& f : Fonts())
    {
        if (f.mask)
        {
            pairs.emplace_back(f.strip, f.mask);
        }
    }
    for (const auto& [image, maskName] : pairs)
    {
        Dib img = Load(image);
        Dib mask = Load(maskName);
        ASSERT_EQ(img.error, "") << image;
        ASSERT_EQ(mask.error, "") << maskName;
        EXPECT_EQ(img.width, mask.width) << maskName;
        EXPECT_EQ(img.height, mask.height) << maskName;
        int black = 0;
        for (int y = 0; y < mask.height; ++y)
        {
            for (int x = 0; x < mask.width; ++x)
            {
                const uint32_t p = mask.Pixel(x, y);
                ASSERT_TRUE(IsBlack(p) || IsWhite(p)) << maskName << " at " << x << "," << y;
                black += IsBlack(p);
            }
        }
        EXPECT_GT(black, 0) << maskName << " hides the whole image";
    }
}

TEST(ArtTests, EveryFontStripHasMetricsCoveringItsCharacters)
{
    for (const FontSpec& f : Fonts())
    {
        Dib strip = Load(f.strip);
        ASSERT_EQ(strip.error, "") << f.strip;
        Metrics m = LoadMetrics(f.strip);
        ASSERT_TRUE(m.ok) << f.strip << ": metrics missing or of the wrong size";
        ASSERT_NE(m.Find(static_cast<unsigned char>(m.ic)), nullptr) << f.strip << ": default character has no glyph";
        for (const char* c = f.mustCover; *c; ++c)
        {
            const auto* r = m.Find(static_cast<unsigned char>(*c));
            ASSERT_NE(r, nullptr) << f.strip << " lacks '" << *c << "'";
            EXPECT_GT(r->second, 0) << f.strip << " '" << *c << "'";
            EXPECT_LE(r->first + r->second, strip.width) << f.strip << " '" << *c << "' runs past the strip";
        }
        // Every glyph stays inside the strip, and visible characters have ink.
        Dib mask = f.mask ? Load(f.mask) : Dib();
        for (size_t i = 0; i < m.records.size(); ++i)
        {
            const auto [x, w] = m.records[i];
            if (w == 255)
            {
                continue;
            }
            EXPECT_LE(x + w, strip.width) << f.strip << " char " << (m.fc + i);
            const int code = int(m.fc + i);
            if (f.mask && code > 32 && code < 127)
            {
                int ink = 0;
                for (int yy = 0; yy < mask.height; ++yy)
                {
                    for (int xx = x; xx < x + w; ++xx)
                    {
                        ink += IsBlack(mask.Pixel(xx, yy));
                    }
                }
                EXPECT_GT(ink, 0) << f.strip << ": '" << char(code) << "' draws nothing";
            }
        }
    }
}

TEST(ArtTests, TextFontsFitTheLinesTheScreensUse)
{
    // Text lines on the screens stand 14 or 15 rows apart and the list rows
    // are one font high: a taller font would overlap the next line.
    for (const char* name : {"sr_Menu_font.bmp", "font.bmp", "font_yellow.bmp", "font_pl2.bmp"})
    {
        EXPECT_LE(Height(name), 14) << name;
    }
    // The date is drawn at (186, 6) and must end inside the 240-pixel screen;
    // the cash row starts at y 16 and must end inside the 30-row top bar.
    Metrics date = LoadMetrics("sr_digits_date.bmp");
    ASSERT_TRUE(date.ok);
    int w = 0;
    for (char c : std::string("12/31/2002"))
    {
        w += date.Find(static_cast<unsigned char>(c))->second;
    }
    EXPECT_LE(186 + w, 240);
    EXPECT_LE(6 + Height("sr_digits_date.bmp"), 16);
    EXPECT_LE(16 + Height("sr_digits_cash.bmp"), 30);
}

TEST(ArtTests, ButtonsFitWhereTheScreensPlaceThem)
{
    // Full-screen pictures fill the 240x268 form.
    for (const char* name : {"sr_Screen_background.bmp", "sr_MainMenu_screen.bmp", "pxsplash.bmp",
                             "sr_Splash_screen.bmp", "sr_About_screen.bmp"})
    {
        Dib d = Load(name);
        EXPECT_EQ(d.width, 240) << name;
        EXPECT_EQ(d.height, 268) << name;
    }
    for (const char* name : {"sr_Screen_top.bmp", "sr_Screen_top_rev.bmp", "sr_Screen_top_plain.bmp"})
    {
        EXPECT_EQ(Load(name).width, 240) << name;
        EXPECT_GE(Height(name), 30) << name << " must cover the top bar";
        EXPECT_LT(Height(name), 40) << name;
    }
    // Buttons on the bottom row at y 238 end above the form's bottom.
    for (const char* name : {"sr_Ok_button.bmp", "sr_Cancel_button.bmp", "sr_JumpToNext_button.bmp",
                             "sr_Buy_button.bmp", "sr_BuyNew_button.bmp", "sr_Go_button.bmp",
                             "sr_Opts_button.bmp", "sr_Accept_button.bmp", "sr_Reject_button.bmp",
                             "sr_Proceed_button.bmp", "sr_Yes_button.bmp", "sr_No_button.bmp"})
    {
        EXPECT_LE(238 + Height(name), 268) << name;
    }
    // Pairs on one row do not overlap (the hit test includes the far column).
    const std::vector<std::tuple<const char*, int, const char*, int>> rows = {
        {"sr_Yes_button.bmp", 43, "sr_No_button.bmp", 136},
        {"sr_Yes_button.bmp", 35, "sr_No_button.bmp", 144},
        {"sr_Ok_button.bmp", 35, "sr_Cancel_button.bmp", 144},
        {"sr_Ok_button.bmp", 10, "sr_JumpToNext_button.bmp", 72},
        {"sr_Cancel_button.bmp", 13, "sr_Buy_button.bmp", 167},
        {"sr_Replace_button.bmp", 13, "sr_ShutDown_button.bmp", 128},
        {"sr_AssignPlane_button.bmp", 17, "sr_Ok_button.bmp", 163},
        {"sr_Free_button.bmp", 24, "sr_Ok_button.bmp", 163},
        {"sr_Proceed_button.bmp", 24, "sr_Cancel_button.bmp", 154},
        {"sr_Accept_button.bmp", 24, "sr_Reject_button.bmp", 136},
        {"sr_Go_button.bmp", 11, "sr_BuyNew_button.bmp", 151},
        {"sr_Go_button.bmp", 11, "sr_Opts_button.bmp", 80},
        {"sr_PrevCont_button.bmp", 132, "sr_NextCont_button.bmp", 181},
        {"sr_ScrollUp_button.bmp", 188, "sr_ScrollDown_button.bmp", 208},
    };
    for (const auto& [left, lx, right, rx] : rows)
    {
        EXPECT_LT(lx + LookWidth(left), rx) << left << " at " << lx << " overlaps " << right;
        EXPECT_LE(rx + LookWidth(right), 240) << right << " at " << rx << " leaves the screen";
    }
    // Dialog buttons at y 189 end above the bottom strip at 218.
    for (const char* name : {"sr_Yes_button.bmp", "sr_No_button.bmp", "sr_Ok_button.bmp",
                             "sr_Replace_button.bmp", "sr_AssignPlane_button.bmp", "sr_Free_button.bmp"})
    {
        EXPECT_LE(189 + Height(name), 218) << name;
    }
    // Main menu: a column 27 rows apart from y 96, and the exit button at (210, 9).
    for (const char* name : {"sr_NewGame_button.bmp", "sr_Resume_button.bmp", "sr_Highscores_button.bmp",
                             "sr_Options_button.bmp", "sr_Help_button.bmp", "sr_About_button.bmp"})
    {
        EXPECT_LT(Height(name), 27) << name;
        EXPECT_LE(103 + LookWidth(name), 240) << name;
    }
    EXPECT_LE(210 + LookWidth("exit_button.bmp"), 240);
    EXPECT_LE(243 + Height("sr_ScrollDown_button.bmp"), 268);
    EXPECT_LE(58 + LookWidth("sr_redefine_button.bmp"), 240);
}

TEST(ArtTests, ListsScrollBarsAndPopupsFitTheirScreens)
{
    // The list panel at (13, 62) meets the scroll bar at (213, 62); the bar's
    // arrows and track are as tall as the panel, and the thumb fits the track.
    EXPECT_LE(13 + Load("sr_ListPanel.bmp").width, 213 + 1);
    const int bar = Height("sr_ScrollVerticalUp_button.bmp") + Height("sr_ScrollLine.bmp") +
                    Height("sr_ScrollVerticalDown_button.bmp");
    EXPECT_EQ(bar, Height("sr_ListPanel.bmp"));
    EXPECT_LE(62 + Height("sr_ListPanel.bmp"), 238) << "the list runs into the OK button";
    EXPECT_LE(3 + LookWidth("sr_ScrollVertical_bar.bmp"), LookWidth("sr_ScrollLine.bmp"));
    EXPECT_LT(Height("sr_ScrollVertical_bar.bmp"), Height("sr_ScrollLine.bmp"));
    // The widest entry text of a list (shortened below 186) fits inside the panel.
    EXPECT_GE(Load("sr_ListPanel.bmp").width - 6 - 5, 185);
    // Six sort entries stacked above a pop-up button on the bottom row stay
    // below the top bar.
    const int item = Height("sr_Popup5Age_button.bmp");
    EXPECT_GE(238 - 6 * item, 30);
    // Radio buttons stacked 19 rows apart (route settings) do not touch.
    EXPECT_LT(Height("sr_Radio_Button.bmp"), 19);
    EXPECT_LE(96 + LookWidth("sr_Radio_Button.bmp"), 114) << "the radio runs into its label";
    // Text field 184x17 at (28, 145) inside the input panel at (20, 137).
    EXPECT_GE(Load("sr_InputPanel.bmp").width, 8 + 184);
    EXPECT_GE(Height("sr_InputPanel.bmp"), 8 + 17);
    // Speed slider at (21, 180) with labels at y 200 and a knob from the thumb strip.
    EXPECT_LE(180 + Height("sr_Speed_panel.bmp"), 200);
    EXPECT_LE(21 + Load("sr_Speed_panel.bmp").width, 240);
    EXPECT_LE(Height("sr_ScrollVertical_bar.bmp"), Height("sr_Speed_panel.bmp"));
    // The history graph plots from a base row of the statistics panel's
    // height + 43, which must be its horizontal axis at row 208.
    EXPECT_EQ(Height("sr_PanelMedium.bmp") + 43, 208);
    // Three high score panels 57 rows apart from y 49.
    EXPECT_LT(Height("sr_Highscores_panel.bmp"), 57);
    // List row icons: the first icon at x + 1 must end before the second at
    // x + 12, and both within a text row.
    for (const char* name : {"sr_ce_info.bmp", "sr_ce_city.bmp", "sr_Route_icon.bmp", "sr_Charity_icon.bmp",
                             "sr_VIP_icon.bmp", "sr_stop_icon.bmp"})
    {
        EXPECT_LE(Load(name).width, 11) << name;
        EXPECT_LE(Height(name) + 1, Height("font.bmp")) << name;
    }
    // Contract badges are tapped in the 15x15 square from (186, 47).
    for (const char* name : {"sr_Travel_Bicon.bmp", "sr_Charity_Bicon.bmp", "sr_VIP_Bicon.bmp"})
    {
        EXPECT_LE(Load(name).width, 15) << name;
        EXPECT_LE(Height(name), 15) << name;
    }
}

namespace
{

int TextWidth(const Metrics& m, const std::string& text)
{
    int w = 0;
    for (char c : text)
    {
        const auto* r = m.Find(static_cast<unsigned char>(c));
        w += r ? r->second : m.Find(static_cast<unsigned char>(m.ic))->second;
    }
    return w;
}

} // namespace

TEST(ArtTests, TheLongestTextsFitTheirPlaces)
{
    const Metrics title = LoadMetrics("sr_Menu_font.bmp");
    const Metrics text = LoadMetrics("font.bmp");
    const Metrics question = LoadMetrics("font_yellow.bmp");
    const Metrics version = LoadMetrics("sr_digits_ver.bmp");
    ASSERT_TRUE(title.ok && text.ok && question.ok && version.ok);
    const int window = Load("window.bmp").width - 8;
    // Titles are centred in the dialog window; the Time&Cash title starts at
    // x 152 and the return label at x 10 must end before the top bar at 147.
    EXPECT_LE(TextWidth(title, "Plane model withdrawal"), window);
    EXPECT_LE(152 + TextWidth(title, "Time&Cash"), 240);
    EXPECT_LT(10 + TextWidth(title, "Passenger's Stats."), 147);
    EXPECT_LT(10 + TextWidth(text, "Passenger's Stats."), 147);
    // The longest centred lines of the notices and screens.
    for (const char* line : {"market, and there are no required", "to repair it now, so the route will",
                             "Unfortunatelly, you can't afford", "State of emergency announced in",
                             "If you succeed, you will be paid:", "Additionally, your plane has to be",
                             "Time speed in units per second", "You have made a highscore with",
                             "Key in use. Press another key!", "you will lose a chance to reach"})
    {
        EXPECT_LE(TextWidth(text, line), window) << line;
        EXPECT_LE(TextWidth(question, line), window) << line;
    }
    // "Choose your home airport:" at (33, 40) stays on the screen, and the
    // version ends on the About screen.
    EXPECT_LE(33 + TextWidth(text, "Choose your home airport:"), 240);
    EXPECT_LE(160 + TextWidth(version, "v 0.13.9"), 240);
    // A help line holds a useful number of words within 185 pixels.
    EXPECT_GE(185 / TextWidth(text, "m"), 25) << "too few characters to a help line";
}
