// What each step's input does while its screen is shown: activation, clicks,
// the aircraft list's double-click and the Enter key.

#include "WizardFixture.h"
#include "wizard/StepInputs.h"

namespace decalia {
namespace {

constexpr int kEnter = 13;

TEST_F(WizardTest, StepOneWithoutAircraftSaysSoAndCloses) {
    app.frm_SelectAircraft.lst_SelectAircraft.Clear();
    for (bool wizard : {false, true}) ShowAircraftStep(app, wizard);
    ASSERT_EQ(desktop.MessageBoxes().size(), 2u);
    EXPECT_EQ(desktop.MessageBoxes()[0].text, kNoAircraftMessage);
    EXPECT_EQ(desktop.MessageBoxes()[0].caption, "Decalia");
    EXPECT_FALSE(app.frm_SelectAircraft.IsLoaded());
    EXPECT_TRUE(confirmed.empty());
}

TEST_F(WizardTest, StepOneSelectsTheAircraftChosenBeforeWhateverItsCaseAndBlanks) {
    forms::ListBox& list = app.frm_SelectAircraft.lst_SelectAircraft;
    list.AddItem("Kestrelworks Osprey");
    list.AddItem("Kestrelworks Heron");
    app.job.AircraftName = "  KESTRELWORKS heron ";
    Open(1, true, [&](StepScreen& screen) {
        EXPECT_EQ(list.ListIndex(), 2);
        EXPECT_EQ(screen.btn_Next.state(), "enabled");
        EXPECT_TRUE(list.HasFocus());
    });
    app.job.AircraftName = "gone";
    Open(1, false, [&](StepScreen&) { EXPECT_EQ(list.ListIndex(), 0); });
}

TEST_F(WizardTest, StepTwoConfirmsOnEnterOnlyOnceATemplateWasChosen) {
    Open(2, true, [&](StepScreen& screen) {
        screen.btn_Close.SetFocus();
        desktop.PressKey(app.runtime, kEnter);
        EXPECT_TRUE(confirmed.empty());
        app.job.StepTemplateName = " Livery.bmp ";
        desktop.PressKey(app.runtime, kEnter);
    });
    EXPECT_EQ(confirmed, std::vector<int>{2});
}

// The three text boxes behave alike.
struct TextBoxCase {
    int step;
    forms::TextBox& (*box)(Application&);
};

class TextBoxInputTest : public WizardTest, public ::testing::WithParamInterface<TextBoxCase> {
protected:
    forms::TextBox& Box() { return GetParam().box(app); }
};

TEST_P(TextBoxInputTest, ActivationAndClickSelectTheTrimmedLengthFromTheStart) {
    Open(GetParam().step, false, [&](StepScreen&) {
        forms::TextBox& box = Box();
        EXPECT_TRUE(box.HasFocus());
        box.SetText("  N1 ");
        box.SetSelStart(3);
        box.SetSelLength(0);
        desktop.Click(box);
        EXPECT_EQ(box.SelStart(), 0);
        EXPECT_EQ(box.SelLength(), 2);
        EXPECT_EQ(box.SelText(), "  ");
    });
}

INSTANTIATE_TEST_SUITE_P(
    Steps3To5, TextBoxInputTest,
    ::testing::Values(
        TextBoxCase{3, [](Application& a) -> forms::TextBox& { return a.frm_Variation.txt_Variation; }},
        TextBoxCase{4, [](Application& a) -> forms::TextBox& { return a.frm_Folder.txt_Folder; }},
        TextBoxCase{5, [](Application& a) -> forms::TextBox& { return a.frm_TailNumber.txt_TailNumber; }}),
    [](const ::testing::TestParamInfo<TextBoxCase>& box) {
        return "Step" + std::to_string(box.param.step);
    });

// Activation of step 6 for a confirmed callsign: what the label says, which
// line is chosen, and what the step value follows.
struct CallsignCase {
    const char* confirmed;
    const char* label;
    const char* chosen;
    int lines;  // the airline list has four and "*NONE*"
};

class CallsignActivationTest : public WizardTest,
                               public ::testing::WithParamInterface<CallsignCase> {};

TEST_P(CallsignActivationTest, ChoosesTheMatchingLineOrAppendsTheCallsign) {
    forms::ComboBox& list = app.frm_Callsign.lst_Callsign;
    for (const char* line : {"*NONE*", "ALPINE", "BOREAL", "NORTH, SOUTH", "KESTREL"}) list.AddItem(line);
    list.SetListIndex(3);
    app.job.Callsign = GetParam().confirmed;
    Open(6, false, [&](StepScreen& screen) {
        EXPECT_EQ(app.frm_Callsign.lbl_CurrentCallsign.Caption(), GetParam().label);
        EXPECT_EQ(list.Text(), GetParam().chosen);
        EXPECT_EQ(app.job.StepCallsign, GetParam().chosen);
        EXPECT_EQ(list.ListCount(), GetParam().lines);
        EXPECT_EQ(screen.btn_Next.state(), "enabled");
        EXPECT_TRUE(list.HasFocus());
        desktop.PressKey(app.runtime, kEnter);
    });
    EXPECT_EQ(confirmed, std::vector<int>{6});
}

INSTANTIATE_TEST_SUITE_P(
    Callsigns, CallsignActivationTest,
    ::testing::Values(CallsignCase{"", "NONE", "*NONE*", 5},
                      CallsignCase{" *none* ", "NONE", "*NONE*", 5},
                      CallsignCase{"kestrel ", "kestrel ", "KESTREL", 5},
                      CallsignCase{" falcon ", " falcon ", "FALCON", 6}));

}  // namespace
}  // namespace decalia
