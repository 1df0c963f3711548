#include "platform/gdi/CursorFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using decalia::gdi::CursorBits;
using decalia::gdi::CursorImage;

void Add(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A one-image cursor file built by hand. `values` are palette indices or
// 0xRRGGBB colours (0xAARRGGBB at 32 bits), top row first; `masked` marks
// pixels whose AND bit is set.
std::string BuildCursor(int width, int height, int bits, const std::vector<std::uint32_t>& palette,
                        const std::vector<std::uint32_t>& values, const std::vector<bool>& masked) {
    const std::size_t colorStride = static_cast<std::size_t>((width * bits + 31) / 32 * 4);
    const std::size_t maskStride = static_cast<std::size_t>((width + 31) / 32 * 4);
    std::string colors(colorStride * static_cast<std::size_t>(height), '\0');
    std::string mask(maskStride * static_cast<std::size_t>(height), '\0');
    for (int y = 0; y < height; ++y) {
        const std::size_t row = static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = values[static_cast<std::size_t>(y * width + x)];
            const auto bitAt = static_cast<std::size_t>(x * bits);
            char* at = &colors[row * colorStride + bitAt / 8];
            if (bits < 8) {
                *at = static_cast<char>(
                    *at | static_cast<char>(v << (8 - bits - static_cast<int>(bitAt % 8))));
            } else {
                for (int b = 0; b < bits / 8; ++b) at[b] = static_cast<char>((v >> (8 * b)) & 0xFF);
            }
            if (masked[static_cast<std::size_t>(y * width + x)]) {
                mask[row * maskStride + static_cast<std::size_t>(x / 8)] |=
                    static_cast<char>(0x80 >> (x % 8));
            }
        }
    }
    std::string image;
    Add(image, 40, 4);
    Add(image, static_cast<std::uint32_t>(width), 4);
    Add(image, static_cast<std::uint32_t>(height * 2), 4);
    Add(image, 1, 2);
    Add(image, static_cast<std::uint32_t>(bits), 2);
    Add(image, 0, 4);
    Add(image, 0, 4);
    Add(image, 0, 4);
    Add(image, 0, 4);
    Add(image, static_cast<std::uint32_t>(palette.size()), 4);
    Add(image, 0, 4);
    for (std::uint32_t color : palette) Add(image, color, 4);
    image += colors + mask;
    std::string file;
    Add(file, 0, 2);
    Add(file, 2, 2);
    Add(file, 1, 2);
    Add(file, static_cast<std::uint32_t>(width), 1);
    Add(file, static_cast<std::uint32_t>(height), 1);
    Add(file, 0, 2);
    Add(file, 1, 2);  // hot spot 1, 0
    Add(file, 0, 2);
    Add(file, static_cast<std::uint32_t>(image.size()), 4);
    Add(file, 22, 4);
    return file + image;
}

