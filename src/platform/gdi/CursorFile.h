#pragma once
// Windows cursor (.cur) files.
//
// Reproduces: the icon directory of type 2 (hot spot in the entry), the first
// image's BITMAPINFOHEADER with a doubled height (colour rows then the AND
// mask, both bottom-up and padded to 4 bytes), 1, 4, 8, 24 and 32 bits per
// pixel; 32-bit images use their alpha channel unless it is all zero, then the
// AND mask. Writes one image of 1 bit (black and white, AND mask from alpha)
// or 32 bits (BGRA plus an AND mask) with its hot spot.
// Leaves out: PNG-compressed images, choosing among several images by size
// (the first is used), animated cursors, the "invert screen" pixels of 1-bit
// cursors (AND 1 with a non-zero colour reads as transparent).

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace decalia::gdi {

struct CursorImage {
    int width = 0;
    int height = 0;
    int hotspotX = 0;
    int hotspotY = 0;
    // Row-major from the top; 0xAARRGGBB, alpha 0 is transparent.
    std::vector<std::uint32_t> pixels;
};

enum class CursorBits { One, ThirtyTwo };

std::optional<CursorImage> DecodeCursor(std::span<const std::uint8_t> file);
std::optional<CursorImage> ReadCursorFile(std::string_view fileName);

// Empty when the image is not 1..256 pixels per side, its pixel count is
// wrong or the hot spot lies outside it. At one bit, alpha below 128 is
// transparent and the rest black or white by brightness.
std::string EncodeCursor(const CursorImage& image, CursorBits bits);
bool WriteCursorFile(std::string_view fileName, const CursorImage& image, CursorBits bits);

}  // namespace decalia::gdi
