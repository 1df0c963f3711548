#include <algorithm>
#include <array>

#include "texlib/BlockCodec.h"
#include "texlib/ColourPalette.h"
#include "texlib/LittleEndian.h"
#include "texlib/SizeGuard.h"

namespace decalia::texlib {
namespace {

using Palette = std::array<std::array<std::uint8_t, 4>, 4>;

Palette ColourPalette(std::span<const std::uint8_t> block, bool alwaysFourColours) {
    const std::uint16_t c0 = GetU16(block, 0);
    const std::uint16_t c1 = GetU16(block, 2);
    const bool four = UsesFourColours(c0, c1, alwaysFourColours);
    const std::array<Rgb, 4> colours = PaletteColours(c0, c1, four);
    Palette p{};
    for (std::size_t entry = 0; entry < 4; ++entry) {
        for (std::size_t c = 0; c < 3; ++c) {
            p[entry][c] = static_cast<std::uint8_t>(colours[entry][c]);
        }
        p[entry][3] = entry == 3 && !four ? 0 : 255;
    }
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
