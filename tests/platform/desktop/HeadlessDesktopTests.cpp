// The headless desktop: what it records, how it answers, and how it fails.

#include "platform/desktop/HeadlessDesktop.h"
#include "platform/forms/Forms.h"
#include "platform/win/Tooltip.h"

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

TEST_F(HeadlessTest, RecordsEveryRequestOfTheProgram) {
    const std::string text = "No Alpha Channel bitmap was found.\n\nIf you need help.";
    EXPECT_EQ(windows.MessageBoxA(0, text, "Decalia", win::MB_OK), win::IDOK);
    windows.ShellExecuteA(0, "", "/app/Decalia.pdf", "", "", win::SW_SHOWNORMAL);
    windows.PlaySoundA("/app/Media/Next.wav", win::SND_FILENAME | win::SND_ASYNC);
    ASSERT_EQ(desktop.MessageBoxes().size(), 1u);
    EXPECT_EQ(desktop.MessageBoxes()[0].text, text);
    EXPECT_EQ(desktop.MessageBoxes()[0].caption, "Decalia");
    EXPECT_EQ(desktop.ShellOpens(), std::vector<std::string>{"/app/Decalia.pdf"});
    EXPECT_EQ(desktop.Sounds(), std::vector<std::string>{"/app/Media/Next.wav"});

    desktop.SetShellOpenSucceeds(false);
    desktop.SetSoundPlays(false);
    EXPECT_LE(windows.ShellExecuteA(0, "", "/app/Decalia.pdf", "", "", win::SW_SHOWNORMAL), 32);
    EXPECT_FALSE(windows.PlaySoundA("/app/Media/Next.wav", win::SND_FILENAME | win::SND_ASYNC));
}

TEST_F(HeadlessTest, AnUnscriptedFileDialogFails) {
    win::OpenFileRequest request;
    request.title = "Open";
    EXPECT_THROW(windows.GetOpenFileNameA(request), ScriptError);
    EXPECT_EQ(desktop.FileDialogs().size(), 1u);
}

TEST_F(HeadlessTest, TheEndOfTheProcessIsSeen) {
    EXPECT_FALSE(desktop.ExitCode());
    EXPECT_THROW(windows.ExitProcess(0), win::ProcessEnded);
    EXPECT_EQ(desktop.ExitCode(), 0u);
}

TEST_F(HeadlessTest, DensityIsSettableWithinReason) {
    desktop.SetDotsPerInch(120);
    EXPECT_DOUBLE_EQ(runtime.Screen().TwipsPerPixelX(), 12);
    EXPECT_THROW(desktop.SetDotsPerInch(0), ScriptError);
    EXPECT_EQ(desktop.DotsPerInch(), 120);
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

TEST_F(HeadlessTest, KeepsShownFormsRefreshesAndTips) {
    Screen main(runtime, "frm_Main");
    Screen step(runtime, "frm_Variation");
    main.Show();
    step.Show();
    EXPECT_EQ(desktop.ShownForms(), (std::vector<forms::Form*>{&main, &step}));
    step.Hide();
    EXPECT_EQ(desktop.ShownForms(), (std::vector<forms::Form*>{&main}));

    main.btn_Next.Refresh();
    main.btn_Next.Refresh();
    EXPECT_EQ(desktop.RefreshCount(main.btn_Next), 2);
    EXPECT_EQ(desktop.RefreshCount(main), 0);

    const win::HWND tooltip = windows.CreateWindowExA(
        win::WS_EX_TOPMOST, win::TOOLTIPS_CLASSA, "", win::TTS_ALWAYSTIP, win::CW_USEDEFAULT,
        win::CW_USEDEFAULT, win::CW_USEDEFAULT, win::CW_USEDEFAULT, main.hWnd());
    win::TOOLINFOA info;
    info.uFlags = win::TTF_IDISHWND | win::TTF_SUBCLASS;
    info.hwnd = main.btn_Next.hWnd();
    info.uId = static_cast<std::uintptr_t>(main.btn_Next.hWnd());
    info.lpszText = "Click to move to the next Decalia Wizard Screen.";
    windows.SendMessageA(tooltip, win::TTM_ADDTOOLA, 0, reinterpret_cast<win::LPARAM>(&info));
    desktop.MoveOver(main.btn_Next);
    ASSERT_TRUE(desktop.ShownTooltip(tooltip));
    EXPECT_EQ(desktop.ShownTooltip(tooltip)->text, info.lpszText);
    desktop.Leave(runtime);
    EXPECT_FALSE(desktop.ShownTooltip(tooltip));
}

}  // namespace
