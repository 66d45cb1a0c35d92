#include "MenuScreenTestSupport.h"

#include "Common/Backend/HighScoreTable.h"
#include "Common/Gui/Forms/HighScoreTableForm.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace
{
class HighScoreTableFormTest : public game_test::MenuScreenTest
{
protected:
    HighScoreTableForm* scores() const { return menu()->GetHighScoreForm(); }
    // The menu's Highscores button.
    void OpenScores()
    {
        TapAt(menu(), 110, 156);
        ASSERT_TRUE(scores()->IsVisible());
    }
};

struct ScrollStep
{
    const char* script;
    // The button pressed after the script, or -1.
    int32_t press;
    int32_t first;
    bool upEnabled;
    bool downEnabled;
};

TEST_F(HighScoreTableFormTest, ScrollsFromTheFirstThreePlacesToTheLastThree)
{
    StartAtMenu();
    OpenScores();
    ASSERT_EQ(HighScoreTable::GAME_CAPACITY, menu()->HighScores()->GetCapacity());
    const ScrollStep steps[] = {
        // Places 1 to 3 when opened.
        {"", -1, 0, false, true},
        {"key up\n", -1, 0, false, true},
        {"", HighScoreTableForm::SCROLL_DOWN, 1, true, true},
        {"key down\nkey down\nkey down\nkey down\nkey down\n", -1, 6, true, true},
        // Places 8 to 10 at the end, and no further.
        {"key down\n", -1, 7, true, false},
        {"key down\n", -1, 7, true, false},
        {"", HighScoreTableForm::SCROLL_DOWN, 7, true, false},
        {"", HighScoreTableForm::SCROLL_UP, 6, true, true},
        {"key up\nkey up\nkey up\nkey up\nkey up\nkey up\nkey up\n", -1, 0, false, true},
    };
    // The places shown: "01" to "03" at the top, "08" to "10" at the end.
    const auto places = [&]()
    {
        std::vector<std::string> shown;
        for (const std::string& text : Texts(scores()))
        {
            if (text.size() == 2 && std::isdigit(static_cast<unsigned char>(text[0])))
                shown.push_back(text);
        }
        return shown;
    };
    EXPECT_EQ((std::vector<std::string>{"01", "02", "03"}), places());
    const HighScoreEntry& best = menu()->HighScores()->Get(0);
    const std::vector<std::string> texts = Texts(scores());
    EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), best._name));
    EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), std::to_string(best._worth) + " $"));
    EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), std::to_string(best._year)));
    for (const ScrollStep& step : steps)
    {
        SCOPED_TRACE(std::string(step.script) + " press " + std::to_string(step.press));
        Run(step.script);
        if (step.press >= 0)
            Press(scores(), step.press);
        EXPECT_EQ(step.first, scores()->GetFirst());
        EXPECT_EQ(step.upEnabled, scores()->GetButton(HighScoreTableForm::SCROLL_UP)->IsEnabled());
        EXPECT_EQ(step.downEnabled, scores()->GetButton(HighScoreTableForm::SCROLL_DOWN)->IsEnabled());
        if (step.first == 7)
        {
            EXPECT_EQ((std::vector<std::string>{"08", "09", "10"}), places());
        }
    }
}

TEST_F(HighScoreTableFormTest, OkAndBackReturnToTheMenuAndTheQuitKeyEndsTheProgram)
{
    StartAtMenu();
    OpenScores();
    Run("key down\nkey down\n");
    Press(scores(), HighScoreTableForm::OK);
    EXPECT_FALSE(scores()->IsVisible());
    EXPECT_EQ(menu(), Form::GetActiveForm());
    OpenScores();
    EXPECT_EQ(0, scores()->GetFirst()) << "every showing starts at the top";
    Run("key back\nwait 50\n");
    EXPECT_FALSE(scores()->IsVisible());
    EXPECT_EQ(menu(), Form::GetActiveForm());
    OpenScores();
    EXPECT_FALSE(app->IsQuitPending());
    Run("key quit\n");
    EXPECT_TRUE(app->IsQuitPending());
}
} // namespace
