#include "FrameTestSupport.h"

#include "WinCE/DeviceScreen.h"
#include "WinCE/MenuBar.h"

using frame_test::FrameTest;
using frame_test::RecordingForm;

namespace
{
std::vector<std::string> Without(const std::vector<std::string>& log, const std::string& entry)
{
    std::vector<std::string> out;
    for (const auto& e : log)
    {
        if (e.find(entry) == std::string::npos)
            out.push_back(e);
    }
    return out;
}
} // namespace

using FormTable = FrameTest;

TEST_F(FormTable, HoldsTwentyFourFormsAndRefusesTheTwentyFifth)
{
    std::vector<std::unique_ptr<Form>> forms;
    const int32_t before = Form::GetFormCount();
    for (int32_t i = before; i < MAX_FORM_INSTANCES; ++i)
        forms.push_back(std::make_unique<Form>("F", 0, 0, 10, 10, false, 0));
    EXPECT_EQ(MAX_FORM_INSTANCES, Form::GetFormCount());
    EXPECT_DEATH(Form("One too many", 0, 0, 10, 10, false, 0), "_numFormInstances < MAX_FORM_INSTANCES");
}

TEST_F(FormTable, DestroyingAFormMovesTheLastIntoItsSlot)
{
    auto a = std::make_unique<Form>("A", 0, 0, 10, 10, false, 0);
    auto b = std::make_unique<Form>("B", 0, 0, 10, 10, false, 0);
    auto c = std::make_unique<Form>("C", 0, 0, 10, 10, false, 0);
    const int32_t slotB = b->GetInstanceIndex();
    ASSERT_EQ(a->GetInstanceIndex() + 1, slotB);
    ASSERT_EQ(slotB + 1, c->GetInstanceIndex());
    b.reset();
    EXPECT_EQ(slotB, c->GetInstanceIndex()) << "the last form takes over the freed index";
    EXPECT_EQ(c.get(), Form::GetForm(slotB));
    EXPECT_EQ(slotB + 1, Form::GetFormCount());
}

TEST_F(FormTable, RejectsEmptyTitlesAndNegativePositions)
{
    EXPECT_DEATH(Form("", 0, 0, 10, 10, false, 0), "title");
    EXPECT_DEATH(Form("X", -1, 0, 10, 10, false, 0), "x >= 0");
    EXPECT_DEATH(Form("X", 0, -1, 10, 10, false, 0), "y >= 0");
}

TEST_F(FormTable, AFormSitsBelowTheSystemBar)
{
    Form form("F", 5, 7, 10, 10, false, 0);
    EXPECT_EQ(5, form.GetScreenX());
    EXPECT_EQ(7 + SYSTEM_BAR_HEIGHT, form.GetScreenY());
}

using FormOrder = FrameTest;

TEST_F(FormOrder, ShowingActivatesCancelsAndCompletesOnThePaint)
{
    RecordingForm form("F", &log);
    form.Show();
    const std::vector<std::string> expected = {"F: OnActivate", "F: OnDeactivate", "F: OnShow",
                                               "F: OnActivate", "F: Paint"};
    EXPECT_EQ(expected, log);
    EXPECT_TRUE(form.IsActive());
    EXPECT_EQ(&form, Form::GetActiveForm());
}

TEST_F(FormOrder, HidingReactivatesTheFormBelowOnItsNextMessage)
{
    RecordingForm below("Below", &log);
    RecordingForm above("Above", &log);
    below.Show();
    above.Show();
    log.clear();
    above.Hide();
    const std::vector<std::string> expected = {"Above: OnDeactivate", "Below: OnActivate",
                                               "Below: OnDeactivate", "Above: OnHide"};
    EXPECT_EQ(expected, log);
    EXPECT_EQ(nullptr, Form::GetActiveForm()) << "activation completes with the next message";
    EXPECT_TRUE(below.IsReactivatePending());
    log.clear();
    script->Pump();
    EXPECT_EQ((std::vector<std::string>{"Below: OnActivate", "Below: Paint"}), log)
        << "the uncovered form is painted, which completes its activation";
    EXPECT_EQ(&below, Form::GetActiveForm());
}

