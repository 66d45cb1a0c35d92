#include "SkyreachSim/ScriptReader.h"

ScriptReader::ScriptReader(std::istream& input) : _input(input), _line(0)
{
}

bool ScriptReader::Next(Command& command)
{
    std::string text;
    while (std::getline(_input, text))
    {
        ++_line;
        std::vector<std::string> words = Split(text, _line);
        if (words.empty())
            continue;
        command.line = _line;
        command.words = std::move(words);
        return true;
    }
    return false;
}

std::vector<std::string> ScriptReader::Split(const std::string& text, int32_t line)
{
    std::vector<std::string> words;
    size_t i = 0;
    const size_t n = text.size();
    while (i < n)
    {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '\r')
        {
            ++i;
            continue;
        }
        if (c == '#')
            break;
        std::string word;
        if (c == '"')
        {
            ++i;
            bool closed = false;
            while (i < n)
            {
                if (text[i] == '\\' && i + 1 < n)
                {
                    word += text[i + 1];
                    i += 2;
                    continue;
                }
                if (text[i] == '"')
                {
                    closed = true;
                    ++i;
                    break;
                }
                word += text[i++];
            }
            if (!closed)
                throw ScriptError(line, "unterminated quote");
        }
        else
        {
            while (i < n && text[i] != ' ' && text[i] != '\t' && text[i] != '\r' && text[i] != '#')
                word += text[i++];
        }
        words.push_back(word);
    }
    return words;
}
