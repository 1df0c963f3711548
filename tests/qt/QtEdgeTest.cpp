// What crosses the edge between the program and Qt: Windows-1252 text, DIB
// sections of each depth and row order, and regions.

#include <gtest/gtest.h>

#include <QPainter>
#include <QRegion>

#include "QtSession.h"
#include "platform/gdi/Dib.h"
#include "qt/QtImages.h"
#include "qt/QtText.h"

namespace decalia::qttest {
namespace {

TEST(QtText, Windows1252CrossesBothWaysAndTheRestBecomesQuestionMarks) {
    const std::string program = "Caf\xE9 \x80 \x93quoted\x94";
    EXPECT_EQ(qt::ToQt(program), QString::fromUtf8("Café € “quoted”"));
    EXPECT_EQ(qt::FromQt(qt::ToQt(program)), program);
    EXPECT_EQ(qt::FromQt(QString::fromUtf8("Ωmega ✓")), "?mega ?");
    EXPECT_EQ(qt::CharacterFromQt(QChar(0x20AC)), '\x80');
    EXPECT_EQ(qt::CharacterFromQt(QChar(0x2713)), '?');
}

struct DibCase {
    int bitsPerPixel;
    bool topDown;
};

class QtBitmaps : public ::testing::TestWithParam<DibCase> {};

// A 3 x 2 section: red, green, blue on the top row, then white, grey, black.
TEST_P(QtBitmaps, EveryDepthAndRowOrderCopiesPixelForPixel) {
    const DibCase dib = GetParam();
    const QRgb expected[2][3] = {{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)},
                                 {qRgb(255, 255, 255), qRgb(128, 128, 128), qRgb(0, 0, 0)}};
    win::BITMAPINFO info;
    info.bmiHeader.biWidth = 3;
    info.bmiHeader.biHeight = dib.topDown ? -2 : 2;
    info.bmiHeader.biBitCount = static_cast<std::uint16_t>(dib.bitsPerPixel);
    if (dib.bitsPerPixel == 8) {
        info.bmiHeader.biClrUsed = 6;
        for (int i = 0; i < 6; ++i) {
            const QRgb colour = expected[i / 3][i % 3];
            info.bmiColors[static_cast<std::size_t>(i)] = win::RGBQUAD{
                static_cast<std::uint8_t>(qBlue(colour)), static_cast<std::uint8_t>(qGreen(colour)),
                static_cast<std::uint8_t>(qRed(colour)), 0};
        }
    }
    std::uint8_t* bits = nullptr;
    const gdi::Owned<win::HBITMAP> bitmap(
        win::CreateDIBSection(win::HDC{}, info, win::DIB_RGB_COLORS, &bits));
    ASSERT_TRUE(bitmap.Get());
    const auto stride = static_cast<std::size_t>(gdi::DibStride(3, dib.bitsPerPixel));
    const std::size_t bytes = static_cast<std::size_t>(dib.bitsPerPixel / 8);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            const std::size_t row = static_cast<std::size_t>(dib.topDown ? y : 1 - y);
            std::uint8_t* pixel = bits + row * stride + static_cast<std::size_t>(x) * bytes;
            const QRgb colour = expected[y][x];
            if (dib.bitsPerPixel == 8) {
                pixel[0] = static_cast<std::uint8_t>(y * 3 + x);
            } else {
                pixel[0] = static_cast<std::uint8_t>(qBlue(colour));
                pixel[1] = static_cast<std::uint8_t>(qGreen(colour));
                pixel[2] = static_cast<std::uint8_t>(qRed(colour));
            }
        }
    const QImage copied = qt::CopyBitmap(bitmap.Get());
    QImage drawn(3, 2, QImage::Format_RGB32);
    drawn.fill(Qt::magenta);
    {
        QPainter painter(&drawn);
        qt::DrawBitmap(painter, bitmap.Get(), drawn.rect(), qt::Fit::Unscaled);
    }
    ASSERT_EQ(copied.size(), QSize(3, 2));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(copied.pixel(x, y) | 0xFF000000u, expected[y][x]) << x << ", " << y;
            EXPECT_EQ(drawn.pixel(x, y), expected[y][x]) << x << ", " << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Depths, QtBitmaps,
                         ::testing::Values(DibCase{8, false}, DibCase{24, false}, DibCase{24, true},
                                           DibCase{32, false}, DibCase{32, true}),
                         [](const ::testing::TestParamInfo<DibCase>& dib) {
                             return std::to_string(dib.param.bitsPerPixel) +
                                    (dib.param.topDown ? "TopDown" : "BottomUp");
                         });

TEST(QtRegions, ARegionWithAHoleKeepsItsHole) {
    const gdi::Owned<win::HRGN> outer(win::CreateRectRgn(0, 0, 40, 30));
    const gdi::Owned<win::HRGN> hole(win::CreateRectRgn(10, 10, 20, 15));
    ASSERT_NE(win::CombineRgn(outer.Get(), outer.Get(), hole.Get(), win::RGN_DIFF), win::ERROR);
    const QRegion shape = qt::RegionFrom(outer.Get());
    EXPECT_EQ(shape, QRegion(0, 0, 40, 30) - QRegion(10, 10, 10, 5));
    EXPECT_TRUE(qt::RegionFrom(win::HRGN{}).isEmpty());
}

}  // namespace
}  // namespace decalia::qttest
