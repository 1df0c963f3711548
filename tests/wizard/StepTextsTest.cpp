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

TEST_F(WizardTest, SingleStepModeOffersConfirmAndCancelAndTheWizardPreviousNextAndClose) {
    std::string singleInstructions, singleNextTip;
    Open(4, false, [&](StepScreen& screen) {
        singleInstructions = screen.lbl_instructions2->Caption();
        singleNextTip = screen.btn_Next.ToolTip();
        ui::TinyButton& cancel = *screen.btn_Previous;
        EXPECT_EQ(cancel.button_type(), "close_folder");
        EXPECT_EQ(cancel.picture(), "Close");
        EXPECT_EQ(cancel.form_name(), &screen);
        EXPECT_FALSE(screen.btn_Close.Visible());
    });
    Open(4, true, [&](StepScreen& screen) {
        EXPECT_NE(screen.lbl_instructions2->Caption(), singleInstructions);
        EXPECT_NE(screen.btn_Next.ToolTip(), singleNextTip);
        EXPECT_TRUE(screen.btn_Close.Visible());
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
