#include <stb_dxt.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>

#include "texlib/BlockCodec.h"
#include "texlib/ColourEncoder.h"
#include "texlib/Parallel.h"
#include "texlib/PixelPacking.h"
#include "texlib/SquishBlock.h"

namespace decalia::texlib {
namespace {

using Block = std::array<std::uint8_t, 64>;  // 16 RGBA pixels, row by row

// Block (bx, by) of the flipped image, rows and columns past the edge repeated.
Block GatherBlock(const RgbaImage& image, std::uint32_t bx, std::uint32_t by) {
    Block block{};
    for (std::uint32_t j = 0; j < 4; ++j) {
        const std::uint32_t flippedY = std::min(by * 4 + j, image.height - 1);
        const std::uint32_t y = image.height - 1 - flippedY;
        for (std::uint32_t i = 0; i < 4; ++i) {
            const std::uint32_t x = std::min(bx * 4 + i, image.width - 1);
            std::memcpy(&block[(j * 4 + i) * 4], image.Pixel(x, y), 4);
        }
    }
    return block;
}

Block Opaque(Block block) {
    for (std::size_t i = 3; i < block.size(); i += 4) {
        block[i] = 255;
    }
    return block;
}

bool HasTransparency(const Block& block) {
    for (std::size_t i = 3; i < block.size(); i += 4) {
        if (block[i] < 128) {
            return true;
        }
    }
    return false;
}

void ExplicitAlpha(const Block& block, std::uint8_t* out) {
    for (std::size_t pair = 0; pair < 8; ++pair) {
        const std::uint8_t low = QuantiseTo4Bits(block[pair * 8 + 3]);
        const std::uint8_t high = QuantiseTo4Bits(block[pair * 8 + 7]);
        out[pair] = static_cast<std::uint8_t>(low | high << 4);
    }
}

// The encoders we compare ours with. stb_dxt writes only the four-colour
// mode, so transparent DXT1 blocks go to libsquish there, or to ours in a
// build without it (where "squish" is no quality a user can choose).
void EncodeColourForComparison(const Block& block, std::uint8_t* out, ColourBlockKind kind, Quality quality) {
    const bool squished = quality == Quality::Squish ||
                          (kind == ColourBlockKind::Dxt1Alpha && HasTransparency(block));
    if (squished) {
        const Block input = kind == ColourBlockKind::Dxt1Alpha ? block : Opaque(block);
        if (!SquishColourBlock(input.data(), kind == ColourBlockKind::Dxt3Colour, out))
            EncodeColourBlock(block.data(), kind, Effort::Adaptive, out);
        return;
    }
    stb_compress_dxt_block(out, Opaque(block).data(), 0,
                           quality == Quality::Stb ? STB_DXT_HIGHQUAL : STB_DXT_NORMAL);
}

Effort EffortOf(Quality quality) {
    switch (quality) {
        case Quality::Fast: return Effort::Quick;
        case Quality::Maximum: return Effort::Thorough;
        default: return Effort::Adaptive;
    }
}

void EncodeColour(const Block& block, std::uint8_t* out, ColourBlockKind kind, Quality quality) {
    const bool ours = quality == Quality::Fast || quality == Quality::Default || quality == Quality::Maximum;
    if (ours) {
        EncodeColourBlock(block.data(), kind, EffortOf(quality), out);
    } else {
        EncodeColourForComparison(block, out, kind, quality);
    }
}

void EncodeBlock(const Block& block, std::uint8_t* out, TextureFormat format, Quality quality) {
    switch (format) {
        case TextureFormat::Dxt3:
            // Our own rounding of alpha whichever encoder writes the colours.
            ExplicitAlpha(block, out);
            EncodeColour(block, out + 8, ColourBlockKind::Dxt3Colour, quality);
            return;
        case TextureFormat::Dxt1Alpha:
            EncodeColour(block, out, ColourBlockKind::Dxt1Alpha, quality);
            return;
        default:
            EncodeColour(block, out, ColourBlockKind::Dxt1, quality);
    }
}

}  // namespace

std::vector<std::uint8_t> EncodeBlocks(const RgbaImage& image, TextureFormat format,
                                       const EncodeOptions& options) {
    const std::uint32_t blocksWide = (image.width + 3) / 4;
    const std::uint32_t blocksHigh = (image.height + 3) / 4;
    const std::size_t blockBytes = Traits(format).blockBytes;
    std::vector<std::uint8_t> out(LevelBytes(format, image.width, image.height));
    std::mutex progressLock;
    std::size_t rowsDone = 0;
    ParallelFor(blocksHigh, options.threads, [&](std::size_t by) {
        std::uint8_t* row = out.data() + by * blocksWide * blockBytes;
        for (std::uint32_t bx = 0; bx < blocksWide; ++bx) {
            const Block block = GatherBlock(image, bx, static_cast<std::uint32_t>(by));
            EncodeBlock(block, row + bx * blockBytes, format, options.quality);
        }
        if (options.progress) {
            const std::lock_guard lock(progressLock);
            options.progress(static_cast<double>(++rowsDone) / blocksHigh);
        }
    });
    return out;
}

}  // namespace decalia::texlib
