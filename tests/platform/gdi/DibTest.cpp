#include "GdiTestBitmap.h"
#include "platform/gdi/DibPixels.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using decalia::gdi::Owned;
using gditest::TestBitmap;

win::BITMAPINFO Info(int width, int height, int bits) {
    win::BITMAPINFO info;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biBitCount = static_cast<std::uint16_t>(bits);
    return info;
}

TEST(DibSection, FreshBitsAreZeroAndRowsArePaddedToFourBytes) {
    for (int bits : {8, 24, 32}) {
        std::uint8_t* pixels = nullptr;
        Owned<win::HBITMAP> bitmap(
            win::CreateDIBSection({}, Info(5, 3, bits), win::DIB_RGB_COLORS, &pixels));
        ASSERT_TRUE(bitmap);
        win::DIBSECTION section;
        ASSERT_TRUE(win::GetObject(bitmap.Get(), section));
        const int stride = (5 * bits / 8 + 3) / 4 * 4;
        EXPECT_EQ(section.dsBm.bmWidthBytes, stride);
        EXPECT_EQ(section.dsBm.bmBits, pixels);
        EXPECT_EQ(section.dsBmih.biSizeImage, static_cast<std::uint32_t>(stride * 3));
        EXPECT_EQ(std::vector<std::uint8_t>(pixels, pixels + stride * 3),
                  std::vector<std::uint8_t>(static_cast<std::size_t>(stride * 3), 0));
    }
}

TEST(DibSection, RefusesAbsurdOrUnsupportedFormats) {
    std::uint8_t* pixels = reinterpret_cast<std::uint8_t*>(&pixels);
    EXPECT_FALSE(win::CreateDIBSection({}, Info(0, 4, 24), win::DIB_RGB_COLORS, &pixels));
    EXPECT_EQ(pixels, nullptr);
    EXPECT_FALSE(win::CreateDIBSection({}, Info(4, 0, 24), win::DIB_RGB_COLORS, nullptr));
    EXPECT_FALSE(win::CreateDIBSection({}, Info(32769, 1, 8), win::DIB_RGB_COLORS, nullptr));
    EXPECT_FALSE(win::CreateDIBSection({}, Info(32768, 32768, 32), win::DIB_RGB_COLORS, nullptr));
    EXPECT_FALSE(win::CreateDIBSection({}, Info(4, 4, 16), win::DIB_RGB_COLORS, nullptr));
    EXPECT_FALSE(win::CreateDIBSection({}, Info(4, 4, 8), win::DIB_PAL_COLORS, nullptr));
    EXPECT_EQ(decalia::gdi::CheckedDibBytes(INT32_MAX, INT32_MAX, 32), 0u);
    EXPECT_EQ(decalia::gdi::CheckedDibBytes(16384, 8192, 32), std::size_t{512} << 20);
}

TEST(DibSection, TopDownSectionsKeepTheirRowOrder) {
    TestBitmap topDown(2, -2, 24);
    topDown.At(1, 0, 2) = 200;  // red of the top-right pixel
    EXPECT_EQ(win::GetPixel(topDown.Dc(), 1, 0), win::RGB(200, 0, 0));
    win::DIBSECTION section;
    ASSERT_TRUE(win::GetObject(topDown.Bitmap(), section));
    EXPECT_EQ(section.dsBmih.biHeight, -2);
    EXPECT_EQ(section.dsBm.bmBits[3 + 2], 200);  // first row in memory is the top one
}

TEST(GdiHandles, DeletedOrForeignHandlesFailCleanly) {
    win::HBITMAP bitmap = win::CreateDIBSection({}, Info(1, 1, 24), win::DIB_RGB_COLORS, nullptr);
    win::HRGN region = win::CreateRectRgn(0, 0, 1, 1);
    win::HDC dc = win::CreateCompatibleDC({});
    EXPECT_FALSE(win::DeleteObject(win::HGDIOBJ{dc.id}));  // a DC is not an object
    EXPECT_FALSE(win::DeleteDC(win::HDC{bitmap.id}));
    EXPECT_TRUE(win::DeleteObject(bitmap));
    EXPECT_FALSE(win::DeleteObject(bitmap));
    EXPECT_FALSE(win::SelectObject(dc, bitmap));
    win::BITMAP described;
    EXPECT_FALSE(win::GetObject(bitmap, described));
    EXPECT_FALSE(win::GetObject(win::HBITMAP{region.id}, described));
    EXPECT_TRUE(win::DeleteDC(dc));
    EXPECT_FALSE(win::DeleteDC(dc));
    EXPECT_FALSE(win::CreateCompatibleDC(dc));
    EXPECT_EQ(win::GetPixel(dc, 0, 0), win::CLR_INVALID);
    EXPECT_TRUE(win::DeleteObject(region));
    EXPECT_FALSE(win::PtInRegion(region, 0, 0));
}

