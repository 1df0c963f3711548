#include "GdiTestBitmap.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <utility>
#include <vector>

namespace {

using gditest::TestBitmap;

// One axis straight from the rules: list the covered pixels in walk order,
// then run the error walk literally.
std::vector<std::pair<long, long>> ReferencePairs(long srcStart, long srcSize, long dstStart,
                                                  long dstSize) {
    const bool bothNegative = srcSize < 0 && dstSize < 0;
    auto walk = [bothNegative](long start, long size) {
        std::vector<long> pixels;
        if (bothNegative) {
            for (long p = start + size; p < start; ++p) pixels.push_back(p);
        } else if (size > 0) {
            for (long k = 0; k < size; ++k) pixels.push_back(start + k);
        } else {
            for (long k = 0; k < -size; ++k) pixels.push_back(start - k);
        }
        return pixels;
    };
    const std::vector<long> src = walk(srcStart, srcSize);
    const std::vector<long> dst = walk(dstStart, dstSize);
    const long s = static_cast<long>(src.size());
    const long d = static_cast<long>(dst.size());
    std::vector<std::pair<long, long>> pairs;
    if (s == 0 || d == 0) return pairs;
    if (s <= d) {
        long i = 0;
        long err = 3 * s - 2 * d;
        for (long j = 0; j < d; ++j) {
            pairs.emplace_back(src[static_cast<std::size_t>(i)], dst[static_cast<std::size_t>(j)]);
            if (err > 0) {
                ++i;
                err += 2 * s - 2 * d;
            } else {
                err += 2 * s;
            }
        }
    } else {
        long j = 0;
        long err = 3 * d - 2 * s;
        for (long i = 0; i < s; ++i) {
            if (d == 1 && i == s - 1 && (srcSize > 0 || bothNegative)) break;
            pairs.emplace_back(src[static_cast<std::size_t>(i)], dst[static_cast<std::size_t>(j)]);
            if (err > 0) {
                ++j;
                err += 2 * d - 2 * s;
            } else {
                err += 2 * d;
            }
        }
    }
    return pairs;
}

// Source pixel (x, y) as destination bytes.
std::vector<std::uint8_t> AsDestBytes(TestBitmap& src, int x, int y, int destBytes) {
    std::vector<std::uint8_t> pixel = src.Pixel(x, y);
    if (src.BytesPerPixel() == destBytes) return pixel;
    if (src.BytesPerPixel() == 1 && destBytes > 1) {
        const auto index = pixel[0];  // the test palette: blue i, green 255 - i, red i
        pixel = {index, static_cast<std::uint8_t>(255 - index), index};
    }
    pixel.resize(3);  // the fourth byte of a 32-bit pixel is not carried over
    pixel.resize(static_cast<std::size_t>(destBytes), 0);
    return pixel;
}

void ReferenceStretch(TestBitmap& dst, int x, int y, int w, int h, TestBitmap& src, int xs, int ys,
                      int ws, int hs) {
    const auto columns = ReferencePairs(xs, ws, x, w);
    const auto rows = ReferencePairs(ys, hs, y, h);
    const int bytes = dst.BytesPerPixel();
    std::vector<std::vector<std::uint8_t>> result(
        static_cast<std::size_t>(dst.Width() * dst.Height()));
    for (const auto& [sy, dy] : rows) {
        if (sy < 0 || sy >= src.Height() || dy < 0 || dy >= dst.Height()) continue;
        for (const auto& [sx, dx] : columns) {
            if (sx < 0 || sx >= src.Width() || dx < 0 || dx >= dst.Width()) continue;
            auto pixel = AsDestBytes(src, static_cast<int>(sx), static_cast<int>(sy), bytes);
            auto& slot = result[static_cast<std::size_t>(dy * dst.Width() + dx)];
            if (slot.empty()) {
                slot = pixel;
            } else {
                for (std::size_t b = 0; b < slot.size(); ++b) slot[b] &= pixel[b];
            }
        }
    }
    for (int py = 0; py < dst.Height(); ++py) {
        for (int px = 0; px < dst.Width(); ++px) {
            const auto& slot = result[static_cast<std::size_t>(py * dst.Width() + px)];
            for (std::size_t b = 0; b < slot.size(); ++b)
                dst.At(px, py, static_cast<int>(b)) = slot[b];
        }
    }
}

std::vector<int> Row(TestBitmap& bitmap, int y = 0) {
    std::vector<int> values;
    for (int x = 0; x < bitmap.Width(); ++x) values.push_back(bitmap.At(x, y));
    return values;
}

void SetRow(TestBitmap& bitmap, const std::vector<int>& values, int y = 0) {
    for (std::size_t x = 0; x < values.size(); ++x)
        bitmap.At(static_cast<int>(x), y) = static_cast<std::uint8_t>(values[x]);
}

bool Blt(TestBitmap& dst, int x, int y, int w, int h, TestBitmap& src, int xs, int ys, int ws,
         int hs) {
    return win::StretchBlt(dst.Dc(), x, y, w, h, src.Dc(), xs, ys, ws, hs, win::SRCCOPY);
}

// A few rows worked by hand, so a reader sees the rule; the reference test
// below covers the rest.
TEST(StretchBlt, WorkedRows) {
    struct Case {
        const char* name;
        std::vector<int> src, dst;
        int x, w, xs, ws;
        std::vector<int> expected;
    };
    const std::vector<int> ones = {0xFE, 0xFD, 0xFB, 0xF7, 0xEF, 0xDF, 0xBF, 0x7F};
    const Case cases[] = {
        {"four to seven repeats", {10, 20, 30, 40}, std::vector<int>(7), 0, 7, 0, 4,
         {10, 10, 20, 20, 30, 40, 40}},
        {"eight to five ands the dropped", ones, std::vector<int>(5), 0, 5, 0, 8,
         {0xFC, 0xFB, 0xE7, 0xDF, 0x3F}},
        {"to one pixel leaves the last out", {0xF3, 0x3F, 0x00}, {0}, 0, 1, 0, 3, {0x33}},
        {"negative width mirrors", {1, 2, 3, 4, 5, 6, 7, 8}, std::vector<int>(10, 99), 8, -8, 0, 8,
         {99, 8, 7, 6, 5, 4, 3, 2, 1, 99}},
        {"both negative walk forwards from x+w up to x", {0, 0, 0, 10, 20, 30, 40, 0},
         std::vector<int>(8, 99), 7, -7, 7, -4, {10, 10, 20, 20, 30, 40, 40, 99}},
        {"to one pixel from a mirrored source keeps every pixel", {0xF3, 0x3F, 0x7E}, {0}, 0, 1,
         2, -3, {0x32}},
    };
    for (const Case& c : cases) {
        TestBitmap src(static_cast<int>(c.src.size()), 1, 8);
        TestBitmap dst(static_cast<int>(c.dst.size()), 1, 8);
        SetRow(src, c.src);
        SetRow(dst, c.dst);
        ASSERT_TRUE(Blt(dst, c.x, 0, c.w, 1, src, c.xs, 0, c.ws, 1)) << c.name;
        EXPECT_EQ(Row(dst), c.expected) << c.name;
    }
}

TEST(StretchBlt, EightBitCopiesIndicesWhateverThePalettes) {
    TestBitmap src(2, 1, 8);
    TestBitmap dst(2, 1, 8);
    const std::vector<win::RGBQUAD> grey(256, win::RGBQUAD{7, 7, 7, 0});
    ASSERT_EQ(win::SetDIBColorTable(dst.Dc(), 0, grey), 256u);
    SetRow(src, {200, 17});
    ASSERT_TRUE(Blt(dst, 0, 0, 2, 1, src, 0, 0, 2, 1));
    EXPECT_EQ(Row(dst), (std::vector<int>{200, 17}));
}

// Overlapping rectangles of one bitmap: every pixel is read as it was before.
struct InPlaceCase {
    const char* name;
    int width, height;
    int x, y, w, h;      // destination
    int xs, ys, ws, hs;  // source
    std::vector<int> after;  // pixels top row first; they start as 1, 2, 3, ...
};

class StretchBltInPlace : public ::testing::TestWithParam<InPlaceCase> {};

TEST_P(StretchBltInPlace, ReadsTheSourceAsItWasBefore) {
    const InPlaceCase& c = GetParam();
    TestBitmap bitmap(c.width, c.height, 8);
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            bitmap.At(x, y) = static_cast<std::uint8_t>(1 + y * c.width + x);
    ASSERT_TRUE(Blt(bitmap, c.x, c.y, c.w, c.h, bitmap, c.xs, c.ys, c.ws, c.hs));
    std::vector<int> after;
    for (int y = 0; y < c.height; ++y)
        for (const int value : Row(bitmap, y)) after.push_back(value);
    EXPECT_EQ(after, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Overlaps, StretchBltInPlace,
    ::testing::Values(InPlaceCase{"RowShiftedRight", 4, 1, 1, 0, 3, 1, 0, 0, 3, 1, {1, 1, 2, 3}},
                      InPlaceCase{"ColumnShiftedDown", 1, 4, 0, 1, 1, 3, 0, 0, 1, 3, {1, 1, 2, 3}},
                      InPlaceCase{"RowStretchedOverItself", 6, 1, 0, 0, 6, 1, 0, 0, 3, 1,
                                  {1, 1, 2, 2, 3, 3}}),
    [](const ::testing::TestParamInfo<InPlaceCase>& overlap) { return overlap.param.name; });

TEST(StretchBlt, HugeRectanglesOnlyVisitPixelsInsideTheBitmaps) {
    TestBitmap src(1, 1, 8);
    TestBitmap dst(3, 2, 8);
    src.At(0, 0) = 42;
    ASSERT_TRUE(Blt(dst, 0, 0, INT_MAX, INT_MAX, src, 0, 0, 1, 1));
    EXPECT_EQ(Row(dst, 1), (std::vector<int>{42, 42, 42}));
    ASSERT_TRUE(Blt(dst, INT_MIN, 0, INT_MAX, 1, src, INT_MAX, 0, INT_MIN, 1));
}

TEST(StretchBlt, FailsForOtherRasterOpsAndInvalidOrEmptyDcs) {
    TestBitmap src(1, 1, 24);
    TestBitmap dst(1, 1, 24);
    EXPECT_FALSE(win::StretchBlt(dst.Dc(), 0, 0, 1, 1, src.Dc(), 0, 0, 1, 1, 0x00EE0086));
    EXPECT_FALSE(win::StretchBlt(win::HDC{}, 0, 0, 1, 1, src.Dc(), 0, 0, 1, 1, win::SRCCOPY));
    decalia::gdi::Owned<win::HDC> bare(win::CreateCompatibleDC({}));
    EXPECT_FALSE(win::StretchBlt(bare.Get(), 0, 0, 1, 1, src.Dc(), 0, 0, 1, 1, win::SRCCOPY));
    TestBitmap indexed(1, 1, 8);
    EXPECT_FALSE(Blt(indexed, 0, 0, 1, 1, src, 0, 0, 1, 1)) << "no colours to indices";
}

struct DepthPair {
    int from;
    int to;
};

class StretchBltReference : public testing::TestWithParam<DepthPair> {};

TEST_P(StretchBltReference, MatchesTheReferenceOnRandomRectangles) {
    std::mt19937 random(1234u + static_cast<unsigned>(GetParam().from * 100 + GetParam().to));
    std::uniform_int_distribution<int> side(1, 9);
    std::uniform_int_distribution<int> position(-3, 11);
    std::uniform_int_distribution<int> size(-12, 12);
    for (int iteration = 0; iteration < 1500; ++iteration) {
        TestBitmap src(side(random), side(random), GetParam().from);
        TestBitmap dst(side(random), side(random), GetParam().to);
        TestBitmap expected(dst.Width(), dst.Height(), GetParam().to);
        src.Fill(random);
        dst.Fill(random);
        for (int y = 0; y < dst.Height(); ++y)
            for (int x = 0; x < dst.Width(); ++x)
                for (int b = 0; b < dst.BytesPerPixel(); ++b)
                    expected.At(x, y, b) = dst.At(x, y, b);
        const int x = position(random), y = position(random), w = size(random), h = size(random);
        const int xs = position(random), ys = position(random), ws = size(random),
                  hs = size(random);
        ASSERT_TRUE(Blt(dst, x, y, w, h, src, xs, ys, ws, hs));
        ReferenceStretch(expected, x, y, w, h, src, xs, ys, ws, hs);
        ASSERT_EQ(dst.Snapshot(), expected.Snapshot())
            << "dest " << x << "," << y << " " << w << "x" << h << " src " << xs << "," << ys << " "
            << ws << "x" << hs << " sizes " << src.Width() << "x" << src.Height() << " -> "
            << dst.Width() << "x" << dst.Height();
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, StretchBltReference,
                         testing::Values(DepthPair{8, 8}, DepthPair{24, 24}, DepthPair{32, 32},
                                         DepthPair{24, 32}, DepthPair{32, 24}, DepthPair{8, 24},
                                         DepthPair{8, 32}),
                         [](const auto& test) {
                             return std::to_string(test.param.from) + "to" +
                                    std::to_string(test.param.to);
                         });

}  // namespace
