#include "texlib/Psnr.h"

#include <cmath>

namespace decalia::texlib {
namespace {

double FromSquaredError(double squaredError, double samples) {
    if (squaredError == 0.0) {
        return kIdenticalPsnr;
    }
    return 10.0 * std::log10(255.0 * 255.0 * samples / squaredError);
}

}  // namespace

std::optional<Psnr> ComputePsnr(const RgbaImage& a, const RgbaImage& b) {
    if (a.width != b.width || a.height != b.height || a.pixels.empty() ||
        a.pixels.size() != b.pixels.size()) {
        return std::nullopt;
    }
    double colourError = 0.0;
    double alphaError = 0.0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        const double d = static_cast<double>(a.pixels[i]) - static_cast<double>(b.pixels[i]);
        (i % 4 == 3 ? alphaError : colourError) += d * d;
    }
    const double pixels = static_cast<double>(a.pixels.size() / 4);
    return Psnr{FromSquaredError(colourError, 3 * pixels), FromSquaredError(alphaError, pixels)};
}

}  // namespace decalia::texlib
