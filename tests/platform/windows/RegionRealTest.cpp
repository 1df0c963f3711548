// The region stand-in against gdi32's regions: results, region data bytes,
// hit tests, boxes and offsets.

#include "KnownWineDifference.h"
#include "RealWindows.h"
#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using decalia::gdi::Owned;

std::vector<std::uint8_t> DataOf(win::HRGN region) {
    std::vector<std::uint8_t> bytes(win::GetRegionData(region, {}));
    if (win::GetRegionData(region, bytes) != bytes.size()) bytes.clear();
    return bytes;
}

// RGNDATA bytes: the header words, then each rectangle.
std::vector<std::uint8_t> Bytes(const std::vector<std::int32_t>& words) {
    std::vector<std::uint8_t> bytes;
    for (const std::int32_t word : words)
        for (int b = 0; b < 4; ++b)
            bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(word) >> (8 * b)));
    return bytes;
}

std::vector<std::uint8_t> RegionData(const std::vector<decalia::gdi::Rect>& rects) {
    const auto count = static_cast<std::int32_t>(rects.size());
    std::vector<std::int32_t> words{32, 1, count, 16 * count, 0, 0, 0, 0};
    for (const auto& r : rects) words.insert(words.end(), {r.left, r.top, r.right, r.bottom});
    return Bytes(words);
}

// One region on both sides.
struct RegionPair {
    RegionPair(int left, int top, int right, int bottom)
        : ours(win::CreateRectRgn(left, top, right, bottom)), real(left, top, right, bottom) {}
    explicit RegionPair(const std::vector<std::uint8_t>& data)
        : ours(win::ExtCreateRegion(nullptr, data)), real(data) {}

    int Combine(const RegionPair& first, const RegionPair& second, int mode) {
        const int type = win::CombineRgn(ours.Get(), first.ours.Get(), second.ours.Get(), mode);
        EXPECT_EQ(type, real.Combine(first.real, second.real, mode)) << "mode " << mode;
        return type;
    }
    // Data, box and every point of the area around the region alike.
    void ExpectAlike(const std::string& what) const {
        SCOPED_TRACE(what);
        EXPECT_EQ(DataOf(ours.Get()), real.Data());
        win::RECT box;
        std::int32_t realBox[4] = {};
        EXPECT_EQ(win::GetRgnBox(ours.Get(), box), real.Box(realBox));
        EXPECT_EQ((std::vector<int>{box.left, box.top, box.right, box.bottom}),
                  (std::vector<int>{realBox[0], realBox[1], realBox[2], realBox[3]}));
        for (int y = box.top - 1; y <= box.bottom; ++y) {
            for (int x = box.left - 1; x <= box.right; ++x) {
                ASSERT_EQ(win::PtInRegion(ours.Get(), x, y), real.Contains(x, y)) << x << "," << y;
            }
        }
    }

    Owned<win::HRGN> ours;
    realwin::Region real;
};

struct PairCase {
    const char* name;
    decalia::gdi::Rect first;
    decalia::gdi::Rect second;
    const char* wineDiffers = nullptr;
};

std::ostream& operator<<(std::ostream& out, const PairCase& c) {
    return out << c.name;
}

class CombineRgnReal : public ::testing::TestWithParam<PairCase> {};

TEST_P(CombineRgnReal, EveryModeMatchesGdi32) {
    const PairCase& c = GetParam();
    SKIP_WHERE_WINE_DIFFERS(c.wineDiffers);
    const RegionPair first(c.first.left, c.first.top, c.first.right, c.first.bottom);
    const RegionPair second(c.second.left, c.second.top, c.second.right, c.second.bottom);
    for (const int mode : {win::RGN_AND, win::RGN_OR, win::RGN_XOR, win::RGN_DIFF, win::RGN_COPY}) {
        RegionPair result(0, 0, 0, 0);
        result.Combine(first, second, mode);
        result.ExpectAlike("mode " + std::to_string(mode));
    }
}

const PairCase kPairCases[] = {
    {"Overlapping", {0, 0, 6, 6}, {3, 3, 9, 9}},
    {"Nested", {0, 0, 10, 10}, {3, 4, 6, 7}},
    {"Identical", {1, 1, 5, 5}, {1, 1, 5, 5}},
    {"Disjoint", {0, 0, 2, 2}, {5, 5, 7, 7}},
    {"TouchingSideBySide", {0, 0, 4, 4}, {4, 0, 8, 4}},
    {"TouchingStacked", {0, 0, 4, 4}, {0, 4, 4, 8}},
    {"TouchingAtACorner", {0, 0, 4, 4}, {4, 4, 8, 8}},
    {"SameRowsDifferentHeights", {0, 0, 4, 6}, {6, 2, 9, 4}},
    {"Cross", {3, 0, 6, 9}, {0, 3, 9, 6}},
    {"CornersGivenBackwards", {6, 6, 0, 0}, {9, 1, 3, 7}},
    {"EmptyFirst", {2, 2, 2, 8}, {1, 1, 5, 5}},
    {"EmptySecond", {1, 1, 5, 5}, {4, 4, 9, 4}},
    {"NegativeCoordinates", {-8, -3, 2, 2}, {-1, -9, 4, 0}},
};

