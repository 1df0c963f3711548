#pragma once
// What the steps of our DXT colour-block encoder (ColourFitSteps.h) work on.

#include <array>
#include <cstdint>
#include <limits>

namespace decalia::texlib::colourfit {

// A block's 16 pixels, channels apart so that loops over the pixels vectorise.
// Channels are whole numbers kept as floats: every squared error a block can
// have is below 2^24, so float sums are exact and SSE2 multiplies them fast.
struct BlockPixels {
    alignas(16) std::array<float, 16> r{};
    alignas(16) std::array<float, 16> g{};
    alignas(16) std::array<float, 16> b{};
    alignas(16) std::array<float, 16> visible{};  // 1, or 0 where transparent
    std::uint16_t transparent = 0;  // bit i: pixel i must decode transparent
    std::uint32_t transparentIndices = 0;  // index 3 at each transparent pixel
    bool fourColoursOnly = false;   // DXT3's colour half
};

enum class Mode : std::uint8_t { Four, Three };

struct Candidate {
    std::uint16_t c0 = 0;
    std::uint16_t c1 = 0;
    std::uint32_t indices = 0;  // two bits a pixel, pixel 0 lowest
    Mode mode = Mode::Four;
    std::int64_t error = std::numeric_limits<std::int64_t>::max();
};

using Vec3 = std::array<float, 3>;

// The block's principal axis (unit length) through its mean colour.
struct Line {
    Vec3 mean{};
    Vec3 axis{};
};

}  // namespace decalia::texlib::colourfit
