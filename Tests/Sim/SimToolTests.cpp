// The parts of skyreach-sim that do not need a world: splitting script
// lines, printing records as text and JSON, and checking notice answers.

#include "SkyreachSim/ScriptReader.h"
#include "SkyreachSim/ScriptedNoticeSink.h"
#include "SkyreachSim/SimOutput.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace
{
using Words = std::vector<std::string>;

// Captures what a SimOutput prints.
class CapturedOutput
{
public:
    explicit CapturedOutput(bool json) : _file(std::tmpfile()), _output(_file, json) {}
    ~CapturedOutput() { std::fclose(_file); }
    SimOutput& Output() { return _output; }
    std::string Text()
    {
        std::fflush(_file);
        std::rewind(_file);
        std::string text;
        char buffer[256];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof(buffer), _file)) > 0)
            text.append(buffer, n);
        return text;
    }

private:
    FILE* _file;
    SimOutput _output;
};
} // namespace

TEST(ScriptReaderTests, SplitsWordsQuotesAndComments)
{
    EXPECT_EQ(ScriptReader::Split("buy 3 Clipper", 1), (Words{"buy", "3", "Clipper"}));
    EXPECT_EQ(ScriptReader::Split("  new \"Blue Sky Air\"\t7  # home is Zurich", 1),
              (Words{"new", "Blue Sky Air", "7"}));
    EXPECT_EQ(ScriptReader::Split("buy 0 \"say \\\"hi\\\"\"", 1), (Words{"buy", "0", "say \"hi\""}));
    EXPECT_EQ(ScriptReader::Split("buy 0 \"#1\"", 1), (Words{"buy", "0", "#1"}));
    EXPECT_EQ(ScriptReader::Split("run 5#comment right after", 1), (Words{"run", "5"}));
    EXPECT_EQ(ScriptReader::Split("new \"\" 7", 1), (Words{"new", "", "7"}));
    EXPECT_TRUE(ScriptReader::Split("   # only a comment", 1).empty());
    EXPECT_TRUE(ScriptReader::Split("\r", 1).empty());
}

TEST(ScriptReaderTests, UnterminatedQuoteNamesItsLine)
{
    try
    {
        ScriptReader::Split("new \"Open 7", 12);
        FAIL() << "an unterminated quote was accepted";
    }
    catch (const ScriptError& error)
    {
        EXPECT_EQ(error.Line(), 12);
        EXPECT_STREQ(error.what(), "unterminated quote");
    }
}

TEST(ScriptReaderTests, CountsLinesAcrossBlanksAndComments)
{
    std::istringstream script("# a game\n\nnew X 7\n   \nrun 3\r\n# end\n");
    ScriptReader reader(script);
    ScriptReader::Command command;
    ASSERT_TRUE(reader.Next(command));
    EXPECT_EQ(command.line, 3);
    EXPECT_EQ(command.words, (Words{"new", "X", "7"}));
    ASSERT_TRUE(reader.Next(command));
    EXPECT_EQ(command.line, 5);
    EXPECT_EQ(command.words, (Words{"run", "3"}));
    EXPECT_FALSE(reader.Next(command));
}

TEST(SimOutputTests, TextAndJsonCarryTheSameRecord)
{
    CapturedOutput text(false);
    text.Output()
        .Line("plane")
        .Int("id", 3)
        .Str("name", "Sky \"One\"")
        .Bool("open", true)
        .Pairs("demand", {{"7", 1}, {"13", -2}});
    EXPECT_EQ(text.Text(), "plane id=3 name=\"Sky \\\"One\\\"\" open=1 demand=7:1,13:-2\n");

    CapturedOutput json(true);
    json.Output()
        .Line("plane")
        .Int("id", 3)
        .Str("name", "Sky \"One\"")
        .Bool("open", true)
        .Pairs("demand", {{"7", 1}, {"13", -2}});
    EXPECT_EQ(json.Text(), "{\"kind\":\"plane\",\"id\":3,\"name\":\"Sky "
                           "\\\"One\\\"\",\"open\":true,\"demand\":{\"7\":1,\"13\":-2}}\n");
}

