// A painter's whole session on real Windows windows, from the main window's
// wizard button to Create Aircraft, played with the system's own messages;
// what it leaves on disk is what the same session leaves on the screenless
// desktop.

#include <regex>

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

// What a run wrote, with what may differ between two runs masked: the
// installation's own folder, and the build report's clock readings (its file
// name carries the start time; its text the start time, the duration and each
// texture's encoding time).
std::map<std::string, std::string> Written(const testsupport::Tree& before,
                                           const testsupport::Tree& after,
                                           const stdfs::path& root) {
    static const std::regex stamp(R"(\d{4}-\d\d-\d\d \d\d[-:]\d\d[-:]\d\d)");
    static const std::regex took(R"(Took: [0-9.]+ s|  \d+ ms\r)");
    std::map<std::string, std::string> written;
    for (const std::string& path : testsupport::Changed(before, after)) {
        std::string bytes = after.at(path);
        for (std::string place : {root.string(), root.generic_string()}) {
            for (std::size_t at = bytes.find(place); at != std::string::npos;
                 at = bytes.find(place, at))
                bytes.replace(at, place.size(), "<root>");
        }
        bytes = std::regex_replace(std::regex_replace(bytes, stamp, "<time>"), took, "<took>");
        written[std::regex_replace(path, stamp, "<time>")] = bytes;
    }
    return written;
}

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
    const auto onWindows = Written(before, testsupport::ReadTree(root), root);
    const auto headless =
        Written(headlessBefore, testsupport::ReadTree(install.Root()), install.Root());
    EXPECT_GE(onWindows.size(), 5u);
    std::vector<std::string> windowsNames;
    std::vector<std::string> headlessNames;
    for (const auto& [path, bytes] : onWindows) windowsNames.push_back(path);
    for (const auto& [path, bytes] : headless) headlessNames.push_back(path);
    ASSERT_EQ(windowsNames, headlessNames);
    for (const auto& [path, bytes] : onWindows)
        EXPECT_EQ(bytes, headless.at(path)) << path;
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
