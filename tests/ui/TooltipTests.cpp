#include "UiFixture.h"

#include "platform/win/WindowSystem.h"
#include "ui/cls_Tooltip.h"

namespace uitest {
namespace {

class TooltipTest : public UiTest {
protected:
    TooltipTest() {
        form.SetScaleMode(forms::ScaleMode::Pixels);
        form.Show();
        target.Move(10, 10, 40, 30);
    }
    const win::TooltipState& State(const ui::cls_Tooltip& tip) const {
        const win::TooltipState* state = windows.Tooltip(tip.hWnd());
        EXPECT_NE(state, nullptr);
        return *state;
    }

    win::WindowSystem& windows = runtime.Windows();
    forms::Form form{runtime, "frm_Tips"};
    forms::PictureBox& target = form.Add<forms::PictureBox>("pic_Target");
};

TEST_F(TooltipTest, CreateAppliesTheSettingsWrittenBefore) {
    ui::cls_Tooltip tip(windows);
    EXPECT_EQ(tip.MaxWidth(), 300);
    EXPECT_EQ(tip.ForeColor(), 0u);
    tip.SetForeColor(win::RGB(1, 2, 3));
    tip.SetBackColor(win::RGB(4, 5, 6));
    std::int32_t lost = 1234;
    tip.SetVisibleTime(lost);
    tip.Create(form.hWnd());
    ASSERT_TRUE(windows.IsWindow(tip.hWnd()));
    EXPECT_EQ(windows.GetClassNameA(tip.hWnd()), "tooltips_class32");
    EXPECT_EQ(windows.GetParent(tip.hWnd()), form.hWnd());
    const win::TooltipState& state = State(tip);
    EXPECT_EQ(state.maxTipWidth, 300);
    EXPECT_EQ(state.textColor, win::RGB(1, 2, 3));
    EXPECT_EQ(state.backColor, win::RGB(4, 5, 6));
    // Delay times need the window.
    EXPECT_EQ(tip.VisibleTime(), 5000);
}

TEST_F(TooltipTest, DelayTimesAreClampedAndWrittenBack) {
    ui::cls_Tooltip tip(windows);
    tip.Create(form.hWnd());
    std::int32_t visible = 40000;
    tip.SetVisibleTime(visible);
    EXPECT_EQ(visible, 32767);
    EXPECT_EQ(tip.VisibleTime(), 32767);
    std::int32_t delay = -5;
    tip.SetDelayTime(delay);
    EXPECT_EQ(delay, 0);
    EXPECT_EQ(tip.DelayTime(), 0);
    delay = 250;
    tip.SetDelayTime(delay);
    EXPECT_EQ(delay, 250);
    EXPECT_EQ(State(tip).initialMs, 250);
}

TEST_F(TooltipTest, FontHeightFollowsTheDensityAndRoundsToWholePoints) {
    EXPECT_EQ(ui::FontHeightFor(9.75, 96), -13);
    EXPECT_EQ(ui::FontHeightFor(9.75, 120), -17);
    EXPECT_EQ(ui::FontHeightFor(8.25, 96), -11);
    // Half a point goes to the even size.
    EXPECT_EQ(ui::FontHeightFor(8.5, 72), -8);
    EXPECT_EQ(ui::FontHeightFor(9.5, 72), -10);
}

TEST_F(TooltipTest, SettingTheFontTwiceOrDestroyingDeletesTheOldFont) {
    ui::cls_Tooltip tip(windows);
    tip.Create(form.hWnd());
    forms::Font font;
    font.Name = "Tahoma";
    font.Size = 9.75;
    font.Bold = true;  // the weight decides, not the bold flag
    font.Weight = 400;
    font.Italic = true;
    tip.SetFont(&font);
    const win::HFONT first = tip.FontHandle();
    win::LOGFONTA made;
    ASSERT_TRUE(win::GetObject(first, made));
    EXPECT_EQ(made.lfHeight, -13);
    EXPECT_EQ(made.lfWeight, 400);
    EXPECT_EQ(made.lfItalic, 1);
    EXPECT_EQ(made.lfCharSet, win::ANSI_CHARSET);
    EXPECT_EQ(State(tip).font, first);

    tip.SetFont(&font);
    EXPECT_NE(tip.FontHandle(), first);
    EXPECT_FALSE(win::GetObject(first, made));
    EXPECT_EQ(State(tip).font, tip.FontHandle());

    tip.SetFont(nullptr);
    EXPECT_TRUE(win::GetObject(tip.FontHandle(), made));

    const win::HWND window = tip.hWnd();
    const win::HFONT last = tip.FontHandle();
    tip.Destroy();
    EXPECT_FALSE(windows.IsWindow(window));
    EXPECT_FALSE(win::GetObject(last, made)) << "Destroy deletes the font too";
    tip.Destroy();
}

TEST_F(TooltipTest, AddControlRegistersTheControlWindowWithItsFlags) {
    ui::cls_Tooltip tip(windows);
    tip.Create(form.hWnd());
    tip.AddControl(target, "plain");
    tip.AddControl(target, "centred", true);
    const auto& tools = State(tip).tools;
    ASSERT_EQ(tools.size(), 2u);
    EXPECT_EQ(tools[0].flags, 0x11u);
    EXPECT_EQ(tools[1].flags, 0x13u);
    EXPECT_EQ(tools[0].owner, target.hWnd());
    EXPECT_EQ(tools[0].toolWindow, target.hWnd());
    EXPECT_EQ(tools[0].rect, (win::RECT{0, 0, 40, 30}));
    EXPECT_EQ(tools[0].text, "plain");
}

TEST_F(TooltipTest, AFailedCreateLeavesANullWindowThatTakesEverythingQuietly) {
    ui::cls_Tooltip tip(windows);
    tip.Create(0x7FFF0000);
    EXPECT_EQ(tip.hWnd(), 0);
    std::int32_t visible = 100;
    tip.SetVisibleTime(visible);
    tip.AddControl(target, "nowhere");
    EXPECT_EQ(tip.VisibleTime(), 0);
}

}  // namespace
}  // namespace uitest
