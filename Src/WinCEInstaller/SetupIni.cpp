#include "SetupIni.h"

#include <cstring>
#include <utility>

SetupIni::SetupIni(std::string moduleDirectory) : _moduleDirectory(std::move(moduleDirectory))
{
}

void SetupIni::ReadText(const std::string& text)
{
    size_t start = 0;
    while (start < text.size())
    {
        size_t end = text.find('\n', start);
        const bool lastLine = end == std::string::npos;
        if (lastLine)
        {
            end = text.size();
        }
        size_t lineEnd = end;
        if (lineEnd > start && text[lineEnd - 1] == '\r')
        {
            --lineEnd;
        }
        ReadLine(text.substr(start, lineEnd - start));
        start = lastLine ? text.size() : end + 1;
    }
}

void SetupIni::ReadLine(std::string line)
{
    // The key is case-insensitive, the value keeps its case: only what stands
    // before the first "=" is folded.
    const size_t equals = line.find('=');
    const size_t keyEnd = equals == std::string::npos ? line.size() : equals;
    for (size_t i = 0; i < keyEnd; ++i)
    {
        const char c = line[i];
        if (c >= 'A' && c <= 'Z')
        {
            line[i] = static_cast<char>(c - 'A' + 'a');
        }
    }
    line = TrimBlanks(line);

    std::string value;
    if (MatchKey(line, "component", value))
    {
        _component = value;
    }
    else if (MatchKey(line, "uninstall", value))
    {
        _uninstallName = value;
        // An empty name would make the key path the parent of every program's
        // uninstall entry, which must never be written to or deleted.
        _uninstallKeyPath = value.empty() ? std::string() : UNINSTALL_ROOT + value;
    }
    else if (MatchKey(line, "cabfiles", value))
    {
        AddCabFiles(value);
    }
}

std::string SetupIni::TrimBlanks(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
    {
        return std::string();
    }
    const size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool SetupIni::MatchKey(const std::string& line, const char* key, std::string& value)
{
    const size_t keyLength = std::strlen(key);
    if (line.compare(0, keyLength, key) != 0)
    {
        return false;
    }
    // "componentX=" and the like name another key: the remainder must begin
    // with the "=" once the blanks before it are gone.
    const std::string rest = TrimBlanks(line.substr(keyLength));
    if (rest.empty() || rest[0] != '=')
    {
        return false;
    }
    value = TrimBlanks(rest.substr(1));
    return true;
}

void SetupIni::AddCabFiles(const std::string& value)
{
    size_t start = 0;
    for (;;)
    {
        const size_t comma = value.find(',', start);
        const size_t end = comma == std::string::npos ? value.size() : comma;
        // Pieces are taken verbatim, a leading blank included. A piece that
        // names nothing is skipped: it would stand for the module directory
        // itself and the whole folder would be copied or deleted.
        const std::string piece = value.substr(start, end - start);
        if (!TrimBlanks(piece).empty())
        {
            _cabFiles.push_back(_moduleDirectory + "\\" + piece);
        }
        if (comma == std::string::npos)
        {
            break;
        }
        start = comma + 1;
    }
}
