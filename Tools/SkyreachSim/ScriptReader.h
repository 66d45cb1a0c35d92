// ScriptReader: the lines of a skyreach-sim script as words.
//
// One command a line; words are separated by blanks; a word in double quotes
// may hold blanks (a backslash takes the next character as it is); `#`
// outside quotes starts a comment that runs to the end of the line. Blank
// and comment-only lines are skipped. A line that cannot be split (an
// unterminated quote) is a ScriptError naming the line.
#pragma once

#include <cstdint>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

// A script that cannot go on: an unknown command, a bad argument, a broken
// line. The tool stops with exit status 2 and prints the message with the line.
class ScriptError : public std::runtime_error
{
public:
    ScriptError(int32_t line, const std::string& message) : std::runtime_error(message), _line(line) {}
    int32_t Line() const { return _line; }

private:
    int32_t _line;
};

class ScriptReader
{
public:
    struct Command
    {
        int32_t line = 0;
        std::vector<std::string> words;
    };

    explicit ScriptReader(std::istream& input);

    // The next command, false at the end of the script.
    bool Next(Command& command);

    // Splits one line; throws ScriptError for an unterminated quote.
    static std::vector<std::string> Split(const std::string& text, int32_t line);

private:
    std::istream& _input;
    int32_t _line;
};
