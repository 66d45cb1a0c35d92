#include "WinCE/Host/HostScript.h"

#include "WinCE/Application.h"
#include "WinCE/DeviceScreen.h"
#include "WinCE/Form.h"
#include "WinCE/Host/HeadlessHost.h"
#include "WinCE/PngWriter.h"
#include "WinCE/Surface.h"

#include <cstdlib>
#include <fstream>
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

// A text without the blanks around it.
std::string Trimmed(const std::string& text)
{
    const size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos)
        return std::string();
    const size_t end = text.find_last_not_of(" \t\r\n");
    return text.substr(begin, end - begin + 1);
}

// The rest of the line without the blanks around it.
std::string RestOfLine(std::istringstream& in)
{
    std::string rest;
    std::getline(in, rest);
    return Trimmed(rest);
}

std::string FormName(const ScreenDump& dump)
{
    return dump.form.empty() ? std::string("the screen (no form is shown)") : "\"" + dump.form + "\"";
}

std::string ButtonList(const ScreenDump& dump)
{
    if (dump.buttons.empty())
        return "there are no buttons";
    std::string out = "buttons there:";
    for (const ScreenDump::Button& b : dump.buttons)
        out += " " + b.bitmap + (b.enabled ? "" : " (disabled)") + ",";
    out.pop_back();
    return out;
}

std::string RowList(const ScreenDump& dump)
{
    if (dump.items.empty())
        return "there are no list rows";
    std::string out = "rows there:";
    for (const ScreenDump::Item& item : dump.items)
        out += " \"" + item.label + "\",";
    out.pop_back();
    return out;
}

std::string TextList(const ScreenDump& dump)
{
    if (dump.texts.empty())
        return "nothing is drawn there";
    std::string out = "drawn there:";
    for (const ScreenDump::Text& text : dump.texts)
        out += " \"" + text.text + "\",";
    out.pop_back();
    return out;
}

// The steps `choose` takes at most: every step taps the row or moves the
// list nearer to it, so only a list longer than any screen has runs out.
constexpr int MAX_CHOOSE_STEPS = 2000;
// Idle steps an arrow is held for at most until its list moves.
constexpr int MAX_HOLD_STEPS = 4;
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
    return PngWriter::WriteFile(scaled, InFolder(path), error);
}

std::string HostScript::InFolder(const std::string& path) const
{
    if (!_shotFolder.empty() && !path.empty() && path[0] != '/')
        return _shotFolder + "/" + path;
    return path;
}

ScreenDump HostScript::Describe() const
{
    ScreenDump dump;
    if (Form* top = Form::GetTopVisible())
        top->Describe(dump);
    return dump;
}

bool HostScript::WriteDump(const std::string& path, std::string* error)
{
    const std::string full = InFolder(path);
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    if (out)
        out << Describe().ToJson();
    if (!out)
    {
        *error = "couldn't write the dump " + full;
        return false;
    }
    return true;
}

void HostScript::TapCentre(const ScreenDump& dump, int32_t x, int32_t y, int32_t width, int32_t height)
{
    _host.Tap(dump.originX + x + width / 2, dump.originY + y + height / 2);
    Pump();
}

void HostScript::HoldArrow(const ScreenDump& dump, const ScreenDump::Box& arrow, int32_t list, int32_t first)
{
    const int32_t x = dump.originX + arrow.x + arrow.width / 2;
    const int32_t y = dump.originY + arrow.y + arrow.height / 2;
    _host.StylusDown(x, y);
    Pump();
    // A held arrow scrolls once per idle step; a step spent on a paint
    // scrolls nothing, so the hold lasts until the list has moved.
    for (int i = 0; i < MAX_HOLD_STEPS && !_app.IsQuitPending(); ++i)
    {
        const ScreenDump now = Describe();
        if (list < static_cast<int32_t>(now.lists.size()) &&
            now.lists[static_cast<size_t>(list)].first != first)
            break;
        _app.Step(false);
    }
    _host.StylusUp(x, y);
    Pump();
}

