#pragma once
// Peak signal-to-noise ratio in decibels (peak 255) between two RGBA images of
// the same size: over the red, green and blue samples together, and over the
// alpha samples alone. Identical samples give kIdenticalPsnr (positive
// infinity), so a floor check such as `psnr.rgb >= 40` passes for them.

#include <limits>
#include <optional>

#include "texlib/RgbaImage.h"

namespace decalia::texlib {

inline constexpr double kIdenticalPsnr = std::numeric_limits<double>::infinity();

struct Psnr {
    double rgb = kIdenticalPsnr;
    double alpha = kIdenticalPsnr;
};

// Nothing when the sizes differ or an image is empty.
[[nodiscard]] std::optional<Psnr> ComputePsnr(const RgbaImage& a, const RgbaImage& b);

}  // namespace decalia::texlib
