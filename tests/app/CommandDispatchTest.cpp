// What a button release runs: the order of the tests, the case rules, the
// kinds, and the confirm actions' edge cases, on small test configurations.

#include "ProgramFixture.h"

#include "ui/TinyButton.h"

namespace decalia {
namespace {

class DispatchTest : public ProgramTest {
protected:
    Application& StartWithTwoAircraft() {
        install.AddConfiguration("a_kite", testsupport::Installation::ConfigurationIni("Kite", "N1"));
        install.AddConfiguration("b_osprey", testsupport::Installation::ConfigurationIni("Osprey"));
        return Start();
    }
    // Step 1 from the main window, confirming the line it selects.
    void ChooseFirstAircraft() {
        desktop.OnModal("frm_SelectAircraft", [&](forms::Form&) {
            desktop.Click(app->frm_SelectAircraft.btn_Next);
        });
        desktop.Click(app->frm_Main.btn_SelectAircraft);
    }
    // A tiny button of a window of its own, for names the program does not use.
    ui::TinyButton& ButtonOn(forms::Form& window, const char* word) {
        auto& button = window.Add<ui::TinyButton>("btn_Test", nullptr, app->toolkit);
        window.SetScaleMode(forms::ScaleMode::Pixels);
        window.Show();
        button.SetButtonType(word);
        button.SetFormName(&window);
        button.SetPicture("Help");
        button.SetState("enabled");
        return button;
    }
};

TEST_F(DispatchTest, CommandWordsIgnoreCaseButWindowNamesDoNot) {
    Application& a = Start();
    a.frm_Main.btn_Help.SetButtonType("HeLP");
    desktop.Click(a.frm_Main.btn_Help);
    EXPECT_EQ(desktop.ShellOpens().size(), 1u);

    forms::Form other(a.runtime, "FRM_MAIN");
    ui::TinyButton& button = ButtonOn(other, "help");
    desktop.Click(button);
    EXPECT_EQ(button.state(), "highlight");
    EXPECT_EQ(desktop.ShellOpens().size(), 1u);
}

TEST_F(DispatchTest, ADisabledButtonDoesNothingNotEvenHighlight) {
    Application& a = Start();
    desktop.Click(a.frm_Main.btn_CreateAircraft);
    EXPECT_EQ(a.frm_Main.btn_CreateAircraft.state(), "disabled");
    EXPECT_TRUE(desktop.MessageBoxes().empty());
}

TEST_F(DispatchTest, EachKindCarriesOnlyItsOwnWords) {
    Application& a = Start();
    a.frm_Main.btn_Help.SetButtonType("wizard");
    desktop.Click(a.frm_Main.btn_Help);
    a.frm_Main.btn_Wizard.SetButtonType("close");
    desktop.Click(a.frm_Main.btn_Wizard);
    EXPECT_EQ(a.frm_Main.btn_Wizard.state(), "highlight");
    EXPECT_FALSE(desktop.ExitCode());
    EXPECT_FALSE(a.WizardMode);
}

TEST_F(DispatchTest, AButtonWithoutAWindowOnlyHighlights) {
    Application& a = Start();
    forms::Form other(a.runtime, "frm_Main");
    ui::TinyButton& button = ButtonOn(other, "help");
    button.SetFormName(nullptr);
    desktop.Click(button);
    EXPECT_EQ(button.state(), "highlight");
    EXPECT_FALSE(button.PointerInside());
    EXPECT_TRUE(desktop.ShellOpens().empty());
}

TEST_F(DispatchTest, CloseOnTheMainWindowEndsTheProgram) {
    Application& a = Start();
    EXPECT_THROW(desktop.Click(a.frm_Main.btn_Close), win::ProcessEnded);
    EXPECT_TRUE(desktop.ExitCode());
}

TEST_F(DispatchTest, TwoAircraftOfOneNameAreReadInTurnAndTheLastStaysChosen) {
    install.AddConfiguration("a", testsupport::Installation::ConfigurationIni("Kite", "N1"));
    install.AddConfiguration("b", testsupport::Installation::ConfigurationIni("KITE", "N2"));
    Application& a = Start();
    ChooseFirstAircraft();
    EXPECT_EQ(a.job.AircraftIndex, 1);
    EXPECT_EQ(a.job.TailNumber, "N2");
    EXPECT_EQ(a.frm_Main.lbl_CurrentAircraft.Caption(), "KITE");
    EXPECT_EQ(desktop.Sounds().size(), 2u);
}

TEST_F(DispatchTest, AnEmptyVariationIsStoredAndTheStepCountsAsDone) {
    Application& a = StartWithTwoAircraft();
    ChooseFirstAircraft();
    desktop.OnModal("frm_Variation", [&](forms::Form&) {
        forms::TextBox& box = a.frm_Variation.txt_Variation;
        box.SetSelStart(0);
        box.SetSelLength(static_cast<int>(box.Text().size()));
        desktop.PressKey(a.runtime, 8);
        desktop.Click(a.frm_Variation.btn_Next);
    });
    desktop.Click(a.frm_Main.btn_Variation);
    EXPECT_EQ(a.job.Variation, "");
    EXPECT_EQ(a.frm_Main.btn_Variation.picture(), kStepDone);
    EXPECT_EQ(a.frm_Main.lbl_CurrentVariation.Caption(), "");
}

TEST_F(DispatchTest, PreviousOnStepTwoGoesBackWithoutTouchingTheTemplate) {
    Application& a = StartWithTwoAircraft();
    desktop.OnModal("frm_SelectAircraft", [&](forms::Form&) {
        desktop.Click(a.frm_SelectAircraft.btn_Next);
    });
    desktop.OnModal("frm_SelectTemplate", [&](forms::Form&) {
        desktop.AnswerOpenFile((install.AppDir() / "Templates" / "Livery.bmp").string());
        desktop.Click(a.frm_SelectTemplate.btn_Select);
        desktop.Click(*a.frm_SelectTemplate.btn_Previous);
    });
    desktop.OnModal("frm_SelectAircraft", [&](forms::Form&) {
        EXPECT_TRUE(a.WizardMode);
        desktop.Click(a.frm_SelectAircraft.btn_Close);
    });
    desktop.Click(a.frm_Main.btn_Wizard);
    EXPECT_FALSE(a.WizardMode);
    EXPECT_EQ(a.job.StepTemplateName, "Livery.bmp");
    EXPECT_EQ(a.job.TemplateName, "");
    EXPECT_EQ(a.frm_Main.btn_SelectTemplate.picture(), kStepOpen);
    EXPECT_FALSE(a.TemplateLoaded);
}

}  // namespace
}  // namespace decalia