TEST(GdiHandles, SelectionFollowsTheDcPairing) {
    Owned<win::HDC> dc(win::CreateCompatibleDC({}));
    Owned<win::HDC> other(win::CreateCompatibleDC(dc.Get()));
    win::HBITMAP first =
        win::CreateDIBSection(dc.Get(), Info(1, 1, 24), win::DIB_RGB_COLORS, nullptr);
    win::HBITMAP second =
        win::CreateDIBSection(dc.Get(), Info(1, 1, 8), win::DIB_RGB_COLORS, nullptr);

    const win::HBITMAP stock = win::SelectObject(dc.Get(), first);
    ASSERT_TRUE(stock);  // a fresh DC answers its stock bitmap
    win::BITMAP described;
    ASSERT_TRUE(win::GetObject(stock, described));
    EXPECT_EQ(described.bmBitsPixel, 1);
    EXPECT_FALSE(win::SelectObject(other.Get(), first));  // already in another DC
    EXPECT_FALSE(win::DeleteObject(first));               // still selected
    EXPECT_EQ(win::SelectObject(dc.Get(), second), first);
    EXPECT_EQ(win::GetCurrentObject(dc.Get(), win::OBJ_BITMAP), second);
    EXPECT_TRUE(win::DeleteObject(first));
    dc.Reset();  // deleting the DC frees its bitmap for deletion
    EXPECT_TRUE(win::DeleteObject(second));
    EXPECT_TRUE(win::DeleteObject(stock));  // stock objects are never really deleted
}

TEST(ColorTable, SetAndGetWorkOnTheSelected8BitSection) {
    TestBitmap indexed(2, 2, 8);
    TestBitmap rgb(2, 2, 24);
    std::vector<win::RGBQUAD> colors(3, win::RGBQUAD{1, 2, 3, 0});
    EXPECT_EQ(win::SetDIBColorTable(indexed.Dc(), 254, colors), 2u);
    std::vector<win::RGBQUAD> read(256);
    EXPECT_EQ(win::GetDIBColorTable(indexed.Dc(), 0, read), 256u);
    EXPECT_EQ(read[255], (win::RGBQUAD{1, 2, 3, 0}));
    EXPECT_EQ(read[10], (win::RGBQUAD{10, 245, 10, 0}));
    EXPECT_EQ(win::GetDIBColorTable(rgb.Dc(), 0, read), 0u);
    EXPECT_EQ(win::SetDIBColorTable(indexed.Dc(), 256, colors), 0u);
    EXPECT_EQ(win::GetDIBColorTable(win::HDC{}, 0, read), 0u);
}

TEST(ColorTable, EntriesPastColorsUsedStartZero) {
    win::BITMAPINFO info = Info(1, 1, 8);
    info.bmiHeader.biClrUsed = 2;
    info.bmiColors.fill({9, 9, 9, 0});
    Owned<win::HDC> dc(win::CreateCompatibleDC({}));
    Owned<win::HBITMAP> bitmap(win::CreateDIBSection(dc.Get(), info, win::DIB_RGB_COLORS, nullptr));
    const win::HBITMAP stock = win::SelectObject(dc.Get(), bitmap.Get());
    std::vector<win::RGBQUAD> read(3);
    ASSERT_EQ(win::GetDIBColorTable(dc.Get(), 0, read), 3u);
    EXPECT_EQ(read[1], (win::RGBQUAD{9, 9, 9, 0}));
    EXPECT_EQ(read[2], win::RGBQUAD{});
    win::SelectObject(dc.Get(), stock);
}

TEST(GetPixel, ReadsThroughThePaletteAndAnswersInvalidOutside) {
    TestBitmap indexed(2, 2, 8);
    TestBitmap rgbx(2, 2, 32);
    indexed.At(1, 1) = 3;
    rgbx.At(0, 1, 0) = 30;
    rgbx.At(0, 1, 1) = 20;
    rgbx.At(0, 1, 2) = 10;
    EXPECT_EQ(win::GetPixel(indexed.Dc(), 1, 1), win::RGB(3, 252, 3));
    EXPECT_EQ(win::GetPixel(rgbx.Dc(), 0, 1), win::RGB(10, 20, 30));
    EXPECT_EQ(win::GetPixel(rgbx.Dc(), 2, 0), win::CLR_INVALID);
    EXPECT_EQ(win::GetPixel(rgbx.Dc(), 0, -1), win::CLR_INVALID);
}