// Piped output is block-buffered; a run that stops on an assertion must
// still have shown every record it printed.
TEST(SimOutputTests, EachRecordLeavesAtOnceThroughABufferedPipe)
{
    int ends[2];
    ASSERT_EQ(0, pipe(ends));
    ASSERT_EQ(0, fcntl(ends[0], F_SETFL, O_NONBLOCK));
    FILE* writer = fdopen(ends[1], "w");
    ASSERT_NE(nullptr, writer);
    ASSERT_EQ(0, setvbuf(writer, nullptr, _IOFBF, 1 << 16));
    {
        SimOutput output(writer, false);
        output.Line("run").Str("date", "1959-01-02 00:00:00").Int("fired", 3);
        char buffer[128] = {};
        const ssize_t n = read(ends[0], buffer, sizeof(buffer) - 1);
        EXPECT_EQ(std::string("run date=\"1959-01-02 00:00:00\" fired=3\n"), std::string(buffer, n > 0 ? n : 0));
    }
    std::fclose(writer);
    close(ends[0]);
}

TEST(SimOutputTests, QuotesControlCharactersAndBackslashes)
{
    EXPECT_EQ(SimOutput::Quote("a\\b\n\x01"), "\"a\\\\b\\u000a\\u0001\"");
    EXPECT_EQ(SimOutput::Quote("Zürich"), "\"Zürich\"");
}

TEST(SimOutputTests, DatesShowTheMonthCountedFromOne)
{
    EXPECT_EQ(SimOutput::Date(Time(1959, 0, 1)), "1959-01-01 00:00:00");
    EXPECT_EQ(SimOutput::Date(Time(2002, 11, 31, 23, 59, 58)), "2002-12-31 23:59:58");
}

TEST(ScriptedNoticeSinkTests, AnswersHaveDefaultsAndAreChecked)
{
    CapturedOutput out(false);
    ScriptedNoticeSink sink(out.Output());
    EXPECT_EQ(sink.AnswerFor(45), "yes");
    EXPECT_EQ(sink.AnswerFor(46), "replace");
    EXPECT_EQ(sink.AnswerFor(53), "reject");
    EXPECT_EQ(sink.AnswerFor(60), "accept");
    EXPECT_EQ(sink.AnswerFor(10), "keep");
    EXPECT_EQ(sink.AnswerFor(86), "ok");

    std::string error;
    EXPECT_TRUE(sink.SetAnswer(53, "accept", &error));
    EXPECT_EQ(sink.AnswerFor(53), "accept");
    EXPECT_TRUE(sink.SetAnswer(10, "12", &error));
    EXPECT_EQ(sink.AnswerFor(10), "12");

    EXPECT_FALSE(sink.SetAnswer(45, "maybe", &error));
    EXPECT_NE(error.find("yes, no"), std::string::npos) << error;
    EXPECT_FALSE(sink.SetAnswer(10, "31", &error));
    EXPECT_FALSE(sink.SetAnswer(10, "0", &error));
    EXPECT_FALSE(sink.SetAnswer(12, "ok", &error));
    EXPECT_NE(error.find("no notice 12"), std::string::npos) << error;
    // A refused answer leaves the one before in force.
    EXPECT_EQ(sink.AnswerFor(45), "yes");
    EXPECT_EQ(sink.AnswerFor(10), "12");
}

TEST(ScriptedNoticeSinkTests, TheFirstEndingStands)
{
    CapturedOutput out(false);
    ScriptedNoticeSink sink(out.Output());
    EXPECT_EQ(sink.GameOverReason(), 0);
    sink.GameOver(39);
    sink.GameOver(41);
    EXPECT_EQ(sink.GameOverReason(), 39);
    sink.Resume();
    EXPECT_EQ(sink.GameOverReason(), 0);
}
