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

TEST_F(SmallFontFixTest, LayoutShrinksByNinetySixOverTheDensity) {
    struct Case {
        int dpi;
        double factor, width, titleLeft, fontSize;
    };
    for (const Case& c : {Case{96, 1.0, 6000, 2055, 9.75}, Case{120, 0.8, 4800, 1644, 7.8},
                          Case{144, 2.0 / 3, 4000, 1370, 6.5}}) {
        desktop.SetDotsPerInch(c.dpi);
        ui::FontScaleState scale;
        StepForm form(runtime, toolkit);
        ui::FixFormForFonts(form, scale);
        EXPECT_EQ(ui::IsSmallFonts(runtime.Windows(), scale), c.dpi == 96);
        EXPECT_EQ(scale.ScreenDpi, c.dpi);
        EXPECT_NEAR(scale.FontScaleFactor, c.factor, 1e-4) << c.dpi;
        EXPECT_NEAR(form.Width(), c.width, 1e-3) << c.dpi;
        EXPECT_NEAR(form.lbl_Title.Left(), c.titleLeft, 1e-3) << c.dpi;
        EXPECT_NEAR(form.lbl_Title.FontSize(), c.fontSize, 1e-5) << c.dpi;
        EXPECT_FALSE(form.lst_Items.IntegralHeight());
    }
}

TEST_F(SmallFontFixTest, PictureBoxesGetAUserScaleAndSkinnedButtonsKeepTheirPixels) {
    desktop.SetDotsPerInch(120);
    StepForm form(runtime, toolkit);
    ui::FixFormForFonts(form, state);
    EXPECT_EQ(form.pic_Box.Width(), 1200);
    // The inside scale is scaled after the size, as a user scale.
    EXPECT_EQ(form.pic_Box.ScaleMode(), forms::ScaleMode::User);
    EXPECT_NEAR(form.pic_Box.ScaleWidth(), 960, 1e-3);
    EXPECT_EQ(form.btn_Next.Left(), 2472);
    EXPECT_EQ(form.btn_Next.PixelWidth(), 33);
}

}  // namespace
}  // namespace uitest
