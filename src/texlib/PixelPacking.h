#pragma once
// The uncompressed layouts: little-endian words, blue in the low bits, rows
// bottom first and padded to 4 bytes. Reduced channels round to the nearest
// level and expand back to the nearest 8-bit value, so a round trip moves a channel by
// at most half a step.

#include <cstdint>
#include <span>
#include <vector>

#include "texlib/RgbaImage.h"
#include "texlib/TextureFormat.h"

namespace decalia::texlib {

// Nearest of 16 levels; a DXT3 alpha nibble uses the same rounding.
inline std::uint8_t QuantiseTo4Bits(std::uint8_t value) {
    return static_cast<std::uint8_t>((value + 8) / 17);
}

// One level of a pixel format (not a block format).
std::vector<std::uint8_t> PackPixels(const RgbaImage& image, TextureFormat format);
// The reverse; `data` holds exactly LevelBytes(format, width, height) bytes.
RgbaImage UnpackPixels(std::span<const std::uint8_t> data, std::uint32_t width,
                       std::uint32_t height, TextureFormat format);

}  // namespace decalia::texlib
