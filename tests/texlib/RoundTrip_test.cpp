#include <gtest/gtest.h>

#include <filesystem>

#include "TexlibFixtures.h"
#include "texlib/MipChain.h"
#include "texlib/Psnr.h"
#include "texlib/TextureReader.h"
#include "texlib/kwdds.h"

namespace decalia::texlib {
namespace {

using testing::MaxChannelError;
using testing::Opaque;
using testing::PaintedImage;
using testing::WriteSheets;
using testsupport::TempDir;

// One row per texture format the program asks for, with the call it makes.
struct FormatCase {
    const char* name;
    std::int32_t formatCode;  // 0: ConvertImageFormat with convertCode
    std::int16_t flag1;
    std::int16_t flag2;
    const char* convertCode;
    TextureFormat expected;
    bool mips;
    bool keepsAlpha;
    int maxChannelError;  // -1: judged by PSNR instead
};

const FormatCase kFormats[] = {
    {"DXT1", 10, -1, 0, "", TextureFormat::Dxt1, true, false, -1},
    {"DXT1A", 10, -1, -1, "", TextureFormat::Dxt1Alpha, true, true, -1},
    {"DXT3NM", 12, 0, 0, "", TextureFormat::Dxt3, false, true, -1},
    {"DXT3", 12, -1, -1, "", TextureFormat::Dxt3, true, true, -1},
    {"32ANM", 17, 0, 0, "", TextureFormat::Argb8888, false, true, 0},
    {"32A", 17, -1, -1, "", TextureFormat::Argb8888, true, true, 0},
    {"16-555", 0, 0, 0, "1", TextureFormat::Argb1555, true, false, 4},
    {"16-565", 0, 0, 0, "2", TextureFormat::Rgb565, true, false, 4},
    {"16-444", 0, 0, 0, "3", TextureFormat::Argb4444, true, false, 8},
    {"32", 0, 0, 0, "4", TextureFormat::Xrgb8888, true, false, 0},
};

struct SizeCase {
    std::uint32_t width;
    std::uint32_t height;
};

const SizeCase kSizes[] = {{64, 64}, {5, 3}, {1, 1}, {96, 40}, {7, 13}, {4, 32}};

std::int32_t Produce(const FormatCase& format, const testing::Sheets& sheets,
                     const std::string& output) {
    if (format.formatCode != 0) {
        return BMPScompressBMP(sheets.colour.c_str(), sheets.alpha.c_str(), format.formatCode,
                               format.flag1, format.flag2, output.c_str());
    }
    return ConvertImageFormat(sheets.colour.c_str(), output.c_str(), format.convertCode);
}

// What the texture should hold: the source, opaque where the format has no alpha
// sheet, and 1-bit where DXT1 keeps alpha.
RgbaImage Expected(const FormatCase& format, const RgbaImage& source) {
    RgbaImage expected = format.keepsAlpha ? source : Opaque(source);
    if (format.expected == TextureFormat::Dxt1Alpha) {
        // Transparent DXT1 pixels decode as black.
        for (std::size_t i = 0; i < expected.pixels.size(); i += 4) {
            const bool transparent = expected.pixels[i + 3] < 128;
            for (std::size_t c = 0; c < 3 && transparent; ++c) {
                expected.pixels[i + c] = 0;
            }
            expected.pixels[i + 3] = transparent ? 0 : 255;
        }
    }
    return expected;
}

void ExpectClose(const FormatCase& format, const RgbaImage& expected, const RgbaImage& decoded) {
    if (format.maxChannelError >= 0) {
        EXPECT_LE(MaxChannelError(expected, decoded), format.maxChannelError);
        return;
    }
    const auto psnr = ComputePsnr(expected, decoded);
    ASSERT_TRUE(psnr);
    EXPECT_GE(psnr->rgb, 34.0);
    if (format.expected == TextureFormat::Dxt3) {
        // Explicit alpha is off by at most half of a 4-bit step.
        for (std::size_t i = 3; i < expected.pixels.size(); i += 4) {
            ASSERT_LE(std::abs(expected.pixels[i] - decoded.pixels[i]), 8) << "sample " << i;
        }
    }
}

class RoundTrip : public ::testing::TestWithParam<std::tuple<FormatCase, SizeCase>> {};

TEST_P(RoundTrip, DecodesToTheSourceWithTheLevelsTheFormatAsksFor) {
    const auto& [format, size] = GetParam();
    TempDir dir;
    const RgbaImage source = PaintedImage(size.width, size.height, size.width * 7 + size.height);
    const auto sheets = WriteSheets(dir, "sheet", source);
    ASSERT_EQ(Produce(format, sheets, dir / "out.bmp"), 0);

    const TextureRead read = ReadTexture(dir / "out.bmp");
    ASSERT_TRUE(read.texture) << read.error;
    const Texture& texture = *read.texture;
    EXPECT_EQ(texture.format, format.expected);
    EXPECT_EQ(texture.width, size.width);
    EXPECT_EQ(texture.height, size.height);
    const std::vector<RgbaImage> chain = BuildMipChain(Expected(format, source));
    ASSERT_EQ(texture.levels.size(), format.mips ? chain.size() : 1u);
    for (std::size_t level = 0; level < texture.levels.size(); ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        ASSERT_EQ(texture.levels[level].width, chain[level].width);
        ASSERT_EQ(texture.levels[level].height, chain[level].height);
        if (level == 0 || format.maxChannelError == 0) {
            ExpectClose(format, chain[level], texture.levels[level]);
        }
    }
}

std::string CaseName(const ::testing::TestParamInfo<RoundTrip::ParamType>& info) {
    const auto& [format, size] = info.param;
    std::string name = std::string(format.name) + "_" + std::to_string(size.width) + "x" +
                       std::to_string(size.height);
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(EveryFormatAndSize, RoundTrip,
                         ::testing::Combine(::testing::ValuesIn(kFormats), ::testing::ValuesIn(kSizes)),
                         CaseName);

TEST(RoundTrip, Dxt3AlphaRoundsToTheNearestOfSixteenLevels) {
    TempDir dir;
    RgbaImage ramp = PaintedImage(16, 16);
    for (std::size_t i = 0; i < 256; ++i) {
        ramp.pixels[i * 4 + 3] = static_cast<std::uint8_t>(i);
    }
    const auto sheets = WriteSheets(dir, "ramp", ramp);
    for (const auto& [code, convert] : {std::pair{12, ""}, std::pair{0, "3"}}) {
        const std::string out = dir / "ramp.bmp";
        const FormatCase format{"", code, 0, 0, convert, {}, false, true, -1};
        ASSERT_EQ(Produce(format, sheets, out), 0);
        const TextureRead read = ReadTexture(out);
        ASSERT_TRUE(read.texture) << read.error;
        for (int a = 0; a < 256; ++a) {
            const int decoded = read.texture->levels[0].pixels[static_cast<std::size_t>(a) * 4 + 3];
            // Convert takes no alpha sheet: its 4-bit alpha is opaque.
            const int wanted = code == 0 ? 255 : a;
            EXPECT_EQ(decoded % 17, 0);
            EXPECT_LE(std::abs(decoded - wanted), 8) << "alpha " << a;
        }
    }
}

TEST(RoundTrip, Dxt1KeepsTransparentPixelsOnlyWhenAsked) {
    TempDir dir;
    RgbaImage image = PaintedImage(8, 8, 3, true);
    for (std::size_t i = 0; i < 32; ++i) {
        image.pixels[i * 4 + 3] = 0;  // the top half
    }
    const auto sheets = WriteSheets(dir, "cut", image);
    for (const std::int16_t flag2 : std::initializer_list<std::int16_t>{0, -1}) {
        ASSERT_EQ(BMPScompressBMP(sheets.colour.c_str(), sheets.alpha.c_str(), 10, 0, flag2,
                                  (dir / "cut.bmp").c_str()),
                  0);
        const TextureRead read = ReadTexture(dir / "cut.bmp");
        ASSERT_TRUE(read.texture) << read.error;
        const RgbaImage& decoded = read.texture->levels[0];
        EXPECT_EQ(decoded.Pixel(3, 1)[3], flag2 != 0 ? 0 : 255);
        EXPECT_EQ(decoded.Pixel(3, 6)[3], 255);
    }
}

}  // namespace
}  // namespace decalia::texlib
