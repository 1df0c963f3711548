// A painter's whole session on real Windows windows, from the main window's
// wizard button to Create Aircraft, played with the system's own messages;
// what it leaves on disk is what the same session leaves on the screenless
// desktop.

#include "ScreenRun.h"
#include "appstate/Readiness.h"
#include "builder/BuildRepaint.h"
#include "e2e/Session.h"
#include "platform/forms/Forms.h"
#include "platform/text/Text.h"
#include "support/FileTree.h"

namespace decalia::win32test {
namespace {

namespace stdfs = std::filesystem;

struct DemoRepaint {
    const char* stem;
    const char* name;
    const char* folder;
};

class WizardOnWindows : public e2e::Session, public ::testing::WithParamInterface<DemoRepaint> {
protected:
    ScreenRun screen;
};

TEST_P(WizardOnWindows, WritesWhatTheScreenlessSessionWrites) {
    const DemoRepaint& demo = GetParam();

    // On the screenless desktop.
    StartWith({e2e::kKite, e2e::kOsprey});
    const testsupport::Tree headlessBefore = testsupport::ReadTree(install.Root());
    RunWizard(demo.name, "Polar", demo.folder, "n12kw", "KESTREL");
    Click(Main().btn_CreateAircraft);
    ASSERT_EQ(Main().lbl_Status.Caption(), kStatusBuilt);

    // On real windows.
    Application& a = screen.Start({e2e::kKite, e2e::kOsprey});
    const stdfs::path root = screen.Install().Root();
    const testsupport::Tree before = testsupport::ReadTree(root);
    screen.On(a.frm_Main, [&] { screen.Click(a.frm_Main.btn_Wizard); });
    screen.On(a.frm_SelectAircraft, [&] {
        screen.Choose(a.frm_SelectAircraft.lst_SelectAircraft, demo.name);
        screen.Click(a.frm_SelectAircraft.btn_Next);
    });
    screen.On(a.frm_SelectTemplate, [&] {
        screen.Dialogs().AnswerOpenFile(
            (screen.Install().AppDir() / "Templates" /
             (text::Trim(a.configuration.DataPath) + "_Template.bmp"))
                .string());
        screen.Click(a.frm_SelectTemplate.btn_Select);
    });
    screen.On(a.frm_SelectTemplate, [&] { screen.Click(a.frm_SelectTemplate.btn_Next); });
    screen.On(a.frm_Variation, [&] { screen.TypeOver(a.frm_Variation.txt_Variation, "Polar"); });
    screen.On(a.frm_Variation, [&] {
        screen.Screenshot(a.frm_Variation, std::string("wizard-variation-") + demo.stem);
        screen.Click(a.frm_Variation.btn_Next);
    });
    screen.On(a.frm_Folder, [&] {
        screen.TypeOver(a.frm_Folder.txt_Folder, demo.folder);
        screen.Click(a.frm_Folder.btn_Next);
    });
    screen.On(a.frm_TailNumber, [&] {
        screen.TypeOver(a.frm_TailNumber.txt_TailNumber, "n12kw");
        screen.Click(a.frm_TailNumber.btn_Next);
    });
    screen.On(a.frm_Callsign, [&] {
        screen.Choose(a.frm_Callsign.lst_Callsign, "KESTREL");
        screen.Click(a.frm_Callsign.btn_Next);
    });
    screen.On(a.frm_Main, [&] {
        EXPECT_EQ(a.frm_Main.lbl_Status.Caption(), kStatusReadyToCreate);
        screen.Click(a.frm_Main.btn_CreateAircraft);
    });
    screen.On(a.frm_Main, [&] {
        screen.Screenshot(a.frm_Main, std::string("main-window-built-") + demo.stem);
    });
    screen.Play();

    EXPECT_EQ(a.frm_Main.lbl_Status.Caption(), kStatusBuilt);
    const auto shown = screen.Dialogs().Seen();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown.front().fileDialog);
    const auto onWindows = e2e::Written(before, testsupport::ReadTree(root), root);
    const auto headless =
        e2e::Written(headlessBefore, testsupport::ReadTree(install.Root()), install.Root());
    EXPECT_GE(onWindows.size(), 5u);
    EXPECT_EQ(e2e::Differences(onWindows, headless), std::vector<std::string>{});

    // And what the same session leaves on Linux, recorded by the Linux tests.
    const stdfs::path onLinux =
        stdfs::path(DECALIA_HOST_SESSION_FILES_DIR) / (std::string(demo.stem) + ".files");
    ASSERT_TRUE(stdfs::exists(onLinux))
        << onLinux.string() << " is missing: run the Linux build's tests first";
    EXPECT_EQ(e2e::Differences(onWindows, e2e::LoadWritten(onLinux)), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    DemoAircraft, WizardOnWindows,
    ::testing::Values(DemoRepaint{e2e::kKite, e2e::kKiteName, "abcd"},
                      DemoRepaint{e2e::kOsprey, e2e::kOspreyName, "abc"}),
    [](const ::testing::TestParamInfo<DemoRepaint>& demo) {
        const std::string stem(demo.param.stem);
        return stem.substr(stem.find('_') + 1);
    });

}  // namespace
}  // namespace decalia::win32test
