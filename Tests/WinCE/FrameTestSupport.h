// Shared set-up for tests of the application frame: a headless host that is
// installed for the test and an application object, and a form that records
// every handler call.
#pragma once

#include "WinCE/Application.h"
#include "WinCE/Form.h"
#include "WinCE/Host/HeadlessHost.h"
#include "WinCE/Host/HostScript.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace frame_test
{
class RecordingForm : public Form
{
public:
    RecordingForm(const char* title, std::vector<std::string>* log, int32_t width = 240, int32_t height = 268,
                  uint16_t menu = 0)
        : Form(title, 0, 0, width, height, false, menu), _log(log)
    {
    }

    void Paint() override { Add("Paint"); }
    void OnStylusMove(int16_t x, int16_t y) override { Add("Move " + Point(x, y)); }
    void OnStylusUp(int16_t x, int16_t y) override { Add("Up " + Point(x, y)); }
    void OnStylusDown(int16_t x, int16_t y) override { Add("Down " + Point(x, y)); }
    void OnShow() override { Add("OnShow"); }
    void OnHide() override { Add("OnHide"); }
    void OnActivate() override { Add("OnActivate"); }
    void OnDeactivate() override { Add("OnDeactivate"); }
    void OnCommand(uint16_t id) override { Add("Command " + std::to_string(id)); }
    bool OnKey(uint32_t bit, bool pressed) override
    {
        char text[40];
        std::snprintf(text, sizeof(text), "Key 0x%X %s", bit, pressed ? "down" : "up");
        Add(text);
        return true;
    }
    bool OnChar(uint16_t c) override
    {
        Add("Char " + std::string(1, static_cast<char>(c)));
        return true;
    }
    bool OnIdle() override
    {
        ++idleCalls;
        if (invalidateInIdle)
            Invalidate();
        return idleResult;
    }

    int idleCalls = 0;
    bool idleResult = false;
    bool invalidateInIdle = false;

private:
    static std::string Point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
    void Add(const std::string& entry)
    {
        if (_log)
            _log->push_back(std::string(GetTitle()) + ": " + entry);
    }
    std::vector<std::string>* _log;
};

// An application whose OnInit does nothing: tests make their own forms.
class BareApplication : public Application
{
public:
    void OnInit() override {}
};

class FrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host = std::make_unique<HeadlessHost>(1000);
        host->SetEchoMessages(false);
        SetHost(host.get());
        app = std::make_unique<BareApplication>();
        app->Init();
        script = std::make_unique<HostScript>(*host, *app);
    }
    void TearDown() override
    {
        script.reset();
        app.reset();
        host.reset();
    }

    std::unique_ptr<HeadlessHost> host;
    std::unique_ptr<BareApplication> app;
    std::unique_ptr<HostScript> script;
    std::vector<std::string> log;
};
} // namespace frame_test
