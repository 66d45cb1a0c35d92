// AboutForm: the About screen of the main menu, with the version and the
// credits scrolling through a small window.
//
// The credits are drawn one line at a time into an off-screen strip of
// 161 x 45 pixels, the line in its middle band. Every idle step more than
// 100 ms after the last copies the 15-pixel-high window starting at the
// current row to (39, 98) and moves one row on, so each line rises into view,
// rests (at row 16 the next step waits until 801 ms have passed) and leaves
// upwards; after row 29 the next line starts at row 0. Any tap goes back to
// the main menu.
#pragma once

#include "WinCE/Form.h"

#include <cstdint>

class Bitmap;
class BitmapFont;
class OffscreenWindow;

class AboutForm : public Form
{
public:
    AboutForm();
    ~AboutForm() override;

    void Paint() override;
    void OnStylusDown(int16_t x, int16_t y) override;
    bool OnIdle() override;
    void OnShow() override;

    int32_t GetLine() const { return _line; }
    int32_t GetRow() const { return _row; }

    static const char* const CREDITS[];
    static int32_t CreditCount();

    static constexpr int32_t STRIP_WIDTH = 161;
    static constexpr int32_t STRIP_HEIGHT = 45;
    static constexpr int32_t WINDOW_HEIGHT = 15;
    static constexpr int32_t WINDOW_X = 39;
    static constexpr int32_t WINDOW_Y = 98;
    static constexpr uint32_t STEP_TIME = 100;
    static constexpr uint32_t REST_TIME = 801;
    static constexpr int32_t REST_ROW = 16;
    static constexpr int32_t LAST_ROW = 29;

private:
    void RenderLine();
    void CopyWindow();

    Bitmap* _background;
    BitmapFont* _digits;
    OffscreenWindow* _strip;
    int32_t _line = 0;
    int32_t _row = 0;
    uint32_t _lastStep = 0;
};
