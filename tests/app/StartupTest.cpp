#include "ProgramFixture.h"

#include "app/MainWindowLoad.h"

namespace decalia {
namespace {

using Rows = std::vector<std::string>;

Rows RowsOf(const forms::ListControl& list) {
    Rows rows;
    for (int i = 0; i < list.ListCount(); ++i) rows.push_back(list.List(i));
    return rows;
}

TEST_F(ProgramTest, StartsWithoutConfigurationsReadyForTheAircraftStep) {
    Application& a = Start();
    MainWindow& main = a.frm_Main;
    EXPECT_TRUE(main.Visible());
    EXPECT_FALSE(main.ModalShowing());
    EXPECT_EQ(main.lbl_Status.Caption(), "Ready to Load Aircraft Specification");
    EXPECT_EQ(a.frm_SelectAircraft.lst_SelectAircraft.ListCount(), 0);
    EXPECT_EQ(a.catalogue.LastCatalogueIndex, -1);
    EXPECT_TRUE(a.Loaded(Window::Main));

    EXPECT_EQ(main.btn_CreateAircraft.state(), "disabled");
    EXPECT_EQ(main.btn_SelectAircraft.state(), "enabled");
    for (ui::SkinnedButton* step : {&main.btn_SelectTemplate, &main.btn_Variation, &main.btn_Folder,
                                    &main.btn_TailNumber, &main.btn_Callsign})
        EXPECT_EQ(step->state(), "disabled") << step->Name();
    for (ui::SkinnedButton* other : std::initializer_list<ui::SkinnedButton*>{&main.btn_Close, &main.btn_Help, &main.btn_Wizard})
        EXPECT_EQ(other->state(), "enabled") << other->Name();
    // Nothing to preview and nothing building yet.
    EXPECT_FALSE(main.PreviewImage.Visible() || main.Preview_Scroll.Visible());
    EXPECT_FALSE(main.lst_Texture.Enabled());
    EXPECT_FALSE(main.Pic_StatusBackground.Visible());
}

TEST_F(ProgramTest, FillsTheAircraftAndCallsignListsAtStartUp) {
    install.AddConfiguration("b", testsupport::Installation::ConfigurationIni("Bravo"));
    install.AddConfiguration("A", testsupport::Installation::ConfigurationIni("Alpha"));
    Application& a = Start();
    EXPECT_EQ(RowsOf(a.frm_SelectAircraft.lst_SelectAircraft), (Rows{"Alpha", "Bravo"}));
    EXPECT_EQ(a.frm_SelectAircraft.lst_SelectAircraft.ListIndex(), 0);
    EXPECT_EQ(RowsOf(a.frm_Callsign.lst_Callsign),
              (Rows{"*NONE*", "ALPINE", "BOREAL", "NORTH, SOUTH", "KESTREL"}));
    EXPECT_EQ(a.frm_Callsign.lst_Callsign.ListIndex(), 0);
    // Start-up reads only the names: the job and the main window stay empty.
    EXPECT_EQ(a.frm_Main.lbl_Status.Caption(), "Ready to Load Aircraft Specification");
}

TEST_F(ProgramTest, AMissingOwnAirlineListEndsTheProgramBeforeAnyWindowShows) {
    install.RemoveOwnAirlines();
    install.WriteSharedAirlines("A\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\nI\r\nJ\r\nK\r\nL\r\n");
    StartExpectingTheEnd();
    ASSERT_EQ(desktop.MessageBoxes().size(), 1u);
    EXPECT_EQ(desktop.MessageBoxes()[0].text,
              "The 'Kestrelworks Software\\Decalia\\Data\\airlines.cfg' file is missing. Please "
              "reinstall Decalia.");
    EXPECT_EQ(desktop.MessageBoxes()[0].caption, "Decalia");
    EXPECT_TRUE(desktop.ExitCode().has_value());
    EXPECT_FALSE(app->frm_Main.IsLoaded());
    EXPECT_TRUE(desktop.ShownForms().empty());
}

TEST_F(ProgramTest, MissingSkinFilesOfTheMainWindowEndTheProgramWithAMessage) {
    for (const char* file : {"MainRegion.dat", "Main_Background.bmp"}) {
        testsupport::Installation broken;
        broken.RemoveMedia(file);
        desktop::HeadlessDesktop screen;
        Application program(screen, broken.AppFolder());
        EXPECT_THROW(Main(program), win::ProcessEnded) << file;
        ASSERT_EQ(screen.MessageBoxes().size(), 1u) << file;
        EXPECT_EQ(screen.MessageBoxes()[0].text, "Media files are missing. Please reinstall Decalia.");
        EXPECT_FALSE(program.frm_Main.Visible()) << file;
    }
}

TEST_F(ProgramTest, TheHelpDocumentIsHandedToTheDesktop) {
    Application& a = Start();
    OpenHelpDocument(a);
    ASSERT_EQ(desktop.ShellOpens().size(), 1u);
    EXPECT_EQ(desktop.ShellOpens()[0], a.AppFolder() + "\\Decalia.pdf");
}

}  // namespace
}  // namespace decalia
