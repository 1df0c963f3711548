#include "platform/gdi/CursorFile.h"

#include "platform/fs/Fs.h"
#include "platform/gdi/ByteIo.h"
#include "platform/gdi/Dib.h"

#include <array>

namespace decalia::gdi {

namespace {

constexpr std::size_t kDirectoryBytes = 6;
constexpr std::size_t kEntryBytes = 16;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr int kMaxSide = 256;

struct CursorLayout {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::array<std::uint32_t, 256> colors{};  // 0xAARRGGBB, alpha 255
    std::span<const std::uint8_t> colorRows;
    std::span<const std::uint8_t> maskRows;
};

bool Bit(const std::uint8_t* row, int x) {
    return ((row[x / 8] >> (7 - x % 8)) & 1) != 0;
}

std::uint32_t Argb(std::uint8_t alpha, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return (std::uint32_t{alpha} << 24) | (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) |
           blue;
}

std::size_t Stride(int width, int bitsPerPixel) {
    return static_cast<std::size_t>(DibStride(width, bitsPerPixel));
}

// Reads the image's header and colour table and finds its two pixel blocks.
std::optional<CursorLayout> ParseImage(std::span<const std::uint8_t> image) {
    ByteReader in(image);
    const auto headerSize = in.U32();
    CursorLayout layout;
    layout.width = in.I32();
    const auto doubledHeight = in.I32();
    const auto planes = in.U16();
    layout.bitsPerPixel = in.U16();
    const auto compression = in.U32();
    in.Seek(32);
    const auto colorsUsed = in.U32();
    const int bits = layout.bitsPerPixel;
    if (!in.Ok() || headerSize < kInfoHeaderBytes || headerSize > image.size() || planes > 1 ||
        compression != win::BI_RGB || layout.width <= 0 || layout.width > kMaxSide ||
        doubledHeight <= 0 || doubledHeight % 2 != 0 || doubledHeight / 2 > kMaxSide ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)) {
        return std::nullopt;
    }
    layout.height = doubledHeight / 2;
    const std::size_t maxColors = bits <= 8 ? std::size_t{1} << bits : 0;
    const std::size_t colorCount = colorsUsed == 0 ? maxColors : colorsUsed;
    if (colorCount > maxColors) {
        return std::nullopt;
    }
    in.Seek(headerSize);
    for (std::size_t i = 0; i < colorCount; ++i) {
        const auto blue = in.U8();
        const auto green = in.U8();
        const auto red = in.U8();
        in.U8();
        layout.colors[i] = Argb(255, red, green, blue);
    }
    const std::size_t colorBytes =
        Stride(layout.width, bits) * static_cast<std::size_t>(layout.height);
    const std::size_t maskBytes = Stride(layout.width, 1) * static_cast<std::size_t>(layout.height);
    const std::size_t pixelsAt = in.Position();
    if (!in.Ok() || image.size() - pixelsAt < colorBytes + maskBytes) {
        return std::nullopt;
    }
    layout.colorRows = image.subspan(pixelsAt, colorBytes);
    layout.maskRows = image.subspan(pixelsAt + colorBytes, maskBytes);
    return layout;
}

std::uint32_t ColorAt(const CursorLayout& layout, const std::uint8_t* row, int x) {
    switch (layout.bitsPerPixel) {
    case 1:
        return layout.colors[Bit(row, x) ? 1 : 0];
    case 4:
        return layout.colors[(row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F];
    case 8:
        return layout.colors[row[x]];
    case 24:
        return Argb(255, row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    default:
        return Argb(row[4 * x + 3], row[4 * x + 2], row[4 * x + 1], row[4 * x]);
    }
}

// 32-bit images from before alpha cursors carry only the AND mask.
bool HasAlpha(const CursorLayout& layout) {
    if (layout.bitsPerPixel != 32) {
        return false;
    }
    for (std::size_t i = 3; i < layout.colorRows.size(); i += 4) {
        if (layout.colorRows[i] != 0) return true;
    }
    return false;
}

std::vector<std::uint32_t> Pixels(const CursorLayout& layout) {
    const bool alpha = HasAlpha(layout);
    const std::size_t colorStride = Stride(layout.width, layout.bitsPerPixel);
    const std::size_t maskStride = Stride(layout.width, 1);
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(layout.width * layout.height));
    for (int y = 0; y < layout.height; ++y) {
        const auto fileRow = static_cast<std::size_t>(layout.height - 1 - y);
        const std::uint8_t* colorRow = layout.colorRows.data() + fileRow * colorStride;
        const std::uint8_t* maskRow = layout.maskRows.data() + fileRow * maskStride;
        for (int x = 0; x < layout.width; ++x) {
            const std::uint32_t color = ColorAt(layout, colorRow, x);
            if (alpha) {
                pixels.push_back(color);
            } else {
                pixels.push_back(Bit(maskRow, x) ? 0 : (color | 0xFF000000u));
            }
        }
    }
    return pixels;
}

}  // namespace

std::optional<CursorImage> DecodeCursor(std::span<const std::uint8_t> file) {
    ByteReader in(file);
    const auto reserved = in.U16();
    const auto type = in.U16();
    const auto count = in.U16();
    in.Seek(kDirectoryBytes + 4);
    CursorImage cursor;
    cursor.hotspotX = in.U16();
    cursor.hotspotY = in.U16();
    const std::uint64_t imageBytes = in.U32();
    const std::uint64_t imageAt = in.U32();
    if (!in.Ok() || reserved != 0 || type != 2 || count == 0 ||
        imageAt < kDirectoryBytes + kEntryBytes * count || imageAt + imageBytes > file.size()) {
        return std::nullopt;
    }
    const auto layout = ParseImage(
        file.subspan(static_cast<std::size_t>(imageAt), static_cast<std::size_t>(imageBytes)));
    if (!layout) {
        return std::nullopt;
    }
    cursor.width = layout->width;
    cursor.height = layout->height;
    cursor.pixels = Pixels(*layout);
    return cursor;
}

std::optional<CursorImage> ReadCursorFile(std::string_view fileName) {
    const auto bytes = fs::ReadAll(fileName, 4u << 20);
    if (!bytes) {
        return std::nullopt;
    }
    return DecodeCursor(AsBytes(*bytes));
}

}  // namespace decalia::gdi
