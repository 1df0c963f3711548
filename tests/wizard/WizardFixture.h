#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string_view>
#include <vector>

#include "appstate/Application.h"
#include "platform/desktop/HeadlessDesktop.h"
#include "platform/forms/Forms.h"
#include "platform/win/DesktopPort.h"
#include "support/Installation.h"
#include "wizard/mod_WizardScreens.h"

namespace decalia {

using ShowStep = void (*)(Application&, bool);

inline ShowStep ShowOperationOf(int step) {
    constexpr ShowStep kShow[] = {ShowAircraftStep,  ShowTemplateStep,   ShowVariationStep,
                                  ShowFolderStep,    ShowTailNumberStep, ShowCallsignStep};
    return kShow[step - 1];
}

// The step screens of a real program on a temporary installation. The main
// window is not built: the screens only read its place and size.
class WizardTest : public ::testing::Test {
protected:
    desktop::HeadlessDesktop desktop;
    testsupport::Installation install;
    Application app{desktop, install.AppFolder()};
    // The steps whose confirm action the screens asked for, in order.
    std::vector<int> confirmed;

    WizardTest() {
        InstallStepScreens(app, [this](int step) { confirmed.push_back(step); });
        app.frm_Main.Move(1500, 1500, 12000, 9000);
        // As the catalogue leaves it: step 1 opens only with an aircraft to offer.
        app.frm_SelectAircraft.lst_SelectAircraft.AddItem("Kestrelworks Kite");
        app.frm_SelectAircraft.lst_SelectAircraft.SetListIndex(0);
    }

    // Opens the step; `look` runs while the screen is shown, which the user
    // then leaves by hiding it.
    void Open(int step, bool wizard, const std::function<void(StepScreen&)>& look = {}) {
        StepScreen& screen = app.StepScreenOf(step);
        bool shown = false;
        desktop.OnModal(screen.Name(), [&](forms::Form&) {
            shown = true;
            if (look) look(screen);
            screen.Hide();
        });
        ShowOperationOf(step)(app, wizard);
        EXPECT_TRUE(shown) << screen.Name() << " was not shown";
    }

    // The user selects all of the box's text and types over it.
    void TypeOver(forms::TextBox& box, std::string_view text) {
        box.SetSelStart(0);
        box.SetSelLength(static_cast<int>(box.Text().size()));
        desktop.Type(box, text);
    }

    // Opens the step expecting the program to end while the screen is built.
    bool OpenEndsTheProgram(int step) {
        try {
            ShowOperationOf(step)(app, false);
        } catch (const win::ProcessEnded&) {
            return true;
        }
        return false;
    }
};

}  // namespace decalia
