#pragma once

#include <cstdint>
#include <string>

#include "support/TempDir.h"
#include "texlib/RgbaImage.h"

namespace decalia::texlib::testing {

// Smooth gradients, soft discs and a little noise: close enough to painted
// artwork for the DXT quality floors. Alpha is a soft ramp unless `opaque`.
RgbaImage PaintedImage(std::uint32_t width, std::uint32_t height, std::uint32_t seed = 1,
                       bool opaque = false);

// Colour and alpha sheets as the program writes them: a 24-bit bitmap and an
// 8-bit grey-palette bitmap.
struct Sheets {
    std::string colour;
    std::string alpha;
};
Sheets WriteSheets(const testsupport::TempDir& dir, const std::string& stem, const RgbaImage& image);

// The image with every alpha set to 255.
RgbaImage Opaque(RgbaImage image);

// The largest difference of any channel between two images of the same size.
int MaxChannelError(const RgbaImage& a, const RgbaImage& b);

}  // namespace decalia::texlib::testing
