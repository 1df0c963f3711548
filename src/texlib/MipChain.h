#pragma once

#include <vector>

#include "texlib/RgbaImage.h"

namespace decalia::texlib {

// The next smaller level: each side halves (never below 1), each pixel the 2 x 2
// box of the level above, colour averaged in linear light and alpha plainly;
// an odd last row or column is left out, a side of 1 repeats its one pixel.
RgbaImage HalveLinear(const RgbaImage& level);

// The base image followed by every smaller level down to 1 x 1.
std::vector<RgbaImage> BuildMipChain(RgbaImage base);

}  // namespace decalia::texlib
