#include "UiFixture.h"

#include "ui/SmartSubClass.h"
#include "ui/cls_Tooltip.h"

#include "platform/win/WindowSystem.h"

namespace uitest {
namespace {

// Stands in for the program's dispatch: the released look, and the command
// words it was asked to run.
class RecordingDispatch : public ui::CommandDispatch {
public:
    void ButtonReleased(ui::SkinnedButton& button) override {
        if (button.state() == "disabled") {
            return;
        }
        button.SetState("highlight");
        commands.push_back(button.button_type());
    }
    std::vector<std::string> commands;
};

class SkinnedButtonTest : public UiTest {
protected:
    SkinnedButtonTest() {
        WriteStrip("Close", ui::ButtonKind::Tiny);
        WriteStrip("Wizard", ui::ButtonKind::Large);
    }
    void ShowForm() {
        form.Show();
        for (ui::SkinnedButton* button : {static_cast<ui::SkinnedButton*>(&form.btn_Close),
                                          static_cast<ui::SkinnedButton*>(&form.btn_Wizard)}) {
            button->SetButtonType(button == &form.btn_Close ? "close" : "wizard");
            button->SetFormName(&form);
            button->SetPicture(button == &form.btn_Close ? "Close" : "Wizard");
            button->SetState("enabled");
            button->SetToolTip("Click to Exit from Decalia.");
        }
    }
    double StripTop(const ui::SkinnedButton& button) const { return button.Strip().Top(); }

