// A painter's whole session on the screen: the wizard from the main window's
// button to step 6, then Create Aircraft, played with the mouse and keyboard
// on the real widgets, leaving a repaint in the simulator.

#include <QComboBox>
#include <QFileDialog>
#include <QTest>
#include <fstream>
#include <sstream>

#include "QtSession.h"
#include "platform/forms/Forms.h"

namespace decalia::qttest {
namespace {

std::string FileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class WizardOnScreen : public QtSession {};

TEST_F(WizardOnScreen, ClickingThroughTheWizardBuildsARepaint) {
    Application& a = Start({kKite});
    const auto templateFile = install.AppDir() / "Templates" / "KW12_Template.bmp";

    When(a.frm_SelectAircraft, [&] {
        ClickLine(a.frm_SelectAircraft.lst_SelectAircraft, 0);
        Screenshot(a.frm_SelectAircraft, "wizard-1-aircraft");
        Click(a.frm_SelectAircraft.btn_Next);
    });
    When(a.frm_SelectTemplate, [&] {
        WhenDialog([&](QWidget& dialog) {
            auto& files = dynamic_cast<QFileDialog&>(dialog);
            EXPECT_EQ(files.directory().absolutePath().toStdString(),
                      (install.AppDir() / "Templates").string());
            files.selectFile(QString::fromStdString(templateFile.string()));
            static_cast<QDialog&>(files).accept();
        });
        Click(a.frm_SelectTemplate.btn_Select);
        Screenshot(a.frm_SelectTemplate, "wizard-2-template");
        // Enter on a screen of painted controls only: the window takes the key.
        PressKey(a.frm_SelectTemplate.lbl_Title, Qt::Key_Return);
    });
    When(a.frm_Variation, [&] {
        TypeInto(a.frm_Variation.txt_Variation, "Polar Night");
        Screenshot(a.frm_Variation, "wizard-3-variation");
        Click(a.frm_Variation.btn_Next);
    });
    When(a.frm_Folder, [&] {
        TypeInto(a.frm_Folder.txt_Folder, "polar");
        EXPECT_EQ(a.frm_Folder.lbl_Example.Caption(), "Texture.polar");
        Screenshot(a.frm_Folder, "wizard-4-folder");
        PressKey(a.frm_Folder.txt_Folder, Qt::Key_Return);
    });
    When(a.frm_TailNumber, [&] {
        TypeInto(a.frm_TailNumber.txt_TailNumber, "N12PN");
        Screenshot(a.frm_TailNumber, "wizard-5-tail-number");
        Click(a.frm_TailNumber.btn_Next);
    });
    When(a.frm_Callsign, [&] {
        PressKey(a.frm_Callsign.lst_Callsign, Qt::Key_Down);
        Screenshot(a.frm_Callsign, "wizard-6-callsign");
        Click(a.frm_Callsign.btn_Next);
    });
    Click(a.frm_Main.btn_Wizard);

    EXPECT_EQ(a.frm_Main.lbl_Status.Caption(), "Ready to Create Aircraft Repaint");
    EXPECT_EQ(a.frm_Main.btn_CreateAircraft.state(), "enabled");
    Screenshot(a.frm_Main, "main-window-ready");
    Click(a.frm_Main.btn_CreateAircraft);

    EXPECT_EQ(a.frm_Main.lbl_Status.Caption(), "Your Aircraft Repaint has been built");
    EXPECT_TRUE(desktop->MessageBoxes().empty());
    const auto aircraft = install.Root() / "SimObjects" / "Airplanes" / "Kestrelworks KW12 Kite";
    const std::string cfg = FileText(aircraft / "Aircraft.cfg");
    EXPECT_NE(cfg.find("Polar Night"), std::string::npos);
    EXPECT_NE(cfg.find("N12PN"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(aircraft / "Texture.polar"));
    Screenshot(a.frm_Main, "main-window-built");
}

TEST_F(WizardOnScreen, ThePreviewFollowsTheTextureListAndTheScrollBar) {
    Application& a = Start({kKite});
    When(a.frm_SelectAircraft, [&] { PressKey(a.frm_SelectAircraft.lst_SelectAircraft, Qt::Key_Return); });
    Click(a.frm_Main.btn_SelectAircraft);
    When(a.frm_SelectTemplate, [&] {
        WhenDialog([&](QWidget& dialog) {
            auto& files = dynamic_cast<QFileDialog&>(dialog);
            files.selectFile(QString::fromStdString(
                (install.AppDir() / "Templates" / "KW12_Template.bmp").string()));
            static_cast<QDialog&>(files).accept();
        });
        Click(a.frm_SelectTemplate.btn_Select);
        Click(a.frm_SelectTemplate.btn_Next);
    });
    Click(a.frm_Main.btn_SelectTemplate);
    ASSERT_TRUE(a.TemplateLoaded);

    auto* list = qobject_cast<QComboBox*>(Shown(a.frm_Main).WidgetOf(a.frm_Main.lst_Texture));
    ASSERT_NE(list, nullptr);
    ASSERT_GT(list->count(), 1);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(a.frm_Main.lst_Texture.ListIndex(), 1);
    Click(a.frm_Main.opt_Alpha);
    EXPECT_TRUE(a.frm_Main.opt_Alpha.Value());
    EXPECT_FALSE(a.frm_Main.opt_Standard.Value());
    Screenshot(a.frm_Main, "main-window-preview-alpha");
}

}  // namespace
}  // namespace decalia::qttest
