#include "texlib/SizeGuard.h"

namespace decalia::texlib {

std::optional<std::size_t> CheckedImageBytes(std::int64_t width, std::int64_t height,
                                             std::size_t bytesPerPixel) {
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide || bytesPerPixel > 16) {
        return std::nullopt;
    }
    // At most 2^14 * 2^14 * 16 = 2^32 bytes, which fits a 64-bit size.
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * bytesPerPixel;
}

RgbaImage MakeImage(std::uint32_t width, std::uint32_t height) {
    RgbaImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(std::size_t{width} * height * 4, 0);
    return image;
}

}  // namespace decalia::texlib
