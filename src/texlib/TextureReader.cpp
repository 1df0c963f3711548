#include "texlib/TextureReader.h"

#include <cstring>

#include "texlib/BitmapFile.h"
#include "texlib/BlockCodec.h"
#include "texlib/LittleEndian.h"
#include "texlib/PixelPacking.h"
#include "texlib/SizeGuard.h"
#include "texlib/TextureFile.h"

namespace decalia::texlib {
namespace {

TextureRead Refuse(std::string reason) { return {std::nullopt, std::move(reason)}; }

bool HasFs70Block(std::span<const std::uint8_t> file) {
    return file.size() >= kPixelDataOffset && GetU32(file, 14) == 40 &&
           std::memcmp(file.data() + kFs70Offset, "FS70", 4) == 0;
}

TextureRead ReadPlain(std::span<const std::uint8_t> file) {
    PlainBitmap plain = DecodePlainBitmap(file);
    if (!plain.error.empty()) {
        return Refuse(plain.error);
    }
    Texture texture;
    texture.format = plain.bitCount == 8    ? TextureFormat::Bitmap8
                     : plain.bitCount == 24 ? TextureFormat::Bitmap24
                                            : TextureFormat::Bitmap32;
    texture.width = plain.image.width;
    texture.height = plain.image.height;
    texture.levels.push_back(std::move(plain.image));
    return {std::move(texture), {}};
}

struct Layout {
    TextureFormat format;
    std::uint32_t width;
    std::uint32_t height;
    std::uint16_t levels;
};

// Checks every field of the headers against each other and the file length;
// fills `layout` only when all of them agree.
std::string CheckLayout(std::span<const std::uint8_t> file, Layout& layout) {
    const std::int32_t width = GetI32(file, 18);
    const std::int32_t height = GetI32(file, 22);
    if (!CheckedImageBytes(width, height, 4)) {
        return "size " + std::to_string(width) + " x " + std::to_string(height) +
               " is not between 1 and " + std::to_string(kMaxSide);
    }
    const auto format = FormatFromHeader(file[62], GetU32(file, 30), GetU16(file, 28));
    if (!format) {
        return "unknown texture type " + std::to_string(file[62]) + " for its compression and depth";
    }
    if (GetU32(file, 58) != kFs70Length || GetU16(file, 26) != 1) {
        return "malformed FS70 block or info header";
    }
    const auto w = static_cast<std::uint32_t>(width);
    const auto h = static_cast<std::uint32_t>(height);
    const std::uint8_t mipFlag = file[63];
    const std::uint16_t levels = GetU16(file, 64);
    const std::uint16_t expectedLevels = mipFlag == 1 ? FullMipCount(w, h) : 1;
    if (mipFlag > 1 || levels != expectedLevels) {
        return "level count " + std::to_string(levels) + " does not match the size and mip flag";
    }
    std::size_t total = 0;
    for (unsigned level = 0; level < levels; ++level) {
        total += LevelBytes(*format, MipSide(w, level), MipSide(h, level));
    }
    const std::size_t level0 = LevelBytes(*format, w, h);
    if (GetU32(file, 34) != level0 || GetU32(file, 66) != level0 || GetU32(file, 70) != total) {
        return "level sizes in the headers do not match the format and size";
    }
    if (GetU32(file, 10) != kPixelDataOffset || GetU32(file, 2) != file.size() ||
        file.size() - kPixelDataOffset != total) {
        return "file length " + std::to_string(file.size()) + " does not match its " +
               std::to_string(kPixelDataOffset + total) + " bytes of headers and levels";
    }
    layout = {*format, w, h, levels};
    return {};
}

RgbaImage DecodeLevel(std::span<const std::uint8_t> data, std::uint32_t width,
                      std::uint32_t height, TextureFormat format) {
    return Traits(format).blockBytes != 0 ? DecodeBlocks(data, width, height, format)
                                          : UnpackPixels(data, width, height, format);
}

TextureRead ReadExtended(std::span<const std::uint8_t> file) {
    Layout layout{};
    if (std::string reason = CheckLayout(file, layout); !reason.empty()) {
        return Refuse(std::move(reason));
    }
    Texture texture;
    texture.format = layout.format;
    texture.width = layout.width;
    texture.height = layout.height;
    texture.hasMipChain = layout.levels > 1;
    std::size_t at = kPixelDataOffset;
    for (unsigned level = 0; level < layout.levels; ++level) {
        const std::uint32_t w = MipSide(layout.width, level);
        const std::uint32_t h = MipSide(layout.height, level);
        const std::size_t bytes = LevelBytes(layout.format, w, h);
        texture.levels.push_back(DecodeLevel(file.subspan(at, bytes), w, h, layout.format));
        at += bytes;
    }
    return {std::move(texture), {}};
}

}  // namespace

TextureRead ParseTexture(std::span<const std::uint8_t> file) {
    if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') {
        return Refuse("not a bitmap or texture file");
    }
    return HasFs70Block(file) ? ReadExtended(file) : ReadPlain(file);
}

TextureRead ReadTexture(const std::filesystem::path& file) {
    const auto bytes = ReadWholeFile(file);
    if (!bytes) {
        return Refuse("cannot read " + file.string());
    }
    return ParseTexture(*bytes);
}

}  // namespace decalia::texlib
