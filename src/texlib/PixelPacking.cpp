#include "texlib/PixelPacking.h"

#include "texlib/SizeGuard.h"

namespace decalia::texlib {
namespace {

std::uint32_t Reduce(std::uint8_t value, unsigned bits) {
    const unsigned top = (1u << bits) - 1;
    return (value * top + 127) / 255;
}

std::uint8_t Expand(std::uint32_t value, unsigned bits) {
    const unsigned top = (1u << bits) - 1;
    return static_cast<std::uint8_t>((value * 255 + top / 2) / top);
}

std::uint32_t PackPixel(const std::uint8_t* p, TextureFormat format) {
    switch (format) {
        case TextureFormat::Argb1555:
            return 0x8000u | Reduce(p[0], 5) << 10 | Reduce(p[1], 5) << 5 | Reduce(p[2], 5);
        case TextureFormat::Rgb565:
            return Reduce(p[0], 5) << 11 | Reduce(p[1], 6) << 5 | Reduce(p[2], 5);
        case TextureFormat::Argb4444:
            return std::uint32_t{QuantiseTo4Bits(p[3])} << 12 | Reduce(p[0], 4) << 8 |
                   Reduce(p[1], 4) << 4 | Reduce(p[2], 4);
        case TextureFormat::Xrgb8888:
            return 0xFF000000u | std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2];
        default:
            return std::uint32_t{p[3]} << 24 | std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2];
    }
}

void UnpackPixel(std::uint32_t v, TextureFormat format, std::uint8_t* p) {
    switch (format) {
        case TextureFormat::Argb1555:
            p[0] = Expand(v >> 10 & 31, 5), p[1] = Expand(v >> 5 & 31, 5), p[2] = Expand(v & 31, 5);
            p[3] = (v & 0x8000u) != 0 ? 255 : 0;
            return;
        case TextureFormat::Rgb565:
            p[0] = Expand(v >> 11 & 31, 5), p[1] = Expand(v >> 5 & 63, 6), p[2] = Expand(v & 31, 5);
            p[3] = 255;
            return;
        case TextureFormat::Argb4444:
            p[0] = Expand(v >> 8 & 15, 4), p[1] = Expand(v >> 4 & 15, 4), p[2] = Expand(v & 15, 4);
            p[3] = Expand(v >> 12 & 15, 4);
            return;
        default:
            p[0] = static_cast<std::uint8_t>(v >> 16), p[1] = static_cast<std::uint8_t>(v >> 8);
            p[2] = static_cast<std::uint8_t>(v);
            p[3] = format == TextureFormat::Xrgb8888 ? 255 : static_cast<std::uint8_t>(v >> 24);
    }
}

}  // namespace

std::vector<std::uint8_t> PackPixels(const RgbaImage& image, TextureFormat format) {
    const std::size_t stride = RowBytes(format, image.width);
    const unsigned bytesPerPixel = Traits(format).bitCount / 8u;
    std::vector<std::uint8_t> out(stride * image.height, 0);
    for (std::uint32_t row = 0; row < image.height; ++row) {
        std::uint8_t* dst = out.data() + stride * row;
        for (std::uint32_t x = 0; x < image.width; ++x) {
            const std::uint32_t v = PackPixel(image.Pixel(x, image.height - 1 - row), format);
            for (unsigned b = 0; b < bytesPerPixel; ++b) {
                *dst++ = static_cast<std::uint8_t>(v >> (8 * b));
            }
        }
    }
    return out;
}

RgbaImage UnpackPixels(std::span<const std::uint8_t> data, std::uint32_t width,
                       std::uint32_t height, TextureFormat format) {
    const std::size_t stride = RowBytes(format, width);
    const unsigned bytesPerPixel = Traits(format).bitCount / 8u;
    RgbaImage image = MakeImage(width, height);
    for (std::uint32_t row = 0; row < height; ++row) {
        const std::uint8_t* src = data.data() + stride * row;
        for (std::uint32_t x = 0; x < width; ++x) {
            std::uint32_t v = 0;
            for (unsigned b = 0; b < bytesPerPixel; ++b) {
                v |= std::uint32_t{*src++} << (8 * b);
            }
            UnpackPixel(v, format, image.Pixel(x, height - 1 - row));
        }
    }
    return image;
}

}  // namespace decalia::texlib
