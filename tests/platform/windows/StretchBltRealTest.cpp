// The StretchBlt stand-in against gdi32's, on DIB sections, pixel for pixel.

#include "KnownWineDifference.h"
#include "RealWindows.h"
#include "platform/gdi/GdiTestBitmap.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using gditest::TestBitmap;

// The stand-in's colour table, handed to the real section too.
std::vector<std::uint8_t> ColorTableOf(const TestBitmap& bitmap) {
    std::array<win::RGBQUAD, 256> colors{};
    std::vector<std::uint8_t> bytes;
    if (win::GetDIBColorTable(bitmap.Dc(), 0, colors) != colors.size()) return bytes;
    for (const win::RGBQUAD& c : colors) {
        bytes.insert(bytes.end(), {c.rgbBlue, c.rgbGreen, c.rgbRed, c.rgbReserved});
    }
    return bytes;
}

// One bitmap on both sides, with the same pixels.
struct BitmapPair {
    BitmapPair(int width, int height, int bitsPerPixel)
        : ours(width, height, bitsPerPixel),
          real(width, height, bitsPerPixel, ColorTableOf(ours)) {}

    void Fill(std::mt19937& random) {
        ours.Fill(random);
        ForEachByte([this](int x, int y, int b) { real.At(x, y, b) = ours.At(x, y, b); });
    }
    // Pixels that differ, as "x,y" for the failure message; empty when alike.
    std::string Differences() {
        std::string found;
        ForEachByte([&](int x, int y, int b) {
            if (ours.At(x, y, b) != real.At(x, y, b) && found.size() < 400) {
                found += " (" + std::to_string(x) + "," + std::to_string(y) + ")[" +
                         std::to_string(b) + "] ours " + std::to_string(ours.At(x, y, b)) +
                         " real " + std::to_string(real.At(x, y, b));
            }
        });
        return found;
    }

    template <class F>
    void ForEachByte(F f) {
        for (int y = 0; y < ours.Height(); ++y)
            for (int x = 0; x < ours.Width(); ++x)
                for (int b = 0; b < ours.BytesPerPixel(); ++b) f(x, y, b);
    }

    TestBitmap ours;
    realwin::Dib real;
};

struct Rect {
    int x, y, w, h;
};

struct BltCase {
    const char* name;
    Rect dest;
    Rect source;
    const char* wineDiffers = nullptr;
};

struct Depths {
    int source;
    int dest;
};

void PrintTo(const BltCase& c, std::ostream* out) {
    *out << c.name;
}

void PrintTo(const Depths& d, std::ostream* out) {
    *out << d.source << " to " << d.dest << " bits";
}

constexpr int kSourceWidth = 8;
constexpr int kSourceHeight = 6;
constexpr int kDestWidth = 10;
constexpr int kDestHeight = 7;

class StretchBltReal : public ::testing::TestWithParam<std::tuple<BltCase, Depths>> {};

TEST_P(StretchBltReal, EveryPixelMatchesGdi32) {
    const auto& [c, depths] = GetParam();
    SKIP_WHERE_WINE_DIFFERS(c.wineDiffers);
    BitmapPair source(kSourceWidth, kSourceHeight, depths.source);
    BitmapPair dest(kDestWidth, kDestHeight, depths.dest);
    ASSERT_TRUE(source.real.Valid() && dest.real.Valid());
    std::mt19937 random(7u);
    source.Fill(random);
    dest.Fill(random);
    const bool ours =
        win::StretchBlt(dest.ours.Dc(), c.dest.x, c.dest.y, c.dest.w, c.dest.h, source.ours.Dc(),
                        c.source.x, c.source.y, c.source.w, c.source.h, win::SRCCOPY);
    const bool real =
        realwin::StretchBlt(dest.real, c.dest.x, c.dest.y, c.dest.w, c.dest.h, source.real,
                            c.source.x, c.source.y, c.source.w, c.source.h);
    EXPECT_EQ(ours, real);
    EXPECT_EQ(dest.Differences(), "");
}

// Wine's own conformance test records the Windows answer and marks Wine's
// as wrong (todo_wine).
constexpr const char* kWineBothNegative =
    "with both sizes of an axis negative Windows covers x+w .. x-1 without mirroring; Wine "
    "covers x+w+1 .. x and walks it backwards";