TEST_F(FormOrder, RedrawSetsTheUpdateRectangleOnlyWhilePainting)
{
    struct Probe : Form
    {
        Probe() : Form("P", 0, 0, 100, 100, false, 0) {}
        void Paint() override { seen = GetUpdateRect(); }
        Rect seen{};
    } probe;
    probe.Redraw(1, 2, 3, 4);
    EXPECT_EQ((Rect{{1, 2}, {3, 4}}), probe.seen);
    EXPECT_EQ((Rect{{0, 0}, {0, 0}}), probe.GetUpdateRect());
}

using FormStylus = FrameTest;

TEST_F(FormStylus, DownMoveUpArriveInClientCoordinatesWithCapture)
{
    RecordingForm form("F", &log);
    form.Show();
    log.clear();
    host->StylusDown(10, 40);
    host->StylusMove(300, 500);
    host->StylusUp(20, 50);
    script->Pump();
    EXPECT_EQ((std::vector<std::string>{"F: Down 10,14", "F: Move 300,474", "F: Up 20,24"}), log)
        << "the capture keeps moves and release with the form even off the screen";
    EXPECT_FALSE(form.IsStylusDown());
}

TEST_F(FormStylus, MovesWithoutAPressAreNotReported)
{
    RecordingForm form("F", &log);
    form.Show();
    log.clear();
    host->StylusMove(10, 40);
    host->StylusUp(10, 40);
    script->Pump();
    EXPECT_TRUE(log.empty());
}

TEST_F(FormStylus, TheTopFormGetsTheTapAndDisabledFormsNone)
{
    RecordingForm below("Below", &log);
    RecordingForm above("Above", &log, 100, 100);
    below.Show();
    above.Show();
    script->Pump();
    log.clear();
    host->Tap(50, 50);
    host->Tap(200, 200);
    script->Pump();
    EXPECT_EQ((std::vector<std::string>{"Above: Down 50,24", "Above: Up 50,24", "Below: Down 200,174",
                                        "Below: Up 200,174"}),
              log);
    log.clear();
    above.SetEnabled(false);
    host->Tap(50, 50);
    script->Pump();
    EXPECT_TRUE(log.empty()) << "a disabled form under the stylus swallows the tap";
}

TEST_F(FormStylus, AFormThatLosesTheActivationLetsGoOfTheStylus)
{
    RecordingForm below("Below", &log);
    RecordingForm above("Above", &log, 100, 100);
    below.Show();
    script->Pump();
    host->StylusDown(150, 200);
    script->Pump();
    ASSERT_EQ(&below, Form::GetCaptureForm());
    above.Show();
    script->Pump();
    EXPECT_EQ(nullptr, Form::GetCaptureForm());
    EXPECT_FALSE(below.IsStylusDown());
    log.clear();
    host->StylusUp(150, 200);
    script->Pump();
    EXPECT_TRUE(Without(Without(log, "Activate"), "Deactivate").empty())
        << "the covered form hears no release: " << (log.empty() ? "" : log[0]);
}

// A form painting one string where it is told to.
class LabelForm : public Form
{
public:
    LabelForm() : Form("Label", 0, 0, 240, 268, false, 0) {}
    void Paint() override
    {
        const Rect update = GetUpdateRect();
        FillSolid(update, COLOR_WHITE);
        DrawString(x, y, text.c_str(), SRCCOPY);
    }
    int32_t x = 10;
    int32_t y = 10;
    std::string text = "First";
};

TEST_F(FormStylus, ADumpListsTheStringsOfTheLastFullPaint)
{
    LabelForm form;
    form.Show();
    form.text = "Second";
    form.y = 200;
    // A partial repaint elsewhere keeps what the full paint drew.
    form.Redraw(0, 190, 240, 30);
    ScreenDump dump = script->Describe();
    ASSERT_EQ(2u, dump.texts.size());
    EXPECT_EQ("First", dump.texts[0].text);
    EXPECT_EQ("Second", dump.texts[1].text);
    form.text = "Third";
    form.Redraw();
    dump = script->Describe();
    ASSERT_EQ(1u, dump.texts.size()) << "a full paint forgets the strings of the one before";
    EXPECT_EQ("Third", dump.texts[0].text);
    EXPECT_EQ(200, dump.texts[0].y);
    EXPECT_EQ("system", dump.texts[0].font);
    EXPECT_EQ("Label", dump.form);
    EXPECT_EQ(SYSTEM_BAR_HEIGHT, dump.originY);
    std::string error;
    EXPECT_TRUE(script->Expect("Third", &error)) << error;
    EXPECT_FALSE(script->Expect("First", &error));
    EXPECT_NE(std::string::npos, error.find("\"Third\"")) << "the message lists what is drawn: " << error;
}

