#pragma once
// Plain bitmap files: the library's inputs and the command's decoded outputs.
//
// Reads BI_RGB 8-bit palette, 24-bit and 32-bit files (BI_BITFIELDS too when
// the masks are the usual 0xFF0000/0xFF00/0xFF), with a 40-byte or larger info
// header, bottom-up or top-down rows padded to 4 bytes. An 8-bit pixel's alpha
// is the grey level of its palette entry, taken as the rounded average of the
// entry's red, green and blue (the same value for a grey palette); indices past
// the palette read as black. The fourth byte of 32-bit pixels is not alpha:
// plain 32-bit bitmaps leave it unset, so it reads as opaque.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "texlib/RgbaImage.h"

namespace decalia::texlib {

struct PlainBitmap {
    RgbaImage image;  // for 8 bits: RGB the palette colour, A its grey level
    std::uint16_t bitCount = 0;
    enum class Problem { None, NotBitmap, WrongDepth, TooLarge } problem = Problem::None;
    std::string error;  // empty when the image was read
};

[[nodiscard]] PlainBitmap DecodePlainBitmap(std::span<const std::uint8_t> file);

// The whole file, or nothing when it cannot be read or exceeds what any
// texture of the largest size could need.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> ReadWholeFile(
    const std::filesystem::path& file);

// A 24-bit bitmap of the image's colour.
std::vector<std::uint8_t> EncodeColourBitmap(const RgbaImage& image);
// An 8-bit bitmap with a grey-ramp palette holding the image's alpha.
std::vector<std::uint8_t> EncodeAlphaBitmap(const RgbaImage& image);

}  // namespace decalia::texlib
