#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <climits>
#include <random>
#include <vector>

namespace {

using decalia::gdi::Owned;

std::vector<std::uint8_t> DataOf(win::HRGN region) {
    const std::uint32_t size = win::GetRegionData(region, {});
    std::vector<std::uint8_t> bytes(size);
    EXPECT_EQ(win::GetRegionData(region, bytes), size);
    return bytes;
}

std::vector<std::int32_t> Words(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::int32_t> words(bytes.size() / 4);
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::uint32_t value = 0;
        for (int b = 3; b >= 0; --b)
            value = (value << 8) | bytes[4 * i + static_cast<std::size_t>(b)];
        words[i] = static_cast<std::int32_t>(value);
    }
    return words;
}

std::vector<std::uint8_t> Bytes(const std::vector<std::int32_t>& words) {
    std::vector<std::uint8_t> bytes;
    for (std::int32_t word : words)
        for (int b = 0; b < 4; ++b)
            bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(word) >> (8 * b)));
    return bytes;
}

Owned<win::HRGN> Rect(int l, int t, int r, int b) {
    return Owned<win::HRGN>(win::CreateRectRgn(l, t, r, b));
}

TEST(Region, HoleMakesThreeBandsInTheExactByteLayout) {
    auto region = Rect(0, 0, 10, 10);
    auto hole = Rect(2, 2, 5, 5);
    EXPECT_EQ(win::CombineRgn(region.Get(), region.Get(), hole.Get(), win::RGN_DIFF),
              win::COMPLEXREGION);
    // clang-format off
    EXPECT_EQ(Words(DataOf(region.Get())),
              (std::vector<std::int32_t>{32, 1, 4, 64,  0, 0, 10, 10,
                                         0, 0, 10, 2,
                                         0, 2, 2, 5,    5, 2, 10, 5,
                                         0, 5, 10, 10}));
    // clang-format on
}

TEST(Region, EmptyRegionIsAThirtyTwoByteHeaderWithAZeroBox) {
    auto a = Rect(0, 0, 4, 4);
    auto b = Rect(4, 0, 8, 4);
    auto result = Rect(0, 0, 0, 0);
    EXPECT_EQ(win::CombineRgn(result.Get(), a.Get(), b.Get(), win::RGN_AND), win::NULLREGION);
    EXPECT_EQ(Words(DataOf(result.Get())), (std::vector<std::int32_t>{32, 1, 0, 0, 0, 0, 0, 0}));
    win::RECT box{1, 1, 1, 1};
    EXPECT_EQ(win::GetRgnBox(result.Get(), box), win::NULLREGION);
    EXPECT_EQ(box, win::RECT{});
}

// What each mode makes is checked pixel by pixel further down; here the
// result types and the refusals.
TEST(Region, CombineResultTypesAndRefusals) {
    auto a = Rect(0, 0, 4, 4);
    auto b = Rect(2, 2, 6, 6);
    auto out = Rect(0, 0, 0, 0);
    EXPECT_EQ(win::CombineRgn(out.Get(), a.Get(), b.Get(), win::RGN_AND), win::SIMPLEREGION);
    EXPECT_EQ(win::CombineRgn(out.Get(), a.Get(), b.Get(), win::RGN_XOR), win::COMPLEXREGION);
    EXPECT_EQ(win::CombineRgn(out.Get(), b.Get(), {}, win::RGN_COPY), win::SIMPLEREGION);
    EXPECT_TRUE(win::EqualRgn(out.Get(), b.Get()));
    EXPECT_EQ(win::CombineRgn(out.Get(), a.Get(), b.Get(), 9), win::ERROR);
    EXPECT_EQ(win::CombineRgn(out.Get(), a.Get(), {}, win::RGN_OR), win::ERROR);
    EXPECT_EQ(win::CombineRgn({}, a.Get(), b.Get(), win::RGN_OR), win::ERROR);
}

