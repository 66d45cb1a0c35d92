#include "../FrameTestSupport.h"

#include "WinCE/UIControls/TextField.h"

using frame_test::FrameTest;
using frame_test::RecordingForm;

namespace
{
class TextFieldTest : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        form = std::make_unique<RecordingForm>("F", &log);
        form->Show();
        script->Pump();
        log.clear();
    }
    void TearDown() override
    {
        form.reset();
        FrameTest::TearDown();
    }
    TextField* Make(int32_t maxLength = 12, bool editable = true, bool numberOnly = false)
    {
        // The form owns its controls.
        return new TextField(28, 119, 184, 17, form.get(), maxLength, editable, true, 0, numberOnly,
                             COLOR_BLACK, COLOR_WHITE);
    }
    std::unique_ptr<RecordingForm> form;
};
} // namespace

TEST_F(TextFieldTest, ControlIdsCountUpAndTheFormOwnsItsControls)
{
    const uint16_t next = UIControl::PeekNextId();
    EXPECT_GE(next, 4000) << "control ids start at 4000";
    TextField* first = Make();
    TextField* second = Make();
    EXPECT_EQ(next, first->GetId());
    EXPECT_EQ(next + 1, second->GetId());
    EXPECT_EQ(2, form->GetUIControlCount());
    EXPECT_EQ(second, form->GetUIControl(1));
    EXPECT_DEATH(form->GetUIControl(2), "false");
}

TEST_F(TextFieldTest, TheControlArrayGrowsByEightKeepingANullSlot)
{
    std::vector<TextField*> made;
    for (int i = 0; i < 20; ++i)
        made.push_back(Make());
    ASSERT_EQ(20, form->GetUIControlCount());
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(made[size_t(i)], form->GetUIControl(i)) << "control " << i << " survives the growing";
}

TEST_F(TextFieldTest, TypingFillsUpToTheLimitAndBackspaceDeletes)
{
    TextField* field = Make(5);
    field->SetFocus();
    EXPECT_TRUE(host->TextInputOn()) << "a focused field turns text input on";
    host->Type("Skyways");
    script->Pump();
    EXPECT_EQ("Skywa", field->Text()) << "characters past the limit are refused";
    EXPECT_TRUE(field->IsModified());
    host->Key(HOSTKEY_BACKSPACE, true);
    host->Key(HOSTKEY_BACKSPACE, false);
    script->Pump();
    EXPECT_EQ("Skyw", field->Text());
    EXPECT_TRUE(log.empty()) << "typing into the field does not reach the form: "
                             << (log.empty() ? "" : log[0]);
    field->KillFocus();
    EXPECT_FALSE(host->TextInputOn());
    host->Type("x");
    script->Pump();
    EXPECT_EQ("Skyw", field->Text());
    EXPECT_EQ((std::vector<std::string>{"F: Char x"}), log) << "without focus characters go to the form";
}

TEST_F(TextFieldTest, AFieldThatIsNotEditableRefusesTypingUntilAllowed)
{
    TextField* field = Make(12, false);
    EXPECT_FALSE(field->InsertText("abc"));
    EXPECT_EQ("", field->Text());
    field->SetEditable(true);
    EXPECT_TRUE(field->InsertText("abc"));
    EXPECT_EQ("abc", field->Text());
}

TEST_F(TextFieldTest, InsertTextStopsAtTheFirstRefusedCharacter)
{
    TextField* digits = Make(4, true, true);
    EXPECT_FALSE(digits->InsertText("12a3"));
    EXPECT_EQ("12", digits->Text());
    EXPECT_FALSE(digits->InsertText("345"));
    EXPECT_EQ("1234", digits->Text());
}

TEST_F(TextFieldTest, SelectionIsReplacedByTypingAndDeletedByBackspace)
{
    TextField* field = Make();
    field->SetText("Jet Warden");
    EXPECT_FALSE(field->IsModified()) << "text set by the program is not a change";
    field->SetSelection(0, 3);
    EXPECT_EQ(0, field->GetSelectionStart());
    EXPECT_EQ(3, field->GetSelectionEnd());
    EXPECT_TRUE(field->InsertText("Air"));
    EXPECT_EQ("Air Warden", field->Text());
    field->SetSelection(3, 10);
    field->OnKeyDown(HOSTKEY_BACKSPACE);
    EXPECT_EQ("Air", field->Text());
    field->SetSelection(-1, 0);
    field->OnKeyDown(HOSTKEY_DELETE);
    EXPECT_EQ("ir", field->Text());
    field->OnKeyDown(HOSTKEY_END);
    field->OnKeyDown(HOSTKEY_LEFT);
    EXPECT_EQ(1, field->GetCaret());
}

TEST_F(TextFieldTest, GetTextCutsToTheBuffer)
{
    TextField* field = Make();
    field->SetText("Northgate");
    char small[5];
    field->GetText(small, sizeof(small));
    EXPECT_STREQ("Nort", small);
    char whole[20];
    field->GetText(whole);
    EXPECT_STREQ("Northgate", whole);
    EXPECT_EQ(9, field->GetTextLength());
    field->SetText("A name far longer than twelve");
    EXPECT_EQ(12, field->GetTextLength()) << "set text is cut at the limit too";
}

TEST_F(TextFieldTest, ATapFocusesAndPlacesTheCaret)
{
    TextField* field = Make();
    field->SetText("abcdef");
    field->KillFocus();
    // The field lies at (28, 119) on the form, which starts at row 26.
    host->Tap(28 + 2 + 3 * 6, 26 + 119 + 8);
    script->Pump();
    EXPECT_TRUE(field->HasFocus());
    EXPECT_EQ(3, field->GetCaret());
    EXPECT_TRUE(log.empty()) << "the form does not see taps on its controls";
}

TEST_F(TextFieldTest, UnavailableOperationsAssert)
{
    TextField* field = Make();
    EXPECT_DEATH(field->GetVisibleLines(), "TextField::GetVisibleLines not implemented on windows");
    EXPECT_DEATH(field->SetUsable(false), "TextField::SetUsable not implemented on Win32 yet");
}

TEST_F(TextFieldTest, AClosingControlEndsTheModalLoopWithItsId)
{
    struct Pressable : UIControl
    {
        explicit Pressable(Form* parent)
            : UIControl(0, 0, 20, 20, "OK", parent, "BUTTON", 0, COLOR_BLACK, COLOR_WHITE)
        {
        }
        bool OnStylusUp(int16_t, int16_t) override
        {
            Notify(NOTIFY_CLICKED);
            return true;
        }
    };
    struct Dialog : Form
    {
        Dialog() : Form("Dialog", 0, 0, 100, 100, false, 0) {}
    } dialog;
    auto* ok = new Pressable(&dialog);
    ok->SetClosesForm(true);
    host->Tap(5, 30);
    EXPECT_EQ(ok->GetId(), dialog.DoModal());
}

TEST_F(TextFieldTest, AControlWithoutAParentWindowSaysSoAndCarriesOn)
{
    form->DestroyWindow();
    auto* orphan = Make();
    EXPECT_FALSE(orphan->HasWindow());
    ASSERT_EQ(1u, host->Messages().size());
    EXPECT_EQ("Error", host->Messages()[0].caption);
    EXPECT_NE(std::string::npos, host->Messages()[0].text.find("CreateWindow failed"))
        << host->Messages()[0].text;
    EXPECT_EQ(0, form->GetUIControlCount());
    delete orphan;
}
