#include <gtest/gtest.h>

#include <cmath>

#include "TexlibFixtures.h"
#include "texlib/Psnr.h"

namespace decalia::texlib {
namespace {

TEST(Psnr, IdenticalImagesGiveTheSentinel) {
    const RgbaImage image = testing::PaintedImage(6, 5);
    const auto psnr = ComputePsnr(image, image);
    ASSERT_TRUE(psnr);
    EXPECT_EQ(psnr->rgb, kIdenticalPsnr);
    EXPECT_EQ(psnr->alpha, kIdenticalPsnr);
}

TEST(Psnr, MeasuresColourAndAlphaApart) {
    const RgbaImage a = testing::PaintedImage(2, 2);
    RgbaImage b = a;
    b.pixels[0] = static_cast<std::uint8_t>(b.pixels[0] ^ 16);  // one red sample off by 16
    const auto psnr = ComputePsnr(a, b);
    ASSERT_TRUE(psnr);
    // Mean squared error over 12 colour samples: 256 / 12.
    EXPECT_NEAR(psnr->rgb, 10.0 * std::log10(255.0 * 255.0 * 12.0 / 256.0), 1e-9);
    EXPECT_EQ(psnr->alpha, kIdenticalPsnr);
}

TEST(Psnr, ImagesOfDifferentSizesHaveNone) {
    EXPECT_FALSE(ComputePsnr(testing::PaintedImage(2, 3), testing::PaintedImage(3, 2)));
    EXPECT_FALSE(ComputePsnr(RgbaImage{}, RgbaImage{}));
}

}  // namespace
}  // namespace decalia::texlib
