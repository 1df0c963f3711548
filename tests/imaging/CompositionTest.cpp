// Cutting texture sheets out of the template: placement, scaling, mirroring,
// overlap and clipping, for colour and alpha.

#include "ImagingFixture.h"
#include "imaging/BitmapSurfaces.h"
#include "imaging/Composition.h"
#include "imaging/TemplateLoading.h"

namespace decalia::imagingtest {
namespace {

using Section = config::SectionMapping;

class CompositionTest : public ImagingTest {
protected:
    void Load(const std::vector<Sheet>& sheets, bool withAlpha = true) {
        UseAircraft(64, 32, 1, sheets);
        LoadTemplateBitmaps(app, WriteTemplate("t.bmp", 64, 32, withAlpha),
                            withAlpha ? TemplatePath("t_a.bmp") : "IGNORE");
        ReleaseWorkSurfaces(app);
    }
    win::COLORREF Sheet(int x, int y) { return win::GetPixel(app.sheetSurface.dc, x, y); }
    std::uint8_t Alpha(int x, int y) {
        return win::GetRValue(win::GetPixel(app.alphaSheetSurface.dc, x, y));
    }
};

TEST_F(CompositionTest, SectionsArePlacedMirroredAndLaterOnesWin) {
    Load({{8, 4,
           {Section{10, 2, 18, 6, 0, 0, 8, 4},       // 1:1
            Section{30, 10, 34, 12, 7, 3, 3, 1},     // mirrored both ways, over the first
            Section{40, 20, 41, 21, 0, 0, 1, 1}}}}); // one pixel, last: wins at (0, 0)
    ASSERT_TRUE(ComposeTextureSheet(app, 0));
    ASSERT_TRUE(ComposeAlphaSheet(app, 0));
    EXPECT_EQ(Sheet(0, 0), TemplateColour(40, 20));
    EXPECT_EQ(Alpha(0, 0), AlphaIndex(40, 20));
    EXPECT_EQ(Sheet(1, 0), TemplateColour(11, 2));
    EXPECT_EQ(Sheet(3, 3), TemplateColour(13, 5));
    EXPECT_EQ(Sheet(7, 3), TemplateColour(30, 10));
    // The mirrored section covers x 4..7, y 2..3, read right to left, bottom up.
    EXPECT_EQ(Sheet(7, 2), TemplateColour(30, 11));
    EXPECT_EQ(Sheet(4, 3), TemplateColour(33, 10));
    EXPECT_EQ(Alpha(4, 3), AlphaIndex(33, 10));
}

TEST_F(CompositionTest, ATemplateTwiceAsWideIsSqueezedByAndingDroppedPixels) {
    Load({{4, 1, {Section{8, 3, 16, 4, 0, 0, 4, 1}}}});
    ASSERT_TRUE(ComposeTextureSheet(app, 0));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(Sheet(x, 0), TemplateColour(8 + 2 * x, 3) & TemplateColour(9 + 2 * x, 3)) << x;
}

TEST_F(CompositionTest, RectanglesOutsideEitherBitmapAreClipped) {
    Load({{4, 4, {Section{62, 30, 66, 34, 1, 1, 5, 5}}}});
    ASSERT_TRUE(ComposeTextureSheet(app, 0));
    EXPECT_EQ(Sheet(1, 1), TemplateColour(62, 30));
    EXPECT_EQ(Sheet(2, 2), TemplateColour(63, 31));
    EXPECT_EQ(Sheet(3, 3), 0u);  // its source lies outside the template
    EXPECT_EQ(Sheet(0, 0), 0u);  // no section covers it
}

TEST_F(CompositionTest, NoSectionsGiveABlackSheetAndIndexZero) {
    Load({{4, 4, {}}});
    EXPECT_TRUE(ComposeTextureSheet(app, 0));
    EXPECT_TRUE(ComposeAlphaSheet(app, 0));
    EXPECT_EQ(Sheet(3, 3), 0u);
    EXPECT_EQ(Alpha(3, 3), 0);
}

TEST_F(CompositionTest, WithoutAlphaTemplateTheAlphaSheetIsNotDrawn) {
    Load({{4, 4, {Section{0, 0, 4, 4, 0, 0, 4, 4}}}}, false);
    EXPECT_FALSE(app.AlphaLoaded);
    EXPECT_TRUE(ComposeAlphaSheet(app, 0));
    EXPECT_EQ(Alpha(1, 1), 0);
}

TEST_F(CompositionTest, TheComposedSheetIsShownInThePreview) {
    Load({{8, 4, {Section{0, 0, 8, 4, 0, 0, 8, 4}}}});
    ASSERT_TRUE(ComposeTextureSheet(app, 0));
    EXPECT_EQ(SizeOf(main.PreviewImage.Picture().Handle()), std::make_pair(8, 4));
    EXPECT_EQ(PixelOf(main.PreviewImage.Picture().Handle(), 5, 2), TemplateColour(5, 2));
}

TEST_F(CompositionTest, IndexesOutsideTheTexturesAndEmptySheetsFail) {
    Load({{0, 4, {}}});
    EXPECT_FALSE(ComposeTextureSheet(app, 0));
    EXPECT_FALSE(ComposeTextureSheet(app, 1));
    EXPECT_FALSE(ComposeAlphaSheet(app, -1));
}

}  // namespace
}  // namespace decalia::imagingtest