INSTANTIATE_TEST_SUITE_P(Rectangles, CombineRgnReal, ::testing::ValuesIn(kPairCases),
                         [](const auto& test) { return std::string(test.param.name); });

// Many steps build regions of many bands; the data must stay alike at each.
TEST(CombineRgnRealChain, RandomStepsMatchGdi32) {
    std::mt19937 random(2024u);
    std::uniform_int_distribution<int> coordinate(-2, 14);
    std::uniform_int_distribution<int> mode(win::RGN_AND, win::RGN_DIFF);
    for (int chain = 0; chain < 60; ++chain) {
        RegionPair region(0, 0, 12, 12);
        for (int step = 0; step < 10; ++step) {
            const RegionPair operand(coordinate(random), coordinate(random), coordinate(random),
                                     coordinate(random));
            region.Combine(region, operand, mode(random));
            region.ExpectAlike("chain " + std::to_string(chain) + " step " + std::to_string(step));
            if (::testing::Test::HasFailure()) return;
        }
    }
}

// A mask as a window shape is made: each row's opaque runs.
std::vector<decalia::gdi::Rect> OpaqueRuns(const std::vector<std::string>& mask) {
    std::vector<decalia::gdi::Rect> runs;
    for (int y = 0; y < static_cast<int>(mask.size()); ++y) {
        const std::string& row = mask[static_cast<std::size_t>(y)];
        for (int x = 0; x < static_cast<int>(row.size());) {
            if (row[static_cast<std::size_t>(x)] != '#') {
                ++x;
                continue;
            }
            int end = x;
            while (end < static_cast<int>(row.size()) && row[static_cast<std::size_t>(end)] == '#')
                ++end;
            runs.push_back({x, y, end, y + 1});
            x = end;
        }
    }
    return runs;
}

std::vector<std::string> RandomMask(std::mt19937& random, int width, int height, int percent) {
    std::uniform_int_distribution<int> chance(0, 99);
    std::vector<std::string> mask(static_cast<std::size_t>(height),
                                  std::string(static_cast<std::size_t>(width), '.'));
    for (auto& row : mask)
        for (auto& pixel : row)
            if (chance(random) < percent) pixel = '#';
    return mask;
}

// The stand-in's banded shape of a mask, handed to gdi32 as region data,
// must come back from gdi32 byte for byte; and both must read the runs alike
// whatever their order.
TEST(RegionShapeReal, ShapesFromMasksRoundTripThroughGdi32) {
    std::mt19937 random(5u);
    for (const int percent : {10, 50, 90}) {
        for (int iteration = 0; iteration < 10; ++iteration) {
            const auto mask = RandomMask(random, 24, 16, percent);
            auto runs = OpaqueRuns(mask);
            const auto shape = decalia::gdi::RegionShape::FromRects(runs);
            ASSERT_TRUE(shape);
            const RegionPair fromShape(RegionData(shape->Rects()));
            ASSERT_TRUE(fromShape.ours && fromShape.real.Valid());
            EXPECT_EQ(DataOf(fromShape.ours.Get()), fromShape.real.Data()) << percent;
            std::shuffle(runs.begin(), runs.end(), random);
            const RegionPair fromRuns(RegionData(runs));
            fromRuns.ExpectAlike("shuffled runs, " + std::to_string(percent) + "%");
            EXPECT_EQ(DataOf(fromRuns.ours.Get()), fromShape.real.Data());
        }
    }
}

// The window shape cut out of its frame one transparent run at a time.
TEST(RegionShapeReal, FrameMinusTransparentRunsMatchesGdi32) {
    std::mt19937 random(11u);
    const auto mask = RandomMask(random, 20, 12, 70);
    RegionPair region(0, 0, 20, 12);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 20; ++x) {
            if (mask[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#') continue;
            const RegionPair run(x, y, x + 1, y + 1);
            region.Combine(region, run, win::RGN_DIFF);
        }
    }
    region.ExpectAlike("frame minus runs");
}

struct DataCase {
    const char* name;
    std::vector<std::int32_t> words;
    const char* wineDiffers = nullptr;
};

std::ostream& operator<<(std::ostream& out, const DataCase& c) {
    return out << c.name;
}

class ExtCreateRegionReal : public ::testing::TestWithParam<DataCase> {};

TEST_P(ExtCreateRegionReal, AcceptsAndBuildsAsGdi32) {
    const DataCase& c = GetParam();
    SKIP_WHERE_WINE_DIFFERS(c.wineDiffers);
    const RegionPair region(Bytes(c.words));
    ASSERT_EQ(static_cast<bool>(region.ours), region.real.Valid());
    if (region.real.Valid()) region.ExpectAlike(c.name);
}