// The source is 8 x 6 pixels, the destination 10 x 7; rectangles are x, y, w, h.
const BltCase kBltCases[] = {
    {"SameSize", {1, 1, 8, 6}, {0, 0, 8, 6}},
    {"PartOfTheSource", {2, 3, 3, 2}, {4, 1, 3, 2}},
    {"GrowTwice", {0, 0, 8, 6}, {1, 1, 4, 3}},
    {"GrowNonInteger", {0, 0, 10, 7}, {0, 0, 4, 3}},
    {"GrowOnePixel", {1, 1, 7, 5}, {3, 2, 1, 1}},
    {"ShrinkHalf", {0, 0, 4, 3}, {0, 0, 8, 6}},
    {"ShrinkNonInteger", {0, 0, 5, 4}, {0, 0, 8, 6}},
    {"ShrinkToOnePixel", {2, 2, 1, 1}, {0, 0, 8, 6}},
    {"ShrinkToOneColumn", {3, 0, 1, 6}, {0, 0, 8, 6}},
    {"GrowOneAxisShrinkTheOther", {0, 0, 10, 2}, {0, 0, 5, 6}},
    {"MirrorByDestWidth", {9, 0, -10, 7}, {0, 0, 8, 6}},
    {"MirrorBySourceWidth", {0, 0, 10, 7}, {7, 0, -8, 6}},
    {"MirrorByDestHeight", {0, 6, 10, -7}, {0, 0, 8, 6}},
    {"MirrorBySourceHeight", {0, 0, 10, 7}, {0, 5, 8, -6}},
    {"MirrorBothAxes", {9, 6, -10, -7}, {0, 0, 8, 6}},
    {"MirrorAndShrink", {4, 0, -5, 3}, {0, 0, 8, 6}},
    {"BothWidthsNegative", {9, 0, -10, 7}, {7, 0, -8, 6}, kWineBothNegative},
    {"AllFourNegative", {9, 6, -10, -7}, {7, 5, -8, -6}, kWineBothNegative},
    {"BothWidthsNegativeSameSize", {2, 0, -2, 2}, {2, 0, -2, 2}, kWineBothNegative},
    {"AllFourNegativeSameSize", {1, 1, -2, -2}, {1, 1, -2, -2}, kWineBothNegative},
    {"AllFourNegativeShrink", {5, 4, -4, -3}, {8, 6, -8, -6}, kWineBothNegative},
    {"DestClippedLeftTop", {-3, -2, 10, 7}, {0, 0, 8, 6}},
    {"DestClippedRightBottom", {5, 4, 10, 7}, {0, 0, 8, 6}},
    {"MirroredAndClipped", {12, -1, -14, 9}, {0, 0, 8, 6}},
    {"SourceOutsideLeftTop", {0, 0, 10, 7}, {-2, -1, 8, 6}},
    {"SourceOutsideRightBottom", {0, 0, 10, 7}, {4, 3, 8, 6}},
    {"SourceOutsideAndShrunk", {0, 0, 4, 3}, {-4, -3, 16, 12}},
    {"DestEntirelyOutside", {20, 20, 5, 5}, {0, 0, 8, 6}},
    {"ShrinkMirroredSourceToOnePixel", {2, 2, 1, 1}, {5, 0, -4, 6}},
    {"ShrinkIntoMirroredOnePixel", {2, 2, -1, 1}, {0, 0, 4, 6}},
    {"ShrinkBothNegativeToOnePixel", {3, 3, -1, -1}, {6, 6, -4, -3}, kWineBothNegative},
    {"ZeroDestWidth", {0, 0, 0, 5}, {0, 0, 4, 4}},
    {"ZeroSourceHeight", {0, 0, 5, 5}, {0, 0, 4, 0}},
};

const Depths kDepths[] = {{8, 8}, {24, 24}, {32, 32}, {8, 24}, {8, 32}, {24, 32}, {32, 24}};

INSTANTIATE_TEST_SUITE_P(Rectangles, StretchBltReal,
                         ::testing::Combine(::testing::ValuesIn(kBltCases),
                                            ::testing::ValuesIn(kDepths)),
                         [](const auto& test) {
                             const Depths depths = std::get<1>(test.param);
                             return std::string(std::get<0>(test.param).name) + "_" +
                                    std::to_string(depths.source) + "to" +
                                    std::to_string(depths.dest);
                         });

TEST(StretchBltRealDc, AFreshDcStretchesBlackOnWhite) {
    realwin::Dib dib(1, 1, 24);
    ASSERT_TRUE(dib.Valid());
    EXPECT_TRUE(dib.InBlackOnWhiteMode());
}

// Two 8-bit sections whose colour tables differ. The program gives its 8-bit
// sheet the template's colour table, so it never meets this case.
TEST(StretchBltRealDc, EightBitsBetweenDifferentColourTables) {
    SKIP_WHERE_WINE_DIFFERS(
        "Wine matches colours between differing colour tables; the stand-in "
        "copies indices as the team recorded from Windows");
    BitmapPair source(4, 1, 8);
    TestBitmap oursDest(4, 1, 8);
    std::vector<win::RGBQUAD> reversed(256);
    std::vector<std::uint8_t> reversedBytes;
    for (int i = 0; i < 256; ++i) {
        const auto v = static_cast<std::uint8_t>(255 - i);
        reversed[static_cast<std::size_t>(i)] = {v, static_cast<std::uint8_t>(i), v, 0};
        reversedBytes.insert(reversedBytes.end(), {v, static_cast<std::uint8_t>(i), v, 0});
    }
    ASSERT_EQ(win::SetDIBColorTable(oursDest.Dc(), 0, reversed), 256u);
    realwin::Dib realDest(4, 1, 8, reversedBytes);
    const std::uint8_t indices[] = {0, 17, 128, 255};
    for (int x = 0; x < 4; ++x) source.ours.At(x, 0) = source.real.At(x, 0) = indices[x];
    ASSERT_TRUE(
        win::StretchBlt(oursDest.Dc(), 0, 0, 4, 1, source.ours.Dc(), 0, 0, 4, 1, win::SRCCOPY));
    ASSERT_TRUE(realwin::StretchBlt(realDest, 0, 0, 4, 1, source.real, 0, 0, 4, 1));
    for (int x = 0; x < 4; ++x) EXPECT_EQ(oursDest.At(x, 0), realDest.At(x, 0)) << x;
}

}  // namespace
