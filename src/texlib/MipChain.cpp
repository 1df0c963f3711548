#include "texlib/MipChain.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "texlib/SizeGuard.h"

namespace decalia::texlib {
namespace {

double SrgbToLinear(double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

struct SrgbTables {
    std::array<float, 256> toLinear{};
    // toSrgb: the 8-bit value whose sRGB interval holds a linear value starts
    // at these thresholds, so encoding is a search instead of a power.
    std::array<float, 255> thresholds{};

    SrgbTables() {
        for (std::size_t i = 0; i < 256; ++i) {
            toLinear[i] = static_cast<float>(SrgbToLinear(static_cast<double>(i) / 255.0));
        }
        for (std::size_t i = 0; i < 255; ++i) {
            thresholds[i] = static_cast<float>(SrgbToLinear((static_cast<double>(i) + 0.5) / 255.0));
        }
    }

    std::uint8_t Encode(float linear) const {
        const auto it = std::upper_bound(thresholds.begin(), thresholds.end(), linear);
        return static_cast<std::uint8_t>(it - thresholds.begin());
    }
};

const SrgbTables& Tables() {
    static const SrgbTables tables;
    return tables;
}

}  // namespace

RgbaImage HalveLinear(const RgbaImage& level) {
    const SrgbTables& tables = Tables();
    RgbaImage half = MakeImage(std::max(1u, level.width / 2), std::max(1u, level.height / 2));
    for (std::uint32_t y = 0; y < half.height; ++y) {
        const std::uint32_t y0 = std::min(2 * y, level.height - 1);
        const std::uint32_t y1 = std::min(2 * y + 1, level.height - 1);
        for (std::uint32_t x = 0; x < half.width; ++x) {
            const std::uint32_t x0 = std::min(2 * x, level.width - 1);
            const std::uint32_t x1 = std::min(2 * x + 1, level.width - 1);
            const std::array<const std::uint8_t*, 4> box{level.Pixel(x0, y0), level.Pixel(x1, y0),
                                                         level.Pixel(x0, y1), level.Pixel(x1, y1)};
            std::uint8_t* out = half.Pixel(x, y);
            for (std::size_t c = 0; c < 3; ++c) {
                float sum = 0.0f;
                for (const std::uint8_t* p : box) {
                    sum += tables.toLinear[p[c]];
                }
                out[c] = tables.Encode(sum * 0.25f);
            }
            const unsigned alphaSum = 0u + box[0][3] + box[1][3] + box[2][3] + box[3][3];
            out[3] = static_cast<std::uint8_t>((alphaSum + 2) / 4);
        }
    }
    return half;
}

std::vector<RgbaImage> BuildMipChain(RgbaImage base) {
    std::vector<RgbaImage> chain;
    chain.push_back(std::move(base));
    while (chain.back().width > 1 || chain.back().height > 1) {
        chain.push_back(HalveLinear(chain.back()));
    }
    return chain;
}

}  // namespace decalia::texlib
