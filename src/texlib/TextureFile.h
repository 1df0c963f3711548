#pragma once
// The texture file: a bitmap file header (14 bytes), a 40-byte info header
// naming level 0 (biCompression and biBitCount as in TextureFormat.h, positive
// height, biSizeImage the bytes of level 0), then at offset 54 the FS70 block:
//
//   offset  size  field
//   54      4     "FS70"
//   58      4     block length, 20
//   62      1     type (TextureFormat.h)
//   63      1     mip flag: 1 when the smaller levels follow, else 0
//   64      2     level count, 1 without mips
//   66      4     bytes of level 0
//   70      4     bytes of all levels
//
// Pixel data starts at 74: level 0 in bitmap order, then each smaller level
// down to 1 x 1. The file ends there; bfSize is its length.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "texlib/TextureFormat.h"

namespace decalia::texlib {

inline constexpr std::size_t kFs70Offset = 54;
inline constexpr std::uint32_t kFs70Length = 20;
inline constexpr std::size_t kPixelDataOffset = kFs70Offset + kFs70Length;

std::vector<std::uint8_t> AssembleTextureFile(TextureFormat format, std::uint32_t width,
                                              std::uint32_t height,
                                              const std::vector<std::vector<std::uint8_t>>& levels);

}  // namespace decalia::texlib
