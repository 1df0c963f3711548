#include <gtest/gtest.h>

#include "texlib/MipChain.h"
#include "texlib/SizeGuard.h"
#include "texlib/TextureFormat.h"

namespace decalia::texlib {
namespace {

RgbaImage Filled(std::uint32_t width, std::uint32_t height,
                 const std::function<std::uint8_t(std::uint32_t x, std::uint32_t y)>& value,
                 std::uint8_t alpha = 255) {
    RgbaImage image = MakeImage(width, height);
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            std::uint8_t* p = image.Pixel(x, y);
            p[0] = p[1] = p[2] = value(x, y);
            p[3] = alpha;
        }
    }
    return image;
}

TEST(MipChain, AveragesColourInLinearLightAndAlphaPlainly) {
    RgbaImage checker = Filled(2, 2, [](auto x, auto y) { return (x + y) % 2 ? 255 : 0; });
    checker.Pixel(0, 0)[3] = 0;
    checker.Pixel(1, 1)[3] = 0;
    const RgbaImage half = HalveLinear(checker);
    ASSERT_EQ(half.width, 1u);
    // Half the light of white is sRGB 188, not the 128 of a plain average.
    EXPECT_EQ(half.Pixel(0, 0)[0], 188);
    EXPECT_EQ(half.Pixel(0, 0)[3], 128);
}

TEST(MipChain, KeepsFlatColoursExactly) {
    for (const int grey : {0, 1, 57, 128, 254, 255}) {
        const RgbaImage flat = Filled(4, 4, [&](auto, auto) { return static_cast<std::uint8_t>(grey); });
        EXPECT_EQ(HalveLinear(flat).Pixel(1, 1)[1], grey);
    }
}

TEST(MipChain, ASideOfOneRepeatsItsPixelAndOddSidesDropTheLastLine) {
    const RgbaImage column = Filled(1, 4, [](auto, auto y) { return y < 2 ? 0 : 255; });
    const RgbaImage half = HalveLinear(column);
    EXPECT_EQ(half.width, 1u);
    EXPECT_EQ(half.height, 2u);
    EXPECT_EQ(half.Pixel(0, 0)[0], 0);
    EXPECT_EQ(half.Pixel(0, 1)[0], 255);

    const RgbaImage odd = Filled(3, 2, [](auto x, auto) { return x == 2 ? 255 : 10; });
    EXPECT_EQ(HalveLinear(odd).Pixel(0, 0)[0], 10);
}

struct ChainCase {
    std::uint32_t width;
    std::uint32_t height;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> sides;
};

TEST(MipChain, GoesDownToOnePixelWhateverTheShape) {
    const ChainCase cases[] = {
        {1, 1, {{1, 1}}},
        {5, 3, {{5, 3}, {2, 1}, {1, 1}}},
        {8, 2, {{8, 2}, {4, 1}, {2, 1}, {1, 1}}},
        {3, 9, {{3, 9}, {1, 4}, {1, 2}, {1, 1}}},
    };
    for (const ChainCase& c : cases) {
        const auto chain = BuildMipChain(MakeImage(c.width, c.height));
        ASSERT_EQ(chain.size(), c.sides.size());
        EXPECT_EQ(FullMipCount(c.width, c.height), c.sides.size());
        for (std::size_t i = 0; i < chain.size(); ++i) {
            EXPECT_EQ(std::pair(chain[i].width, chain[i].height), c.sides[i]);
            EXPECT_EQ(std::pair(MipSide(c.width, static_cast<unsigned>(i)),
                                MipSide(c.height, static_cast<unsigned>(i))),
                      c.sides[i]);
        }
    }
}

}  // namespace
}  // namespace decalia::texlib
