// Pictures, persistent drawings, mouse icons and file lists on real files.

#include "FormsFixture.h"

#include "platform/gdi/Gdi.h"
#include "support/TempDir.h"

using namespace formstest;

namespace {

// A 24-bit bitmap file of one colour.
std::string SolidBitmap(testsupport::TempDir& dir, int width, int height, win::COLORREF color) {
    win::BITMAPINFO info;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biBitCount = 24;
    std::uint8_t* bits = nullptr;
    decalia::gdi::Owned<win::HBITMAP> bitmap(
        win::CreateDIBSection(win::HDC{}, info, win::DIB_RGB_COLORS, &bits));
    const auto stride = decalia::gdi::DibStride(width, 24);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* pixel = bits + y * stride + 3 * x;
            pixel[0] = win::GetBValue(color);
            pixel[1] = win::GetGValue(color);
            pixel[2] = win::GetRValue(color);
        }
    }
    const std::string path = dir / "solid.bmp";
    EXPECT_TRUE(decalia::gdi::SaveBitmapFile(bitmap.Get(), path));
    return path;
}

TEST_F(FormsTest, AutoRedrawKeepsBackgroundAndPictureInItsDC) {
    testsupport::TempDir dir;
    TestForm form(runtime);
    auto& box = form.Add<forms::PictureBox>("previewPicture");
    box.SetScaleMode(forms::ScaleMode::Pixels);
    box.SetSizeTwips(20 * 15, 10 * 15);
    box.SetBackColor(win::RGB(255, 254, 250));
    box.SetAutoRedraw(true);
    box.SetPicture(forms::Picture::FromBitmapFile(SolidBitmap(dir, 4, 3, win::RGB(9, 8, 7))));
    ASSERT_TRUE(box.Picture());
    EXPECT_EQ(win::GetPixel(box.hDC(), 3, 2), win::RGB(9, 8, 7));
    EXPECT_EQ(win::GetPixel(box.hDC(), 4, 2), win::RGB(255, 254, 250));
    EXPECT_EQ(win::GetPixel(box.hDC(), 19, 9), win::RGB(255, 254, 250));
    EXPECT_DOUBLE_EQ(box.ScaleWidth(), 20);

    // The drawing survives a resize where it overlaps, and Image copies it.
    box.SetSizeTwips(30 * 15, 10 * 15);
    EXPECT_EQ(win::GetPixel(box.hDC(), 0, 0), win::RGB(9, 8, 7));
    EXPECT_EQ(win::GetPixel(box.hDC(), 29, 0), win::RGB(255, 254, 250));
    auto& image = form.Add<forms::Image>("PreviewImage");
    image.SetPicture(box.Image());
    EXPECT_EQ(image.PixelWidth(), 30);
    EXPECT_EQ(image.Picture().Height(), 10);
}

TEST_F(FormsTest, AutoSizeTakesThePicturesSizeAndBadFilesGiveNoPicture) {
    testsupport::TempDir dir;
    TestForm form(runtime);
    auto& box = form.Add<forms::PictureBox>("pic_BG");
    box.SetAutoSize(true);
    box.SetPicture(forms::Picture::FromBitmapFile(SolidBitmap(dir, 33, 140, 0)));
    EXPECT_EQ(box.PixelWidth(), 33);
    EXPECT_EQ(box.PixelHeight(), 140);
    testsupport::WriteFile(dir.Path() / "broken.bmp", "BM not really");
    EXPECT_FALSE(forms::Picture::FromBitmapFile(dir / "broken.bmp"));
    EXPECT_FALSE(forms::Picture::FromBitmapFile(dir / "missing.bmp"));
}

TEST_F(FormsTest, MouseIconsComeFromCursorFiles) {
    testsupport::TempDir dir;
    decalia::gdi::CursorImage image;
    image.width = 32;
    image.height = 32;
    image.hotspotX = 12;
    image.hotspotY = 1;
    image.pixels.assign(32 * 32, 0xFF000000u);
    ASSERT_TRUE(decalia::gdi::WriteCursorFile(dir / "HMOVE.cur", image,
                                              decalia::gdi::CursorBits::One));
    TestForm form(runtime);
    form.SetMouseIcon(forms::LoadMouseIcon(dir / "HMOVE.cur"));
    form.SetMousePointer(forms::vbCustom);
    ASSERT_TRUE(form.MouseIcon());
    EXPECT_EQ(form.MouseIcon()->hotspotX, 12);
    EXPECT_EQ(form.MousePointer(), 99);
    EXPECT_FALSE(forms::LoadMouseIcon(dir / "missing.cur"));
}

TEST_F(FormsTest, FileListsAreSortedWithoutRegardToCase) {
    testsupport::TempDir dir;
    for (const char* name : {"b.BMP", "A.bmp", "c.txt", "a_a.bmp"}) {
        testsupport::WriteFile(dir.Path() / name, "x");
    }
    TestForm form(runtime);
    auto& files = form.Add<forms::FileListBox>("File1");
    files.SetPattern("*.bmp");
    files.SetPath(dir.Str());
    ASSERT_EQ(files.ListCount(), 3);
    EXPECT_EQ(files.List(0), "A.bmp");
    EXPECT_EQ(files.List(1), "a_a.bmp");
    EXPECT_EQ(files.List(2), "b.BMP");
    files.SetPattern("*.txt;*.BMP");
    EXPECT_EQ(files.ListCount(), 4);
    files.SetListIndex(3);
    EXPECT_EQ(files.FileName(), "c.txt");
}

TEST_F(FormsTest, TheOpenDialogAsksTheDesktop) {
    TestForm form(runtime);
    auto& cdl = form.Add<forms::CommonDialog>("cdl");
    cdl.Filter = "Decalia Template Files |*.bmp";
    cdl.InitDir = "/app/Templates";
    desktop.AnswerOpenFile("/app/Templates/Livery.bmp");
    desktop.AnswerOpenFile(std::nullopt);
    EXPECT_TRUE(cdl.ShowOpen());
    EXPECT_EQ(cdl.FileTitle(), "Livery.bmp");
    EXPECT_FALSE(cdl.ShowOpen());
    EXPECT_EQ(cdl.FileName(), "");
    ASSERT_EQ(desktop.FileDialogs().size(), 2u);
    EXPECT_EQ(desktop.FileDialogs()[0].filter, "Decalia Template Files |*.bmp");
    EXPECT_EQ(desktop.FileDialogs()[0].initialFolder, "/app/Templates");
}

}  // namespace