TEST(GetDIBits, CopiesRowsFromTheBottomInTheFormatAsked) {
    TestBitmap indexed(3, 2, 8);
    indexed.At(0, 0) = 5;  // top row
    indexed.At(2, 1) = 7;  // bottom row
    win::BITMAPINFO info = Info(3, 2, 8);
    std::vector<std::uint8_t> rows(8, 0xEE);
    ASSERT_EQ(win::GetDIBits(indexed.Dc(), indexed.Bitmap(), 0, 2, rows, info, win::DIB_RGB_COLORS),
              2);
    EXPECT_EQ(rows[2], 7);  // bottom row first
    EXPECT_EQ(rows[4], 5);
    EXPECT_EQ(info.bmiColors[7], (win::RGBQUAD{7, 248, 7, 0}));

    win::BITMAPINFO asRgb = Info(3, -2, 24);
    std::vector<std::uint8_t> rgb(24);
    ASSERT_EQ(win::GetDIBits(indexed.Dc(), indexed.Bitmap(), 0, 2, rgb, asRgb, win::DIB_RGB_COLORS),
              2);
    EXPECT_EQ(rgb[0], 5);  // top-down asked: top row first, through the palette
    EXPECT_EQ(rgb[12 + 6 + 1], 248);

    std::vector<std::uint8_t> tooSmall(7);
    EXPECT_EQ(
        win::GetDIBits(indexed.Dc(), indexed.Bitmap(), 0, 2, tooSmall, info, win::DIB_RGB_COLORS),
        0);
    EXPECT_EQ(win::GetDIBits(indexed.Dc(), indexed.Bitmap(), 1, 5, rows, info, win::DIB_RGB_COLORS),
              1);
    EXPECT_EQ(win::GetDIBits(indexed.Dc(), indexed.Bitmap(), 2, 1, rows, info, win::DIB_RGB_COLORS),
              0);
    win::BITMAPINFO sizeOnly = Info(3, 2, 32);
    EXPECT_EQ(
        win::GetDIBits(indexed.Dc(), indexed.Bitmap(), 0, 2, {}, sizeOnly, win::DIB_RGB_COLORS), 2);
    EXPECT_EQ(sizeOnly.bmiHeader.biSizeImage, 24u);
}

TEST(GetDIBits, RefusesNarrowingAndMismatchedWidths) {
    TestBitmap rgb(2, 2, 24);
    std::vector<std::uint8_t> rows(64);
    win::BITMAPINFO toIndexed = Info(2, 2, 8);
    EXPECT_EQ(win::GetDIBits(rgb.Dc(), rgb.Bitmap(), 0, 2, rows, toIndexed, win::DIB_RGB_COLORS),
              0);
    win::BITMAPINFO wrongWidth = Info(3, 2, 24);
    EXPECT_EQ(win::GetDIBits(rgb.Dc(), rgb.Bitmap(), 0, 2, rows, wrongWidth, win::DIB_RGB_COLORS),
              0);
}

// A palette bitmap, bottom-up in memory, reads as its colours, top row first.
TEST(DibPixels, PaletteBitmapsReadAsTopDownColours) {
    std::mt19937 random(7);
    TestBitmap palette(5, 3, 8);
    palette.Fill(random);
    const auto pixels = decalia::gdi::ReadPixels32(palette.Bitmap());
    ASSERT_TRUE(pixels);
    ASSERT_EQ(pixels->width, 5);
    ASSERT_EQ(pixels->height, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            // The test bitmaps' colour table: index i is (i, 255 - i, i).
            const std::uint8_t index = palette.At(x, y);
            const std::size_t at = static_cast<std::size_t>(y * 5 + x) * 4;
            EXPECT_EQ(pixels->bytes[at], index);
            EXPECT_EQ(pixels->bytes[at + 1], 255 - index);
            EXPECT_EQ(pixels->bytes[at + 2], index);
        }
    }
    EXPECT_FALSE(decalia::gdi::ReadPixels32(win::HBITMAP{}));
}

}  // namespace
