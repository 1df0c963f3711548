#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "TexlibFixtures.h"
#include "texlib/BitmapFile.h"
#include "texlib/TextureReader.h"
#include "texlib/TextureWriter.h"

namespace decalia::texlib {
namespace {

using testing::PaintedImage;
using Bytes = std::vector<std::uint8_t>;

Bytes Texture(TextureFormat format, MipChain mips, std::uint32_t width = 9, std::uint32_t height = 6) {
    return EncodeTexture(PaintedImage(width, height), format, mips, EncodeOptions{});
}

void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

TEST(Reader, ReadsPlainBitmapsTopRowFirst) {
    // A 3 x 2 bottom-up 24-bit file: padded rows, blue first.
    Bytes file = EncodeColourBitmap(PaintedImage(3, 2));
    const std::size_t bottomRow = 54;
    file[bottomRow + 0] = 1, file[bottomRow + 1] = 2, file[bottomRow + 2] = 3;
    const TextureRead read = ParseTexture(file);
    ASSERT_TRUE(read.texture) << read.error;
    EXPECT_EQ(read.texture->format, TextureFormat::Bitmap24);
    const std::uint8_t* bottomLeft = read.texture->levels[0].Pixel(0, 1);
    EXPECT_EQ((std::array{bottomLeft[0], bottomLeft[1], bottomLeft[2], bottomLeft[3]}),
              (std::array<std::uint8_t, 4>{3, 2, 1, 255}));
}

TEST(Reader, ReadsAnAlphaSheetAsItsGreyLevels) {
    const RgbaImage source = PaintedImage(5, 3);
    const TextureRead read = ParseTexture(EncodeAlphaBitmap(source));
    ASSERT_TRUE(read.texture) << read.error;
    EXPECT_EQ(read.texture->format, TextureFormat::Bitmap8);
    for (std::size_t i = 3; i < source.pixels.size(); i += 4) {
        EXPECT_EQ(read.texture->levels[0].pixels[i], source.pixels[i]);
    }
}

struct Corruption {
    const char* what;
    std::function<void(Bytes&)> apply;
};

const Corruption kCorruptions[] = {
    {"truncated by a byte", [](Bytes& b) { b.pop_back(); }},
    {"a byte too long", [](Bytes& b) { b.push_back(0); }},
    {"cut inside the headers", [](Bytes& b) { b.resize(60); }},
    {"width zero", [](Bytes& b) { Put32(b, 18, 0); }},
    {"width beyond the guard", [](Bytes& b) { Put32(b, 18, 16385); }},
    {"negative height", [](Bytes& b) { Put32(b, 22, 0xFFFFFFFAu); }},
    {"width larger than the data", [](Bytes& b) { Put32(b, 18, 4096); }},
    {"unknown type", [](Bytes& b) { b[62] = 9; }},
    {"type of another format", [](Bytes& b) { b[62] = 1; }},
    {"mip flag 2", [](Bytes& b) { b[63] = 2; }},
    {"mip flag without the levels", [](Bytes& b) { b[63] = 0; }},
    {"level count lies", [](Bytes& b) { b[64] = 3; }},
    {"level 0 size lies", [](Bytes& b) { Put32(b, 66, 8); }},
    {"total size lies", [](Bytes& b) { Put32(b, 70, 0xFFFFFFF0u); }},
    {"pixel offset lies", [](Bytes& b) { Put32(b, 10, 54); }},
    {"image size lies", [](Bytes& b) { Put32(b, 34, 1); }},
    {"FS70 length lies", [](Bytes& b) { Put32(b, 58, 24); }},
    {"file size field lies", [](Bytes& b) { Put32(b, 2, 74); }},
    {"compression changed", [](Bytes& b) { b[30] = 'X'; }},
    {"not a bitmap", [](Bytes& b) { b[0] = 'P'; }},
};

TEST(Reader, RefusesCorruptTexturesWithAReason) {
    const Bytes good = Texture(TextureFormat::Dxt3, MipChain::Full);
    ASSERT_TRUE(ParseTexture(good).texture);
    for (const Corruption& c : kCorruptions) {
        Bytes bytes = good;
        c.apply(bytes);
        const TextureRead read = ParseTexture(bytes);
        EXPECT_FALSE(read.texture) << c.what;
        EXPECT_FALSE(read.error.empty()) << c.what;
    }
}

TEST(Reader, RefusesAMissingFile) {
    const TextureRead read = ReadTexture("/nonexistent/texture.bmp");
    EXPECT_FALSE(read.texture);
    EXPECT_NE(read.error.find("cannot read"), std::string::npos);
}

// Deterministic mutations of valid files of every kind: each must be refused
// or read into levels of the sizes it claims (and never read out of bounds,
// which the sanitizer build checks).
TEST(Reader, SurvivesThousandsOfMutatedFiles) {
    const std::vector<Bytes> seeds = {
        Texture(TextureFormat::Dxt1, MipChain::Full),     Texture(TextureFormat::Dxt1Alpha, MipChain::None),
        Texture(TextureFormat::Dxt3, MipChain::Full),     Texture(TextureFormat::Argb8888, MipChain::None),
        Texture(TextureFormat::Argb1555, MipChain::Full), Texture(TextureFormat::Argb4444, MipChain::Full, 3, 1),
        EncodeColourBitmap(PaintedImage(5, 3)),           EncodeAlphaBitmap(PaintedImage(6, 2)),
    };
    std::mt19937 random(20240611);
    std::size_t accepted = 0;
    for (int round = 0; round < 4000; ++round) {
        Bytes bytes = seeds[static_cast<std::size_t>(round) % seeds.size()];
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = random() % std::min<std::size_t>(bytes.size(), 80);
            switch (random() % 4) {
                case 0: bytes[at] = static_cast<std::uint8_t>(random()); break;
                case 1: bytes[at] ^= static_cast<std::uint8_t>(1u << (random() % 8)); break;
                case 2: bytes.resize(random() % (bytes.size() + 1)); break;
                default: bytes[random() % bytes.size()] = static_cast<std::uint8_t>(random()); break;
            }
            if (bytes.empty()) {
                break;
            }
        }
        const TextureRead read = ParseTexture(bytes);
        if (!read.texture) {
            EXPECT_FALSE(read.error.empty());
            continue;
        }
        ++accepted;
        for (const RgbaImage& level : read.texture->levels) {
            ASSERT_EQ(level.pixels.size(), std::size_t{level.width} * level.height * 4);
        }
    }
    EXPECT_GT(accepted, 0u);  // edits to pixel data alone still read
}

}  // namespace
}  // namespace decalia::texlib
