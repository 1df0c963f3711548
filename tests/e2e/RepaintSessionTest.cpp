// Whole sessions of a user making repaints of the demo aircraft, from the
// main window to the files the build leaves in the simulator.

#include "Session.h"

#include "platform/text/Text.h"
#include "support/TempDir.h"

namespace decalia::e2e {
namespace {

namespace stdfs = std::filesystem;

struct DemoRepaint {
    const char* stem;
    const char* name;
    const char* folder;    // as long as the aircraft's model names need
    const char* textures;  // where the textures go
};

class WizardSession : public Session, public ::testing::WithParamInterface<DemoRepaint> {};

TEST_P(WizardSession, FromStepOneToCreateAircraft) {
    const DemoRepaint& demo = GetParam();
    Application& a = StartWith({kKite, kOsprey});
    const testsupport::Tree before = SimTree();
    const testsupport::Tree wholeBefore = testsupport::ReadTree(install.Root());

    RunWizard(demo.name, "Polar", demo.folder, "n12kw", "KESTREL");
    EXPECT_EQ(desktop.ShownForms(), std::vector<forms::Form*>{&a.frm_Main});
    EXPECT_EQ(Main().lbl_Status.Caption(), "Ready to Create Aircraft Repaint");
    EXPECT_EQ(Main().lbl_CurrentFolder.Caption(), "Texture." + std::string(demo.folder));
    EXPECT_EQ(desktop.Sounds().size(), 6u);
    Click(Main().btn_CreateAircraft);

    const int entry = EntryTitled(demo.stem, std::string(demo.name) + " Polar");
    ASSERT_GE(entry, 0);
    EXPECT_EQ(EntryValue(demo.stem, entry, "atc_id"), "N12KW");
    EXPECT_EQ(EntryValue(demo.stem, entry, "atc_airline"), "KESTREL");
    const std::string textures = std::string(demo.textures) + "/";
    int written = 0;
    for (const std::string& path : testsupport::Changed(before, SimTree()))
        written += path.find(textures) != std::string::npos && path.ends_with(".bmp") ? 1 : 0;
    EXPECT_GE(written, 4);
    EXPECT_TRUE(desktop.MessageBoxes().empty());
    ExpectReadyForTheNextRepaintOf(demo.name);
    // The Windows build's run of this session on real windows compares itself with it.
    SaveWritten(Written(wholeBefore, testsupport::ReadTree(install.Root()), install.Root()),
                stdfs::path(DECALIA_SESSION_FILES_DIR) / (std::string(demo.stem) + ".files"));
}

INSTANTIATE_TEST_SUITE_P(
    DemoAircraft, WizardSession,
    ::testing::Values(DemoRepaint{kKite, kKiteName, "abcd", "Texture.abcd"},
                      DemoRepaint{kOsprey, kOspreyName, "abc", "Texture"}),
    [](const ::testing::TestParamInfo<DemoRepaint>& demo) {
        return std::string(demo.param.stem).substr(std::string(demo.param.stem).find('_') + 1);
    });

TEST_F(Session, TheSameRepaintThroughTheSixStepButtons) {
    Application& a = StartWith({kKite});
    When(a.frm_SelectAircraft, [&] { DoubleClickAircraft(kKiteName); });
    Click(Main().btn_SelectAircraft);
    When(a.frm_SelectTemplate, [&] {
        PickTemplate(TemplateOf(kKite));
        PressNext();
    });
    Click(Main().btn_SelectTemplate);
    When(a.frm_Variation, [&] {
        TypeInto(a.frm_Variation.txt_Variation, "Polar");
        PressEnter();
    });
    Click(Main().btn_Variation);
    When(a.frm_Folder, [&] {
        TypeInto(a.frm_Folder.txt_Folder, "abcd");
        PressNext();
    });
    Click(Main().btn_Folder);
    When(a.frm_TailNumber, [&] {
        TypeInto(a.frm_TailNumber.txt_TailNumber, "n12kw");
        PressNext();
    });
    Click(Main().btn_TailNumber);
    When(a.frm_Callsign, [&] {
        ChooseCallsign("KESTREL");
        PressEnter();
    });
    Click(Main().btn_Callsign);
    EXPECT_FALSE(a.WizardMode);
    ASSERT_EQ(Main().btn_CreateAircraft.state(), "enabled") << Main().lbl_Status.Caption();
    Click(Main().btn_CreateAircraft);

    const int entry = EntryTitled(kKite, std::string(kKiteName) + " Polar");
    ASSERT_GE(entry, 0);
    EXPECT_EQ(EntryValue(kKite, entry, "texture"), "abcd");
    EXPECT_EQ(EntryValue(kKite, entry, "atc_airline"), "KESTREL");
    EXPECT_TRUE(stdfs::exists(AircraftDir(kKite) / "Texture.abcd"));
    ExpectReadyForTheNextRepaintOf(kKiteName);
}

TEST_F(Session, PreviousKeepsWhatWasTypedAndCloseEndsTheWizardKeepingWhatWasConfirmed) {
    Application& a = StartWith({kKite});
    When(a.frm_SelectAircraft, [&] {
        ChooseAircraft(kKiteName);
        PressNext();
    });
    When(a.frm_SelectTemplate, [&] {
        PickTemplate(TemplateOf(kKite));
        PressNext();
    });
    When(a.frm_Variation, [&] {
        TypeInto(a.frm_Variation.txt_Variation, "Red");
        PressPrevious();
    });
    When(a.frm_SelectTemplate, [&] {
        EXPECT_EQ(a.frm_SelectTemplate.lbl_CurrentTemplate.Caption(), "KW12_Template.bmp");
        PressNext();
    });
    When(a.frm_Variation, [&] {
        // Typed, not confirmed: the text is back, Next waits for an edit, Enter confirms.
        EXPECT_EQ(a.frm_Variation.txt_Variation.Text(), "Red");
        EXPECT_EQ(a.frm_Variation.btn_Next.state(), "disabled");
        PressEnter();
    });
    When(a.frm_Folder, [&] {
        TypeInto(a.frm_Folder.txt_Folder, "half");
        PressClose();
    });
    Click(Main().btn_Wizard);

    EXPECT_FALSE(a.WizardMode);
    EXPECT_TRUE(desktop.ShownForms().size() == 1 && desktop.ShownForms()[0] == &Main());
    EXPECT_EQ(Main().lbl_CurrentVariation.Caption(), "Red");
    EXPECT_EQ(Main().btn_Folder.picture(), kStepOpen);
    EXPECT_EQ(a.job.FolderExtension, "");
    EXPECT_EQ(Main().lbl_Status.Caption(), "Ready to Designate Texture Folder");
    EXPECT_EQ(Main().btn_CreateAircraft.state(), "disabled");

    // The typed folder comes back when the step is opened again.
    When(a.frm_Folder, [&] {
        EXPECT_EQ(a.frm_Folder.txt_Folder.Text(), "half");
        EXPECT_EQ(a.frm_Folder.lbl_Example.Caption(), "Texture.half");
        PressEnter();
    });
    Click(Main().btn_Folder);
    When(a.frm_TailNumber, [&] { PressEnter(); });
    Click(Main().btn_TailNumber);
    When(a.frm_Callsign, [&] { PressNext(); });
    Click(Main().btn_Callsign);
    Click(Main().btn_CreateAircraft);

    const int entry = EntryTitled(kKite, std::string(kKiteName) + " Red");
    ASSERT_GE(entry, 0);
    EXPECT_EQ(EntryValue(kKite, entry, "texture"), "half");
    // The tail number box was left empty: the aircraft has no default tail.
    EXPECT_EQ(EntryValue(kKite, entry, "atc_id"), "");
    ExpectReadyForTheNextRepaintOf(kKiteName);
}

TEST_F(Session, ASecondBuildInARowReplacesTheFirstOfTheSameTitle) {
    Application& a = StartWith({kKite});
    RunWizard(kKiteName, "Blue", "abcd", "N1", "*NONE*");
    Click(Main().btn_CreateAircraft);
    const std::string firstBuild = testsupport::ReadFile(AircraftDir(kKite) / "Aircraft.cfg");

    // The aircraft stays chosen: the wizard offers it again.
    RunWizard(kKiteName, "Blue", "wxyz", "N2", "ALPINE");
    EXPECT_EQ(a.frm_SelectAircraft.lst_SelectAircraft.Text(), kKiteName);
    Click(Main().btn_CreateAircraft);

    const std::string title = std::string(kKiteName) + " Blue";
    EXPECT_EQ(EntriesTitled(kKite, title), 1);
    EXPECT_EQ(EntryValue(kKite, EntryTitled(kKite, title), "atc_id"), "N2");
    EXPECT_EQ(testsupport::ReadFile(AircraftDir(kKite) / "Aircraft.bak"), firstBuild);
    EXPECT_FALSE(stdfs::exists(AircraftDir(kKite) / "Texture.abcd"));
    EXPECT_TRUE(stdfs::exists(AircraftDir(kKite) / "Texture.wxyz"));
    ExpectReadyForTheNextRepaintOf(kKiteName);
}

TEST_F(Session, ATypedCallsignDoesNotOutliveItsBuildAndIsOfferedAgainInCapitals) {
    Application& a = StartWith({kKite});
    RunWizard(kKiteName, "Falcon", "fal1", "N5", [&] {
        TypeCallsign("falcon");
        PressEnter();
    });
    EXPECT_EQ(Main().lbl_CurrentCallsign.Caption(), "falcon");
    Click(Main().btn_CreateAircraft);
    EXPECT_EQ(EntryValue(kKite, EntryTitled(kKite, std::string(kKiteName) + " Falcon"),
                         "atc_airline"),
              "falcon");
    ExpectReadyForTheNextRepaintOf(kKiteName);

    // The next repaint: a callsign typed and confirmed is a line of the list
    // when the step is opened again.
    When(a.frm_Callsign, [&] {
        EXPECT_EQ(a.frm_Callsign.lbl_CurrentCallsign.Caption(), "NONE");
        TypeCallsign("kestrel air");
        PressEnter();
    });
    Click(Main().btn_Callsign);
    When(a.frm_Callsign, [&] {
        EXPECT_EQ(a.frm_Callsign.lst_Callsign.Text(), "KESTREL AIR");
        EXPECT_EQ(a.frm_Callsign.lbl_CurrentCallsign.Caption(), "kestrel air");
        PressClose();
    });
    Click(Main().btn_Callsign);
    EXPECT_EQ(a.job.Callsign, "kestrel air");
}

TEST_F(Session, ARefusedBuildLeavesTheEarlierRepaintOfTheSameTitleInPlace) {
    Application& a = StartWith({kKite});
    RunWizard(kKiteName, "Blue", "abcd", "N1", "*NONE*");
    Click(Main().btn_CreateAircraft);
    const testsupport::Tree built = SimTree();

    RunWizard(kKiteName, "Blue", "a/b", "N1", "*NONE*");
    Click(Main().btn_CreateAircraft);
    ASSERT_EQ(desktop.MessageBoxes().size(), 1u);
    EXPECT_NE(desktop.MessageBoxes()[0].text.find("a/b"), std::string::npos);
    EXPECT_EQ(SimTree(), built);
    EXPECT_EQ(a.job.FolderExtension, "a/b");
}

}  // namespace
}  // namespace decalia::e2e