TEST(Region, GetRegionDataAnswersTheSizeAndRefusesSmallBuffers) {
    auto region = Rect(0, 0, 3, 3);
    EXPECT_EQ(win::GetRegionData(region.Get(), {}), 48u);
    std::vector<std::uint8_t> small(47);
    EXPECT_EQ(win::GetRegionData(region.Get(), small), 0u);
    std::vector<std::uint8_t> large(64, 0xAA);
    EXPECT_EQ(win::GetRegionData(region.Get(), large), 48u) << "the size written, not the buffer's";
    EXPECT_EQ(large[48], 0xAA);
    EXPECT_EQ(win::GetRegionData(win::HRGN{}, {}), 0u);
}

TEST(Region, ExtCreateRegionTakesRectanglesInAnyOrder) {
    // Overlapping and out of order; the header's size and box are not trusted.
    const auto data =
        Bytes({32, 1, 3, 0, 0, 0, 0, 0,  //
               5, 5, 10, 10,             //
               0, 0, 6, 6,               //
               3, 3, 3, 9});             // empty, skipped
    Owned<win::HRGN> region(win::ExtCreateRegion(nullptr, data));
    ASSERT_TRUE(region);
    auto expected = Rect(0, 0, 6, 6);
    auto second = Rect(5, 5, 10, 10);
    win::CombineRgn(expected.Get(), expected.Get(), second.Get(), win::RGN_OR);
    EXPECT_EQ(DataOf(region.Get()), DataOf(expected.Get()));
    Owned<win::HRGN> empty(win::ExtCreateRegion(nullptr, Bytes({32, 1, 0, 0, 0, 0, 0, 0})));
    win::RECT box;
    EXPECT_EQ(win::GetRgnBox(empty.Get(), box), win::NULLREGION);
}

TEST(Region, ExtCreateRegionRejectsGarbage) {
    const auto good = Bytes({32, 1, 1, 16, 0, 0, 2, 2, 0, 0, 2, 2});
    const win::XFORM identity;
    std::vector<std::vector<std::uint8_t>> bad = {
        {},
        std::vector<std::uint8_t>(good.begin(), good.begin() + 31),
        std::vector<std::uint8_t>(good.begin(), good.end() - 1),  // count says more than given
        Bytes({40, 1, 1, 16, 0, 0, 2, 2, 0, 0, 2, 2}),
        Bytes({32, 1, -1, 16, 0, 0, 2, 2, 0, 0, 2, 2}),
    };
    for (const auto& data : bad) {
        EXPECT_FALSE(win::ExtCreateRegion(nullptr, data)) << data.size();
    }
    EXPECT_FALSE(win::ExtCreateRegion(&identity, good));
    Owned<win::HRGN> region(win::ExtCreateRegion(nullptr, good));
    EXPECT_TRUE(region);
    // Windows does not look at the type.
    Owned<win::HRGN> otherType(
        win::ExtCreateRegion(nullptr, Bytes({32, 7, 1, 16, 0, 0, 2, 2, 0, 0, 2, 2})));
    ASSERT_TRUE(otherType);
    EXPECT_TRUE(win::EqualRgn(otherType.Get(), region.Get()));
}

TEST(Region, LongRectangleListsMustComeBanded) {
    const int count = 70000;
    std::vector<std::int32_t> inOrder{32, 1, count, 16 * count, 0, 0, 0, 0};
    std::vector<std::int32_t> reversed = inOrder;
    for (int i = 0; i < count; ++i) {
        inOrder.insert(inOrder.end(), {0, i, 1 + i % 2, i + 1});
        const int j = count - 1 - i;
        reversed.insert(reversed.end(), {0, j, 1 + j % 2, j + 1});
    }
    Owned<win::HRGN> region(win::ExtCreateRegion(nullptr, Bytes(inOrder)));
    ASSERT_TRUE(region);
    EXPECT_TRUE(win::PtInRegion(region.Get(), 1, count - 1));
    EXPECT_FALSE(win::ExtCreateRegion(nullptr, Bytes(reversed)));
}

