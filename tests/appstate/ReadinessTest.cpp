#include "appstate/Readiness.h"

#include <gtest/gtest.h>

#include "appstate/Application.h"
#include "appstate/CurrentConfiguration.h"
#include "platform/desktop/HeadlessDesktop.h"
#include "support/Installation.h"

namespace decalia {
namespace {

// The application's windows with nothing of the program's behaviour attached:
// what the job, readiness and configuration reading write to them.
class AppStateTest : public ::testing::Test {
protected:
    desktop::HeadlessDesktop desktop;
    testsupport::Installation install;
    Application app{desktop, install.AppFolder()};
    MainWindow& main = app.frm_Main;

    void MarkSteps(std::initializer_list<ui::TinyButton*> done) {
        for (ui::TinyButton* step : {&main.btn_SelectAircraft, &main.btn_SelectTemplate,
                                     &main.btn_Variation, &main.btn_Folder, &main.btn_TailNumber,
                                     &main.btn_Callsign})
            step->SetPicture(kStepOpen);
        for (ui::TinyButton* step : done) step->SetPicture(kStepDone);
    }
};

TEST_F(AppStateTest, StatusShowsTheFirstOpenStepAndEnablesCreateOnlyWhenAllAreDone) {
    main.btn_CreateAircraft.SetState("disabled");
    MarkSteps({});
    UpdateStatusLine(app);
    EXPECT_EQ(main.lbl_Status.Caption(), "Ready to Load Aircraft Specification");

    MarkSteps({&main.btn_SelectAircraft, &main.btn_SelectTemplate, &main.btn_Folder,
               &main.btn_TailNumber, &main.btn_Callsign});
    UpdateStatusLine(app);
    EXPECT_EQ(main.lbl_Status.Caption(), "Ready to Enter Aircraft Variation Information");
    EXPECT_EQ(main.btn_CreateAircraft.state(), "disabled");

    MarkSteps({&main.btn_SelectAircraft, &main.btn_SelectTemplate, &main.btn_Variation,
               &main.btn_Folder, &main.btn_TailNumber, &main.btn_Callsign});
    main.btn_Callsign.SetPicture("EMPTY");
    UpdateStatusLine(app);
    EXPECT_EQ(main.lbl_Status.Caption(), "Ready to Select Aircraft Callsign");

    // Any mark but "empty" in whatever case counts as done.
    main.btn_Callsign.SetPicture("Something");
    UpdateStatusLine(app);
    EXPECT_EQ(main.lbl_Status.Caption(), "Ready to Create Aircraft Repaint");
    EXPECT_EQ(main.btn_CreateAircraft.state(), "enabled");
    EXPECT_GT(desktop.RefreshCount(main.lbl_Status), 0);
}

// The first open step names the status whatever the steps after it show.
class FirstOpenStepTest : public AppStateTest, public ::testing::WithParamInterface<int> {
protected:
    std::vector<ui::TinyButton*> Steps() {
        return {&main.btn_SelectAircraft, &main.btn_SelectTemplate, &main.btn_Variation,
                &main.btn_Folder, &main.btn_TailNumber, &main.btn_Callsign};
    }
    // Steps before `first` done, `first` open, each later step open when its bit is set.
    std::string StatusWith(std::size_t first, unsigned laterOpen) {
        const auto steps = Steps();
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const bool open = i == first || (i > first && (laterOpen >> (i - first - 1) & 1u));
            steps[i]->SetPicture(open ? kStepOpen : kStepDone);
        }
        main.btn_CreateAircraft.SetState("disabled");
        UpdateStatusLine(app);
        EXPECT_EQ(main.btn_CreateAircraft.state(), "disabled");
        return main.lbl_Status.Caption();
    }
};

TEST_P(FirstOpenStepTest, NamesTheFirstOpenStepWhicheverLaterStepsAreOpen) {
    const auto first = static_cast<std::size_t>(GetParam());
    const std::string alone = StatusWith(first, 0);
    const unsigned combinations = 1u << (Steps().size() - first - 1);
    for (unsigned later = 1; later < combinations; ++later)
        EXPECT_EQ(StatusWith(first, later), alone) << "later steps open: " << later;
    // Each step has a status of its own.
    for (std::size_t other = 0; other < Steps().size(); ++other) {
        if (other != first) {
            EXPECT_NE(StatusWith(other, 0), alone);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EachStep, FirstOpenStepTest, ::testing::Range(0, 6),
                         [](const ::testing::TestParamInfo<int>& step) {
                             return "Step" + std::to_string(step.param + 1);
                         });

TEST_F(AppStateTest, ReadingAConfigurationResetsTheLaterStepsAndTakesTheDefaultTail) {
    install.AddConfiguration("kite", testsupport::Installation::ConfigurationIni("Kite", " N123AB ", 3));
    MarkSteps({&main.btn_SelectAircraft, &main.btn_SelectTemplate, &main.btn_Variation,
               &main.btn_Folder, &main.btn_TailNumber, &main.btn_Callsign});
    main.btn_CreateAircraft.SetState("enabled");
    app.job.Variation = "Old livery";
    main.lbl_CurrentVariation.SetCaption("Old livery");

    ReadAircraftConfiguration(app, (install.AppDir() / "Aircraft Configurations/kite.bin").string());

    EXPECT_EQ(app.configuration.AircraftDisplayName, "Kite");
    EXPECT_EQ(app.job.Variation, "");
    EXPECT_EQ(app.job.TailNumber, "N123AB");
    EXPECT_EQ(app.job.StepTailNumber, "N123AB");
    EXPECT_EQ(main.lbl_CurrentTailNumber.Caption(), "N123AB");
    EXPECT_EQ(main.lbl_CurrentVariation.Caption(), "No aircraft variation currently entered");
    EXPECT_EQ(main.btn_SelectAircraft.picture(), kStepDone);
    EXPECT_EQ(main.btn_SelectTemplate.picture(), kStepOpen);
    EXPECT_EQ(main.btn_TailNumber.picture(), kStepDone);
    EXPECT_EQ(main.btn_Variation.state(), "enabled");
    EXPECT_EQ(main.btn_CreateAircraft.state(), "disabled");
    EXPECT_EQ(main.lbl_Status.Caption(), "Ready to Load Repaint Template");
    EXPECT_EQ(app.frm_Folder.txt_Folder.Text(), "Enter Aircraft Folder Extension");
    EXPECT_EQ(app.frm_SelectTemplate.lbl_SelectedTemplate.Caption(), "No Template Currently Selected");
    EXPECT_FALSE(app.ConfigurationLoading);

    ASSERT_EQ(main.lst_Texture.ListCount(), 4);
    EXPECT_EQ(main.lst_Texture.List(0), "*Entire Template*");
    EXPECT_EQ(main.lst_Texture.List(3), "Sheet 02");
    EXPECT_EQ(main.lst_Texture.ListIndex(), 0);
}

TEST_F(AppStateTest, AnAircraftWithoutTailLeavesTheStepOpenAndTheFormatFollowsTheCheckBox) {
    install.AddConfiguration("kite", testsupport::Installation::ConfigurationIni("Kite", "", 2));
    const auto path = (install.AppDir() / "Aircraft Configurations/kite.bin").string();
    main.chkDXT3.SetValue(1);
    ReadAircraftConfiguration(app, path);
    EXPECT_EQ(main.btn_TailNumber.picture(), kStepOpen);
    EXPECT_EQ(main.lbl_CurrentTailNumber.Caption(), "");
    EXPECT_EQ(app.configuration.Textures.at(1).TextureFormat, "DXT3NM");

    main.chkDXT3.SetValue(0);
    EXPECT_EQ(app.configuration.Textures.at(1).TextureFormat, "DXT3NM");
    ReadAircraftConfiguration(app, path);
    EXPECT_EQ(app.configuration.Textures.at(1).TextureFormat, "32ANM");
}

TEST_F(AppStateTest, AStepScreenIsCentredOverTheMainWindowEvenWhenLarger) {
    main.Move(1500, 3000, 12000, 9000);
    forms::Form& screen = app.frm_Variation;
    screen.SetSizeTwips(15000, 12000);
    desktop.OnModal("frm_Variation", [](forms::Form& shown) { shown.Hide(); });
    ShowCentredOnMain(app, screen);
    EXPECT_DOUBLE_EQ(screen.Left(), 1500 + 6000 - 7500);
    EXPECT_DOUBLE_EQ(screen.Top(), 3000 + 4500 - 6000);
    EXPECT_LT(screen.Left(), main.Left());
}

}  // namespace
}  // namespace decalia
