// The headless desktop: what it records, how it answers, and how it fails.

#include "platform/desktop/HeadlessDesktop.h"
#include "platform/forms/Forms.h"

#include <gtest/gtest.h>

namespace forms = decalia::forms;
using decalia::desktop::HeadlessDesktop;
using decalia::desktop::ScriptError;

namespace {

class Screen : public forms::Form {
public:
    explicit Screen(forms::Runtime& runtime, std::string name) : Form(runtime, std::move(name)) {
        SetScaleMode(forms::ScaleMode::Pixels);
        btn_Next.Move(206, 253, 33, 35);
    }
    forms::PictureBox& btn_Next = Add<forms::PictureBox>("btn_Next");
};

class HeadlessTest : public ::testing::Test {
protected:
    HeadlessDesktop desktop;
    forms::Runtime runtime{desktop};
    win::WindowSystem& windows = runtime.Windows();
};

// What it records is read by every program test; here what those do not reach.
TEST_F(HeadlessTest, ShellAndSoundCanBeMadeToFail) {
    desktop.SetShellOpenSucceeds(false);
    desktop.SetSoundPlays(false);
    EXPECT_LE(windows.ShellExecuteA(0, "", "/app/Decalia.pdf", "", "", win::SW_SHOWNORMAL), 32);
    EXPECT_FALSE(windows.PlaySoundA("/app/Media/Next.wav", win::SND_FILENAME | win::SND_ASYNC));
}

TEST_F(HeadlessTest, AnUnscriptedFileDialogOrAnAbsurdDensityFails) {
    win::OpenFileRequest request;
    request.title = "Open";
    EXPECT_THROW(windows.GetOpenFileNameA(request), ScriptError);
    EXPECT_EQ(desktop.FileDialogs().size(), 1u);
    EXPECT_THROW(desktop.SetDotsPerInch(0), ScriptError);
    EXPECT_EQ(desktop.DotsPerInch(), 96);
}

TEST_F(HeadlessTest, ModalHooksRunOncePerShowInOrder) {
    Screen screen(runtime, "frm_TailNumber");
    std::vector<int> runs;
    desktop.OnModal("FRM_TAILNUMBER", [&](forms::Form& form) {
        runs.push_back(1);
        form.Hide();
    });
    desktop.OnModal("frm_TailNumber", [&](forms::Form& form) {
        runs.push_back(2);
        form.Hide();
    });
    screen.Show(forms::ShowMode::Modal);
    screen.Show(forms::ShowMode::Modal);
    EXPECT_EQ(runs, (std::vector<int>{1, 2}));
    EXPECT_THROW(screen.Show(forms::ShowMode::Modal), ScriptError);
}

TEST_F(HeadlessTest, InputToAFormThatIsNotShownFails) {
    Screen screen(runtime, "frm_Folder");
    try {
        desktop.Click(screen.btn_Next);
        FAIL() << "the click reached a hidden form";
    } catch (const ScriptError& error) {
        EXPECT_STREQ(error.what(), "cannot reach frm_Folder.btn_Next: frm_Folder is not shown");
    }
    screen.Show();
    EXPECT_THROW(desktop.PressKey(runtime, 13), ScriptError);
    EXPECT_THROW(desktop.SelectItem(screen.btn_Next, 0), ScriptError);
}

}  // namespace
