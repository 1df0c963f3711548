// The windows as they come on the screen: sizes, outlines cut by their region
// files, tooltips, the large-font screen, and a screenshot of each.

#include <QAbstractButton>
#include <QTest>
#include <QTimer>

#include "QtSession.h"
#include "platform/forms/Forms.h"
#include "platform/fs/Fs.h"
#include "qt/QtImages.h"

namespace decalia::qttest {
namespace {

QRegion RegionFile(const std::filesystem::path& file) {
    const std::string bytes = *fs::ReadAll(file.string());
    const gdi::Owned<win::HRGN> region(win::ExtCreateRegion(
        nullptr, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())));
    return qt::RegionFrom(region.Get());
}

// A pixel is cut away when the screenshot is transparent there.
bool CutAway(const QImage& shot, QPoint point) { return qAlpha(shot.pixel(point)) == 0; }

void ExpectShaped(const QImage& shot, QSize size) {
    EXPECT_EQ(shot.size(), size);
    EXPECT_TRUE(CutAway(shot, QPoint(0, 0)));
    EXPECT_TRUE(CutAway(shot, QPoint(size.width() - 1, size.height() - 1)));
    EXPECT_FALSE(CutAway(shot, QPoint(size.width() / 2, size.height() / 2)));
}

class WindowsOnScreen : public QtSession {};

TEST_F(WindowsOnScreen, MainWindowIsShapedByItsRegionFile) {
    Application& a = Start({kKite});
    qt::FormWidget& main = Shown(a.frm_Main);
    EXPECT_EQ(main.size(), QSize(800, 600));
    EXPECT_EQ(main.mask(), RegionFile(install.MediaDir() / "MainRegion.dat"));
    EXPECT_TRUE(main.windowFlags().testFlag(Qt::FramelessWindowHint));
    ExpectShaped(Screenshot(a.frm_Main, "main-window"), QSize(800, 600));
}

TEST_F(WindowsOnScreen, EveryStepScreenIsShapedAndCentredOverTheMainWindow) {
    Application& a = Start({kKite});
    const QRect main = Shown(a.frm_Main).geometry();
    int shown = 0;
    for (int step = 1; step <= 6; ++step) {
        StepScreen& screen = a.StepScreenOf(step);
        When(screen, [&, step] {
            qt::FormWidget& widget = Shown(screen);
            EXPECT_EQ(widget.size(), QSize(400, 300)) << step;
            EXPECT_EQ(widget.geometry().center(), main.center()) << step;
            EXPECT_EQ(widget.mask(), RegionFile(install.MediaDir() / "WizardRegion.dat"));
            EXPECT_TRUE(widget.isModal());
            ExpectShaped(Screenshot(screen, "step-" + std::to_string(step) + "-" + screen.Name()),
                         QSize(400, 300));
            ++shown;
            Click(screen.btn_Close.Visible() ? screen.btn_Close : *screen.btn_Previous);
        });
    }
    // Step 1 first: the other steps open once an aircraft is chosen.
    When(a.frm_SelectAircraft, [&] {
        ++shown;
        Screenshot(a.frm_SelectAircraft, "step-1-frm_SelectAircraft");
        ClickLine(a.frm_SelectAircraft.lst_SelectAircraft, 0);
        Click(a.frm_SelectAircraft.btn_Next);
    });
    Click(a.frm_Main.btn_SelectAircraft);
    for (ui::TinyButton* step : {&a.frm_Main.btn_SelectTemplate, &a.frm_Main.btn_Variation,
                                 &a.frm_Main.btn_Folder, &a.frm_Main.btn_TailNumber,
                                 &a.frm_Main.btn_Callsign})
        Click(*step);
    EXPECT_EQ(shown, 6);
    EXPECT_EQ(a.frm_Main.lbl_CurrentAircraft.Caption(), kKiteName);
}

TEST_F(WindowsOnScreen, LargeFontScreenKeepsThePixelLayout) {
    Application& a = Start({kKite}, 120);
    qt::FormWidget& main = Shown(a.frm_Main);
    // The window's twips make more pixels here, but its outline is the skin's.
    EXPECT_EQ(main.mask(), RegionFile(install.MediaDir() / "MainRegion.dat"));
    EXPECT_EQ(main.mask().boundingRect(), QRect(0, 0, 800, 600));
    QWidget* list = main.WidgetOf(a.frm_Main.lst_Texture);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->geometry(), QRect(450, 106, 330, 21));
    // 8.25 points scaled by 96/120 at 120 dots per inch: the 96-dpi pixel size.
    EXPECT_EQ(list->font().pixelSize(), 11);
    Screenshot(a.frm_Main, "main-window-120dpi");
}

TEST_F(WindowsOnScreen, ButtonTipShowsAfterItsDelayInTheSkinColours) {
    Application& a = Start({});
    qt::FormWidget& main = Shown(a.frm_Main);
    const QPoint help = main.RectInForm(a.frm_Main.btn_Help.hWnd()).center();
    QTest::mouseMove(&main, help);
    EXPECT_FALSE(desktop->TooltipShown());
    EXPECT_TRUE(QTest::qWaitFor([&] { return desktop->TooltipShown(); }, 2000));
    QTest::mouseMove(&main, QPoint(400, 300));
    EXPECT_FALSE(desktop->TooltipShown());
}

TEST_F(WindowsOnScreen, MessageBoxHasOnlyOkAndTheProgramTitle) {
    Application& a = Start({});
    std::string title;
    int buttons = 0;
    WhenDialog([&](QWidget& dialog) {
        title = dialog.windowTitle().toStdString();
        buttons = static_cast<int>(dialog.findChildren<QAbstractButton*>().size());
        dialog.close();
    });
    When(a.frm_SelectAircraft, [] { FAIL() << "the step opened with no aircraft"; });
    qt::FormWidget& main = Shown(a.frm_Main);
    QTest::mouseClick(&main, Qt::LeftButton, {},
                      main.RectInForm(a.frm_Main.btn_SelectAircraft.hWnd()).center());
    ASSERT_EQ(desktop->MessageBoxes().size(), 1u);
    EXPECT_EQ(title, "Decalia");
    EXPECT_EQ(buttons, 1);
}

}  // namespace
}  // namespace decalia::qttest
