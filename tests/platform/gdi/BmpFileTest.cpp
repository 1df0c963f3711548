#include "GdiTestBitmap.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using decalia::gdi::Owned;

void Put16(std::string& bytes, std::size_t at, std::uint32_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}
void Put32(std::string& bytes, std::size_t at, std::uint32_t value) {
    Put16(bytes, at, value & 0xFFFF);
    Put16(bytes, at + 2, value >> 16);
}
std::uint32_t Get32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

// A bitmap file built field by field; pixel byte at (row in file order, byte)
// is row * 16 + byte, so any misplaced row or padding shows.
struct BmpFields {
    std::uint32_t headerSize = 40;
    std::int32_t width = 3;
    std::int32_t height = 2;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    std::uint32_t imageSize = 0;
    bool masksAfterHeader = false;
};

std::string MakeBmp(const BmpFields& fields) {
    const std::size_t colors = fields.bits == 8 ? (fields.colorsUsed == 0 ? 256 : fields.colorsUsed) : 0;
    const std::size_t masks = fields.masksAfterHeader ? 12 : 0;
    const std::size_t pixelsAt = 14 + fields.headerSize + masks + 4 * colors;
    const std::size_t stride = (static_cast<std::size_t>(fields.width) * fields.bits + 31) / 32 * 4;
    const std::size_t rows = static_cast<std::size_t>(fields.height < 0 ? -fields.height : fields.height);
    std::string bytes(pixelsAt + stride * rows, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    Put32(bytes, 10, static_cast<std::uint32_t>(pixelsAt));
    Put32(bytes, 14, fields.headerSize);
    Put32(bytes, 18, static_cast<std::uint32_t>(fields.width));
    Put32(bytes, 22, static_cast<std::uint32_t>(fields.height));
    Put16(bytes, 26, 1);
    Put16(bytes, 28, fields.bits);
    Put32(bytes, 30, fields.compression);
    Put32(bytes, 34, fields.imageSize);
    Put32(bytes, 46, fields.colorsUsed);
    if (fields.compression == 3) {
        Put32(bytes, 54, 0x00FF0000);
        Put32(bytes, 58, 0x0000FF00);
        Put32(bytes, 62, 0x000000FF);
    }
    for (std::size_t i = 0; i < colors; ++i) {
        Put32(bytes, 14 + fields.headerSize + masks + 4 * i,
              static_cast<std::uint32_t>(0x00010203 * i));
    }
    for (std::size_t r = 0; r < rows; ++r)
        for (std::size_t b = 0; b < stride; ++b)
            bytes[pixelsAt + r * stride + b] = static_cast<char>(r * 16 + b);
    return bytes;
}

win::HBITMAP Decode(const std::string& bytes) {
    return decalia::gdi::DecodeBmp(
        {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

// Pixel (x, y from the top) of a bitmap, through a DC.
win::COLORREF PixelOf(win::HBITMAP bitmap, int x, int y) {
    Owned<win::HDC> dc(win::CreateCompatibleDC({}));
    const win::HBITMAP stock = win::SelectObject(dc.Get(), bitmap);
    const win::COLORREF color = win::GetPixel(dc.Get(), x, y);
    win::SelectObject(dc.Get(), stock);
    return color;
}

TEST(BmpLoad, BottomUpAndTopDownRowsGiveTheSamePicture) {
    BmpFields fields;
    Owned<win::HBITMAP> bottomUp(Decode(MakeBmp(fields)));
    fields.height = -2;
    Owned<win::HBITMAP> topDown(Decode(MakeBmp(fields)));
    ASSERT_TRUE(bottomUp);
    ASSERT_TRUE(topDown);
    // File row 0 is the bottom row of a bottom-up file and the top of a top-down one.
    EXPECT_EQ(PixelOf(bottomUp.Get(), 2, 1), win::RGB(8, 7, 6));
    EXPECT_EQ(PixelOf(bottomUp.Get(), 0, 0), win::RGB(18, 17, 16));
    EXPECT_EQ(PixelOf(topDown.Get(), 2, 0), win::RGB(8, 7, 6));
    EXPECT_EQ(PixelOf(topDown.Get(), 0, 1), win::RGB(18, 17, 16));
    win::DIBSECTION section;
    ASSERT_TRUE(win::GetObject(topDown.Get(), section));
    EXPECT_EQ(section.dsBm.bmBitsPixel, 24);
    EXPECT_EQ(section.dsBmih.biHeight, 2);
}

TEST(BmpLoad, EightBitKeepsItsIndicesAndPadsAShortPalette) {
    BmpFields fields;
    fields.bits = 8;
    fields.colorsUsed = 20;
    fields.width = 5;
    Owned<win::HBITMAP> bitmap(Decode(MakeBmp(fields)));
    ASSERT_TRUE(bitmap);
    Owned<win::HDC> dc(win::CreateCompatibleDC({}));
    const win::HBITMAP stock = win::SelectObject(dc.Get(), bitmap.Get());
    std::vector<win::RGBQUAD> colors(256);
    ASSERT_EQ(win::GetDIBColorTable(dc.Get(), 0, colors), 256u);
    EXPECT_EQ(colors[19], (win::RGBQUAD{3 * 19, 2 * 19, 19, 0}));
    EXPECT_EQ(colors[20], win::RGBQUAD{});
    EXPECT_EQ(win::GetPixel(dc.Get(), 4, 0), win::RGB(0, 0, 0));  // index 20: a padded entry
    EXPECT_EQ(win::GetPixel(dc.Get(), 3, 0), win::RGB(19, 38, 57));
    win::SelectObject(dc.Get(), stock);
}

TEST(BmpLoad, AcceptsLargerHeadersAndPlainBitfields) {
    BmpFields v5;
    v5.headerSize = 124;
    v5.bits = 32;
    v5.compression = 3;
    Owned<win::HBITMAP> fromV5(Decode(MakeBmp(v5)));
    ASSERT_TRUE(fromV5);
    EXPECT_EQ(PixelOf(fromV5.Get(), 1, 1), win::RGB(6, 5, 4));

    BmpFields masked;
    masked.bits = 32;
    masked.compression = 3;
    masked.masksAfterHeader = true;
    Owned<win::HBITMAP> fromInfo(Decode(MakeBmp(masked)));
    ASSERT_TRUE(fromInfo);
    EXPECT_EQ(PixelOf(fromInfo.Get(), 0, 0), win::RGB(18, 17, 16));
}

struct Malformed {
    const char* name;
    std::string bytes;
};

std::vector<Malformed> MalformedFiles() {
    auto edit = [](BmpFields fields, auto change) {
        std::string bytes = MakeBmp(fields);
        change(bytes);
        return bytes;
    };
    const BmpFields plain;
    BmpFields indexed;
    indexed.bits = 8;
    BmpFields masked;
    masked.bits = 32;
    masked.compression = 3;
    masked.masksAfterHeader = true;
    std::string hugeHeaderOnly = MakeBmp(BmpFields{});
    Put32(hugeHeaderOnly, 18, 100000);
    Put32(hugeHeaderOnly, 22, 100000);
    return {
        {"empty", ""},
        {"file_header_only", MakeBmp(plain).substr(0, 14)},
        {"truncated_last_row",
         [&] {
             auto b = MakeBmp(plain);
             b.pop_back();
             return b;
         }()},
        {"truncated_palette", MakeBmp(indexed).substr(0, 14 + 40 + 500)},
        {"bad_signature", edit(plain, [](std::string& b) { b[0] = 'M'; })},
        {"claims_100000x100000", hugeHeaderOnly},
        {"zero_width", edit(plain, [](std::string& b) { Put32(b, 18, 0); })},
        {"zero_height", edit(plain, [](std::string& b) { Put32(b, 22, 0); })},
        {"negative_width", edit(plain, [](std::string& b) { Put32(b, 18, 0xFFFFFFFD); })},
        {"taller_than_data", edit(plain, [](std::string& b) { Put32(b, 22, 3); })},
        {"offset_past_end", edit(plain, [](std::string& b) { Put32(b, 10, 1000); })},
        {"negative_offset", edit(plain, [](std::string& b) { Put32(b, 10, 0xFFFFFFF0); })},
        {"offset_inside_header", edit(plain, [](std::string& b) { Put32(b, 10, 20); })},
        {"offset_inside_palette", edit(indexed, [](std::string& b) { Put32(b, 10, 54 + 4); })},
        {"image_size_too_small", edit(plain, [](std::string& b) { Put32(b, 34, 4); })},
        {"300_colours", edit(indexed, [](std::string& b) { Put32(b, 46, 300); })},
        {"rle8_compression", edit(indexed, [](std::string& b) { Put32(b, 30, 1); })},
        {"bitfields_on_24_bits", edit(plain, [](std::string& b) { Put32(b, 30, 3); })},
        {"16_bits", edit(plain, [](std::string& b) { Put16(b, 28, 16); })},
        {"two_planes", edit(plain, [](std::string& b) { Put16(b, 26, 2); })},
        {"core_header", edit(plain, [](std::string& b) { Put32(b, 14, 12); })},
        {"header_size_huge", edit(plain, [](std::string& b) { Put32(b, 14, 0x7FFFFFFF); })},
        {"swapped_bitfields", edit(masked, [](std::string& b) {
             Put32(b, 54, 0x000000FF);
             Put32(b, 62, 0x00FF0000);
         })},
    };
}

TEST(BmpLoad, MalformedFilesGiveANullHandle) {
    for (const Malformed& file : MalformedFiles()) {
        const win::HBITMAP bitmap = Decode(file.bytes);
        EXPECT_FALSE(bitmap) << file.name;
        win::DeleteObject(bitmap);
    }
}

TEST(BmpFile, LoadImageReadsAFileAndRefusesWhatItCannotDo) {
    testsupport::TempDir dir;
    testsupport::WriteFile(dir.Path() / "t.bmp", MakeBmp(BmpFields{}));
    const std::string path = dir / "t.bmp";
    Owned<win::HBITMAP> loaded(win::LoadImageA(nullptr, path, win::IMAGE_BITMAP, 0, 0,
                                               win::LR_LOADFROMFILE | win::LR_CREATEDIBSECTION));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(PixelOf(loaded.Get(), 0, 1), win::RGB(2, 1, 0));
    EXPECT_FALSE(win::LoadImageA(nullptr, path, win::IMAGE_BITMAP, 3, 2, win::LR_LOADFROMFILE));
    EXPECT_FALSE(win::LoadImageA(nullptr, path, win::IMAGE_BITMAP, 0, 0, 0));
    EXPECT_FALSE(win::LoadImageA(nullptr, dir / "missing.bmp", win::IMAGE_BITMAP, 0, 0,
                                 win::LR_LOADFROMFILE));
}

TEST(BmpFile, SavedSheetsHaveTheExpectedLayoutAndLoadBackUnchanged) {
    testsupport::TempDir dir;
    gditest::TestBitmap rgb(256, 256, 24);
    gditest::TestBitmap indexed(6, 3, 8);
    std::mt19937 random(7);
    rgb.Fill(random);
    indexed.Fill(random);
    ASSERT_TRUE(decalia::gdi::SaveBitmapFile(rgb.Bitmap(), dir / "c.bmp"));
    ASSERT_TRUE(decalia::gdi::SaveBitmapFile(indexed.Bitmap(), dir / "a.bmp"));
    const std::string colorFile = testsupport::ReadFile(dir.Path() / "c.bmp");
    const std::string alphaFile = testsupport::ReadFile(dir.Path() / "a.bmp");
    EXPECT_EQ(colorFile.size(), 196662u);
    EXPECT_EQ(Get32(colorFile, 2), 196662u);
    EXPECT_EQ(Get32(colorFile, 10), 54u);
    EXPECT_EQ(alphaFile.size(), 1078u + 8 * 3);  // rows of 6 padded to 8
    EXPECT_EQ(Get32(alphaFile, 10), 1078u);
    EXPECT_EQ(Get32(alphaFile, 54 + 4 * 9), 0x0009F609u);  // the section's colour table

    Owned<win::HBITMAP> colorBack(
        win::LoadImageA(nullptr, dir / "c.bmp", win::IMAGE_BITMAP, 0, 0, win::LR_LOADFROMFILE));
    Owned<win::HBITMAP> alphaBack(
        win::LoadImageA(nullptr, dir / "a.bmp", win::IMAGE_BITMAP, 0, 0, win::LR_LOADFROMFILE));
    ASSERT_TRUE(colorBack);
    ASSERT_TRUE(alphaBack);
    EXPECT_EQ(decalia::gdi::EncodeBmp(colorBack.Get()), colorFile);
    EXPECT_EQ(decalia::gdi::EncodeBmp(alphaBack.Get()), alphaFile);
    EXPECT_EQ(PixelOf(alphaBack.Get(), 5, 2), win::GetPixel(indexed.Dc(), 5, 2));
}

TEST(BmpFile, SavingFailsForAnInvalidBitmapOrAnUnwritablePath) {
    testsupport::TempDir dir;
    gditest::TestBitmap rgb(4, 4, 24);
    EXPECT_FALSE(decalia::gdi::SaveBitmapFile(win::HBITMAP{}, dir / "x.bmp"));
    testsupport::WriteFile(dir.Path() / "file", "x");
    EXPECT_FALSE(decalia::gdi::SaveBitmapFile(rgb.Bitmap(), dir / "file/x.bmp"));
}

}  // namespace
