// Set-up for tests of the forms the main menu shows itself (options, high
// scores, help): the program started and waiting at the menu, and taps on a
// form's buttons found by their id.
#pragma once

#include "../../GameTestSupport.h"

#include "Common/Gui/Forms/MainForm.h"
#include "Common/Gui/Forms/SRForm.h"
#include "WinCE/ScreenDump.h"
#include "Wkr/Gui/GfxButton.h"

#include <string>
#include <vector>

namespace game_test
{
class MenuScreenTest : public GameTest
{
protected:
    // Starts the program and taps through the two splashes to the menu.
    void StartAtMenu()
    {
        Start();
        Run("wait 25\ntap 1 100\ntap 1 100\n");
    }
    MainForm* menu() const { return app->GetMainMenu(); }
    // Taps a point of a form (client coordinates) and lets the loop settle.
    void TapAt(const Form* form, int32_t x, int32_t y)
    {
        Run(("tap " + std::to_string(x + form->GetScreenX()) + " " + std::to_string(y + form->GetScreenY()) +
             "\nwait 50\n")
                .c_str());
    }
    // The strings the form shows now, in the order they were drawn.
    static std::vector<std::string> Texts(Form* form)
    {
        ScreenDump dump;
        form->Describe(dump);
        std::vector<std::string> texts;
        for (const ScreenDump::Text& text : dump.texts)
            texts.push_back(text.text);
        return texts;
    }
    // Taps the button `id` of a game form.
    void Press(const SRForm* form, int32_t id)
    {
        const GfxButton* button = form->GetButton(id);
        ASSERT_NE(nullptr, button) << "no button " << id;
        TapAt(form, button->GetX() + 6, button->GetY() + 6);
    }
};
} // namespace game_test
