#include "ProgramFixture.h"

#include "ui/SkinnedButton.h"

namespace decalia {
namespace {

std::vector<ui::SkinnedButton*> ButtonsOf(forms::Form& window) {
    std::vector<ui::SkinnedButton*> buttons;
    for (int i = 0; i < window.ControlCount(); ++i)
        if (auto* button = window.Controls(i).As<ui::SkinnedButton>()) buttons.push_back(button);
    return buttons;
}

TEST_F(ProgramTest, ShutdownEndsEveryInterceptionThenReleasesTheLoadedWindowsAndEnds) {
    Application& a = Start();
    ASSERT_TRUE(a.Loaded(Window::Main));
    ASSERT_FALSE(a.Loaded(Window::Variation));
    for (ui::SkinnedButton* button : ButtonsOf(a.frm_Main)) ASSERT_NE(button->Sniffer(), nullptr);

    EXPECT_THROW(ShutdownApplication(a), win::ProcessEnded);
    EXPECT_TRUE(desktop.ExitCode().has_value());
    for (Window window : {Window::Main, Window::SelectAircraft, Window::Callsign}) {
        ASSERT_TRUE(a.Loaded(window));
        for (ui::SkinnedButton* button : ButtonsOf(a.WindowOf(window))) {
            EXPECT_EQ(button->Sniffer(), nullptr) << button->Name();
            EXPECT_EQ(button->Tooltip(), nullptr) << button->Name();
        }
        EXPECT_FALSE(a.WindowOf(window).IsLoaded());
        EXPECT_EQ(a.TransForm(window), nullptr);
    }
    // A window never loaded is not touched, not even built.
    EXPECT_FALSE(a.Loaded(Window::Variation));
    EXPECT_FALSE(a.frm_Variation.IsLoaded());
}

}  // namespace
}  // namespace decalia
