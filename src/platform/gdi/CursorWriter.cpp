#include "platform/gdi/CursorFile.h"

#include "platform/fs/Fs.h"
#include "platform/gdi/ByteIo.h"
#include "platform/gdi/Dib.h"

namespace decalia::gdi {

namespace {

constexpr std::uint32_t kImageAt = 6 + 16;
constexpr std::uint32_t kInfoHeaderBytes = 40;

bool Valid(const CursorImage& image) {
    return image.width >= 1 && image.width <= 256 && image.height >= 1 && image.height <= 256 &&
           image.pixels.size() == static_cast<std::size_t>(image.width * image.height) &&
           image.hotspotX >= 0 && image.hotspotX < image.width && image.hotspotY >= 0 &&
           image.hotspotY < image.height;
}

std::uint8_t Alpha(std::uint32_t argb) {
    return static_cast<std::uint8_t>(argb >> 24);
}

bool Bright(std::uint32_t argb) {
    const unsigned red = (argb >> 16) & 0xFF;
    const unsigned green = (argb >> 8) & 0xFF;
    const unsigned blue = argb & 0xFF;
    return red * 299 + green * 587 + blue * 114 >= 128 * 1000;
}

bool Transparent(std::uint32_t argb, CursorBits bits) {
    return bits == CursorBits::One ? Alpha(argb) < 128 : Alpha(argb) == 0;
}

// One bit per pixel, most significant bit first, rows bottom-up and padded.
template <class BitOf>
void WriteBitRows(ByteWriter& out, const CursorImage& image, BitOf bitOf) {
    const auto stride = static_cast<std::size_t>(DibStride(image.width, 1));
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < image.width; ++x) {
            if (bitOf(image.pixels[static_cast<std::size_t>(y * image.width + x)])) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.Bytes(row);
    }
}

void WriteColorRows32(ByteWriter& out, const CursorImage& image) {
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t argb = image.pixels[static_cast<std::size_t>(y * image.width + x)];
            out.U32(argb);  // little-endian 0xAARRGGBB is blue, green, red, alpha
        }
    }
}

void WriteHeaders(ByteWriter& out, const CursorImage& image, int bitsPerPixel,
                  std::uint32_t colorCount, std::uint32_t imageBytes) {
    out.U16(0);
    out.U16(2);
    out.U16(1);
    out.U8(static_cast<std::uint8_t>(image.width & 0xFF));  // 256 is written as 0
    out.U8(static_cast<std::uint8_t>(image.height & 0xFF));
    out.U8(static_cast<std::uint8_t>(colorCount));
    out.U8(0);
    out.U16(static_cast<std::uint16_t>(image.hotspotX));
    out.U16(static_cast<std::uint16_t>(image.hotspotY));
    out.U32(imageBytes);
    out.U32(kImageAt);
    const std::uint32_t pixelBytes = imageBytes - kInfoHeaderBytes - 4 * colorCount;
    out.U32(kInfoHeaderBytes);
    out.I32(image.width);
    out.I32(image.height * 2);
    out.U16(1);
    out.U16(static_cast<std::uint16_t>(bitsPerPixel));
    out.U32(win::BI_RGB);
    out.U32(pixelBytes);
    out.Zeros(16);
}

}  // namespace

std::string EncodeCursor(const CursorImage& image, CursorBits bits) {
    if (!Valid(image)) {
        return {};
    }
    const int bitsPerPixel = bits == CursorBits::One ? 1 : 32;
    const std::uint32_t colorCount = bits == CursorBits::One ? 2 : 0;
    const auto rows = static_cast<std::uint32_t>(image.height);
    const auto colorBytes = static_cast<std::uint32_t>(DibStride(image.width, bitsPerPixel)) * rows;
    const auto maskBytes = static_cast<std::uint32_t>(DibStride(image.width, 1)) * rows;
    ByteWriter out;
    WriteHeaders(out, image, bitsPerPixel, colorCount,
                 kInfoHeaderBytes + 4 * colorCount + colorBytes + maskBytes);
    if (bits == CursorBits::One) {
        out.U32(0x00000000);  // black
        out.U32(0x00FFFFFF);  // white
        WriteBitRows(out, image, [](std::uint32_t argb) {
            return !Transparent(argb, CursorBits::One) && Bright(argb);
        });
    } else {
        WriteColorRows32(out, image);
    }
    WriteBitRows(out, image, [bits](std::uint32_t argb) { return Transparent(argb, bits); });
    return out.Take();
}

bool WriteCursorFile(std::string_view fileName, const CursorImage& image, CursorBits bits) {
    const std::string bytes = EncodeCursor(image, bits);
    return !bytes.empty() && fs::WriteAll(fileName, bytes);
}

}  // namespace decalia::gdi
