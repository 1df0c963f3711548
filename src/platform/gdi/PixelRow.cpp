#include "platform/gdi/PixelRow.h"

#include <cstring>

namespace decalia::gdi {

bool CanConvertPixels(int fromBitsPerPixel, int toBitsPerPixel) {
    if (fromBitsPerPixel == toBitsPerPixel) {
        return fromBitsPerPixel == 8 || fromBitsPerPixel == 24 || fromBitsPerPixel == 32;
    }
    const bool toTrueColor = toBitsPerPixel == 24 || toBitsPerPixel == 32;
    const bool fromKnown =
        fromBitsPerPixel == 8 || fromBitsPerPixel == 24 || fromBitsPerPixel == 32;
    return toTrueColor && fromKnown;
}

void ConvertPixels(const std::uint8_t* from, int fromBitsPerPixel, const ColorTable& colors,
                   std::uint8_t* to, int toBitsPerPixel, std::int64_t count) {
    const auto fromBytes = static_cast<std::int64_t>(fromBitsPerPixel / 8);
    const auto toBytes = static_cast<std::int64_t>(toBitsPerPixel / 8);
    if (fromBitsPerPixel == toBitsPerPixel) {
        std::memcpy(to, from, static_cast<std::size_t>(count * fromBytes));
        return;
    }
    for (std::int64_t i = 0; i < count; ++i) {
        const std::uint8_t* source = from + i * fromBytes;
        std::uint8_t* target = to + i * toBytes;
        if (fromBitsPerPixel == 8) {
            const win::RGBQUAD& entry = colors[source[0]];
            target[0] = entry.rgbBlue;
            target[1] = entry.rgbGreen;
            target[2] = entry.rgbRed;
        } else {
            target[0] = source[0];
            target[1] = source[1];
            target[2] = source[2];
        }
        if (toBytes == 4) {
            target[3] = 0;
        }
    }
}

}  // namespace decalia::gdi