    ButtonForm form{runtime, toolkit};
};

// The strip's frame decides the size: neither the density nor a resize changes it.
TEST_F(SkinnedButtonTest, ButtonsKeepTheirFramesPixelSizeAtAnyDensityAndSize) {
    for (const int dpi : {96, 120, 144}) {
        desktop.SetDotsPerInch(dpi);
        ButtonForm other(runtime, toolkit);
        other.Show();
        other.btn_Close.SetWidth(80);
        other.btn_Wizard.Move(0, 0, 10, 10);
        for (ui::SkinnedButton* button : {static_cast<ui::SkinnedButton*>(&other.btn_Close),
                                          static_cast<ui::SkinnedButton*>(&other.btn_Wizard)}) {
            EXPECT_EQ(button->PixelWidth(), ui::SkinnedButton::FrameWidth(button->SkinKind()));
            EXPECT_EQ(button->PixelHeight(), ui::SkinnedButton::FrameHeight(button->SkinKind()));
        }
        other.Unload();
    }
}

TEST_F(SkinnedButtonTest, StateMovesTheStripToItsFrame) {
    ShowForm();
    const std::vector<std::pair<std::string, double>> frames = {
        {"highlight", -35}, {"down", -70}, {"disabled", -105}, {"enabled", 0}};
    for (const auto& [state, top] : frames) {
        form.btn_Close.SetState(state);
        EXPECT_EQ(StripTop(form.btn_Close), top) << state;
        EXPECT_EQ(form.btn_Close.Strip().Left(), 0);
    }
    form.btn_Wizard.SetState("disabled");
    EXPECT_EQ(StripTop(form.btn_Wizard), -150);
    form.btn_Wizard.SetState("down");
    EXPECT_EQ(StripTop(form.btn_Wizard), -100);
}

TEST_F(SkinnedButtonTest, UnknownOrCapitalisedStateIsStoredWithoutMovingTheStrip) {
    ShowForm();
    form.btn_Close.SetState("down");
    form.btn_Close.SetState("Enabled");
    EXPECT_EQ(form.btn_Close.state(), "Enabled");
    EXPECT_EQ(StripTop(form.btn_Close), -70);
    // Not "disabled", so the pointer still drives it.
    desktop.MoveOver(form.btn_Close);
    EXPECT_EQ(form.btn_Close.state(), "highlight");
}

TEST_F(SkinnedButtonTest, PictureLoadsTheTrimmedNameAndKeepsTheOldImageOnFailure) {
    ShowForm();
    form.btn_Close.SetPicture("  Close  ");
    EXPECT_EQ(form.btn_Close.picture(), "  Close  ");
    ASSERT_TRUE(form.btn_Close.Strip().Picture());
    EXPECT_EQ(form.btn_Close.Strip().Picture().Height(), 140);
    const forms::Picture before = form.btn_Close.Strip().Picture();
    form.btn_Close.SetPicture("Missing");
    EXPECT_EQ(form.btn_Close.picture(), "Missing");
    EXPECT_EQ(form.btn_Close.Strip().Picture(), before);
}

TEST_F(SkinnedButtonTest, PointerOverPressReleaseAndLeave) {
    RecordingDispatch dispatch;
    toolkit.dispatch = &dispatch;
    ShowForm();
    ui::TinyButton& button = form.btn_Close;

    desktop.MoveOver(button);
    EXPECT_EQ(button.state(), "highlight");
    EXPECT_TRUE(button.PointerInside());
    desktop.Press(button);
    EXPECT_EQ(button.state(), "down");
    // Further moves keep the pressed look.
    desktop.MoveOver(button, win::POINT{3, 3}, win::Modifiers{});
    EXPECT_EQ(button.state(), "down");
    EXPECT_EQ(StripTop(button), -70);
    desktop.Release(button);
    EXPECT_EQ(button.state(), "highlight");
    EXPECT_EQ(dispatch.commands, std::vector<std::string>{"close"});

    desktop.MoveOver(form.lbl_Status);
    EXPECT_EQ(button.state(), "enabled");
    EXPECT_FALSE(button.PointerInside());
    EXPECT_EQ(StripTop(button), 0);

    desktop.MoveOver(button);
    desktop.Press(button, win::MouseButton::Right);
    EXPECT_EQ(button.state(), "down") << "the right button presses too";
}

TEST_F(SkinnedButtonTest, ReleasedElsewhereStillRunsTheCommand) {
    RecordingDispatch dispatch;
    toolkit.dispatch = &dispatch;
    ShowForm();
    ui::TinyButton& button = form.btn_Close;
    desktop.MoveOver(button);
    desktop.Press(button);
    desktop.MoveOver(form.lbl_Status);
    EXPECT_EQ(button.state(), "enabled");
    desktop.Release(form.lbl_Status);
    EXPECT_EQ(button.state(), "highlight");
    EXPECT_EQ(dispatch.commands, std::vector<std::string>{"close"});
}

TEST_F(SkinnedButtonTest, WithoutADispatchAReleaseOnlyHighlights) {
    ShowForm();
    desktop.Click(form.btn_Wizard);
    EXPECT_EQ(form.btn_Wizard.state(), "highlight");
    form.btn_Wizard.SetState("disabled");
    desktop.Click(form.btn_Wizard);
    EXPECT_EQ(form.btn_Wizard.state(), "disabled");
}

TEST_F(SkinnedButtonTest, DoubleClickIsOneMorePressAndRunsTheCommandTwice) {
    RecordingDispatch dispatch;
    toolkit.dispatch = &dispatch;
    ShowForm();
    desktop.DoubleClick(form.btn_Close);
    EXPECT_EQ(dispatch.commands, (std::vector<std::string>{"close", "close"}));
    EXPECT_EQ(form.btn_Close.state(), "highlight");
}

TEST_F(SkinnedButtonTest, DisabledButtonIgnoresThePointerButRemembersItWasOver) {
    RecordingDispatch dispatch;
    toolkit.dispatch = &dispatch;
    ShowForm();
    ui::TinyButton& button = form.btn_Close;
    button.SetState("disabled");
    desktop.MoveOver(button);
    desktop.Press(button);
    desktop.Release(button);
    EXPECT_EQ(button.state(), "disabled");
    EXPECT_EQ(StripTop(button), -105);
    EXPECT_TRUE(dispatch.commands.empty());

    // Enabled under the pointer: no highlight until the pointer left once.
    button.SetState("enabled");
    desktop.MoveOver(button, win::POINT{5, 5}, win::Modifiers{});
    EXPECT_EQ(button.state(), "enabled");
    desktop.MoveOver(form.lbl_Status);
    desktop.MoveOver(button);
    EXPECT_EQ(button.state(), "highlight");
}

TEST_F(SkinnedButtonTest, LeavingADisabledButtonClearsTheFlagOnly) {
    ShowForm();
    form.btn_Close.SetState("disabled");
    desktop.MoveOver(form.btn_Close);
    desktop.Leave(runtime);
    EXPECT_FALSE(form.btn_Close.PointerInside());
    EXPECT_EQ(form.btn_Close.state(), "disabled");
}

TEST_F(SkinnedButtonTest, ClickEventGivesThePressedLookWithoutACommand) {
    RecordingDispatch dispatch;
    toolkit.dispatch = &dispatch;
    ShowForm();
    form.btn_Close.click_event();
    EXPECT_EQ(form.btn_Close.state(), "down");
    EXPECT_TRUE(dispatch.commands.empty());
    form.btn_Close.SetState("disabled");
    form.btn_Close.click_event();
    EXPECT_EQ(form.btn_Close.state(), "disabled");
}

TEST_F(SkinnedButtonTest, ANewToolTipReplacesTheOldWindowAndShowsOverTheStrip) {
    ShowForm();
    win::WindowSystem& windows = runtime.Windows();
    const win::HWND first = form.btn_Close.Tooltip()->hWnd();
    form.btn_Close.SetToolTip("Click to access the Help document for Decalia.");
    const win::HWND second = form.btn_Close.Tooltip()->hWnd();
    EXPECT_FALSE(windows.IsWindow(first));
    ASSERT_TRUE(windows.IsWindow(second));
    EXPECT_EQ(windows.GetParent(second), form.btn_Close.hWnd());

    const win::TooltipState* tip = windows.Tooltip(second);
    ASSERT_NE(tip, nullptr);
    ASSERT_EQ(tip->tools.size(), 1u);
    EXPECT_EQ(tip->tools[0].toolWindow, form.btn_Close.Strip().hWnd());
    ASSERT_TRUE(tip->font);
    desktop.MoveOver(form.btn_Close);
    const auto shown = desktop.ShownTooltip(second);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->text, "Click to access the Help document for Decalia.");
}

TEST_F(SkinnedButtonTest, EndSubClassStopsTheLeaveAndRemovesTheTooltip) {
    ShowForm();
    win::WindowSystem& windows = runtime.Windows();
    const win::HWND strip = form.btn_Close.Strip().hWnd();
    const win::HWND tip = form.btn_Close.Tooltip()->hWnd();
    EXPECT_NE(windows.GetPropA(strip, ui::kObjectProperty), 0);

    form.btn_Close.end_sub_class();
    EXPECT_FALSE(windows.IsWindow(tip));
    EXPECT_EQ(windows.GetPropA(strip, ui::kOldProcProperty), 0);
    EXPECT_EQ(windows.GetPropA(strip, ui::kObjectProperty), 0);
    // The leave no longer reaches the button.
    desktop.MoveOver(form.btn_Close);
    desktop.MoveOver(form.lbl_Status);
    EXPECT_EQ(form.btn_Close.state(), "highlight");
    // Twice is harmless.
    form.btn_Close.end_sub_class();
}

TEST_F(SkinnedButtonTest, AReloadedFormInterceptsTheNewStripWindow) {
    ShowForm();
    ASSERT_TRUE(form.Unload());
    form.Show();
    form.btn_Close.SetState("enabled");
    desktop.MoveOver(form.btn_Close);
    desktop.MoveOver(form.lbl_Status);
    EXPECT_EQ(form.btn_Close.state(), "enabled");
    EXPECT_FALSE(form.btn_Close.PointerInside());
}

}  // namespace
}  // namespace uitest
