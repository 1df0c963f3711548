#pragma once
// Converting a row of pixels between the depths DIBs use (internal).

#include "platform/gdi/Dib.h"

#include <array>
#include <cstdint>

namespace decalia::gdi {

using ColorTable = std::array<win::RGBQUAD, 256>;

// Same depth, 24 <-> 32, and 8 into 24 or 32 through the colour table.
bool CanConvertPixels(int fromBitsPerPixel, int toBitsPerPixel);

// Converts `count` pixels; the fourth byte of a 32-bit pixel made here is 0.
void ConvertPixels(const std::uint8_t* from, int fromBitsPerPixel, const ColorTable& colors,
                   std::uint8_t* to, int toBitsPerPixel, std::int64_t count);

}  // namespace decalia::gdi