using FormKeys = FrameTest;

TEST_F(FormKeys, KeysBecomeKeyBitsThroughTheApplication)
{
    RecordingForm form("F", &log);
    form.Show();
    script->Pump();
    log.clear();
    const uint16_t keys[] = {HOSTKEY_UP, HOSTKEY_DOWN, HOSTKEY_LEFT,  HOSTKEY_RIGHT, HOSTKEY_A,
                             HOSTKEY_B,  HOSTKEY_C,    HOSTKEY_START, HOSTKEY_F1,    HOSTKEY_F2,
                             HOSTKEY_F3, HOSTKEY_F4,   HOSTKEY_BACK,  HOSTKEY_QUIT};
    for (uint16_t key : keys)
        host->Key(key, true);
    host->Key(HOSTKEY_A, false);
    script->Pump();
    const std::vector<std::string> expected = {
        "F: Key 0x10 down",    "F: Key 0x20 down",    "F: Key 0x40 down",    "F: Key 0x80 down",
        "F: Key 0x10000 down", "F: Key 0x20000 down", "F: Key 0x40000 down", "F: Key 0x80000 down",
        "F: Key 0x1 down",     "F: Key 0x2 down",     "F: Key 0x4 down",     "F: Key 0x8 down",
        "F: Key 0x200 down",   "F: Key 0x100 down",   "F: Key 0x10000 up"};
    EXPECT_EQ(expected, log);
}

TEST_F(FormKeys, OnlyTheFirstMatchingTableEntryCounts)
{
    // A device whose start button and button A share a code: start is
    // compared before the game buttons, so it wins.
    struct SharedKeyHost : HeadlessHost
    {
        HostKeyTable GetDefaultKeys() const override
        {
            HostKeyTable keys = HeadlessHost::GetDefaultKeys();
            keys.a = keys.start;
            keys.c = HOSTKEY_F1;
            return keys;
        }
    } shared;
    SetHost(&shared);
    EXPECT_EQ(KEY_START, Application::KeyBitOf(HOSTKEY_START));
    EXPECT_EQ(KEY_C, Application::KeyBitOf(HOSTKEY_F1)) << "the table is checked before F1-F4";
    EXPECT_EQ(0u, Application::KeyBitOf(HOSTKEY_A)) << "a code no longer in the table has no bit";
    EXPECT_EQ(0u, Application::KeyBitOf(0x41));
    SetHost(host.get());
}

TEST_F(FormKeys, IsKeyDownFollowsTheHeldKeys)
{
    RecordingForm form("F", &log);
    form.Show();
    host->Key(HOSTKEY_RIGHT, true);
    host->Key(HOSTKEY_F2, true);
    script->Pump();
    EXPECT_TRUE(Application::IsKeyDown(KEY_RIGHT));
    EXPECT_TRUE(Application::IsKeyDown(KEY_F2));
    EXPECT_FALSE(Application::IsKeyDown(KEY_LEFT));
    EXPECT_FALSE(Application::IsKeyDown(0x1000)) << "unknown bits are never down";
    host->Key(HOSTKEY_RIGHT, false);
    script->Pump();
    EXPECT_FALSE(Application::IsKeyDown(KEY_RIGHT));
}

TEST_F(FormKeys, CharactersGoToTheFocusedForm)
{
    RecordingForm form("F", &log);
    form.Show();
    script->Pump();
    log.clear();
    host->Type("hi");
    script->Pump();
    EXPECT_EQ((std::vector<std::string>{"F: Char h", "F: Char i"}), log);
}

using FormModal = FrameTest;

TEST_F(FormModal, DoModalDisablesTheOthersAndReturnsMinusOneWhenTheWindowGoes)
{
    struct Dialog : Form
    {
        Dialog() : Form("Dialog", 0, 0, 100, 100, false, 0) {}
        bool OnIdle() override
        {
            ++idles;
            EXPECT_FALSE(other->GetEnabled());
            if (idles == 3)
                DestroyWindow();
            return true;
        }
        int idles = 0;
        Form* other = nullptr;
    };
    RecordingForm other("Other", &log);
    other.Show();
    Dialog dialog;
    dialog.other = &other;
    EXPECT_EQ(-1, dialog.DoModal());
    EXPECT_EQ(3, dialog.idles);
    EXPECT_TRUE(other.GetEnabled()) << "the other forms are enabled again";
}

