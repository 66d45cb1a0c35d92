// Shared set-up of the control tests: the built data file, the shared
// graphics, a headless host that records the sounds, and helpers to tap and
// to compare the pixels of a window before and after.
#pragma once

#include "Common/Gui/Controls/GameSound.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "WinCE/DataFile.h"
#include "WinCE/Host/HeadlessHost.h"
#include "WinCE/OffscreenWindow.h"
#include "WinCE/Surface.h"
#include "Wkr/Gui/Callback.h"
#include "Wkr/Gui/Widget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace ControlsTest
{

struct Counter : Callback
{
    explicit Counter(int* count) : _count(count) {}
    void Invoke() override { ++*_count; }
    int* _count;
};

class ControlsFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DataFile::UseFile(std::string(SKYREACH_BINARY_DIR) + "/Skyreach.dat");
        _previousHost = GetHost();
        SetHost(&host);
        GameSound::SetEnabled(true);
        GfxResources::Init();
        screen = new OffscreenWindow(240, 268);
        // A patterned background, so that restoring it is a real check.
        for (int32_t y = 0; y < 268; ++y)
            for (int32_t x = 0; x < 240; ++x)
                screen->GetDC()->SetPixel(x, y, static_cast<uint32_t>((x * 7 + y * 13) & 0xFF) * 0x010101);
    }

    void TearDown() override
    {
        delete screen;
        GfxResources::Release();
        GameSound::SetEnabled(true);
        SetHost(_previousHost);
        DataFile::Destroy();
    }

    static void Tap(Widget& w, int16_t x, int16_t y)
    {
        w.OnStylusDown(x, y);
        w.OnStylusUp(x, y);
    }

    std::vector<uint32_t> Pixels(int32_t x0, int32_t y0, int32_t w, int32_t h) const
    {
        std::vector<uint32_t> out;
        for (int32_t y = y0; y < y0 + h; ++y)
            for (int32_t x = x0; x < x0 + w; ++x)
                out.push_back(screen->GetDC()->GetPixel(x, y));
        return out;
    }

    std::vector<uint32_t> AllPixels() const { return Pixels(0, 0, 240, 268); }

    int CountSounds(int id) const
    {
        const std::vector<int>& played = host.PlayedSounds();
        return static_cast<int>(std::count(played.begin(), played.end(), id));
    }

    HeadlessHost host;
    OffscreenWindow* screen = nullptr;

private:
    Host* _previousHost = nullptr;
};

} // namespace ControlsTest
