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
// The loop runs at a fixed pace of the fake clock, so the same script gives
// the same screenshots every time.
#pragma once

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

    bool Finished() const;

    // The key code of a script key name, 0 when unknown.
    static uint16_t KeyByName(const std::string& name);

private:
    HeadlessHost& _host;
    Application& _app;
    uint32_t _pace = 25;
    int _shotScale = 1;
    std::string _shotFolder;
};
