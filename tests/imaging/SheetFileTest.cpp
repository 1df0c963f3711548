// The intermediate bitmap files handed to the texture library.

#include "ImagingFixture.h"
#include "imaging/BitmapSurfaces.h"
#include "imaging/Functions_24bit.h"
#include "imaging/Functions_8bit.h"
#include "platform/gdi/BmpFile.h"
#include "support/TempDir.h"

namespace decalia::imagingtest {
namespace {

std::uint32_t U32At(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= std::uint32_t{static_cast<std::uint8_t>(bytes[at + i])} << (8 * i);
    return value;
}

class SheetFileTest : public ImagingTest {
protected:
    std::string Saved(const std::string& name) {
        return testsupport::ReadFile(install.AppDir() / "TempBitmaps" / (name + ".bmp"));
    }
};

struct FileShape {
    int bits;
    int width;
    int height;
    std::uint32_t size;
    std::uint32_t pixelsAt;
};

// Widths of a multiple of 4 give the exact sizes the library expects; other
// widths get padded rows so the file is still a valid bitmap.
TEST_F(SheetFileTest, FilesHaveTheExpectedSizeOffsetAndReadBack) {
    const FileShape shapes[] = {{24, 256, 256, 196662, 54}, {8, 256, 256, 66614, 1078},
                                {24, 10, 3, 54 + 32 * 3, 54}, {8, 6, 2, 1078 + 8 * 2, 1078}};
    for (const FileShape& shape : shapes) {
        SCOPED_TRACE(std::to_string(shape.bits) + " bits, width " + std::to_string(shape.width));
        const bool saved = shape.bits == 24
            ? Create24BitSurface(app, 24, shape.width, shape.height) && Save24BitBitmap(app, "sheet")
            : Create8BitSurface(app, 8, shape.width, shape.height) && Save8BitBitmap(app, "sheet");
        ASSERT_TRUE(saved);
        const std::string bytes = Saved("sheet");
        ASSERT_EQ(bytes.size(), shape.size);
        EXPECT_EQ(bytes.substr(0, 2), "BM");
        EXPECT_EQ(U32At(bytes, 2), shape.size);
        EXPECT_EQ(U32At(bytes, 10), shape.pixelsAt);
        gdi::Owned<win::HBITMAP> back(gdi::DecodeBmp(
            {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}));
        EXPECT_EQ(SizeOf(back.Get()), std::make_pair(shape.width, shape.height));
    }
}

TEST_F(SheetFileTest, AlphaSheetWithoutAlphaTemplateIsOpaqueOverAGreyRamp) {
    ASSERT_TRUE(Create8BitSurface(app, 8, 8, 4));
    ASSERT_TRUE(Save8BitBitmap(app, "alpha"));
    const std::string bytes = Saved("alpha");
    ASSERT_EQ(bytes.size(), 1078u + 32u);
    for (std::size_t i = 0; i < 256; ++i)
        EXPECT_EQ(U32At(bytes, 54 + 4 * i), (i << 16) | (i << 8) | i) << "entry " << i;
    EXPECT_EQ(bytes.substr(1078), std::string(32, '\xFF'));
}

TEST_F(SheetFileTest, NamesAreTrimmed) {
    ASSERT_TRUE(Create24BitSurface(app, 24, 4, 4));
    ASSERT_TRUE(Save24BitBitmap(app, "  Blanks  "));
    EXPECT_EQ(Saved("Blanks").size(), 54u + 48u);
}

TEST_F(SheetFileTest, IgnoreLoadsNoAlphaTemplate) {
    EXPECT_FALSE(Load8BitBitmap(app, kNoAlphaTemplate));
    EXPECT_FALSE(app.alphaTemplateSurface.dcCreated);
}

TEST_F(SheetFileTest, SameSizeCopiesKeepPixelsAndPaletteIndices) {
    WriteTemplate("copy.bmp", 40, 20, true);
    app.AlphaLoaded = Load24BitBitmap(app, TemplatePath("copy.bmp")) &&
                      Load8BitBitmap(app, TemplatePath("copy_a.bmp"));
    ASSERT_TRUE(app.AlphaLoaded);
    ASSERT_TRUE(Create24BitSurface(app, 24, 16, 8) && Stretch24Bit(app, 0, 0, 16, 8, 12, 5, 16, 8));
    ASSERT_TRUE(Create8BitSurface(app, 8, 16, 8) && Stretch8Bit(app, 0, 0, 16, 8, 12, 5, 16, 8));
    ASSERT_TRUE(Save8BitBitmap(app, "copy_alpha"));
    const std::string alphaFile = Saved("copy_alpha");
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(win::GetPixel(app.sheetSurface.dc, x, y), TemplateColour(12 + x, 5 + y));
            const std::size_t fileRow = static_cast<std::size_t>(7 - y);
            EXPECT_EQ(static_cast<std::uint8_t>(alphaFile[1078 + fileRow * 16 + static_cast<std::size_t>(x)]),
                      AlphaIndex(12 + x, 5 + y));
        }
    }
}

TEST_F(SheetFileTest, ReleasingTwiceAndReleasingNothingAreHarmless) {
    ReleaseWorkSurfaces(app);
    ASSERT_TRUE(Create24BitSurface(app, 24, 4, 4));
    const win::HBITMAP sheet = app.sheetSurface.bitmap;
    ReleaseWorkSurfaces(app);
    ReleaseWorkSurfaces(app);
    win::BITMAP gone;
    EXPECT_FALSE(win::GetObject(sheet, gone));
    EXPECT_FALSE(Stretch24Bit(app, 0, 0, 4, 4, 0, 0, 4, 4));
}

}  // namespace
}  // namespace decalia::imagingtest

namespace decalia::imagingtest {
namespace {

// A batch of builds runs many programs in one process; none may keep its bitmaps.
TEST(ApplicationSurfaces, GoWithTheApplication) {
    desktop::HeadlessDesktop desktop;
    testsupport::Installation install;
    win::HBITMAP loaded;
    {
        Application app(desktop, install.AppFolder());
        ASSERT_TRUE(Create24BitSurface(app, 24, 64, 64) && Create8BitSurface(app, 8, 64, 64));
        loaded = app.sheetSurface.bitmap;
    }
    win::BITMAP gone;
    EXPECT_FALSE(win::GetObject(loaded, gone));
}

}  // namespace
}  // namespace decalia::imagingtest
