// Editing the text boxes of steps 3 to 5 keeps the step values current.

#include "WizardFixture.h"

namespace decalia {
namespace {

constexpr int kBackspace = 8;

TEST_F(WizardTest, TypingAFolderShowsTheTrimmedExampleAfterEachKey) {
    Open(4, false, [&](StepScreen& screen) {
        forms::TextBox& box = app.frm_Folder.txt_Folder;
        TypeOver(box, " K");
        EXPECT_EQ(app.frm_Folder.lbl_Example.Caption(), "Texture.K");
        EXPECT_EQ(screen.btn_Next.state(), "enabled");
        desktop.Type(box, "W ");
        EXPECT_EQ(app.frm_Folder.lbl_Example.Caption(), "Texture.KW");
    });
    EXPECT_EQ(app.job.StepFolderExtension, " KW ");
    // Only the confirm takes the job value.
    EXPECT_EQ(app.job.FolderExtension, "");
}

TEST_F(WizardTest, TheStepValueKeepsTheTextAsTypedAndEmptyTextStillOffersNext) {
    Open(3, true, [&](StepScreen& screen) {
        forms::TextBox& box = app.frm_Variation.txt_Variation;
        TypeOver(box, "  Blue ");
        EXPECT_EQ(app.job.StepVariation, "  Blue ");
        screen.btn_Next.SetState("disabled");
        box.SetSelStart(0);
        box.SetSelLength(static_cast<int>(box.Text().size()));
        desktop.PressKey(app.runtime, kBackspace);
        EXPECT_EQ(box.Text(), "");
        EXPECT_EQ(app.job.StepVariation, "");
        EXPECT_EQ(screen.btn_Next.state(), "enabled");
    });
}

TEST_F(WizardTest, AChangeMadeByTheProgramCountsAsAnEdit) {
    app.frm_TailNumber.txt_TailNumber.SetText("N77");
    EXPECT_EQ(app.job.StepTailNumber, "N77");
    EXPECT_EQ(app.frm_TailNumber.btn_Next.state(), "enabled");
    // The same text again is no change.
    app.job.StepTailNumber = "other";
    app.frm_TailNumber.txt_TailNumber.SetText("N77");
    EXPECT_EQ(app.job.StepTailNumber, "other");
}

}  // namespace
}  // namespace decalia
