#pragma once
// DXT1 and DXT3 levels. A level holds the 4 x 4 blocks of the vertically
// flipped image, left to right and then upwards from the bottom row of the
// picture, so the file keeps bitmap order; blocks that reach past the right
// or top edge repeat the edge pixels.

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "texlib/RgbaImage.h"
#include "texlib/TextureFormat.h"

namespace decalia::texlib {

enum class Quality {
    Fast,       // our encoder, its quick pass alone
    Default,    // our encoder, thorough where a block's quick error stays high
    Maximum,    // our encoder, thorough on every block
    Squish,     // libsquish cluster fit, kept for comparison
    Stb,        // stb_dxt high-quality mode, kept for comparison
    StbNormal,  // stb_dxt normal mode, for the benchmarks
};

struct EncodeOptions {
    Quality quality = Quality::Default;
    unsigned threads = 1;
    // Called with the share of the level's block rows done, from any worker,
    // one call at a time.
    std::function<void(double)> progress;
};

// One level of a block format from an image of any size within the guard.
std::vector<std::uint8_t> EncodeBlocks(const RgbaImage& image, TextureFormat format,
                                       const EncodeOptions& options);

// The reverse; `data` holds exactly LevelBytes(format, width, height) bytes.
RgbaImage DecodeBlocks(std::span<const std::uint8_t> data, std::uint32_t width,
                       std::uint32_t height, TextureFormat format);

}  // namespace decalia::texlib
