// Choosing and loading the painter's template and its alpha companion, and
// what a wrong or hostile file does.

#include "ImagingFixture.h"
#include "imaging/TemplateLoading.h"
#include "support/TempDir.h"

namespace decalia::imagingtest {
namespace {

class TemplateLoadingTest : public ImagingTest {
protected:
    void Aircraft(int useAlpha) { UseAircraft(64, 32, useAlpha, {{8, 8, {}}}); }
};

TEST(AlphaCompanionPath, CutsExactlyFourCharactersAfterTrimming) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Paint\\Livery.bmp", "C:\\Paint\\Livery_a.bmp"},
        {"  /p/Livery.BMP ", "/p/Livery_a.bmp"},
        {"/p/Livery.bitmap", "/p/Livery.bi_a.bmp"},
        {"ab", "_a.bmp"}};
    for (const auto& [path, companion] : cases) EXPECT_EQ(AlphaCompanionPath(path), companion);
}

TEST_F(TemplateLoadingTest, WithoutUseAlphaNoCompanionIsLoadedEvenWhenPresent) {
    Aircraft(0);
    LoadTemplate(app, WriteTemplate("t.bmp", 64, 32, true));
    EXPECT_TRUE(app.TemplateLoaded);
    EXPECT_FALSE(app.AlphaLoaded);
    EXPECT_TRUE(desktop.MessageBoxes().empty());
}

TEST_F(TemplateLoadingTest, AMissingCompanionIsSaidAndTheAlphaViewTurnedOff) {
    Aircraft(1);
    main.opt_Alpha.SetValue(true);
    LoadTemplate(app, WriteTemplate("t.bmp", 64, 32, false));
    ASSERT_EQ(desktop.MessageBoxes().size(), 1u);
    EXPECT_EQ(desktop.MessageBoxes()[0].text, kNoAlphaMessage);
    EXPECT_EQ(desktop.MessageBoxes()[0].caption, "Decalia");
    EXPECT_TRUE(main.opt_Standard.Value());
    EXPECT_FALSE(main.opt_Alpha.Enabled());
    EXPECT_TRUE(app.TemplateLoaded);
    EXPECT_FALSE(app.AlphaLoaded);
}

TEST_F(TemplateLoadingTest, ACompanionLoadsAndTheLoadShowsThePreview) {
    Aircraft(1);
    main.opt_Alpha.SetEnabled(false);
    LoadTemplate(app, WriteTemplate("t.bmp", 64, 32, true));
    EXPECT_TRUE(app.TemplateLoaded && app.AlphaLoaded);
    EXPECT_TRUE(main.opt_Alpha.Enabled());
    EXPECT_TRUE(main.PreviewImage.Visible() && main.Preview_Scroll.Visible());
    EXPECT_TRUE(main.lst_Texture.Enabled());
    EXPECT_EQ(SizeOf(main.PreviewImage.Picture().Handle()), std::make_pair(32, 32));
    // The readiness rule's text; the aircraft step of a window never loaded shows no mark.
    EXPECT_EQ(main.lbl_Status.Caption(), "Ready to Load Repaint Template");
    EXPECT_EQ(main.MousePointer(), forms::vbDefault);
}

TEST_F(TemplateLoadingTest, ATemplateOfAnotherSizeIsNamedInTheStatusLine) {
    Aircraft(0);
    LoadTemplate(app, WriteTemplate("t.bmp", 60, 30, false));
    EXPECT_TRUE(app.TemplateLoaded);
    EXPECT_EQ(main.lbl_Status.Caption(), "Template is 60 x 30; this aircraft expects 64 x 32");
}

TEST_F(TemplateLoadingTest, ReloadingReplacesTheOldSurfaces) {
    Aircraft(1);
    const std::string path = WriteTemplate("t.bmp", 64, 32, true);
    LoadTemplate(app, path);
    const win::HBITMAP first = app.templateSurface.bitmap;
    const win::HDC firstAlphaDc = app.alphaTemplateSurface.dc;
    LoadTemplate(app, path);
    win::BITMAP gone;
    EXPECT_FALSE(win::GetObject(first, gone));
    EXPECT_FALSE(win::DeleteDC(firstAlphaDc));
    EXPECT_TRUE(app.TemplateLoaded && app.AlphaLoaded);
}

