#pragma once
// The texture formats the library writes and the reader understands, and how
// each is marked in the file: the 20-byte FS70 block at offset 54 carries a
// type byte that alone names the pixel layout; the info header's compression
// and bit count must agree with it.
//
//   type  layout                      biCompression  biBitCount
//   1     DXT1, opaque                "DXT1"         4
//   2     DXT1 with 1-bit alpha       "DXT1"         4
//   4     DXT3                        "DXT3"         8
//   4     32 bits A8R8G8B8            BI_RGB         32
//   3     32 bits X8R8G8B8 (opaque)   BI_RGB         32
//   5     16 bits A1R5G5B5            BI_RGB         16
//   6     16 bits R5G6B5              BI_RGB         16
//   7     16 bits A4R4G4B4            BI_RGB         16

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace decalia::texlib {

enum class TextureFormat : std::uint8_t {
    Dxt1,
    Dxt1Alpha,
    Dxt3,
    Argb8888,
    Xrgb8888,
    Argb1555,
    Rgb565,
    Argb4444,
    // Plain bitmaps the reader also accepts; never written as textures.
    Bitmap8,
    Bitmap24,
    Bitmap32,
};

struct FormatTraits {
    TextureFormat format;
    const char* name;
    std::uint8_t fs70Type;
    std::uint32_t compression;   // biCompression: BI_RGB or a four-character code
    std::uint16_t bitCount;      // biBitCount
    std::uint8_t blockBytes;     // bytes per 4 x 4 block, 0 for pixel formats
};

inline constexpr std::uint32_t FourCc(const char (&code)[5]) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(code[0])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(code[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(code[2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(code[3])) << 24;
}

const FormatTraits& Traits(TextureFormat format);
// The written format the three header fields name, if any.
std::optional<TextureFormat> FormatFromHeader(std::uint8_t fs70Type, std::uint32_t compression,
                                              std::uint16_t bitCount);
const char* FormatName(TextureFormat format);

// The format a BMPScompressBMP code asks for; nothing for an unknown code.
std::optional<TextureFormat> FormatForCompressCode(std::int32_t formatCode, bool keepDxt1Alpha);
// The format a ConvertImageFormat code ("1" to "4") asks for.
std::optional<TextureFormat> FormatForConvertCode(std::string_view code);

// Bytes of one level of the given size; rows of pixel formats are padded to 4
// bytes as in any bitmap. The sides must have passed the size guard.
std::size_t LevelBytes(TextureFormat format, std::uint32_t width, std::uint32_t height);
std::size_t RowBytes(TextureFormat format, std::uint32_t width);

// Levels of the full chain from width x height down to 1 x 1.
std::uint16_t FullMipCount(std::uint32_t width, std::uint32_t height);
inline std::uint32_t MipSide(std::uint32_t side, unsigned level) {
    const std::uint32_t shifted = level >= 32 ? 0 : side >> level;
    return shifted == 0 ? 1 : shifted;
}

}  // namespace decalia::texlib
