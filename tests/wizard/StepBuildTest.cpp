// The build of a step screen when it is first loaded: skin, colours, buttons,
// the missing-media end, and dragging.

#include <string>

#include "WizardFixture.h"
#include "appstate/Layout.h"
#include "platform/gdi/Region.h"
#include "support/TempDir.h"

namespace decalia {
namespace {

TEST_F(WizardTest, TheBuildGivesTheScreenItsSkin) {
    Open(4, false, [&](StepScreen& screen) {
        EXPECT_DOUBLE_EQ(screen.WidthTwips(), 6000);
        EXPECT_DOUBLE_EQ(screen.HeightTwips(), 4500);
        EXPECT_TRUE(screen.MouseIcon());
        EXPECT_EQ(screen.Picture().Width(), 400);
        EXPECT_EQ(screen.Picture().Height(), 300);
        const win::HRGN outline = app.runtime.Windows().WindowRegion(screen.hWnd());
        EXPECT_TRUE(win::PtInRegion(outline, 200, 150));
        EXPECT_FALSE(win::PtInRegion(outline, 0, 0));
    });
    EXPECT_TRUE(app.Loaded(Window::Folder));
    EXPECT_FALSE(app.Loaded(Window::TailNumber));
    EXPECT_NE(app.TransForm(Window::Folder), nullptr);
}

TEST_F(WizardTest, TheBuildColoursControlsByKindAndHighlightsTheValues) {
    for (int step : {1, 5, 6}) Open(step, false);
    // On the step screens list boxes take the highlight, combo boxes the label
    // colour; labels turn transparent and text boxes keep their own colours.
    EXPECT_EQ(app.frm_SelectAircraft.lst_SelectAircraft.ForeColor(), kHighlightedText);
    EXPECT_EQ(app.frm_SelectAircraft.lst_SelectAircraft.BackColor(), kListBackground);
    EXPECT_EQ(app.frm_Callsign.lst_Callsign.ForeColor(), kLabelText);
    EXPECT_EQ(app.frm_TailNumber.txt_TailNumber.BackColor(), win::RGB(255, 255, 255));
    EXPECT_EQ(app.frm_TailNumber.Label1.BackStyle(), 0);
    EXPECT_EQ(app.frm_TailNumber.lbl_CurrentTailNumber.ForeColor(), kHighlightedText);
}

TEST_F(WizardTest, AScreenIsBuiltOnceAndKeepsItsContentsBetweenShowings) {
    Open(3, false, [&](StepScreen&) { TypeOver(app.frm_Variation.txt_Variation, "Red"); });
    const ui::clsTransForm* shape = app.TransForm(Window::Variation).get();
    app.frm_Variation.Label1.SetForeColor(win::RGB(1, 2, 3));
    app.job.StepVariation = "Red";
    Open(3, true, [&](StepScreen&) {
        EXPECT_EQ(app.frm_Variation.txt_Variation.Text(), "Red");
        EXPECT_EQ(app.frm_Variation.Label1.ForeColor(), win::RGB(1, 2, 3));
    });
    EXPECT_EQ(app.TransForm(Window::Variation).get(), shape);
}

TEST_F(WizardTest, AnUnloadedScreenIsBuiltAgainWhenItOpensNext) {
    // As step 1 does when there are no aircraft: the screen goes, its flag stays.
    desktop.OnModal("frm_SelectAircraft", [](forms::Form& screen) { screen.Unload(); });
    ShowAircraftStep(app, true);
    ASSERT_FALSE(app.frm_SelectAircraft.IsLoaded());
    const ui::clsTransForm* first = app.TransForm(Window::SelectAircraft).get();

    Open(1, false, [&](StepScreen& screen) {
        EXPECT_EQ(screen.lbl_Title.Caption(), "Select Aircraft to Repaint");
        EXPECT_EQ(screen.btn_Next.ToolTip(),
                  "Click to select the highlighted aircraft and close the Select Aircraft Repaint "
                  "Decalia Screen.");
        EXPECT_NE(app.runtime.Windows().WindowRegion(screen.hWnd()), win::HRGN{});
    });
    EXPECT_NE(app.TransForm(Window::SelectAircraft).get(), first);
}

TEST_F(WizardTest, OnlyALeftButtonDragMovesTheScreenAndEveryReleaseRestoresThePointer) {
    desktop.SetMoveOffset(25, -10);
    Open(5, true, [&](StepScreen& screen) {
        const double left = screen.LeftTwips(), top = screen.TopTwips();
        desktop.Press(screen, win::MouseButton::Right, win::POINT{200, 30});
        EXPECT_EQ(screen.MousePointer(), forms::vbDefault);
        desktop.MoveOver(screen, win::POINT{205, 32});
        desktop.Release(screen, win::MouseButton::Right, win::POINT{205, 32});
        EXPECT_EQ(desktop.MoveLoops(), 0);

        desktop.Press(screen, win::MouseButton::Left, win::POINT{200, 30});
        EXPECT_EQ(screen.MousePointer(), forms::vbCustom);
        desktop.Release(screen, win::MouseButton::Left, win::POINT{200, 30});
        EXPECT_EQ(screen.MousePointer(), forms::vbDefault) << "released without moving";

        desktop.Press(screen, win::MouseButton::Left, win::POINT{200, 30});
        desktop.MoveOver(screen, win::POINT{205, 32});
        EXPECT_EQ(desktop.MoveLoops(), 1);
        EXPECT_DOUBLE_EQ(screen.LeftTwips(), left + 25 * 15);
        EXPECT_DOUBLE_EQ(screen.TopTwips(), top - 10 * 15);
        // The user let go inside the move loop, which keeps the release to itself.
        EXPECT_EQ(screen.MousePointer(), forms::vbDefault);
        EXPECT_FALSE(app.runtime.Windows().ButtonDown(win::MouseButton::Left));
    });
}

TEST_F(WizardTest, OnALargeFontScreenTheLayoutIsRescaledBeforeTheSkinIsApplied) {
    desktop.SetDotsPerInch(120);
    Open(3, false, [&](StepScreen& screen) {
        EXPECT_FLOAT_EQ(static_cast<float>(screen.lbl_Title.FontSize()), 7.8f);
        EXPECT_DOUBLE_EQ(screen.lbl_Title.LeftTwips(), 20 * 15 * 0.8);
        EXPECT_DOUBLE_EQ(screen.WidthTwips(), 6000);
        EXPECT_DOUBLE_EQ(screen.btn_Close.Left(), 360);
    });
    EXPECT_FLOAT_EQ(app.fontScale.FontScaleFactor, 0.8f);
}

// A skin file that cannot be read ends the program with the reinstall
// message, whichever screen is being built.
struct MissingMediaCase {
    int step;
    const char* file;
    bool corrupt;  // present but unreadable, rather than missing
};

class MissingMediaTest : public WizardTest, public ::testing::WithParamInterface<MissingMediaCase> {};

TEST_P(MissingMediaTest, TheUserIsToldToReinstallAndTheProgramEnds) {
    const MissingMediaCase& c = GetParam();
    if (c.corrupt)
        testsupport::WriteFile(install.MediaDir() / c.file, "not a skin file");
    else
        install.RemoveMedia(c.file);

    EXPECT_TRUE(OpenEndsTheProgram(c.step));
    ASSERT_EQ(desktop.MessageBoxes().size(), 1u);
    EXPECT_EQ(desktop.MessageBoxes()[0].text, "Media files are missing. Please reinstall Decalia.");
    EXPECT_EQ(desktop.MessageBoxes()[0].caption, "Decalia");
    EXPECT_TRUE(desktop.ExitCode().has_value());
    EXPECT_TRUE(desktop.ShownForms().empty());
}

INSTANTIATE_TEST_SUITE_P(
    SkinFiles, MissingMediaTest,
    ::testing::Values(MissingMediaCase{1, "WizardRegion.dat", false},
                      MissingMediaCase{4, "Wizard_Background.bmp", false},
                      MissingMediaCase{5, "HMOVE.cur", true},
                      MissingMediaCase{6, "WizardRegion.dat", true}),
    [](const ::testing::TestParamInfo<MissingMediaCase>& skin) {
        std::string name = "Step" + std::to_string(skin.param.step) +
                           (skin.param.corrupt ? "Unreadable" : "Missing") + skin.param.file;
        std::erase_if(name, [](char c) { return c == '.' || c == '_'; });
        return name;
    });

}  // namespace
}  // namespace decalia
