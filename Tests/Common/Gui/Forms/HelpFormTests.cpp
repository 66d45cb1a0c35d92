#include "MenuScreenTestSupport.h"

#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Forms/HelpForm.h"
#include "WinCE/Font.h"

#include <string>
#include <vector>

namespace
{
class HelpFormTest : public game_test::MenuScreenTest
{
protected:
    HelpForm* help() const { return menu()->GetHelpForm(); }
    // The menu's Help button.
    void OpenHelp()
    {
        TapAt(menu(), 110, 210);
        ASSERT_TRUE(help()->IsVisible());
    }
    static Font* TextFont() { return GfxResources::GetFont(GfxResources::FONT_TEXT); }
    static std::vector<std::string> Wrap(const std::string& text)
    {
        return HelpForm::Wrap(text.data(), text.size(), TextFont());
    }
    static int32_t Width(const std::string& text) { return TextFont()->TextWidth(text.c_str()); }
};

TEST_F(HelpFormTest, WrappingKeepsLinesNarrowerThanTheListAndEndsAtNul)
{
    // Words of the text font, as many as make a line of at least the limit.
    std::string sentence;
    std::vector<std::string> words;
    while (Width(sentence) < 3 * HelpForm::LINE_LIMIT)
    {
        words.push_back("word" + std::to_string(words.size()));
        sentence += (sentence.empty() ? "" : " ") + words.back();
    }
    const std::vector<std::string> lines = Wrap(sentence + "\n");
    ASSERT_GE(lines.size(), 3u);
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i)
    {
        EXPECT_LT(Width(lines[i]), HelpForm::LINE_LIMIT) << lines[i];
        // Each line takes as many words as fit: the next line's first word
        // would not have.
        if (i + 1 < lines.size())
        {
            const std::string next = lines[i + 1].substr(0, lines[i + 1].find(' '));
            EXPECT_GE(Width(lines[i] + " " + next), HelpForm::LINE_LIMIT) << lines[i];
        }
        joined += (joined.empty() ? "" : " ") + lines[i];
    }
    EXPECT_EQ(sentence, joined) << "no word is lost or split";

    const std::string wide(60, 'W');
    ASSERT_GE(Width(wide), HelpForm::LINE_LIMIT);
    const struct
    {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        // A word too wide for any line stands on a line of its own.
        {"a " + wide + " b\n", {"a", wide, "b"}},
        {wide, {wide}},
        // A tab is four spaces; a newline ends the line, empty or not.
        {"\tindented\n", {"    indented"}},
        {"a\n\nb", {"a", "", "b"}},
        {"one  two\n", {"one  two"}},
        // A NUL ends the text, also before the end of the entry.
        {std::string("a\nb\0c\n", 6), {"a", "b"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.lines, Wrap(c.text)) << c.text;
}

TEST_F(HelpFormTest, EveryIndexLineOpensItsPageAndOkGoesBackToTheIndexThenTheMenu)
{
    StartAtMenu();
    OpenHelp();
    EXPECT_EQ(HelpForm::INDEX, help()->GetPage());
    const std::vector<std::string> titles = help()->GetLines();
    ASSERT_GE(titles.size(), 10u);
    for (size_t n = 0; n < titles.size(); ++n)
    {
        SCOPED_TRACE(titles[n]);
        help()->OpenPage(static_cast<int32_t>(n));
        const std::vector<std::string> lines = help()->GetLines();
        ASSERT_GT(lines.size(), 1u);
        EXPECT_EQ(titles[n], lines[0]) << "a page starts with its index line";
        for (const std::string& line : lines)
            EXPECT_LT(Width(line), HelpForm::LINE_LIMIT) << line;
        Press(help(), HelpForm::OK);
        EXPECT_EQ(HelpForm::INDEX, help()->GetPage());
        EXPECT_EQ(titles, help()->GetLines());
    }
    Press(help(), HelpForm::OK);
    EXPECT_FALSE(help()->IsVisible());
    EXPECT_EQ(menu(), Form::GetActiveForm());
}

TEST_F(HelpFormTest, TapsAndKeysChooseScrollAndLeave)
{
    StartAtMenu();
    OpenHelp();
    ItemListPanel* index = help()->GetList();
    const int32_t rowHeight = index->GetRowHeight();
    // The first line is selected: one tap on it opens the first page.
    TapAt(help(), 60, 50 + 4 + rowHeight / 2);
    EXPECT_EQ(0, help()->GetPage());
    Press(help(), HelpForm::OK);
    // Another line takes a tap to select it and one to choose it.
    TapAt(help(), 60, 50 + 4 + 2 * rowHeight + rowHeight / 2);
    EXPECT_EQ(HelpForm::INDEX, help()->GetPage());
    EXPECT_EQ(2, index->GetSelected());
    TapAt(help(), 60, 50 + 4 + 2 * rowHeight + rowHeight / 2);
    EXPECT_EQ(2, help()->GetPage());
    Press(help(), HelpForm::OK);

    // Back on the index the page's line is still selected; the keys move
    // the selection and start opens it.
    EXPECT_EQ(2, index->GetSelected());
    Run("key down\nkey down\nkey down\nkey up\nwait 50\n");
    EXPECT_EQ(HelpForm::INDEX, help()->GetPage());
    EXPECT_EQ(4, index->GetSelected());
    Run("key start\nwait 50\n");
    ASSERT_EQ(4, help()->GetPage());
    // On a page they scroll it.
    ItemListPanel* page = help()->GetList();
    ASSERT_GT(page->GetCount(), page->GetVisibleRows()) << "a page long enough to scroll";
    Run("key down\nkey down\nkey up\nwait 50\n");
    EXPECT_EQ(1, page->GetFirst());
    Run("key up\nkey up\nwait 50\n");
    EXPECT_EQ(0, page->GetFirst());
    Run("key back\nwait 50\n");
    EXPECT_FALSE(help()->IsVisible());
    EXPECT_EQ(menu(), Form::GetActiveForm());
    OpenHelp();
    EXPECT_EQ(HelpForm::INDEX, help()->GetPage()) << "every showing starts at the index";
}

TEST_F(HelpFormTest, APageMissingFromTheDataFileSaysSo)
{
    StartAtMenu();
    OpenHelp();
    const int32_t missing = static_cast<int32_t>(help()->GetLines().size()) + 5;
    help()->OpenPage(missing);
    std::string text;
    for (const std::string& line : help()->GetLines())
        text += line + " ";
    EXPECT_NE(std::string::npos, text.find(HelpForm::PageEntry(missing))) << text;
    Press(help(), HelpForm::OK);
    EXPECT_EQ(HelpForm::INDEX, help()->GetPage());
}
} // namespace
