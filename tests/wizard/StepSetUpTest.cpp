// The set-up of each showing: the Next rule and the fields filled from the job.

#include "WizardFixture.h"

namespace decalia {
namespace {

TEST_F(WizardTest, AircraftStepFromTheMainWindowShowsNextAndTheTopRightClose) {
    Open(1, false, [&](StepScreen& screen) {
        EXPECT_TRUE(screen.btn_Next.Visible());
        EXPECT_TRUE(screen.btn_Close.Visible());
    });
}

// The job values that let each step offer Next at once.
struct NextRuleCase {
    int step;
    std::string RepaintJob::*confirmed;
};

class NextRuleTest : public WizardTest, public ::testing::WithParamInterface<NextRuleCase> {
protected:
    std::string NextStateWith(const std::string& confirmedValue) {
        app.job.*GetParam().confirmed = confirmedValue;
        std::string state;
        Open(GetParam().step, true, [&](StepScreen& screen) { state = screen.btn_Next.state(); });
        return state;
    }
};

TEST_P(NextRuleTest, NextIsOfferedOnlyForANonBlankConfirmedValue) {
    // The tail number box has no prompt: make it show the empty step value
    // already, so that the set-up changes nothing in it.
    app.frm_TailNumber.txt_TailNumber.SetText("");
    EXPECT_EQ(NextStateWith(""), "disabled");
    EXPECT_EQ(NextStateWith("   "), "disabled");
    EXPECT_EQ(NextStateWith(" x "), "enabled");
    EXPECT_EQ(NextStateWith(""), "disabled");
}

INSTANTIATE_TEST_SUITE_P(TextAndTemplateSteps, NextRuleTest,
                         ::testing::Values(NextRuleCase{2, &RepaintJob::TemplateName},
                                           NextRuleCase{3, &RepaintJob::Variation},
                                           NextRuleCase{4, &RepaintJob::FolderExtension},
                                           NextRuleCase{5, &RepaintJob::TailNumber}),
                         [](const ::testing::TestParamInfo<NextRuleCase>& rule) {
                             return "Step" + std::to_string(rule.param.step);
                         });

TEST_F(WizardTest, VariationStepShowsTheAircraftAndTheEditedVariation) {
    app.configuration.Manufacturer = "  Kestrelworks ";
    app.configuration.AircraftType = " KW-200  ";
    app.job.StepVariation = " Blue Livery ";
    Open(3, false, [&](StepScreen& screen) {
        EXPECT_EQ(app.frm_Variation.lbl_CurrentManufacturer.Caption(), "Kestrelworks");
        EXPECT_EQ(app.frm_Variation.lbl_CurrentType.Caption(), "KW-200");
        EXPECT_EQ(app.frm_Variation.txt_Variation.Text(), " Blue Livery ");
        // A new text in the box is a change: Next is offered.
        EXPECT_EQ(screen.btn_Next.state(), "enabled");
    });
    EXPECT_EQ(app.job.StepVariation, " Blue Livery ");
}

TEST_F(WizardTest, ABlankStepValueBringsBackThePromptAsAChange) {
    Open(3, false, [&](StepScreen&) { TypeOver(app.frm_Variation.txt_Variation, " "); });
    ASSERT_EQ(app.frm_Variation.txt_Variation.Text(), " ");
    Open(3, false, [&](StepScreen& screen) {
        EXPECT_EQ(app.frm_Variation.txt_Variation.Text(), "Enter Aircraft Variation");
        EXPECT_EQ(screen.btn_Next.state(), "enabled");
    });
    EXPECT_EQ(app.job.StepVariation, "Enter Aircraft Variation");
}

TEST_F(WizardTest, TailNumberStepHasNoPromptAndShowsTheConfirmedTailAsItIs) {
    app.job.TailNumber = " N1 ";
    app.job.StepTailNumber = "";
    Open(5, false, [&](StepScreen&) {
        EXPECT_EQ(app.frm_TailNumber.lbl_CurrentTailNumber.Caption(), " N1 ");
        EXPECT_EQ(app.frm_TailNumber.txt_TailNumber.Text(), "");
    });
}

TEST_F(WizardTest, TextPutIntoABoxEqualToWhatItShowsChangesNothing) {
    app.job.StepFolderExtension = "KW";
    Open(4, false);
    app.frm_Folder.lbl_Example.SetCaption("untouched");
    Open(4, false, [&](StepScreen& screen) {
        EXPECT_EQ(screen.btn_Next.state(), "disabled");
        EXPECT_EQ(app.frm_Folder.lbl_Example.Caption(), "untouched");
    });
    EXPECT_EQ(app.job.StepFolderExtension, "KW");
}

}  // namespace
}  // namespace decalia
