#include <algorithm>
#include <array>

#include "texlib/BlockCodec.h"
#include "texlib/LittleEndian.h"
#include "texlib/SizeGuard.h"

namespace decalia::texlib {
namespace {

using Palette = std::array<std::array<std::uint8_t, 4>, 4>;

std::array<std::uint8_t, 4> Expand565(std::uint16_t c) {
    const auto expand = [](unsigned v, unsigned top) {
        return static_cast<std::uint8_t>((v * 255 + top / 2) / top);
    };
    return {expand(c >> 11 & 31u, 31), expand(c >> 5 & 63u, 63), expand(c & 31u, 31), 255};
}

std::uint8_t Mix(unsigned a, unsigned b, unsigned weightA, unsigned weightB) {
    return static_cast<std::uint8_t>((a * weightA + b * weightB + (weightA + weightB) / 2) /
                                     (weightA + weightB));
}

// DXT3 colour blocks always use four colours; DXT1 uses three and transparent
// black when the first endpoint is not the greater.
Palette ColourPalette(std::span<const std::uint8_t> block, bool alwaysFourColours) {
    const std::uint16_t c0 = GetU16(block, 0);
    const std::uint16_t c1 = GetU16(block, 2);
    Palette p{Expand565(c0), Expand565(c1), {}, {}};
    const bool four = alwaysFourColours || c0 > c1;
    for (std::size_t c = 0; c < 3; ++c) {
        p[2][c] = four ? Mix(p[0][c], p[1][c], 2, 1) : Mix(p[0][c], p[1][c], 1, 1);
        p[3][c] = four ? Mix(p[0][c], p[1][c], 1, 2) : 0;
    }
    p[2][3] = 255;
    p[3][3] = four ? 255 : 0;
    return p;
}

void DecodeBlock(std::span<const std::uint8_t> block, TextureFormat format,
                 std::array<std::uint8_t, 64>& pixels) {
    const bool dxt3 = format == TextureFormat::Dxt3;
    const std::span<const std::uint8_t> colour = block.subspan(dxt3 ? 8 : 0, 8);
    const Palette palette = ColourPalette(colour, dxt3);
    const std::uint32_t indices = GetU32(colour, 4);
    for (std::size_t i = 0; i < 16; ++i) {
        const auto& entry = palette[indices >> (2 * i) & 3u];
        std::copy(entry.begin(), entry.end(), pixels.begin() + static_cast<std::ptrdiff_t>(4 * i));
        if (dxt3) {
            const unsigned nibble = static_cast<unsigned>(block[i / 2] >> (4 * (i % 2))) & 15u;
            pixels[4 * i + 3] = static_cast<std::uint8_t>(nibble * 17);
        }
    }
}

}  // namespace

RgbaImage DecodeBlocks(std::span<const std::uint8_t> data, std::uint32_t width,
                       std::uint32_t height, TextureFormat format) {
    const std::uint32_t blocksWide = (width + 3) / 4;
    const std::uint32_t blocksHigh = (height + 3) / 4;
    const std::size_t blockBytes = Traits(format).blockBytes;
    RgbaImage image = MakeImage(width, height);
    std::array<std::uint8_t, 64> pixels{};
    for (std::uint32_t by = 0; by < blocksHigh; ++by) {
        for (std::uint32_t bx = 0; bx < blocksWide; ++bx) {
            const std::size_t at = (std::size_t{by} * blocksWide + bx) * blockBytes;
            DecodeBlock(data.subspan(at, blockBytes), format, pixels);
            for (std::uint32_t j = 0; j < 4 && by * 4 + j < height; ++j) {
                const std::uint32_t y = height - 1 - (by * 4 + j);
                for (std::uint32_t i = 0; i < 4 && bx * 4 + i < width; ++i) {
                    std::copy_n(&pixels[(j * 4 + i) * 4], 4, image.Pixel(bx * 4 + i, y));
                }
            }
        }
    }
    return image;
}

}  // namespace decalia::texlib
