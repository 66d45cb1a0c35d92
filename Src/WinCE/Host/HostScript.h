// HostScript: drives the program on the headless host from a script.
//
// One command a line; blank lines and lines starting with '#' are skipped.
//   wait MS          advance the fake clock by MS milliseconds, running the loop
//   tap X Y          stylus down and up at a device-screen point (240 x 320)
//   down X Y | move X Y | up X Y
//   key NAME [down|up]  up, down, left, right, a, b, c, start, f1-f4, back,
//                    quit; without down/up the key is pressed and released
//   char C           one typed character
//   type TEXT        the rest of the line, typed
//   shot FILE.png    the device screen as a PNG (scaled by the shot scale)
//   quit             ask the program to end (as closing the window does)
//
// The verbs below read the screen through the top visible form's ScreenDump
// (Form::Describe), so scripts say what a player does rather than where:
//   dump FILE.json   writes the dump: form, title, the strings drawn with
//                    position and font, buttons with bitmap, rectangle and
//                    state, list rows, lists and the top bar
//   press NAME[#N]   taps the centre of the N-th button drawn from bitmap
//                    NAME (N is 1 without "#N"; ".bmp" may be left off).
//                    Buttons and the entries of an open pop-up menu count in
//                    the order the dump lists them, enabled or not, so a
//                    number keeps meaning the same button when another one
//                    is disabled. Fails, naming the buttons on the screen,
//                    when there is no such button or it is disabled.
//   choose TEXT      taps, once, the list row labelled TEXT (the first one
//                    the dump lists), the way a player would: a closed combo
//                    box is opened by a tap on its box first; a row out of
//                    view is brought in with the list's scroll bar (a tap on
//                    the track beyond the thumb pages when the row is a page
//                    or more away, otherwise the arrow is held for one idle
//                    step, one row). The tap on the row selects it; on a row
//                    that is selected already it is the second tap that item
//                    lists take as picking the row, so "choose X" twice
//                    selects X and then picks it. Fails, naming the rows,
//                    when no row has that label, and when the row is out of
//                    view with no scroll bar that moves the list.
//   expect TEXT      fails, listing what is drawn, unless TEXT is exactly one
//                    of the strings drawn on the top form.
// TEXT is the rest of the line, without surrounding blanks.
// The loop runs at a fixed pace of the fake clock, so the same script gives
// the same screenshots every time.
#pragma once

#include "WinCE/ScreenDump.h"

#include <cstdint>
#include <istream>
#include <string>

class Application;
class HeadlessHost;

class HostScript
{
public:
    HostScript(HeadlessHost& host, Application& app);

    // Milliseconds of fake time per loop step while waiting.
    void SetPace(uint32_t pace) { _pace = pace; }
    void SetShotScale(int scale) { _shotScale = scale < 1 ? 1 : scale; }
    // Screenshot paths that are not absolute are taken relative to this folder.
    void SetShotFolder(const std::string& folder) { _shotFolder = folder; }

    // Runs the script; false with a message naming the line on a bad
    // command or a failed screenshot. Stops early when the program quits.
    bool Run(std::istream& script, std::string* error);
    // Runs one command line.
    bool Execute(const std::string& line, std::string* error);

    // Runs the loop until the pending input is handled.
    void Pump();
    // Advances the clock by `milliseconds`, stepping the loop at the pace.
    void Wait(uint32_t milliseconds);
    // Writes the composed device screen.
    bool Shot(const std::string& path, std::string* error);

    // What the top visible form shows now (an empty dump with no form shown).
    ScreenDump Describe() const;
    bool WriteDump(const std::string& path, std::string* error);
    bool Press(const std::string& name, std::string* error);
    bool Choose(const std::string& label, std::string* error);
    bool Expect(const std::string& text, std::string* error);

    bool Finished() const;

    // The key code of a script key name, 0 when unknown.
    static uint16_t KeyByName(const std::string& name);

private:
    // A path relative to the shot folder.
    std::string InFolder(const std::string& path) const;
    // Taps the centre of a rectangle of the top form's client area.
    void TapCentre(const ScreenDump& dump, int32_t x, int32_t y, int32_t width, int32_t height);
    // Holds the stylus on the centre of a scroll arrow until the list's first
    // row moves (at most a few idle steps).
    void HoldArrow(const ScreenDump& dump, const ScreenDump::Box& arrow, int32_t list, int32_t first);

    HeadlessHost& _host;
    Application& _app;
    uint32_t _pace = 25;
    int _shotScale = 1;
    std::string _shotFolder;
};