constexpr const char* kWineTakesShortData =
    "Windows refuses data shorter than its header says; Wine takes it (todo_wine in Wine's own "
    "conformance test)";

const DataCase kDataCases[] = {
    {"OneRectangle", {32, 1, 1, 16, 0, 0, 4, 4, 0, 0, 4, 4}},
    {"NoRectangles", {32, 1, 0, 0, 0, 0, 0, 0}},
    {"SizeAndBoxNotTrusted", {32, 1, 1, 999, 50, 50, 60, 60, 1, 2, 3, 4}},
    {"OutOfOrderAndOverlapping", {32, 1, 3, 48, 0, 0, 0, 0, 5, 5, 9, 9, 0, 0, 6, 6, 2, 8, 3, 12}},
    {"EmptyRectangleAmongOthers", {32, 1, 2, 32, 0, 0, 0, 0, 3, 3, 3, 9, 0, 0, 2, 2}},
    {"BackwardsRectangle", {32, 1, 1, 16, 0, 0, 0, 0, 6, 6, 2, 2}},
    {"CountBeyondTheData", {32, 1, 2, 32, 0, 0, 0, 0, 0, 0, 2, 2}, kWineTakesShortData},
    {"HeaderSizeTooLarge",
     {40, 1, 1, 16, 0, 0, 0, 0, 0, 0, 2, 2, 0, 0},
     "no Windows record of a header larger than 32 bytes: Wine takes it, the stand-in keeps "
     "refusing it"},
    {"HeaderSizeTooSmall", {16, 1, 1, 16, 0, 0, 0, 0, 0, 0, 2, 2}},
    {"UnknownType", {32, 2, 1, 16, 0, 0, 0, 0, 0, 0, 2, 2}},
    {"HeaderCutShort", {32, 1, 0, 0, 0, 0, 0}, kWineTakesShortData},
};

INSTANTIATE_TEST_SUITE_P(Data, ExtCreateRegionReal, ::testing::ValuesIn(kDataCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(RegionDataReal, BufferSizesAnswerAsGdi32) {
    RegionPair region(0, 0, 8, 8);
    const RegionPair hole(2, 2, 4, 4);
    region.Combine(region, hole, win::RGN_DIFF);
    const std::size_t size = region.real.Data().size();
    for (const std::size_t buffer : {std::size_t{0}, size - 1, size, size + 16}) {
        std::vector<std::uint8_t> ours(buffer);
        const std::uint32_t oursAnswer = buffer == 0 ? win::GetRegionData(region.ours.Get(), {})
                                                     : win::GetRegionData(region.ours.Get(), ours);
        EXPECT_EQ(oursAnswer, region.real.DataInto(buffer)) << "buffer " << buffer;
    }
}

struct OffsetCase {
    const char* name;
    int dx;
    int dy;
    const char* wineDiffers = nullptr;
};

std::ostream& operator<<(std::ostream& out, const OffsetCase& c) {
    return out << c.name;
}

class OffsetRgnReal : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(OffsetRgnReal, MovesAsGdi32) {
    const OffsetCase& c = GetParam();
    SKIP_WHERE_WINE_DIFFERS(c.wineDiffers);
    RegionPair region(0, 0, 6, 6);
    const RegionPair bite(2, 2, 8, 3);
    region.Combine(region, bite, win::RGN_XOR);
    EXPECT_EQ(win::OffsetRgn(region.ours.Get(), c.dx, c.dy), region.real.Offset(c.dx, c.dy));
    EXPECT_EQ(DataOf(region.ours.Get()), region.real.Data());
    RegionPair empty(3, 3, 3, 3);
    EXPECT_EQ(win::OffsetRgn(empty.ours.Get(), c.dx, c.dy), empty.real.Offset(c.dx, c.dy));
    EXPECT_EQ(DataOf(empty.ours.Get()), empty.real.Data());
}

const OffsetCase kOffsetCases[] = {
    {"None", 0, 0},
    {"RightAndDown", 5, 7},
    {"LeftAndUp", -9, -4},
    {"Far", 1000000, -1000000},
};

INSTANTIATE_TEST_SUITE_P(Offsets, OffsetRgnReal, ::testing::ValuesIn(kOffsetCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(EqualRgnReal, AgreesWithGdi32) {
    const RegionPair a(0, 0, 4, 4);
    const RegionPair b(4, 0, 0, 4);
    const RegionPair c(0, 0, 4, 5);
    const RegionPair empty1(1, 1, 1, 1);
    const RegionPair empty2(7, 7, 9, 7);
    EXPECT_EQ(win::EqualRgn(a.ours.Get(), b.ours.Get()), a.real.Equals(b.real));
    EXPECT_EQ(win::EqualRgn(a.ours.Get(), c.ours.Get()), a.real.Equals(c.real));
    EXPECT_EQ(win::EqualRgn(empty1.ours.Get(), empty2.ours.Get()), empty1.real.Equals(empty2.real));
}

}  // namespace
