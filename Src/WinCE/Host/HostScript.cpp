#include "WinCE/Host/HostScript.h"

#include "WinCE/Application.h"
#include "WinCE/DeviceScreen.h"
#include "WinCE/Host/HeadlessHost.h"
#include "WinCE/PngWriter.h"
#include "WinCE/Surface.h"

#include <cstdlib>
#include <sstream>

namespace
{
bool ParseInt(std::istringstream& in, int& value)
{
    std::string word;
    if (!(in >> word))
        return false;
    char* end = nullptr;
    const long parsed = std::strtol(word.c_str(), &end, 10);
    if (!end || *end != 0 || parsed < -100000 || parsed > 100000000)
        return false;
    value = static_cast<int>(parsed);
    return true;
}
} // namespace

HostScript::HostScript(HeadlessHost& host, Application& app) : _host(host), _app(app) {}

bool HostScript::Finished() const
{
    return _app.IsQuitPending();
}

uint16_t HostScript::KeyByName(const std::string& name)
{
    static const struct
    {
        const char* name;
        uint16_t key;
    } s_keys[] = {{"up", HOSTKEY_UP},         {"down", HOSTKEY_DOWN},   {"left", HOSTKEY_LEFT},
                  {"right", HOSTKEY_RIGHT},   {"a", HOSTKEY_A},         {"b", HOSTKEY_B},
                  {"c", HOSTKEY_C},           {"start", HOSTKEY_START}, {"f1", HOSTKEY_F1},
                  {"f2", HOSTKEY_F2},         {"f3", HOSTKEY_F3},       {"f4", HOSTKEY_F4},
                  {"back", HOSTKEY_BACK},     {"quit", HOSTKEY_QUIT},   {"backspace", HOSTKEY_BACKSPACE},
                  {"delete", HOSTKEY_DELETE}, {"home", HOSTKEY_HOME},   {"end", HOSTKEY_END}};
    for (const auto& entry : s_keys)
    {
        if (name == entry.name)
            return entry.key;
    }
    return 0;
}

void HostScript::Pump()
{
    // Each step dispatches everything pending; one more gives the idle step
    // that follows input on the device.
    int guard = 0;
    while (_host.HasPendingEvents() && !_app.IsQuitPending() && guard++ < 10000)
        _app.Step(false);
    if (!_app.IsQuitPending())
        _app.Step(false);
}

void HostScript::Wait(uint32_t milliseconds)
{
    uint32_t left = milliseconds;
    while (left > 0 && !_app.IsQuitPending())
    {
        const uint32_t step = left < _pace ? left : _pace;
        _host.AdvanceClock(step);
        left -= step;
        _app.Step(false);
    }
}

bool HostScript::Shot(const std::string& path, std::string* error)
{
    _app.PresentIfChanged();
    OffscreenWindow& frame = _app.GetScreen()->GetFrame();
    const Surface* source = frame.GetDC();
    Surface scaled(DEVICE_WIDTH * _shotScale, DEVICE_HEIGHT * _shotScale);
    for (int32_t y = 0; y < scaled.GetHeight(); ++y)
    {
        const uint32_t* from = source->GetRow(y / _shotScale);
        uint32_t* to = scaled.GetRow(y);
        for (int32_t x = 0; x < scaled.GetWidth(); ++x)
            to[x] = from[x / _shotScale];
    }
    std::string full = path;
    if (!_shotFolder.empty() && !path.empty() && path[0] != '/')
        full = _shotFolder + "/" + path;
    return PngWriter::WriteFile(scaled, full, error);
}

bool HostScript::Execute(const std::string& line, std::string* error)
{
    std::istringstream in(line);
    std::string command;
    if (!(in >> command) || command[0] == '#')
        return true;
    int x = 0;
    int y = 0;
    if (command == "wait")
    {
        int ms = 0;
        if (!ParseInt(in, ms) || ms < 0)
        {
            *error = "wait needs a number of milliseconds";
            return false;
        }
        Wait(static_cast<uint32_t>(ms));
        return true;
    }
    if (command == "tap" || command == "down" || command == "move" || command == "up")
    {
        if (!ParseInt(in, x) || !ParseInt(in, y))
        {
            *error = command + " needs X and Y";
            return false;
        }
        if (command == "tap")
            _host.Tap(x, y);
        else if (command == "down")
            _host.StylusDown(x, y);
        else if (command == "move")
            _host.StylusMove(x, y);
        else
            _host.StylusUp(x, y);
        Pump();
        return true;
    }
    if (command == "key")
    {
        std::string name;
        std::string how;
        in >> name >> how;
        const uint16_t key = KeyByName(name);
        if (!key)
        {
            *error = "unknown key '" + name + "'";
            return false;
        }
        if (how.empty() || how == "down")
            _host.Key(key, true);
        if (how.empty() || how == "up")
            _host.Key(key, false);
        if (!how.empty() && how != "down" && how != "up")
        {
            *error = "key " + name + " takes 'down' or 'up', not '" + how + "'";
            return false;
        }
        Pump();
        return true;
    }
    if (command == "char")
    {
        std::string text;
        in >> text;
        if (text.size() != 1)
        {
            *error = "char needs exactly one character";
            return false;
        }
        _host.Type(text);
        Pump();
        return true;
    }
    if (command == "type")
    {
        std::string rest;
        std::getline(in, rest);
        if (!rest.empty() && rest[0] == ' ')
            rest.erase(0, 1);
        _host.Type(rest);
        Pump();
        return true;
    }
    if (command == "shot")
    {
        std::string path;
        if (!(in >> path))
        {
            *error = "shot needs a file name";
            return false;
        }
        return Shot(path, error);
    }
    if (command == "quit")
    {
        HostEvent quit;
        quit.kind = HostEvent::Quit;
        _host.Push(quit);
        Pump();
        return true;
    }
    *error = "unknown command '" + command + "'";
    return false;
}

bool HostScript::Run(std::istream& script, std::string* error)
{
    std::string line;
    int number = 0;
    while (!Finished() && std::getline(script, line))
    {
        ++number;
        std::string message;
        if (!Execute(line, &message))
        {
            *error = "line " + std::to_string(number) + ": " + message;
            return false;
        }
    }
    return true;
}