std::vector<std::uint8_t> RegionFile(const std::vector<win::RECT>& rects) {
    const auto count = static_cast<std::int32_t>(rects.size());
    std::vector<std::int32_t> words{32, 1, count, 16 * count, 0, 0, 0, 0};
    for (const win::RECT& r : rects) words.insert(words.end(), {r.left, r.top, r.right, r.bottom});
    return Bytes(words);
}

// One-pixel columns at even x and rows at even y, each as long as the grid;
// together they make n * n + n rectangles.
std::vector<win::RECT> Columns(int n) {
    std::vector<win::RECT> rects;
    for (int i = 0; i < n; ++i) rects.push_back({2 * i, 0, 2 * i + 1, 2 * n});
    return rects;
}

std::vector<win::RECT> Rows(int n) {
    std::vector<win::RECT> rects;
    for (int j = 0; j < n; ++j) rects.push_back({0, 2 * j, 2 * n, 2 * j + 1});
    return rects;
}

Owned<win::HRGN> RegionOf(const std::vector<win::RECT>& rects) {
    return Owned<win::HRGN>(win::ExtCreateRegion(nullptr, RegionFile(rects)));
}

TEST(Region, AGridOfStripsIsRefusedOnceItPassesAMillionRectangles) {
    struct Case {
        int n;
        bool accepted;
    };
    // 1024 is just past the limit; 32768 is a 1 MiB file.
    for (const Case& c : {Case{512, true}, Case{1024, false}, Case{32768, false}}) {
        std::vector<win::RECT> rects = Columns(c.n);
        const std::vector<win::RECT> rows = Rows(c.n);
        rects.insert(rects.end(), rows.begin(), rows.end());
        Owned<win::HRGN> region = RegionOf(rects);
        ASSERT_EQ(static_cast<bool>(region), c.accepted) << c.n;
        if (c.accepted) {
            const auto n = static_cast<std::uint32_t>(c.n);
            EXPECT_EQ(win::GetRegionData(region.Get(), {}), 32 + 16 * (n * n + n));
        }
    }
}

TEST(Region, CombineRgnRefusesAResultPastTheLimitAndKeepsDest) {
    const int n = 32768;
    Owned<win::HRGN> columns = RegionOf(Columns(n));
    Owned<win::HRGN> rows = RegionOf(Rows(n));
    ASSERT_TRUE(columns && rows);
    for (int mode : {win::RGN_OR, win::RGN_AND, win::RGN_XOR, win::RGN_DIFF}) {
        auto dest = Rect(1, 2, 3, 4);
        EXPECT_EQ(win::CombineRgn(dest.Get(), columns.Get(), rows.Get(), mode), win::ERROR) << mode;
        auto unchanged = Rect(1, 2, 3, 4);
        EXPECT_TRUE(win::EqualRgn(dest.Get(), unchanged.Get())) << mode;
    }
}

TEST(Region, CombineRgnRefusesWorkPastTheLimitEvenForASmallResult) {
    // Every row crosses all the columns, yet the union is just the rows,
    // which differ in width so that they stay apart.
    const int n = 32768;
    std::vector<win::RECT> rows;
    for (int j = 0; j < 2 * n; ++j) rows.push_back({0, j, 2 * n + j % 2, j + 1});
    Owned<win::HRGN> columns = RegionOf(Columns(n));
    Owned<win::HRGN> wideRows = RegionOf(rows);
    ASSERT_TRUE(columns && wideRows);
    auto dest = Rect(0, 0, 0, 0);
    EXPECT_EQ(win::CombineRgn(dest.Get(), columns.Get(), wideRows.Get(), win::RGN_OR), win::ERROR);
    Owned<win::HRGN> few = RegionOf(Columns(64));
    EXPECT_EQ(win::CombineRgn(dest.Get(), few.Get(), wideRows.Get(), win::RGN_OR),
              win::COMPLEXREGION);
    EXPECT_TRUE(win::EqualRgn(dest.Get(), wideRows.Get()));
}