bool HostScript::Press(const std::string& name, std::string* error)
{
    std::string bitmap = name;
    int wanted = 1;
    const size_t hash = name.rfind('#');
    if (hash != std::string::npos && hash + 1 < name.size() &&
        name.find_first_not_of("0123456789", hash + 1) == std::string::npos)
    {
        wanted = std::atoi(name.c_str() + hash + 1);
        bitmap = name.substr(0, hash);
    }
    if (bitmap.empty() || wanted < 1)
    {
        *error = "press needs a bitmap name, optionally followed by #N (N from 1)";
        return false;
    }
    const ScreenDump dump = Describe();
    int seen = 0;
    for (const ScreenDump::Button& b : dump.buttons)
    {
        if (b.bitmap != bitmap && b.bitmap != bitmap + ".bmp")
            continue;
        if (++seen < wanted)
            continue;
        if (!b.enabled)
        {
            *error = "press " + name + ": the button is disabled on " + FormName(dump);
            return false;
        }
        TapCentre(dump, b.x, b.y, b.width, b.height);
        return true;
    }
    *error = "press " + name + ": " + FormName(dump) + " has " +
             (seen == 0 ? std::string("no button drawn from ") + bitmap
                        : std::to_string(seen) + " button(s) drawn from " + bitmap + ", not " +
                              std::to_string(wanted)) +
             "; " + ButtonList(dump);
    return false;
}

bool HostScript::Choose(const std::string& label, std::string* error)
{
    if (label.empty())
    {
        *error = "choose needs the label of a list row";
        return false;
    }
    bool opened = false;
    for (int step = 0; step < MAX_CHOOSE_STEPS && !_app.IsQuitPending(); ++step)
    {
        const ScreenDump dump = Describe();
        const ScreenDump::Item* item = nullptr;
        // A script line cannot end in a blank, so a row whose label does
        // (a model name cut short at its field's end) is matched without it.
        for (const ScreenDump::Item& candidate : dump.items)
        {
            if (Trimmed(candidate.label) == Trimmed(label))
            {
                item = &candidate;
                break;
            }
        }
        if (!item)
        {
            *error = "choose " + label + ": no list row of " + FormName(dump) + " has that label; " +
                     RowList(dump);
            return false;
        }
        const size_t listIndex = static_cast<size_t>(item->list);
        if (listIndex >= dump.lists.size())
        {
            *error = "choose " + label + ": the row belongs to no list of the dump";
            return false;
        }
        const ScreenDump::List& list = dump.lists[listIndex];
        if (!list.open)
        {
            // A closed combo box opens at a tap on its box.
            if (opened)
            {
                *error = "choose " + label + ": the combo box holding the row does not open at a tap";
                return false;
            }
            opened = true;
            TapCentre(dump, list.box.x, list.box.y, list.box.width, list.box.height);
            continue;
        }
        if (item->width > 0)
        {
            TapCentre(dump, item->x, item->y, item->width, item->height);
            return true;
        }
        const std::string where =
            "row " + std::to_string(item->index) + " of list " + std::to_string(item->list);
        if (!list.scrollBar || !list.scrollActive)
        {
            *error = "choose " + label + ": " + where +
                     " is out of view and the list has no scroll bar to bring it in";
            return false;
        }
        const bool down = item->index >= list.first + list.rows;
        const int32_t distance = down ? item->index - (list.first + list.rows - 1) : list.first - item->index;
        bool paged = false;
        if (list.rows > 1 && distance >= list.rows - 1)
        {
            // A tap on the track beyond the thumb pages toward the tap.
            const int32_t y = down ? list.track.y + list.track.height - 2 : list.track.y + 1;
            if (y < list.thumb.y || y >= list.thumb.y + list.thumb.height)
            {
                _host.Tap(dump.originX + list.track.x + list.track.width / 2, dump.originY + y);
                Pump();
                paged = true;
            }
        }
        if (!paged)
            HoldArrow(dump, down ? list.down : list.up, item->list, list.first);
        const ScreenDump after = Describe();
        if (listIndex >= after.lists.size() || after.lists[listIndex].first == list.first)
        {
            *error = "choose " + label + ": " + where + " is out of view and the list did not scroll at " +
                     (paged ? "a tap on its scroll bar's track" : "its scroll bar's arrow");
            return false;
        }
    }
    *error = "choose " + label + ": gave up bringing the row into view";
    return false;
}

bool HostScript::Expect(const std::string& text, std::string* error)
{
    const ScreenDump dump = Describe();
    for (const ScreenDump::Text& drawn : dump.texts)
    {
        if (drawn.text == text)
            return true;
    }
    *error = "expect " + text + ": not drawn on " + FormName(dump) + "; " + TextList(dump);
    return false;
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
    if (command == "dump")
    {
        std::string path;
        if (!(in >> path))
        {
            *error = "dump needs a file name";
            return false;
        }
        return WriteDump(path, error);
    }
    if (command == "press")
        return Press(RestOfLine(in), error);
    if (command == "choose")
        return Choose(RestOfLine(in), error);
    if (command == "expect")
    {
        const std::string text = RestOfLine(in);
        if (text.empty())
        {
            *error = "expect needs the text to look for";
            return false;
        }
        return Expect(text, error);
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
