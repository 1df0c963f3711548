#include "builder/BuildProgress.h"

#include "BuilderFixture.h"

namespace decalia::buildertest {
namespace {

TEST_F(BuilderTest, ProgressBarGrowsInsideThirtyTwipMarginsAndShowsAtOnce) {
    forms::PictureBox& container = app.frm_Main.Pic_StatusBackground;
    forms::PictureBox& bar = app.frm_Main.pic_StatusBar;
    const double room = container.ScaleWidth() - 60;
    ASSERT_GT(room, 0);
    for (const double percent : {0.0, 20.0, 56.7, 100.0}) {
        const int refreshes = desktop.RefreshCount(container);
        ShowBuildProgress(app, percent);
        EXPECT_DOUBLE_EQ(bar.Left(), 30);
        EXPECT_DOUBLE_EQ(bar.Top(), 30);
        EXPECT_DOUBLE_EQ(bar.Height(), 270);
        EXPECT_NEAR(bar.Width(), room * percent / 100, 1.0) << percent;
        EXPECT_EQ(desktop.RefreshCount(container), refreshes + 1);
    }
    // At the end the bar stops 30 twips short of the right edge.
    EXPECT_NEAR(bar.Left() + bar.Width(), container.ScaleWidth() - 30, 1.0);
}

}  // namespace
}  // namespace decalia::buildertest
