// Handing sheet bitmaps to the real texture library.

#include "ImagingFixture.h"
#include "imaging/BitmapSurfaces.h"
#include "imaging/CallDXTdll.h"
#include "imaging/Composition.h"
#include "imaging/Functions_24bit.h"
#include "imaging/Functions_8bit.h"
#include "imaging/TemplateLoading.h"
#include "platform/fs/Fs.h"
#include "support/TempDir.h"

namespace decalia::imagingtest {
namespace {

using Section = config::SectionMapping;

class CallDXTdllTest : public ImagingTest {
protected:
    void SetUp() override {
        UseAircraft(64, 32, 1, {{16, 8, {Section{0, 0, 16, 8, 0, 0, 16, 8}}}});
        LoadTemplateBitmaps(app, WriteTemplate("t.bmp", 64, 32, true), TemplatePath("t_a.bmp"));
        ReleaseWorkSurfaces(app);
        ASSERT_TRUE(ComposeTextureSheet(app, 0) && Save24BitBitmap(app, "tex_c"));
        ASSERT_TRUE(ComposeAlphaSheet(app, 0) && Save8BitBitmap(app, "tex_a"));
    }
    bool Exists(const std::string& name) const {
        return std::filesystem::exists(install.AppDir() / "TempBitmaps" / (name + ".bmp"));
    }
    std::string Header(const std::string& name) const {
        return testsupport::ReadFile(install.AppDir() / "TempBitmaps" / (name + ".bmp")).substr(0, 2);
    }
};

TEST_F(CallDXTdllTest, CompressionKeepsItsInputs) {
    CompressTexture(app, "tex_c", "tex_a", "tex", false, kFormatCodeDxt3);
    EXPECT_EQ(Header("tex"), "BM");
    EXPECT_TRUE(Exists("tex_c") && Exists("tex_a"));
}

TEST_F(CallDXTdllTest, Dxt1CleansUpItsInputsAndTheSheets) {
    CompressTextureDXT1(app, "tex_c", "tex_a", "tex");
    EXPECT_EQ(Header("tex"), "BM");
    EXPECT_FALSE(Exists("tex_c") || Exists("tex_a"));
    EXPECT_FALSE(Stretch24Bit(app, 0, 0, 1, 1, 0, 0, 1, 1));
}

TEST_F(CallDXTdllTest, ConversionNeedsNoAlphaSheet) {
    std::filesystem::remove(install.AppDir() / "TempBitmaps" / "tex_a.bmp");
    ConvertTexture(app, "tex_c", "tex", "4");
    EXPECT_EQ(Header("tex"), "BM");
}

TEST_F(CallDXTdllTest, TheLibraryComesFromTheProgramFolderWhateverTheCurrentFolder) {
    testsupport::TempDir elsewhere;
    const std::string previous = fs::CurrentFolder();
    ASSERT_TRUE(fs::SetCurrentFolder(elsewhere.Str()));
    CompressTexture(app, "tex_c", "tex_a", "tex", true, kFormatCode32Alpha);
    fs::SetCurrentFolder(previous);
    EXPECT_EQ(Header("tex"), "BM");
}

TEST_F(CallDXTdllTest, AMissingLibraryWritesNothingAndDxt1StillCleansUp) {
    std::filesystem::remove(install.TextureLibrary());
    CompressTexture(app, "tex_c", "tex_a", "tex", false, kFormatCodeDxt3);
    ConvertTexture(app, "tex_c", "tex", "1");
    CompressTextureDXT1(app, "tex_c", "tex_a", "tex");
    EXPECT_FALSE(Exists("tex") || Exists("tex_c") || Exists("tex_a"));
}

}  // namespace
}  // namespace decalia::imagingtest
