#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace decalia::texlib {

// 32-bit pixels in R, G, B, A byte order, top row first, no row padding.
struct RgbaImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> pixels;

    std::size_t Offset(std::uint32_t x, std::uint32_t y) const {
        return (std::size_t{y} * width + x) * 4;
    }
    const std::uint8_t* Pixel(std::uint32_t x, std::uint32_t y) const {
        return pixels.data() + Offset(x, y);
    }
    std::uint8_t* Pixel(std::uint32_t x, std::uint32_t y) { return pixels.data() + Offset(x, y); }
};

}  // namespace decalia::texlib
