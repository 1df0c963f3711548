// What each screen says and offers in each mode, as the user reads it.

#include <string>

#include "WizardFixture.h"

namespace decalia {
namespace {

struct ExpectedStep {
    int step;
    std::string titleSingle, titleWizard;
    std::string instructionSingle, instructionWizard;
    std::string secondSingle, secondWizard;  // empty: no second instruction
    std::string closeWord, cancelTip, confirmTip, closeTip;
};

const std::string kEntrySingle =
    "You may change your entry at any time by entering a new value in the box provided below.  "
    "Press Next to continue or Close to Cancel.";
const std::string kEntryWizard =
    "You may change your entry at any time by entering a new value in the box provided below.  "
    "To close the wizard, press the Close button.";
const std::string kVariation =
    "Enter the aircraft variation name to be displayed in Flight Simulator for this aircraft "
    "repaint, in the space provided below.  The current information is displyed in the variation "
    "input box.";
const std::string kFolder =
    "Enter the folder extension to use in the space provided below.  This informaiton will be "
    "used for saving the aircraft repaint.  An example of the folder name with your input will be "
    "shown below.";
const std::string kTail =
    "Enter the tail number for this aircraft repaint, in the space provided below.  This is the "
    "number that Flight Simulator will use for the default version of the tail number when this "
    "repaint is selected in Flight Simulator.";
const std::string kTemplate =
    "Press the Button below to select the desired repaint template.  The currently selected "
    "template is displayed next to the button.  When a template has been loaded, the Circle will "
    "display a completed check mark.";
const std::string kCallsign =
    "Select the default callsign to use for this aircraft repaint in Flight Simulator, from the "
    "list provided below.  If you do not desire to use a callsign, select the *NONE* option from "
    "the top of the list.  Confirm selection with the next button.";

const ExpectedStep kExpected[] = {
    {1, "Select Aircraft to Repaint", "Wizard Step 1: Select Aircraft to Repaint",
     "Select the aircraft you would like to work on from the list below.  To select the aircraft "
     "click on it and press the Next Button or double-click on the desired aircraft.  To cancel "
     "the Select Aircraft Repaint screen, press the Close Button.",
     "Select the aircraft you would like to work on from the list below.  To select the aircraft "
     "click on it and press the Next Button or double-click on the desired aircraft to continue.  "
     "To stop the wizard, press the Close button.",
     "", "", "", "",
     "Click to select the highlighted aircraft and close the Select Aircraft Repaint Decalia "
     "Screen.",
     "Click to close the Select Aircraft Screen."},
    {2, "Select Repaint Template", "Wizard Step 2: Select Repaint Template", kTemplate, kTemplate,
     "You may change your selection at any time by presing the selection button again.  Press "
     "Next to continue or Close to Cancel.",
     "You may change your selection at any time by presing the selection button again.  To close "
     "the wizard, press the Close button.",
     "close_selecttemplate", "Click to cancel the Select Repaint Template Decalia Screen.",
     "Click to confirm the selected repaint template and close the Select Repaint Template "
     "Decalia Screen.",
     "Click to close the Select Template Screen."},
    {3, "Enter Aircraft Variation", "Wizard Step 3: Enter Aircraft Variation", kVariation,
     kVariation, kEntrySingle, kEntryWizard, "close_variation",
     "Click to cancel the Enter Variation Decalia Screen.",
     "Click to confirm the entered variation and close the Enter Variation Decalia Screen.",
     "Click to close the Variation Entry Screen."},
    {4, "Enter Aircraft Folder", "Wizard Step 4: Enter Aircraft Folder", kFolder, kFolder,
     kEntrySingle, kEntryWizard, "close_folder",
     "Click to cancel the Enter Aircraft Folder Decalia Screen.",
     "Click to confirm the entered folder and close the Enter Aircraft Folder Decalia Screen.",
     "Click to close the Folder Entry Screen."},
    {5, "Enter Aircraft Tail Number", "Wizard Step 5: Enter Aircraft Tail Number", kTail, kTail,
     kEntrySingle, kEntryWizard, "close_tailnumber",
     "Click to cancel the Enter Tail Number Decalia Screen.",
     "Click to confirm the entered tail number and close the Enter Tail Number Decalia Screen.",
     "Click to close the Tail Number Entry Screen."},
    {6, "Select Aircraft Callsign", "Wizard Step 6: Select Aircraft Callsign", kCallsign,
     kCallsign,
     "You may change your selection at any time by selecting a new value in the box provided "
     "below.  Press Next to continue or Close to Cancel.",
     "You may change your selection at any time by selecting a new value in the box provided "
     "below.  To close the wizard, press the Close button.",
     "close_callsign", "Click to cancel the Enter Callsign Decalia Screen.",
     "Click to confirm the entered Callsign and close the Enter Callsign Decalia Screen.",
     "Click to close the Callsign Selection Screen."},
};

class StepTextsTest : public WizardTest, public ::testing::WithParamInterface<ExpectedStep> {};

TEST_P(StepTextsTest, SingleStepModeEditsOneItemAndOffersConfirmAndCancel) {
    const ExpectedStep& e = GetParam();
    Open(e.step, false, [&](StepScreen& screen) {
        EXPECT_EQ(screen.lbl_Title.Caption(), e.titleSingle);
        EXPECT_EQ(screen.lbl_Instructions.Caption(), e.instructionSingle);
        ASSERT_EQ(screen.lbl_instructions2 != nullptr, !e.secondSingle.empty());
        if (screen.lbl_instructions2) {
            EXPECT_EQ(screen.lbl_instructions2->Caption(), e.secondSingle);
        }

        EXPECT_EQ(screen.btn_Next.button_type(), "next");
        EXPECT_EQ(screen.btn_Next.picture(), "Next");
        EXPECT_EQ(screen.btn_Next.form_name(), &screen);
        EXPECT_EQ(screen.btn_Next.ToolTip(), e.confirmTip);
        EXPECT_EQ(screen.btn_Close.ToolTip(), e.closeTip);
        // Only step 1, which has no Previous position, keeps the top-right Close.
        EXPECT_EQ(screen.btn_Close.Visible(), e.step == 1);
        ASSERT_EQ(screen.btn_Previous != nullptr, e.step != 1);
        if (ui::TinyButton* cancel = screen.btn_Previous) {
            EXPECT_EQ(cancel->button_type(), e.closeWord);
            EXPECT_EQ(cancel->picture(), "Close");
            EXPECT_EQ(cancel->state(), "enabled");
            EXPECT_EQ(cancel->form_name(), &screen);
            EXPECT_EQ(cancel->ToolTip(), e.cancelTip);
        }
    });
}

TEST_P(StepTextsTest, WizardModeWalksWithPreviousNextAndClose) {
    const ExpectedStep& e = GetParam();
    Open(e.step, true, [&](StepScreen& screen) {
        EXPECT_EQ(screen.lbl_Title.Caption(), e.titleWizard);
        EXPECT_EQ(screen.lbl_Instructions.Caption(), e.instructionWizard);
        if (screen.lbl_instructions2) {
            EXPECT_EQ(screen.lbl_instructions2->Caption(), e.secondWizard);
        }

        EXPECT_EQ(screen.btn_Next.button_type(), "next");
        EXPECT_EQ(screen.btn_Next.ToolTip(), "Click to move to the next Decalia Wizard Screen.");
        EXPECT_TRUE(screen.btn_Close.Visible());
        EXPECT_EQ(screen.btn_Close.button_type(), "close");
        if (ui::TinyButton* previous = screen.btn_Previous) {
            EXPECT_EQ(previous->button_type(), "previous");
            EXPECT_EQ(previous->picture(), "Previous");
            EXPECT_EQ(previous->state(), "enabled");
            EXPECT_EQ(previous->ToolTip(), "Click to move to the previous Decalia Wizard Screen.");
        }
    });
}

TEST_P(StepTextsTest, TheModeCanChangeFromOneShowingToTheNext) {
    const ExpectedStep& e = GetParam();
    Open(e.step, true);
    Open(e.step, false, [&](StepScreen& screen) {
        EXPECT_EQ(screen.lbl_Title.Caption(), e.titleSingle);
        EXPECT_EQ(screen.btn_Next.ToolTip(), e.confirmTip);
        if (screen.btn_Previous) {
            EXPECT_EQ(screen.btn_Previous->button_type(), e.closeWord);
        }
    });
    Open(e.step, true, [&](StepScreen& screen) {
        EXPECT_EQ(screen.lbl_Title.Caption(), e.titleWizard);
        EXPECT_TRUE(screen.btn_Close.Visible());
        if (screen.btn_Previous) {
            EXPECT_EQ(screen.btn_Previous->button_type(), "previous");
        }
    });
}

INSTANTIATE_TEST_SUITE_P(AllSteps, StepTextsTest, ::testing::ValuesIn(kExpected),
                         [](const ::testing::TestParamInfo<ExpectedStep>& expected) {
                             return "Step" + std::to_string(expected.param.step);
                         });

}  // namespace
}  // namespace decalia
