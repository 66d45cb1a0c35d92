#include "SkyreachSim/SimOutput.h"

SimOutput::SimOutput(FILE* stream, bool json) : _stream(stream), _json(json)
{
}

std::string SimOutput::Quote(const std::string& value)
{
    std::string quoted = "\"";
    for (const char c : value)
    {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
        {
            quoted += '\\';
            quoted += c;
        }
        else if (u < 0x20)
        {
            char escape[8];
            std::snprintf(escape, sizeof(escape), "\\u%04x", u);
            quoted += escape;
        }
        else
        {
            quoted += c;
        }
    }
    quoted += '"';
    return quoted;
}

std::string SimOutput::Date(const Time& time)
{
    char text[48];
    std::snprintf(text, sizeof(text), "%04d-%02d-%02d %02d:%02d:%02d", time._year, time._month + 1, time._day,
                  time._hour, time._minute, time._second);
    return text;
}

void SimOutput::Write(const std::string& text)
{
    std::fputs(text.c_str(), _stream);
    std::fputc('\n', _stream);
    // Each record leaves at once: when a run stops on an assertion with its
    // output piped, everything printed up to there is kept.
    std::fflush(_stream);
}

SimOutput::Record::Record(SimOutput& output, const char* kind) : _output(output), _json(output.IsJson())
{
    if (_json)
        _text = "{\"kind\":" + Quote(kind);
    else
        _text = kind;
}

SimOutput::Record::~Record()
{
    if (_json)
        _text += '}';
    _output.Write(_text);
}

void SimOutput::Record::Name(const char* name)
{
    if (_json)
    {
        _text += ',';
        _text += Quote(name);
        _text += ':';
    }
    else
    {
        _text += ' ';
        _text += name;
        _text += '=';
    }
}

SimOutput::Record& SimOutput::Record::Int(const char* name, int64_t value)
{
    Name(name);
    _text += std::to_string(value);
    return *this;
}

SimOutput::Record& SimOutput::Record::Str(const char* name, const std::string& value)
{
    Name(name);
    _text += Quote(value);
    return *this;
}

SimOutput::Record& SimOutput::Record::Bool(const char* name, bool value)
{
    Name(name);
    if (_json)
        _text += value ? "true" : "false";
    else
        _text += value ? "1" : "0";
    return *this;
}

SimOutput::Record& SimOutput::Record::Pairs(const char* name,
                                            const std::vector<std::pair<std::string, int64_t>>& values)
{
    Name(name);
    if (_json)
        _text += '{';
    for (size_t i = 0; i < values.size(); ++i)
    {
        if (i > 0)
            _text += ',';
        _text += _json ? Quote(values[i].first) : values[i].first;
        _text += ':';
        _text += std::to_string(values[i].second);
    }
    if (_json)
        _text += '}';
    return *this;
}
