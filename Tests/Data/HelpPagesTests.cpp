// Checks of the help entries and the HTML manual: every index line opens a
// page that exists, the text uses only characters the fonts have, and it
// wraps into the help list the way the help form wraps it (185 pixels in the
// normal font).
#include "Data/DataFiles.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace DataFiles;

namespace
{

constexpr int LINE_LIMIT = 185;

// Glyph widths of the normal font (shared font 1), from its metrics entry.
struct FontWidths
{
    bool valid = false;
    int firstChar = 0, defaultChar = 0;
    std::vector<int> widths;

    int Width(unsigned char c) const
    {
        const int i = c - firstChar;
        if (i >= 0 && i < static_cast<int>(widths.size()) && widths[i] != 255)
        {
            return widths[i];
        }
        const int d = (defaultChar & 0xFF) - firstChar;
        return d >= 0 && d < static_cast<int>(widths.size()) ? widths[d] : 0;
    }

    int Width(const std::string& s) const
    {
        int w = 0;
        for (unsigned char c : s)
        {
            w += Width(c);
        }
        return w;
    }
};

FontWidths LoadFont()
{
    FontWidths f;
    const std::vector<uint8_t> b = ReadBytes("Data/Fonts/font.fmc");
    if (b.size() < 6)
    {
        return f;
    }
    f.firstChar = static_cast<uint16_t>(I16(b, 0));
    const int count = static_cast<uint16_t>(I16(b, 2));
    f.defaultChar = static_cast<uint16_t>(I16(b, 4));
    if (b.size() < 6 + 4 * static_cast<size_t>(count))
    {
        return f;
    }
    for (int i = 0; i < count; ++i)
    {
        f.widths.push_back(b[6 + 4 * i + 2]);
    }
    f.valid = true;
    return f;
}

// The help form's wrapping: words are joined while the line stays narrower
// than the limit; a newline ends the line; a NUL ends the text.
std::vector<std::string> Wrap(const std::string& text, const FontWidths& font)
{
    std::vector<std::string> lines;
    std::string line, word;
    bool open = false;
    auto addWord = [&]()
    {
        const std::string joined = line.empty() ? word : line + " " + word;
        if (font.Width(joined) < LINE_LIMIT || line.empty())
        {
            line = joined;
        }
        else
        {
            lines.push_back(line);
            line = word;
        }
        word.clear();
        open = true;
    };
    for (char c : text)
    {
        if (c == '\0')
        {
            break;
        }
        if (c == ' ')
        {
            addWord();
        }
        else if (c == '\n')
        {
            if (!word.empty())
            {
                addWord();
            }
            lines.push_back(line);
            line.clear();
            open = false;
        }
        else
        {
            word += c;
        }
    }
    if (!word.empty())
    {
        addWord();
    }
    if (open && !line.empty())
    {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> IndexTitles()
{
    const std::string index = ReadText("Data/Entries/help_index_rsc");
    std::vector<std::string> titles;
    std::string line;
    for (char c : index)
    {
        if (c == '\0')
        {
            break;
        }
        if (c == '\n')
        {
            titles.push_back(line);
            line.clear();
        }
        else
        {
            line += c;
        }
    }
    if (!line.empty())
    {
        titles.push_back(line);
    }
    return titles;
}

std::string PageName(size_t page) { return "Data/Entries/help" + std::to_string(page + 1) + "_rsc"; }

} // namespace

TEST(HelpPages, EveryIndexLineOpensAPageAndNoPageIsOrphaned)
{
    const std::vector<std::string> titles = IndexTitles();
    ASSERT_GE(titles.size(), 10u);
    for (size_t i = 0; i < titles.size(); ++i)
    {
        EXPECT_FALSE(titles[i].empty()) << "empty index line " << i;
        const std::string page = ReadText(PageName(i));
        ASSERT_FALSE(page.empty()) << PageName(i);
        // Each page begins with its own title.
        EXPECT_EQ(0u, page.find(titles[i] + "\n")) << PageName(i);
    }
    EXPECT_FALSE(Exists(PageName(titles.size()))) << "a page that no index line opens";
}

TEST(HelpPages, TextIsPrintableAsciiEndedByOneNul)
{
    std::vector<std::string> names = {"Data/Entries/help_index_rsc"};
    for (size_t i = 0; i < IndexTitles().size(); ++i)
    {
        names.push_back(PageName(i));
    }
    for (const std::string& name : names)
    {
        const std::string text = ReadText(name);
        ASSERT_FALSE(text.empty()) << name;
        EXPECT_EQ('\0', text.back()) << name;
        for (size_t i = 0; i + 1 < text.size(); ++i)
        {
            const unsigned char c = text[i];
            EXPECT_TRUE(c == '\n' || (c >= 32 && c < 127)) << name << " has byte " << int(c) << " at " << i;
        }
    }
}

TEST(HelpPages, IndexTitlesFitOnOneLineOfTheHelpList)
{
    const FontWidths font = LoadFont();
    ASSERT_TRUE(font.valid) << "Data/Fonts/font.fmc is missing or short";
    const std::vector<std::string> titles = IndexTitles();
    // If a title wrapped, every later index line would open the wrong page.
    EXPECT_EQ(titles.size(), Wrap(ReadText("Data/Entries/help_index_rsc"), font).size());
    for (const std::string& title : titles)
    {
        EXPECT_LT(font.Width(title), LINE_LIMIT) << title;
    }
}

TEST(HelpPages, PagesWrapIntoLinesNarrowerThanTheList)
{
    const FontWidths font = LoadFont();
    ASSERT_TRUE(font.valid) << "Data/Fonts/font.fmc is missing or short";
    for (size_t i = 0; i < IndexTitles().size(); ++i)
    {
        const std::vector<std::string> lines = Wrap(ReadText(PageName(i)), font);
        EXPECT_GE(lines.size(), 8u) << PageName(i) << " is too short to be a help page";
        EXPECT_LE(lines.size(), 200u) << PageName(i) << " is too long to scroll through";
        for (const std::string& line : lines)
        {
            EXPECT_LT(font.Width(line), LINE_LIMIT) << PageName(i) << ": " << line;
        }
    }
}

TEST(HelpPages, WrappingJoinsWordsUntilTheLimit)
{
    // Every glyph 6 pixels wide: 30 characters make 180 pixels and fit, 31
    // (186 pixels) do not.
    FontWidths font;
    font.valid = true;
    font.firstChar = 32;
    font.widths.assign(95, 6);
    const std::string twenty(20, 'a'), nine(9, 'b'), ten(10, 'c');
    EXPECT_EQ(std::vector<std::string>({twenty + " " + nine}), Wrap(twenty + " " + nine + "\n", font));
    EXPECT_EQ(std::vector<std::string>({twenty, ten}), Wrap(twenty + " " + ten + "\n", font));
    EXPECT_EQ(std::vector<std::string>({"a", "", "b"}), Wrap(std::string("a\n\nb\n\0c\n", 8), font));
}

TEST(HelpPages, ManualHoldsEveryPage)
{
    const std::string manual = ReadText("Data/Help/JetWarden.html");
    ASSERT_FALSE(manual.empty());
    EXPECT_NE(std::string::npos, manual.find("<!DOCTYPE html>"));
    for (const std::string& title : IndexTitles())
    {
        EXPECT_NE(std::string::npos, manual.find("<h2>" + title + "</h2>")) << title;
    }
    // The appendices list the whole world: every airport and every model.
    const CsvTable airports = ReadCsv("Data/Tables/airports.csv");
    const int cName = airports.Column("name");
    ASSERT_GE(cName, 0);
    for (const auto& row : airports.rows)
    {
        EXPECT_NE(std::string::npos, manual.find("<small>" + row[cName] + "</small>")) << row[cName];
    }
    const CsvTable models = ReadCsv("Data/Tables/planemodels.csv");
    const int cModel = models.Column("name");
    ASSERT_GE(cModel, 0);
    for (const auto& row : models.rows)
    {
        EXPECT_NE(std::string::npos, manual.find("<tr><td>" + row[cModel] + "</td>")) << row[cModel];
    }
}
