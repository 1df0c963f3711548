#include "texlib/TextureFormat.h"

#include <array>

namespace decalia::texlib {
namespace {

constexpr std::uint32_t kBiRgb = 0;

constexpr std::array<FormatTraits, 11> kFormats{{
    {TextureFormat::Dxt1, "DXT1", 1, FourCc("DXT1"), 4, 8},
    {TextureFormat::Dxt1Alpha, "DXT1 with 1-bit alpha", 2, FourCc("DXT1"), 4, 8},
    {TextureFormat::Dxt3, "DXT3", 4, FourCc("DXT3"), 8, 16},
    {TextureFormat::Argb8888, "32-bit A8R8G8B8", 4, kBiRgb, 32, 0},
    {TextureFormat::Xrgb8888, "32-bit X8R8G8B8", 3, kBiRgb, 32, 0},
    {TextureFormat::Argb1555, "16-bit A1R5G5B5", 5, kBiRgb, 16, 0},
    {TextureFormat::Rgb565, "16-bit R5G6B5", 6, kBiRgb, 16, 0},
    {TextureFormat::Argb4444, "16-bit A4R4G4B4", 7, kBiRgb, 16, 0},
    {TextureFormat::Bitmap8, "plain 8-bit bitmap", 0, kBiRgb, 8, 0},
    {TextureFormat::Bitmap24, "plain 24-bit bitmap", 0, kBiRgb, 24, 0},
    {TextureFormat::Bitmap32, "plain 32-bit bitmap", 0, kBiRgb, 32, 0},
}};

}  // namespace

const FormatTraits& Traits(TextureFormat format) {
    return kFormats[static_cast<std::size_t>(format)];
}

std::optional<TextureFormat> FormatFromHeader(std::uint8_t fs70Type, std::uint32_t compression,
                                              std::uint16_t bitCount) {
    for (const FormatTraits& traits : kFormats) {
        if (traits.fs70Type != 0 && traits.fs70Type == fs70Type &&
            traits.compression == compression && traits.bitCount == bitCount) {
            return traits.format;
        }
    }
    return std::nullopt;
}

const char* FormatName(TextureFormat format) { return Traits(format).name; }

std::optional<TextureFormat> FormatForCompressCode(std::int32_t formatCode, bool keepDxt1Alpha) {
    switch (formatCode) {
        case 10: return keepDxt1Alpha ? TextureFormat::Dxt1Alpha : TextureFormat::Dxt1;
        case 12: return TextureFormat::Dxt3;
        case 17: return TextureFormat::Argb8888;
        default: return std::nullopt;
    }
}

std::optional<TextureFormat> FormatForConvertCode(std::string_view code) {
    if (code == "1") return TextureFormat::Argb1555;
    if (code == "2") return TextureFormat::Rgb565;
    if (code == "3") return TextureFormat::Argb4444;
    if (code == "4") return TextureFormat::Xrgb8888;
    return std::nullopt;
}

std::size_t RowBytes(TextureFormat format, std::uint32_t width) {
    return (std::size_t{width} * Traits(format).bitCount + 31) / 32 * 4;
}

std::size_t LevelBytes(TextureFormat format, std::uint32_t width, std::uint32_t height) {
    const FormatTraits& traits = Traits(format);
    if (traits.blockBytes != 0) {
        return std::size_t{(width + 3) / 4} * ((height + 3) / 4) * traits.blockBytes;
    }
    return RowBytes(format, width) * height;
}

std::uint16_t FullMipCount(std::uint32_t width, std::uint32_t height) {
    std::uint16_t levels = 1;
    for (std::uint32_t side = width > height ? width : height; side > 1; side >>= 1) {
        ++levels;
    }
    return levels;
}

}  // namespace decalia::texlib
