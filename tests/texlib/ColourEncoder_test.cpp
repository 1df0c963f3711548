#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

#include "TexlibFixtures.h"
#include "texlib/BlockCodec.h"
#include "texlib/ColourEncoder.h"
#include "texlib/Psnr.h"
#include "texlib/SizeGuard.h"
#include "texlib/SquishBlock.h"

namespace decalia::texlib {
namespace {

using Pixels = std::array<std::uint8_t, 64>;

const TextureFormat kBlockFormats[] = {TextureFormat::Dxt1, TextureFormat::Dxt1Alpha, TextureFormat::Dxt3};
const Quality kOurQualities[] = {Quality::Fast, Quality::Default, Quality::Maximum};

RgbaImage BlockImage(const Pixels& pixels) {
    RgbaImage image = MakeImage(4, 4);
    std::copy(pixels.begin(), pixels.end(), image.pixels.begin());
    return image;
}

struct Encoded {
    std::vector<std::uint8_t> bytes;
    RgbaImage decoded;
};

Encoded Encode(const RgbaImage& image, TextureFormat format, Quality quality) {
    Encoded e{EncodeBlocks(image, format, {quality, 1, {}}), {}};
    e.decoded = DecodeBlocks(e.bytes, image.width, image.height, format);
    return e;
}

// Squared RGB error over the pixels that stay visible.
long SquaredError(const RgbaImage& source, const RgbaImage& decoded) {
    long sum = 0;
    for (std::size_t i = 0; i < source.pixels.size(); i += 4) {
        for (std::size_t c = 0; c < 3 && source.pixels[i + 3] >= 128; ++c) {
            const long d = source.pixels[i + c] - decoded.pixels[i + c];
            sum += d * d;
        }
    }
    return sum;
}

RgbaImage Crop(const RgbaImage& image, std::uint32_t x, std::uint32_t y) {
    RgbaImage block = MakeImage(4, 4);
    for (std::uint32_t j = 0; j < 4; ++j) {
        std::copy_n(image.Pixel(x, y + j), 16, block.Pixel(0, j));
    }
    return block;
}

int Expand(int level, int top) { return (level * 255 + top / 2) / top; }

// By brute force: the least error of one colour in a block, over every
// endpoint pair of each palette the format allows (entry 2 covers the
// endpoints themselves when both are equal).
long BestSingleColourError(const std::array<int, 3>& colour, bool threeColoursToo, bool fourColoursToo) {
    long best = -1;
    for (const bool four : {true, false}) {
        if ((four && !fourColoursToo) || (!four && !threeColoursToo)) continue;
        long sum = 0;
        for (std::size_t c = 0; c < 3; ++c) {
            const int top = c == 1 ? 63 : 31;
            long channelBest = 1 << 20;
            for (int a = 0; a <= top; ++a) {
                for (int b = 0; b <= top; ++b) {
                    const int ea = Expand(a, top), eb = Expand(b, top);
                    const int value = four ? (2 * ea + eb + 1) / 3 : (ea + eb + 1) / 2;
                    channelBest = std::min<long>(channelBest, (value - colour[c]) * (value - colour[c]));
                }
            }
            sum += channelBest;
        }
        best = best < 0 ? sum : std::min(best, sum);
    }
    return best * 16;
}

TEST(ColourEncoder, OneColourBlocksGetTheLeastPossibleError) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> channel(0, 255);
    for (int n = 0; n < 40; ++n) {
        const std::array<int, 3> colour = n < 4 ? std::array<int, 3>{n * 85, 255 - n * 85, n * 85}
                                                : std::array<int, 3>{channel(random), channel(random), channel(random)};
        Pixels pixels{};
        for (std::size_t i = 0; i < 16; ++i) {
            for (std::size_t c = 0; c < 3; ++c) pixels[4 * i + c] = static_cast<std::uint8_t>(colour[c]);
            pixels[4 * i + 3] = 255;
        }
        const RgbaImage image = BlockImage(pixels);
        for (const TextureFormat format : kBlockFormats) {
            const long best = BestSingleColourError(colour, format != TextureFormat::Dxt3, true);
            for (const Quality quality : kOurQualities) {
                EXPECT_EQ(SquaredError(image, Encode(image, format, quality).decoded), best)
                    << colour[0] << "," << colour[1] << "," << colour[2] << " " << FormatName(format);
            }
        }
        // With a transparent pixel only the three-colour palette is left.
        Pixels cut = pixels;
        cut[3] = 0;
        const Encoded e = Encode(BlockImage(cut), TextureFormat::Dxt1Alpha, Quality::Default);
        EXPECT_EQ(SquaredError(BlockImage(cut), e.decoded), BestSingleColourError(colour, true, false) / 16 * 15);
        EXPECT_EQ(e.decoded.pixels[3], 0);
    }
}

// Two colours on the 5:6:5 grid, in a pattern, optionally with transparent pixels.
Pixels TwoColourBlock(const std::array<int, 3>& a, const std::array<int, 3>& b, std::uint16_t pattern,
                      std::uint16_t transparent) {
    Pixels pixels{};
    for (std::size_t i = 0; i < 16; ++i) {
        const auto& colour = ((unsigned{pattern} >> i) & 1u) != 0 ? a : b;
        for (std::size_t c = 0; c < 3; ++c) pixels[4 * i + c] = static_cast<std::uint8_t>(colour[c]);
        pixels[4 * i + 3] = ((unsigned{transparent} >> i) & 1u) != 0 ? 0 : 255;
    }
    return pixels;
}

TEST(ColourEncoder, TwoColoursOnTheGridComeBackExactly) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> five(0, 31), six(0, 63);
    std::uniform_int_distribution<unsigned> bits(1, 0xFFFE);
    for (int n = 0; n < 30; ++n) {
        const std::array<int, 3> a{Expand(five(random), 31), Expand(six(random), 63), Expand(five(random), 31)};
        const std::array<int, 3> b{Expand(five(random), 31), Expand(six(random), 63), Expand(five(random), 31)};
        const auto pattern = static_cast<std::uint16_t>(bits(random));
        for (const std::uint16_t transparent : {std::uint16_t{0}, std::uint16_t{0x8001}}) {
            const RgbaImage image = BlockImage(TwoColourBlock(a, b, pattern, transparent));
            for (const TextureFormat format : kBlockFormats) {
                for (const Quality quality : kOurQualities) {
                    EXPECT_EQ(SquaredError(image, Encode(image, format, quality).decoded), 0)
                        << FormatName(format) << " pattern " << pattern;
                }
            }
        }
    }
}