std::optional<CursorImage> Decode(const std::string& bytes) {
    return decalia::gdi::DecodeCursor(
        {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

TEST(CursorFile, ReadsPaletteAndTrueColourImagesWithTheirMask) {
    const std::vector<bool> mask{false, true, false, false, false, false};
    const std::vector<std::uint32_t> palette{0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    for (int bits : {1, 4, 8}) {
        const std::vector<std::uint32_t> indices{1, 1, 0, bits == 1 ? 1u : 3u, 0, 1};
        const auto cursor = Decode(
            BuildCursor(3, 2, bits, bits == 1 ? std::vector<std::uint32_t>{0, 0xFFFFFF} : palette,
                        indices, mask));
        ASSERT_TRUE(cursor) << bits;
        EXPECT_EQ(cursor->width, 3);
        EXPECT_EQ(cursor->height, 2);
        EXPECT_EQ(cursor->hotspotX, 1);
        EXPECT_EQ(cursor->hotspotY, 0);
        EXPECT_EQ(cursor->pixels[1], 0u) << bits;  // masked out
        EXPECT_EQ(cursor->pixels[0], bits == 1 ? 0xFFFFFFFFu : 0xFFFF0000u) << bits;
        EXPECT_EQ(cursor->pixels[3], bits == 1 ? 0xFFFFFFFFu : 0xFF0000FFu) << bits;
    }
    const auto rgb = Decode(BuildCursor(3, 2, 24, {}, {0x123456, 0, 0, 0, 0, 0xABCDEF}, mask));
    ASSERT_TRUE(rgb);
    EXPECT_EQ(rgb->pixels[0], 0xFF123456u);
    EXPECT_EQ(rgb->pixels[5], 0xFFABCDEFu);
}

TEST(CursorFile, ThirtyTwoBitsUseAlphaUnlessItIsAllZero) {
    const std::vector<bool> mask{true, false};
    const auto withAlpha = Decode(BuildCursor(2, 1, 32, {}, {0x80112233, 0x00445566}, mask));
    ASSERT_TRUE(withAlpha);
    EXPECT_EQ(withAlpha->pixels, (std::vector<std::uint32_t>{0x80112233, 0x00445566}));
    const auto maskOnly = Decode(BuildCursor(2, 1, 32, {}, {0x00112233, 0x00445566}, mask));
    ASSERT_TRUE(maskOnly);
    EXPECT_EQ(maskOnly->pixels, (std::vector<std::uint32_t>{0, 0xFF445566}));
}

TEST(CursorFile, ThirtyTwoBitCursorRoundTripsExactly) {
    CursorImage image{32, 32, 12, 1, std::vector<std::uint32_t>(32 * 32)};
    std::mt19937 random(3);
    for (auto& pixel : image.pixels) pixel = static_cast<std::uint32_t>(random());
    image.pixels[5] = 0x00FFFFFF;
    testsupport::TempDir dir;
    ASSERT_TRUE(decalia::gdi::WriteCursorFile(dir / "HMOVE.cur", image, CursorBits::ThirtyTwo));
    const auto back = decalia::gdi::ReadCursorFile(dir / "HMOVE.cur");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->hotspotX, 12);
    EXPECT_EQ(back->hotspotY, 1);
    EXPECT_EQ(back->pixels, image.pixels);
}

TEST(CursorFile, OneBitCursorKeepsBlackWhiteAndTransparent) {
    CursorImage image{32, 32, 12, 1, std::vector<std::uint32_t>(32 * 32, 0)};
    for (int i = 0; i < 32 * 32; i += 3) image.pixels[static_cast<std::size_t>(i)] = 0xFFF0F0F0;
    for (int i = 1; i < 32 * 32; i += 3) image.pixels[static_cast<std::size_t>(i)] = 0xFF101010;
    const std::string bytes = decalia::gdi::EncodeCursor(image, CursorBits::One);
    EXPECT_EQ(bytes.size(), 6u + 16 + 40 + 8 + 128 + 128);
    const auto back = Decode(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pixels[0], 0xFFFFFFFFu);
    EXPECT_EQ(back->pixels[1], 0xFF000000u);
    EXPECT_EQ(back->pixels[2], 0u);
    EXPECT_EQ(back->hotspotX, 12);
}

TEST(CursorFile, RefusesMalformedFilesAndImages) {
    const std::string good =
        BuildCursor(2, 2, 8, {0, 0xFFFFFF}, {0, 1, 1, 0}, {false, false, false, false});
    ASSERT_TRUE(Decode(good));
    auto edit = [&good](std::size_t at, char value) {
        std::string bytes = good;
        bytes[at] = value;
        return bytes;
    };
    EXPECT_FALSE(Decode("")) << "empty";
    EXPECT_FALSE(Decode(edit(2, 1))) << "an icon, not a cursor";
    EXPECT_FALSE(Decode(edit(4, 0))) << "no images";
    EXPECT_FALSE(Decode(good.substr(0, good.size() - 1))) << "truncated";
    EXPECT_FALSE(Decode(edit(21, 0x7F))) << "image offset past the end";
    EXPECT_FALSE(Decode(edit(22 + 8, 3))) << "odd doubled height";
    EXPECT_FALSE(Decode(edit(22 + 14, 16))) << "16 bits";
    EXPECT_FALSE(Decode(edit(22 + 32, 5))) << "colour count that pushes the pixels past the end";
    EXPECT_FALSE(decalia::gdi::ReadCursorFile("/nonexistent/x.cur"));

    EXPECT_TRUE(decalia::gdi::EncodeCursor(CursorImage{2, 2, 2, 0, std::vector<std::uint32_t>(4)},
                                           CursorBits::One)
                    .empty());
    EXPECT_TRUE(decalia::gdi::EncodeCursor(CursorImage{2, 2, 0, 0, std::vector<std::uint32_t>(3)},
                                           CursorBits::One)
                    .empty());
    EXPECT_TRUE(
        decalia::gdi::EncodeCursor(CursorImage{300, 1, 0, 0, std::vector<std::uint32_t>(300)},
                                   CursorBits::ThirtyTwo)
            .empty());
}

}  // namespace
