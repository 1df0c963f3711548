#include "UiFixture.h"

#include "ui/SmallFontFix.h"

namespace uitest {
namespace {

// A window laid out in twips at 96 dots per inch.
class StepForm : public forms::Form {
public:
    StepForm(forms::Runtime& runtime, const ui::Toolkit& toolkit)
        : Form(runtime, "frm_Variation"), toolkit_(toolkit) {
        SetSizeTwips(6000, 4500);
        lbl_Title.Move(2055, 300, 3855, 375);
        lbl_Title.SetFontSize(9.75);
        lst_Items.Move(600, 900, 3000, 1500);
        pic_Box.Move(300, 2600, 1500, 900);
        btn_Next.Move(3090, 3795);
    }

private:
    const ui::Toolkit& toolkit_;

public:
    forms::Label& lbl_Title = Add<forms::Label>("lbl_Title");
    forms::ListBox& lst_Items = Add<forms::ListBox>("lst_Items");
    forms::PictureBox& pic_Box = Add<forms::PictureBox>("pic_Box");
    ui::TinyButton& btn_Next = Add<ui::TinyButton>("btn_Next", nullptr, toolkit_);
};

class SmallFontFixTest : public UiTest {
protected:
    ui::FontScaleState state;
};

TEST_F(SmallFontFixTest, At96DotsPerInchNothingMoves) {
    StepForm form(runtime, toolkit);
    ui::FixFormForFonts(form, state);
    EXPECT_TRUE(ui::IsSmallFonts(runtime.Windows(), state));
    EXPECT_EQ(state.ScreenDpi, 96);
    EXPECT_EQ(state.FontScaleFactor, 1.0f);
    EXPECT_EQ(form.Width(), 6000);
    EXPECT_EQ(form.Height(), 4500);
    EXPECT_EQ(form.lbl_Title.Left(), 2055);
    EXPECT_EQ(form.lbl_Title.Width(), 3855);
    EXPECT_DOUBLE_EQ(form.lbl_Title.FontSize(), 9.75);
    EXPECT_FALSE(form.lst_Items.IntegralHeight());
}

TEST_F(SmallFontFixTest, At120DotsPerInchEverythingShrinksByFourFifths) {
    desktop.SetDotsPerInch(120);
    StepForm form(runtime, toolkit);
    ui::FixFormForFonts(form, state);
    EXPECT_FALSE(ui::IsSmallFonts(runtime.Windows(), state));
    EXPECT_EQ(state.ScreenDpi, 120);
    EXPECT_FLOAT_EQ(state.FontScaleFactor, 0.8f);
    EXPECT_EQ(form.Width(), 4800);
    EXPECT_EQ(form.Height(), 3600);
    EXPECT_EQ(form.lbl_Title.Left(), 1644);
    EXPECT_EQ(form.lbl_Title.Width(), 3084);
    EXPECT_EQ(form.lbl_Title.Top(), 240);
    EXPECT_NEAR(form.lbl_Title.FontSize(), 7.8, 1e-6);
    EXPECT_EQ(form.lst_Items.Height(), 1200);
    EXPECT_FALSE(form.lst_Items.IntegralHeight());
    EXPECT_EQ(form.pic_Box.Width(), 1200);
    EXPECT_EQ(form.pic_Box.Left(), 240);
    // The picture box's inside scale is scaled after its size, as a user scale.
    EXPECT_EQ(form.pic_Box.ScaleMode(), forms::ScaleMode::User);
    EXPECT_NEAR(form.pic_Box.ScaleWidth(), 960, 1e-3);
    // A skinned button moves but keeps its pixel size.
    EXPECT_EQ(form.btn_Next.Left(), 2472);
    EXPECT_EQ(form.btn_Next.PixelWidth(), 33);
    EXPECT_EQ(form.btn_Next.PixelHeight(), 35);
}

TEST_F(SmallFontFixTest, At144DotsPerInchTheFactorIsTwoThirds) {
    desktop.SetDotsPerInch(144);
    StepForm form(runtime, toolkit);
    ui::FixFormForFonts(form, state);
    EXPECT_EQ(state.ScreenDpi, 144);
    EXPECT_NEAR(state.FontScaleFactor, 0.6667, 1e-4);
    EXPECT_NEAR(form.Width(), 4000, 1e-3);
    EXPECT_NEAR(form.lbl_Title.Left(), 1370, 1e-3);
    EXPECT_NEAR(form.lbl_Title.FontSize(), 6.5, 1e-5);
}

}  // namespace
}  // namespace uitest