TEST(Region, OffsetMovesAndRefusesToLeaveThirtyTwoBits) {
    auto region = Rect(0, 0, 2, 2);
    EXPECT_EQ(win::OffsetRgn(region.Get(), 10, -5), win::SIMPLEREGION);
    win::RECT box;
    win::GetRgnBox(region.Get(), box);
    EXPECT_EQ(box, (win::RECT{10, -5, 12, -3}));
    EXPECT_EQ(win::OffsetRgn(region.Get(), INT_MAX, 0), win::ERROR);
    win::GetRgnBox(region.Get(), box);
    EXPECT_EQ(box, (win::RECT{10, -5, 12, -3}));
}

constexpr int kGrid = 16;
using PixelSet = std::bitset<kGrid * kGrid>;

PixelSet PixelsOf(const decalia::gdi::Rect& r) {
    PixelSet set;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) set.set(static_cast<std::size_t>(y * kGrid + x));
    return set;
}

PixelSet PixelsOf(win::HRGN region) {
    PixelSet set;
    for (int y = -1; y <= kGrid; ++y) {
        for (int x = -1; x <= kGrid; ++x) {
            const bool inside = win::PtInRegion(region, x, y);
            if (x < 0 || y < 0 || x == kGrid || y == kGrid) {
                EXPECT_FALSE(inside);
            } else if (inside) {
                set.set(static_cast<std::size_t>(y * kGrid + x));
            }
        }
    }
    return set;
}

// Bands ordered and disjoint, spans sorted and never touching, no two
// touching bands with the same spans: one layout per pixel set, so equal
// regions give equal bytes whatever order they were built in.
void ExpectCanonical(win::HRGN region) {
    const auto shape = decalia::gdi::ShapeOf(region);
    ASSERT_TRUE(shape);
    const auto& bands = shape->Bands();
    for (std::size_t i = 0; i < bands.size(); ++i) {
        ASSERT_LT(bands[i].top, bands[i].bottom);
        ASSERT_FALSE(bands[i].spans.empty());
        for (std::size_t s = 0; s < bands[i].spans.size(); ++s) {
            ASSERT_LT(bands[i].spans[s].left, bands[i].spans[s].right);
            if (s > 0) {
                ASSERT_LT(bands[i].spans[s - 1].right, bands[i].spans[s].left);
            }
        }
        if (i > 0) {
            ASSERT_LE(bands[i - 1].bottom, bands[i].top);
            if (bands[i - 1].bottom == bands[i].top) {
                ASSERT_NE(bands[i - 1].spans, bands[i].spans);
            }
        }
    }
}

TEST(Region, RandomCombinationsMatchPixelSetsAndStayCanonical) {
    std::mt19937 random(99);
    std::uniform_int_distribution<int> coordinate(0, kGrid);
    std::uniform_int_distribution<int> mode(win::RGN_AND, win::RGN_DIFF);
    for (int iteration = 0; iteration < 400; ++iteration) {
        auto region = Rect(0, 0, 0, 0);
        PixelSet expected;
        for (int step = 0; step < 6; ++step) {
            const decalia::gdi::Rect r{coordinate(random), coordinate(random), coordinate(random),
                                       coordinate(random)};
            const decalia::gdi::Rect sorted{std::min(r.left, r.right), std::min(r.top, r.bottom),
                                            std::max(r.left, r.right), std::max(r.top, r.bottom)};
            auto operand = Rect(r.left, r.top, r.right, r.bottom);
            const int op = mode(random);
            win::CombineRgn(region.Get(), region.Get(), operand.Get(), op);
            const PixelSet pixels = PixelsOf(sorted);
            if (op == win::RGN_AND) expected &= pixels;
            if (op == win::RGN_OR) expected |= pixels;
            if (op == win::RGN_XOR) expected ^= pixels;
            if (op == win::RGN_DIFF) expected &= ~pixels;
            ASSERT_EQ(PixelsOf(region.Get()), expected) << "iteration " << iteration;
            ExpectCanonical(region.Get());
        }
    }
}

}  // namespace