bool UsesThreeColours(const std::vector<std::uint8_t>& dxt1) {
    return (dxt1[0] | dxt1[1] << 8) <= (dxt1[2] | dxt1[3] << 8);
}

// Pixels at the four given colours, four of each.
Pixels FourColourBlock(const std::array<std::array<int, 3>, 4>& colours) {
    Pixels pixels{};
    for (std::size_t i = 0; i < 16; ++i) {
        for (std::size_t c = 0; c < 3; ++c) pixels[4 * i + c] = static_cast<std::uint8_t>(colours[i % 4][c]);
        pixels[4 * i + 3] = 255;
    }
    return pixels;
}

TEST(ColourEncoder, TheThreeColourPaletteIsChosenOnlyWhereItLowersTheError) {
    const std::array<int, 3> a{Expand(4, 31), Expand(10, 63), Expand(30, 31)};
    const std::array<int, 3> b{Expand(28, 31), Expand(50, 63), Expand(2, 31)};
    std::array<int, 3> half{}, third{}, twoThirds{};
    for (std::size_t c = 0; c < 3; ++c) {
        half[c] = (a[c] + b[c] + 1) / 2;
        third[c] = (2 * a[c] + b[c] + 1) / 3;
        twoThirds[c] = (a[c] + 2 * b[c] + 1) / 3;
    }
    struct Case {
        const char* name;
        Pixels pixels;
        bool threeColours;
    };
    const Case cases[] = {
        {"the midpoint only the three-colour palette holds", FourColourBlock({a, b, half, half}), true},
        {"thirds only the four-colour palette holds", FourColourBlock({a, b, third, twoThirds}), false},
        {"two colours both palettes hold", FourColourBlock({a, b, a, b}), false},
    };
    for (const Case& c : cases) {
        for (const Quality quality : kOurQualities) {
            if (c.threeColours && quality == Quality::Fast) continue;  // the quick pass tries four colours only
            const Encoded e = Encode(BlockImage(c.pixels), TextureFormat::Dxt1, quality);
            EXPECT_EQ(SquaredError(BlockImage(c.pixels), e.decoded), 0) << c.name;
            EXPECT_EQ(UsesThreeColours(e.bytes), c.threeColours) << c.name;
        }
    }
    // Where it is chosen, its black entry never shows in an opaque texture.
    for (const Quality quality : kOurQualities) {
        const Encoded e = Encode(testing::PaintedImage(64, 64, 5, true), TextureFormat::Dxt1, quality);
        for (std::size_t i = 3; i < e.decoded.pixels.size(); i += 4) {
            ASSERT_EQ(e.decoded.pixels[i], 255);
        }
    }
}