TEST_F(FormModal, EndsWithTheClosingResultAndPassesQuitOutward)
{
    struct Dialog : Form
    {
        Dialog() : Form("Dialog", 0, 0, 100, 100, false, 0) {}
        bool OnIdle() override
        {
            if (quit)
                Application::Get()->PostQuitMessage(3);
            else
                EndModal(77);
            return false;
        }
        bool quit = false;
    } dialog;
    EXPECT_EQ(77, dialog.DoModal());
    EXPECT_FALSE(app->IsQuitPending());
    dialog.quit = true;
    dialog.DoModal();
    EXPECT_TRUE(app->IsQuitPending()) << "the outer loop sees the quit message too";
    EXPECT_EQ(3, app->GetExitCode());
}

using FormMenuBar = FrameTest;

TEST_F(FormMenuBar, TheGameMenuDeliversItsCommandsToTheForm)
{
    RecordingForm form("F", &log, 240, 268, MENU_RESOURCE_GAME);
    form.Show();
    script->Pump();
    log.clear();
    ASSERT_TRUE(form.GetMenuBar()->HasMenu());
    host->Tap(10, 310); // "Menu"
    script->Pump();
    ASSERT_TRUE(form.GetMenuBar()->IsOpen());
    const int32_t top = form.GetMenuBar()->MenuTop();
    host->Tap(20, top + 1 + MenuBar::ITEM_HEIGHT + 5); // "Exit"
    script->Pump();
    EXPECT_EQ((std::vector<std::string>{"F: Command 40010"}), log);
    EXPECT_FALSE(form.GetMenuBar()->IsOpen());

    host->Tap(10, 310);
    host->Tap(20, top + 5); // "Main menu"
    host->Tap(10, 310);
    host->Tap(200, 100); // elsewhere: closes without a command
    script->Pump();
    EXPECT_EQ((std::vector<std::string>{"F: Command 40010", "F: Command 40001"}), Without(log, "Paint"));
    EXPECT_FALSE(form.GetMenuBar()->IsOpen());
}

TEST_F(FormMenuBar, FormsWithoutAMenuResourceHaveAnEmptyBar)
{
    RecordingForm form("F", &log);
    form.Show();
    script->Pump();
    log.clear();
    EXPECT_FALSE(form.GetMenuBar()->HasMenu());
    host->Tap(10, 310);
    script->Pump();
    EXPECT_TRUE(log.empty()) << "taps on the bar never reach the form";
}

using DeviceScreenTest = FrameTest;

TEST_F(DeviceScreenTest, ComposesTheBarTitleAndTheTopFormAndPresentsOnlyChanges)
{
    struct Red : Form
    {
        Red() : Form("Red form", 0, 0, 240, 268, false, 0) {}
        void Paint() override { FillSolid(Rect{{0, 0}, {240, 268}}, RGB(255, 0, 0)); }
    } form;
    form.Show();
    app->PresentIfChanged();
    const int presents = host->PresentCount();
    const auto& frame = host->LastFrame();
    EXPECT_EQ(RGB(255, 0, 0), frame[size_t(26) * 240 + 5]) << "the form starts at row 26";
    EXPECT_EQ(RGB(255, 0, 0), frame[size_t(293) * 240 + 239]);
    EXPECT_NE(RGB(255, 0, 0), frame[size_t(25) * 240 + 5]);
    EXPECT_NE(RGB(255, 0, 0), frame[size_t(294) * 240 + 5]) << "the menu bar covers the last 26 rows";
    bool titleDrawn = false;
    for (int x = 0; x < 120 && !titleDrawn; ++x)
        titleDrawn = frame[size_t(12) * 240 + x] == COLOR_WHITE;
    EXPECT_TRUE(titleDrawn) << "the title is written on the system bar";
    app->PresentIfChanged();
    EXPECT_EQ(presents, host->PresentCount()) << "an unchanged screen is not presented again";
    form.FillSolid(Rect{{0, 0}, {1, 1}}, COLOR_BLACK);
    app->PresentIfChanged();
    EXPECT_EQ(presents + 1, host->PresentCount());
}