TEST_F(TemplateLoadingTest, ATopDownTemplateLoadsTheRightWayUp) {
    Aircraft(0);
    const std::string path = WriteTemplate("t.bmp", 64, 32, false);
    std::string bytes = testsupport::ReadFile(path);
    // Flip the rows in the file and say so with a negative height.
    const std::size_t stride = 64 * 3;
    std::string flipped = bytes.substr(0, 54);
    for (std::size_t r = 32; r-- > 0;) flipped += bytes.substr(54 + r * stride, stride);
    flipped[22] = '\xE0';  // -32
    flipped[23] = flipped[24] = flipped[25] = '\xFF';
    testsupport::WriteFile(path, flipped);
    LoadTemplate(app, path);
    ASSERT_TRUE(app.TemplateLoaded);
    EXPECT_EQ(win::GetPixel(app.templateSurface.dc, 3, 1), TemplateColour(3, 1));
}

// Little-endian header of a bitmap file that claims what it is told to.
std::string ClaimingBitmap(std::int32_t width, std::int32_t height, std::uint16_t bits,
                           std::uint32_t compression, std::size_t pixelBytes) {
    std::string bytes(54 + (bits <= 8 ? 4u << bits : 0u), '\0');
    const auto put = [&bytes](std::size_t at, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(10, static_cast<std::uint32_t>(bytes.size()), 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, bits, 2);
    put(30, compression, 4);
    return bytes + std::string(pixelBytes, '\x55');
}

TEST_F(TemplateLoadingTest, WrongOrHostileTemplatesLoadNothingAndShowNothing) {
    const std::pair<const char*, std::string> files[] = {
        {"not a bitmap", "hello, painter"},
        {"truncated", ClaimingBitmap(64, 32, 24, 0, 64 * 32 * 3 / 2)},
        {"1-bit", ClaimingBitmap(64, 32, 1, 0, 8 * 32)},
        {"4-bit", ClaimingBitmap(64, 32, 4, 0, 32 * 32)},
        {"16-bit", ClaimingBitmap(64, 32, 16, 0, 128 * 32)},
        {"32-bit", ClaimingBitmap(64, 32, 32, 0, 256 * 32)},
        {"compressed", ClaimingBitmap(64, 32, 8, 1, 64 * 32)},
        {"0 x 0", ClaimingBitmap(0, 0, 24, 0, 0)},
        {"60000 x 60000", ClaimingBitmap(60000, 60000, 24, 0, 1024)}};
    Aircraft(1);
    for (const auto& [what, bytes] : files) {
        SCOPED_TRACE(what);
        const std::string path = TemplatePath("bad.bmp");
        testsupport::WriteFile(path, bytes);
        testsupport::WriteFile(TemplatePath("bad_a.bmp"), bytes);
        LoadTemplate(app, path);
        EXPECT_FALSE(app.TemplateLoaded);
        EXPECT_FALSE(app.AlphaLoaded);
        EXPECT_FALSE(main.PreviewImage.Picture());
    }
}

TEST_F(TemplateLoadingTest, AnAlphaCompanionThatIsReally24BitIsNotUsed) {
    Aircraft(1);
    const std::string path = WriteTemplate("t.bmp", 64, 32, false);
    WriteTemplate("t_a.bmp", 64, 32, false);
    LoadTemplate(app, path);
    EXPECT_TRUE(app.TemplateLoaded);
    EXPECT_FALSE(app.AlphaLoaded);
}

TEST_F(TemplateLoadingTest, ChoosingAFileFillsTheStepAndCancellingKeepsIt) {
    const std::string path = WriteTemplate("Livery.bmp", 64, 32, false);
    desktop.AnswerOpenFile(path);
    ChooseTemplateFile(app);
    ASSERT_EQ(desktop.FileDialogs().size(), 1u);
    EXPECT_EQ(desktop.FileDialogs()[0].filter, "Decalia Template Files |*.bmp");
    EXPECT_EQ(desktop.FileDialogs()[0].initialFolder, app.AppPath("\\Templates"));
    EXPECT_EQ(app.job.StepTemplateName, "Livery.bmp");
    EXPECT_EQ(app.job.StepTemplatePath, path);
    EXPECT_EQ(app.frm_SelectTemplate.lbl_SelectedTemplate.Caption(), "Livery.bmp");
    EXPECT_EQ(app.frm_SelectTemplate.btn_Next.state(), "enabled");

    app.frm_SelectTemplate.btn_Next.SetState("disabled");
    std::filesystem::remove_all(install.AppDir() / "Templates");
    desktop.AnswerOpenFile(std::nullopt);
    ChooseTemplateFile(app);
    EXPECT_EQ(desktop.FileDialogs()[1].initialFolder, app.AppFolder());
    EXPECT_EQ(app.job.StepTemplatePath, path);
    EXPECT_EQ(app.frm_SelectTemplate.lbl_CurrentTemplate.Caption(), "Livery.bmp");
    EXPECT_EQ(app.frm_SelectTemplate.btn_Next.state(), "disabled");
}

}  // namespace
}  // namespace decalia::imagingtest