// Lettering as a painter's sheet has it: dark strokes, one to three pixels
// wide and softened at the edges, over a light panel with a gentle gradient,
// and a coloured cheat line.
RgbaImage LetteringSheet(std::uint32_t side) {
    RgbaImage image = MakeImage(side, side);
    for (std::uint32_t y = 0; y < side; ++y) {
        for (std::uint32_t x = 0; x < side; ++x) {
            const bool line = y % 16 < 9;
            const double stroke = std::max(std::sin(x * 0.55 + (x / 9) * 1.3), std::cos(y * 0.8 + (x / 9) * 2.1));
            const double ink = line ? std::clamp((stroke - 0.75) * 4.0, 0.0, 1.0) : 0.0;
            const bool cheat = y % 29 < 3;
            const double panel[3] = {cheat ? 200.0 : 232.0 - x % 23, cheat ? 16.0 : 236.0 - y % 17,
                                     cheat ? 46.0 : 240.0};
            const double letter[3] = {11.0, 61.0, 145.0};
            std::uint8_t* p = image.Pixel(x, y);
            for (std::size_t c = 0; c < 3; ++c) {
                p[c] = static_cast<std::uint8_t>(std::lround(panel[c] * (1 - ink) + letter[c] * ink));
            }
            p[3] = 255;
        }
    }
    return image;
}

TEST(ColourEncoder, LetteringKeepsItsQualityFloors) {
    const RgbaImage sheet = LetteringSheet(64);
    for (const TextureFormat format : {TextureFormat::Dxt1, TextureFormat::Dxt3}) {
        const auto psnr = [&](Quality quality) { return ComputePsnr(sheet, Encode(sheet, format, quality).decoded)->rgb; };
        const double stb = psnr(Quality::Stb), fast = psnr(Quality::Fast);
        const double ours = psnr(Quality::Default), maximum = psnr(Quality::Maximum);
        EXPECT_GE(fast, stb) << FormatName(format);
        EXPECT_GE(ours, stb + 0.15) << FormatName(format);
        if (SquishAvailable()) {
            EXPECT_GE(ours, psnr(Quality::Squish)) << FormatName(format);
        }
        EXPECT_GE(maximum, ours) << FormatName(format);
        EXPECT_GE(ours, 26.2) << FormatName(format);
    }
}

TEST(ColourEncoder, EveryBuildGivesTheSameBytes) {
    if (!ColourPathAvailable(ColourPath::Avx2)) {
        GTEST_SKIP() << "this processor has only the portable build";
    }
    const RgbaImage painted = testing::PaintedImage(32, 32, 3);
    const RgbaImage lettering = LetteringSheet(32);
    const ColourBlockKind kinds[] = {ColourBlockKind::Dxt1, ColourBlockKind::Dxt1Alpha, ColourBlockKind::Dxt3Colour};
    for (const RgbaImage* image : {&painted, &lettering}) {
        for (std::uint32_t y = 0; y < 32; y += 4) {
            for (std::uint32_t x = 0; x < 32; x += 4) {
                const RgbaImage block = Crop(*image, x, y);
                for (const ColourBlockKind kind : kinds) {
                    for (const Effort effort : {Effort::Quick, Effort::Adaptive, Effort::Thorough}) {
                        std::array<std::uint8_t, 8> portable{}, wide{};
                        EncodeColourBlockWith(ColourPath::Portable, block.pixels.data(), kind, effort, portable.data());
                        EncodeColourBlockWith(ColourPath::Avx2, block.pixels.data(), kind, effort, wide.data());
                        ASSERT_EQ(portable, wide) << "block " << x << "," << y;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace decalia::texlib
