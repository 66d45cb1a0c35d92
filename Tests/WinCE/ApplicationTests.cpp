#include "FrameTestSupport.h"

#include "WinCE/Host/InstanceLock.h"

#include <filesystem>
#include <sstream>

using frame_test::FrameTest;
using frame_test::RecordingForm;

using ApplicationLoop = FrameTest;

TEST(ApplicationObject, OnlyOneMayExist)
{
    HeadlessHost host;
    SetHost(&host);
    frame_test::BareApplication first;
    EXPECT_EQ(&first, Application::Get());
    EXPECT_DEATH(frame_test::BareApplication second, "s_appPointer==NULL");
}

TEST(ApplicationObject, DefaultInitShowsASmallCaptionedForm)
{
    HeadlessHost host;
    SetHost(&host);
    {
        Application app;
        app.Init();
        ASSERT_NE(nullptr, app.GetMainForm());
        EXPECT_STREQ("Form", app.GetMainForm()->GetTitle());
        EXPECT_EQ(160, app.GetMainForm()->GetWidth());
        EXPECT_TRUE(app.GetMainForm()->IsVisible());
        EXPECT_GE(host.PresentCount(), 1) << "the first frame is presented after OnInit";
    }
    EXPECT_EQ(nullptr, Application::Get());
    EXPECT_EQ(0, Form::GetFormCount()) << "the application deletes its main form";
}

TEST_F(ApplicationLoop, IdleGoesToTheActiveFormOnlyWhenNoInputWaits)
{
    RecordingForm form("F", &log);
    form.idleResult = true;
    form.Show();
    app->Step(false);
    EXPECT_EQ(1, form.idleCalls);
    host->Tap(10, 40);
    app->Step(false);
    EXPECT_EQ(1, form.idleCalls) << "a step with input dispatches and does not idle";
    app->Step(false);
    EXPECT_EQ(2, form.idleCalls);
}

// A host that waits for input (the desktop's, the browser's) must not wait
// while a paint is due: the screen would stay stale until the next input.
TEST_F(ApplicationLoop, TheLoopWaitsOnlyWhenNothingIsDue)
{
    RecordingForm form("F", &log);
    form.Show();
    app->Step(false);
    const struct
    {
        const char* what;
        bool input;
        bool idleResult;
        bool invalidateInIdle;
        std::vector<bool> waits;
    } cases[] = {
        {"input: back at once for the idle step", true, false, false, {}},
        {"an idle step that wants more: wait for idle time", false, true, false, {true}},
        {"an idle step with nothing to do: wait for input", false, false, false, {false}},
        {"an idle step that asked for a paint: back at once", false, false, true, {}},
    };
    for (const auto& c : cases)
    {
        const size_t before = host->Waits().size();
        form.idleResult = c.idleResult;
        if (c.input)
            host->Tap(10, 40);
        const int idleBefore = form.idleCalls;
        if (c.invalidateInIdle)
            form.invalidateInIdle = true;
        app->Step(true);
        form.invalidateInIdle = false;
        EXPECT_EQ(c.waits, std::vector<bool>(host->Waits().begin() + before, host->Waits().end())) << c.what;
        EXPECT_EQ(c.input ? idleBefore : idleBefore + 1, form.idleCalls) << c.what;
        // The next step paints (or idles) and leaves nothing pending.
        app->Step(false);
        EXPECT_FALSE(Form::HasPendingPaint()) << c.what;
    }
}

TEST_F(ApplicationLoop, NoActiveFormMeansNoIdle)
{
    EXPECT_FALSE(app->OnIdle());
    EXPECT_FALSE(app->OnKey(KEY_A, true));
    EXPECT_FALSE(app->OnChar('x'));
}

TEST_F(ApplicationLoop, TheQuitEventEndsTheLoop)
{
    RecordingForm form("F", &log);
    form.Show();
    EXPECT_TRUE(app->Step(false));
    HostEvent quit;
    quit.kind = HostEvent::Quit;
    host->Push(quit);
    EXPECT_FALSE(app->Step(false));
    EXPECT_TRUE(app->IsQuitPending());
    EXPECT_EQ(0, app->Run()) << "Run returns at once once the quit message is there";
}

TEST_F(ApplicationLoop, RaiseRequestsReachTheHost)
{
    HostEvent raise;
    raise.kind = HostEvent::Raise;
    host->Push(raise);
    app->Step(false);
    EXPECT_EQ(1, host->RaiseCount());
}

TEST_F(ApplicationLoop, ShowMessageUsesAnOkBox)
{
    Application::ShowMessage("Text", "Caption");
    ASSERT_EQ(1u, host->Messages().size());
    EXPECT_EQ("Caption", host->Messages()[0].caption);
    EXPECT_EQ("Text", host->Messages()[0].text);
    EXPECT_EQ(HostButtons::Ok, host->Messages()[0].buttons);
}

TEST_F(ApplicationLoop, ScriptsRejectBadCommandsNamingTheLine)
{
    std::istringstream input("wait 10\nfly 1 2\n");
    std::string error;
    EXPECT_FALSE(script->Run(input, &error));
    EXPECT_NE(std::string::npos, error.find("line 2")) << error;
    EXPECT_NE(std::string::npos, error.find("fly")) << error;
    std::istringstream keys("key jump\n");
    EXPECT_FALSE(script->Run(keys, &error));
    EXPECT_NE(std::string::npos, error.find("jump")) << error;
}

TEST_F(ApplicationLoop, ScriptWaitsRunTheLoopOnTheFakeClock)
{
    RecordingForm form("F", &log);
    form.idleResult = true;
    form.Show();
    const uint32_t start = host->Ticks();
    std::istringstream input("wait 100\n");
    std::string error;
    ASSERT_TRUE(script->Run(input, &error)) << error;
    EXPECT_EQ(start + 100, host->Ticks());
    EXPECT_EQ(4, form.idleCalls) << "one loop step per 25 ms of fake time";
}

TEST_F(ApplicationLoop, ASecondStartRaisesTheRunningWindowThroughTheLoop)
{
    char pattern[] = "/tmp/jw-app-lock-XXXXXX";
    const char* dir = mkdtemp(pattern);
    ASSERT_NE(nullptr, dir);
    HeadlessHost* running = host.get();
    InstanceLock first("Northgate SoftJet Warden", dir,
                       [running]
                       {
                           HostEvent raise;
                           raise.kind = HostEvent::Raise;
                           running->Push(raise);
                       });
    ASSERT_EQ(InstanceLock::Result::Acquired, first.Acquire());
    {
        InstanceLock second("Northgate SoftJet Warden", dir, nullptr);
        EXPECT_EQ(InstanceLock::Result::OtherRaised, second.Acquire()) << "the second start leaves at once";
    }
    script->Pump();
    EXPECT_EQ(1, host->RaiseCount()) << "the running copy comes to the front";
    std::filesystem::remove_all(dir);
}
