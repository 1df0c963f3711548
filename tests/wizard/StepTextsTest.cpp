// What each screen says and offers in each mode: a few texts as the user
// reads them show that every screen takes its own texts for the mode.

#include <string>

#include "WizardFixture.h"

namespace decalia {
namespace {

TEST_F(WizardTest, EveryWizardTitleIsTheSingleStepTitleWithItsStepNumber) {
    for (int step = 1; step <= 6; ++step) {
        std::string single;
        Open(step, false, [&](StepScreen& screen) { single = screen.lbl_Title.Caption(); });
        Open(step, true, [&](StepScreen& screen) {
            EXPECT_EQ(screen.lbl_Title.Caption(),
                      "Wizard Step " + std::to_string(step) + ": " + single);
        });
    }
}

TEST_F(WizardTest, SingleStepModeOffersConfirmAndCancel) {
    Open(4, false, [&](StepScreen& screen) {
        EXPECT_EQ(screen.lbl_Title.Caption(), "Enter Aircraft Folder");
        EXPECT_EQ(screen.lbl_instructions2->Caption(),
                  "You may change your entry at any time by entering a new value in the box "
                  "provided below.  Press Next to continue or Close to Cancel.");
        EXPECT_EQ(screen.btn_Next.ToolTip(),
                  "Click to confirm the entered folder and close the Enter Aircraft Folder Decalia "
                  "Screen.");
        ui::TinyButton& cancel = *screen.btn_Previous;
        EXPECT_EQ(cancel.button_type(), "close_folder");
        EXPECT_EQ(cancel.picture(), "Close");
        EXPECT_EQ(cancel.form_name(), &screen);
        EXPECT_EQ(cancel.ToolTip(), "Click to cancel the Enter Aircraft Folder Decalia Screen.");
    });
}

TEST_F(WizardTest, WizardModeWalksWithPreviousNextAndClose) {
    Open(6, true, [&](StepScreen& screen) {
        EXPECT_EQ(screen.lbl_instructions2->Caption(),
                  "You may change your selection at any time by selecting a new value in the box "
                  "provided below.  To close the wizard, press the Close button.");
        EXPECT_EQ(screen.btn_Next.ToolTip(), "Click to move to the next Decalia Wizard Screen.");
        EXPECT_TRUE(screen.btn_Close.Visible());
        EXPECT_EQ(screen.btn_Close.ToolTip(), "Click to close the Callsign Selection Screen.");
        EXPECT_EQ(screen.btn_Previous->button_type(), "previous");
        EXPECT_EQ(screen.btn_Previous->picture(), "Previous");
    });
}

TEST_F(WizardTest, TheModeCanChangeFromOneShowingToTheNext) {
    Open(2, true);
    Open(2, false, [&](StepScreen& screen) {
        EXPECT_EQ(screen.btn_Previous->button_type(), "close_selecttemplate");
        EXPECT_FALSE(screen.btn_Close.Visible());
    });
    Open(2, true, [&](StepScreen& screen) {
        EXPECT_EQ(screen.btn_Previous->button_type(), "previous");
        EXPECT_TRUE(screen.btn_Close.Visible());
    });
}

}  // namespace
}  // namespace decalia
