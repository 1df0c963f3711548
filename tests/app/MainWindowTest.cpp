#include "ProgramFixture.h"

#include "appstate/CurrentConfiguration.h"
#include "appstate/Readiness.h"

namespace decalia {
namespace {

TEST_F(ProgramTest, OnlyALeftButtonDragOfTheSurfaceMovesTheWindow) {
    MainWindow& main = Start().frm_Main;
    const double left = main.LeftTwips(), top = main.TopTwips();
    desktop.SetMoveOffset(30, 40);
    for (const auto button : {win::MouseButton::Right, win::MouseButton::Middle}) {
        main.SetMousePointer(forms::vbCustom);
        desktop.Press(main, button, win::POINT{600, 40});
        desktop.MoveOver(main, win::POINT{610, 50});
        desktop.Release(main, button, win::POINT{610, 50});
        EXPECT_EQ(main.MousePointer(), forms::vbDefault) << "a custom pointer is reset";
    }
    main.SetMousePointer(forms::vbHourglass);
    desktop.Press(main, win::MouseButton::Right, win::POINT{600, 40});
    desktop.MoveOver(main, win::POINT{610, 50});
    desktop.Release(main, win::MouseButton::Right, win::POINT{610, 50});
    EXPECT_EQ(main.MousePointer(), forms::vbHourglass) << "another pointer is left alone";
    // Both buttons held is no drag either.
    desktop.Press(main, win::MouseButton::Left, win::POINT{600, 40});
    desktop.Press(main, win::MouseButton::Right, win::POINT{600, 40});
    desktop.MoveOver(main, win::POINT{610, 50});
    EXPECT_EQ(desktop.MoveLoops(), 0);
    desktop.Release(main, win::MouseButton::Right, win::POINT{600, 40});
    desktop.Release(main, win::MouseButton::Left, win::POINT{600, 40});

    desktop.Press(main, win::MouseButton::Left, win::POINT{600, 40});
    EXPECT_EQ(main.MousePointer(), forms::vbCustom);
    desktop.MoveOver(main, win::POINT{610, 50});
    EXPECT_EQ(desktop.MoveLoops(), 1);
    EXPECT_DOUBLE_EQ(main.LeftTwips(), left + 30 * 15);
    EXPECT_DOUBLE_EQ(main.TopTwips(), top + 40 * 15);
    EXPECT_EQ(main.MousePointer(), forms::vbDefault);
}

TEST_F(ProgramTest, PreviewControlsAskForARedrawExceptWhileAConfigurationIsRead) {
    install.AddConfiguration("kite", testsupport::Installation::ConfigurationIni("Kite", "", 3));
    Application& a = Start();
    int draws = 0;
    a.renderPreview = [&] { ++draws; };

    ReadAircraftConfiguration(a, ConfigurationPath("kite"));
    EXPECT_EQ(draws, 0);
    desktop.SelectItem(a.frm_Main.lst_Texture, 2);
    EXPECT_EQ(draws, 1);
    desktop.Click(a.frm_Main.opt_Alpha);
    desktop.Click(a.frm_Main.opt_Standard);
    EXPECT_EQ(draws, 3);
    desktop.ScrollTo(a.frm_Main.Preview_Scroll, 40);
    EXPECT_EQ(draws, 4);
}

TEST_F(ProgramTest, ASecondAircraftAfterACompleteJobStartsTheJobAfresh) {
    install.AddConfiguration("kite", testsupport::Installation::ConfigurationIni("Kite", "N1", 2));
    install.AddConfiguration("osprey", testsupport::Installation::ConfigurationIni("Osprey", "", 5));
    Application& a = Start();
    MainWindow& main = a.frm_Main;
    ReadAircraftConfiguration(a, ConfigurationPath("kite"));
    main.btn_SelectAircraft.SetPicture(kStepDone);
    for (ui::TinyButton* step : {&main.btn_SelectTemplate, &main.btn_Variation, &main.btn_Folder,
                                 &main.btn_TailNumber, &main.btn_Callsign})
        step->SetPicture(kStepDone);
    a.job.Callsign = "KESTREL";
    main.lbl_CurrentCallsign.SetCaption("KESTREL");
    UpdateStatusLine(a);
    ASSERT_EQ(main.btn_CreateAircraft.state(), "enabled");

    ReadAircraftConfiguration(a, ConfigurationPath("osprey"));
    EXPECT_EQ(main.btn_CreateAircraft.state(), "disabled");
    EXPECT_EQ(main.btn_SelectAircraft.picture(), kStepDone);
    EXPECT_EQ(main.btn_Callsign.picture(), kStepOpen);
    EXPECT_EQ(main.btn_TailNumber.picture(), kStepOpen);
    EXPECT_EQ(main.lbl_CurrentCallsign.Caption(), "No callsign currently selected");
    EXPECT_EQ(a.job.Callsign, "");
    EXPECT_EQ(a.frm_Callsign.lst_Callsign.ListIndex(), 0);
    EXPECT_EQ(main.lst_Texture.ListCount(), 6);
    EXPECT_EQ(main.lbl_Status.Caption(), "Ready to Load Repaint Template");
}

}  // namespace
}  // namespace decalia
