// Twips, scale modes and the order of controls.

#include "FormsFixture.h"

using namespace formstest;

namespace {

class GeometryTest : public FormsTest, public ::testing::WithParamInterface<int> {};

TEST_P(GeometryTest, TwipsFollowTheDesktopsDensity) {
    const int dpi = GetParam();
    desktop.SetDotsPerInch(dpi);
    EXPECT_DOUBLE_EQ(runtime.Screen().TwipsPerPixelX(), 1440.0 / dpi);
    EXPECT_DOUBLE_EQ(runtime.Screen().TwipsPerPixelY(), 1440.0 / dpi);

    TestForm form(runtime);
    form.Load();
    // 6000 x 4500 twips is 400 x 300 pixels at 96 dpi, more pixels above.
    const auto rect = runtime.Windows().WindowRect(form.hWnd());
    EXPECT_EQ(rect->right - rect->left, 6000 * dpi / 1440);
    EXPECT_EQ(rect->bottom - rect->top, 4500 * dpi / 1440);
    EXPECT_DOUBLE_EQ(form.ScaleWidth(), 6000.0 * dpi / 1440);

    // Positions set in pixels stay pixels whatever the density.
    const auto box = runtime.Windows().WindowRect(form.txt_Folder.hWnd());
    EXPECT_EQ(*box, (win::RECT{10, 40, 210, 60}));
    EXPECT_DOUBLE_EQ(form.txt_Folder.Left(), 10);
    EXPECT_DOUBLE_EQ(form.txt_Folder.LeftTwips(), 10 * 1440.0 / dpi);
}

INSTANTIATE_TEST_SUITE_P(Densities, GeometryTest, ::testing::Values(96, 120, 144));

TEST_F(FormsTest, ScaleModesConvertTheContainersUnit) {
    TestForm form(runtime);
    form.SetScaleMode(forms::ScaleMode::Twips);
    EXPECT_DOUBLE_EQ(form.txt_Folder.Left(), 150);
    form.txt_Folder.SetLeft(2055);
    form.SetScaleMode(forms::ScaleMode::Pixels);
    EXPECT_DOUBLE_EQ(form.txt_Folder.Left(), 137);
    // Writing ScaleWidth selects a scale of the program's own.
    form.SetScaleWidth(100);
    EXPECT_EQ(form.ScaleMode(), forms::ScaleMode::User);
    EXPECT_DOUBLE_EQ(form.txt_Folder.Left(), 2055.0 / 60);
    EXPECT_DOUBLE_EQ(form.ScaleHeight(), 300);
}

TEST_F(FormsTest, ControlsKeepCreationOrderAndKinds) {
    TestForm form(runtime);
    auto& frame = form.Add<forms::Frame>("Frame1");
    auto& inFrame = form.Add<forms::CheckBox>("chkDXT3", &frame);
    ASSERT_EQ(form.ControlCount(), 8);
    const std::vector<std::string> names{"lbl_Title",  "txt_Folder",     "lst_Texture",
                                         "opt_Standard", "opt_Alpha",    "Preview_Scroll",
                                         "Frame1",     "chkDXT3"};
    for (int i = 0; i < form.ControlCount(); ++i) {
        EXPECT_EQ(form.Controls(i).Name(), names[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(form.Controls(0).Kind(), forms::ControlKind::Label);
    EXPECT_TRUE(form.Controls(2).Is<forms::ListBox>());
    EXPECT_FALSE(form.Controls(2).Is<forms::TextBox>());
    EXPECT_EQ(form.ControlNamed("CHKdxt3"), &inFrame);
    EXPECT_EQ(inFrame.Container(), &frame);

    // A control inside a frame sits in the frame's window.
    frame.Move(100, 100, 100, 100);
    inFrame.Move(5, 5, 50, 20);
    form.Load();
    EXPECT_EQ(runtime.Windows().GetParent(inFrame.hWnd()), frame.hWnd());
    EXPECT_EQ(runtime.Windows().ClientToScreen(inFrame.hWnd(), win::POINT{})->x, 105);
}

TEST_F(FormsTest, UserControlsOwnTheirInsideAndResize) {
    TestForm form(runtime);
    auto& button = form.Add<forms::UserControl>("btn_Close");
    auto& inside = button.Add<forms::PictureBox>("pic_BG");
    int resizes = 0;
    button.Resize = [&] {
        ++resizes;
        button.SetSizeTwips(33 * runtime.Screen().TwipsPerPixelX(),
                            35 * runtime.Screen().TwipsPerPixelY());
    };
    form.Load();
    EXPECT_EQ(form.ControlCount(), 7);
    EXPECT_EQ(runtime.Windows().GetParent(inside.hWnd()), button.hWnd());
    EXPECT_EQ(&inside.Parent(), &form);

    button.SetWidth(80);
    EXPECT_GE(resizes, 1);
    EXPECT_EQ(button.PixelWidth(), 33);
    EXPECT_EQ(button.PixelHeight(), 35);
}

}  // namespace
