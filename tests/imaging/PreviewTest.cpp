// The main window's texture preview: the scrolling template view and the
// composed sheets, in colour and alpha.

#include "ImagingFixture.h"
#include "appstate/CurrentConfiguration.h"
#include "imaging/DirectX_Mod.h"
#include "imaging/TemplateLoading.h"

namespace decalia::imagingtest {
namespace {

using Section = config::SectionMapping;

class PreviewTest : public ImagingTest {
protected:
    // A 2048 x 1024 template; sheet 0 is its top-left 16 x 8 corner, sheet 1
    // eight pixels from column 100.
    void LoadWideTemplate(bool withAlpha = true) {
        UseAircraft(2048, 1024, 1,
                    {{16, 8, {Section{0, 0, 16, 8, 0, 0, 16, 8}}},
                     {8, 4, {Section{100, 0, 108, 4, 0, 0, 8, 4}}}});
        LoadTemplate(app, WriteTemplate("wide.bmp", 2048, 1024, withAlpha));
    }
    void ShowListText(const std::string& text) {
        main.lst_Texture.Clear();
        main.lst_Texture.AddItem(text);
        main.lst_Texture.SetListIndex(0);
        RenderPreview(app);
    }
    win::HBITMAP Shown() const { return main.PreviewImage.Picture().Handle(); }
};

TEST_F(PreviewTest, TheEntireTemplateScrollsASquareWindow) {
    LoadWideTemplate();
    main.Preview_Scroll.SetValue(300);
    RenderPreview(app);
    EXPECT_EQ(main.Preview_Scroll.Max(), 1024);
    EXPECT_EQ(main.Preview_Scroll.LargeChange(), 128);
    EXPECT_EQ(SizeOf(Shown()), std::make_pair(1024, 1024));
    EXPECT_EQ(PixelOf(Shown(), 0, 0), TemplateColour(300, 0));
    EXPECT_EQ(PixelOf(Shown(), 1023, 700), TemplateColour(1323, 700));
}

struct ListCase {
    const char* text;
    std::pair<int, int> size;
    int firstColumn;  // template column of the preview's column 0
};

TEST_F(PreviewTest, TheListTextPicksTheViewOrFallsBackToTheFirstSheet) {
    const ListCase cases[] = {{"  *ENTIRE template* ", {1024, 1024}, 0},
                              {" Sheet 1 ", {8, 4}, 100},
                              {"sheet 1", {16, 8}, 0},
                              {"No such sheet", {16, 8}, 0}};
    LoadWideTemplate();
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.text);
        ShowListText(c.text);
        EXPECT_EQ(SizeOf(Shown()), c.size);
        EXPECT_EQ(PixelOf(Shown(), 0, 1), TemplateColour(c.firstColumn, 1));
        EXPECT_EQ(main.Preview_Scroll.LargeChange(), c.size.first == 1024 ? 128 : 1024);
    }
}

TEST_F(PreviewTest, TheAlphaViewShowsTheAlphaTemplate) {
    LoadWideTemplate();
    main.opt_Alpha.SetValue(true);
    ShowListText("Sheet 1");
    const win::COLORREF grey = PixelOf(Shown(), 2, 3);
    EXPECT_EQ(win::GetRValue(grey), AlphaIndex(102, 3));
    EXPECT_EQ(win::GetBValue(grey), AlphaIndex(102, 3));
}

TEST_F(PreviewTest, AFailedDrawingKeepsThePreviousPicture) {
    LoadWideTemplate(false);
    ShowListText("Sheet 0");
    const win::HBITMAP before = Shown();
    main.opt_Alpha.SetValue(true);  // there is no alpha template to draw from
    EXPECT_EQ(Shown(), before);
}

TEST_F(PreviewTest, NothingIsDrawnWhileAConfigurationIsRead) {
    UseAircraft(64, 32, 0, {{8, 8, {}}});
    LoadTemplateBitmaps(app, WriteTemplate("t.bmp", 64, 32, false), "");
    app.ConfigurationLoading = true;
    RenderPreview(app);
    EXPECT_FALSE(main.PreviewImage.Picture());
}

TEST_F(PreviewTest, ReadingAnAircraftClearsThePreview) {
    LoadWideTemplate();
    ASSERT_TRUE(main.PreviewImage.Picture());
    UseAircraft(64, 32, 0, {{8, 8, {}}});
    EXPECT_FALSE(main.PreviewImage.Picture());
    EXPECT_FALSE(main.previewPicture.Picture());
    EXPECT_EQ(PixelOf(main.previewPicture.Image().Handle(), 0, 0), main.previewPicture.BackColor());
}

}  // namespace
}  // namespace decalia::imagingtest
