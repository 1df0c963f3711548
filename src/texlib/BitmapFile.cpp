#include "texlib/BitmapFile.h"

#include <array>
#include <cstdlib>
#include <fstream>

#include "texlib/LittleEndian.h"
#include "texlib/SizeGuard.h"

namespace decalia::texlib {
namespace {

using Problem = PlainBitmap::Problem;

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
// The largest texture file: 16384^2 at 32 bits with its mip chain, plus headers.
constexpr std::uintmax_t kMaxFileBytes = 1'500'000'000;

PlainBitmap Fail(Problem problem, std::string reason) {
    PlainBitmap result;
    result.problem = problem;
    result.error = std::move(reason);
    return result;
}

std::size_t RowStride(std::uint32_t width, std::uint32_t bitCount) {
    return (std::size_t{width} * bitCount + 31) / 32 * 4;
}

struct Header {
    std::uint32_t pixelOffset;
    std::uint32_t infoSize;
    std::int32_t width;
    std::int32_t height;
    std::uint16_t bitCount;
    std::uint32_t compression;
    std::uint32_t coloursUsed;
};

bool HasStandardMasks(std::span<const std::uint8_t> file) {
    return file.size() >= 66 && GetU32(file, 54) == 0xFF0000u && GetU32(file, 58) == 0xFF00u &&
           GetU32(file, 62) == 0xFFu;
}

std::string CheckHeader(std::span<const std::uint8_t> file, const Header& h, Problem& problem) {
    problem = Problem::NotBitmap;
    if (h.infoSize < kInfoHeaderBytes || h.infoSize > file.size() - kFileHeaderBytes) {
        return "unsupported or truncated info header";
    }
    if (GetU16(file, 26) != 1) {
        return "planes is not 1";
    }
    if (h.bitCount != 8 && h.bitCount != 24 && h.bitCount != 32) {
        problem = Problem::WrongDepth;
        return "unsupported depth of " + std::to_string(h.bitCount) + " bits";
    }
    const bool bitfields = h.compression == kBiBitfields && h.bitCount == 32 && HasStandardMasks(file);
    if (h.compression != kBiRgb && !bitfields) {
        return "unsupported compression " + std::to_string(h.compression);
    }
    if (h.width < 1 || h.height == 0 || h.height == INT32_MIN) {
        return "invalid size";
    }
    problem = Problem::TooLarge;
    if (!CheckedImageBytes(h.width, std::abs(std::int64_t{h.height}), 4)) {
        return "larger than " + std::to_string(kMaxSide) + " pixels on a side";
    }
    problem = Problem::None;
    return {};
}

void ReadPalette(std::span<const std::uint8_t> file, std::size_t at, std::size_t count,
                 std::array<std::array<std::uint8_t, 4>, 256>& palette) {
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t b = file[at + 4 * i];
        const std::uint8_t g = file[at + 4 * i + 1];
        const std::uint8_t r = file[at + 4 * i + 2];
        palette[i] = {r, g, b, static_cast<std::uint8_t>((r + g + b + 1) / 3)};
    }
}

void CopyPixels(std::span<const std::uint8_t> file, const Header& h,
                const std::array<std::array<std::uint8_t, 4>, 256>& palette, RgbaImage& image) {
    const std::size_t stride = RowStride(image.width, h.bitCount);
    const std::size_t bytesPerPixel = h.bitCount / 8u;
    for (std::uint32_t row = 0; row < image.height; ++row) {
        // Bottom-up files store the last row first.
        const std::uint32_t y = h.height > 0 ? image.height - 1 - row : row;
        const std::uint8_t* src = file.data() + h.pixelOffset + stride * row;
        for (std::uint32_t x = 0; x < image.width; ++x, src += bytesPerPixel) {
            std::uint8_t* dst = image.Pixel(x, y);
            if (h.bitCount == 8) {
                const auto& entry = palette[*src];
                dst[0] = entry[0], dst[1] = entry[1], dst[2] = entry[2], dst[3] = entry[3];
            } else {
                dst[0] = src[2], dst[1] = src[1], dst[2] = src[0], dst[3] = 255;
            }
        }
    }
}

}  // namespace

PlainBitmap DecodePlainBitmap(std::span<const std::uint8_t> file) {
    if (file.size() < kFileHeaderBytes + kInfoHeaderBytes || file[0] != 'B' || file[1] != 'M') {
        return Fail(Problem::NotBitmap, "not a bitmap file");
    }
    const Header h{GetU32(file, 10), GetU32(file, 14), GetI32(file, 18), GetI32(file, 22),
                   GetU16(file, 28), GetU32(file, 30), GetU32(file, 46)};
    Problem problem = Problem::None;
    if (std::string reason = CheckHeader(file, h, problem); !reason.empty()) {
        return Fail(problem, std::move(reason));
    }
    const auto width = static_cast<std::uint32_t>(h.width);
    const auto height = static_cast<std::uint32_t>(std::abs(std::int64_t{h.height}));
    std::array<std::array<std::uint8_t, 4>, 256> palette{};
    const std::size_t paletteAt = kFileHeaderBytes + h.infoSize;
    if (h.bitCount == 8) {
        const std::size_t colours = h.coloursUsed == 0 ? 256 : h.coloursUsed;
        if (colours > 256 || paletteAt + 4 * colours > h.pixelOffset) {
            return Fail(Problem::NotBitmap, "colour table is too large or overlaps the pixels");
        }
        if (h.pixelOffset > file.size()) {
            return Fail(Problem::NotBitmap, "truncated colour table");
        }
        ReadPalette(file, paletteAt, colours, palette);
    }
    const std::size_t pixelBytes = RowStride(width, h.bitCount) * height;
    if (h.pixelOffset < paletteAt || h.pixelOffset > file.size() ||
        file.size() - h.pixelOffset < pixelBytes) {
        return Fail(Problem::NotBitmap, "pixel data lies outside the file or is truncated");
    }
    PlainBitmap result;
    result.bitCount = h.bitCount;
    result.image = MakeImage(width, height);
    CopyPixels(file, h, palette, result.image);
    return result;
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        return std::nullopt;
    }
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec || size > kMaxFileBytes) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        return std::nullopt;
    }
    return bytes;
}

namespace {

std::vector<std::uint8_t> BitmapHeaders(const RgbaImage& image, std::uint32_t bitCount,
                                        std::uint32_t paletteBytes) {
    const auto pixelBytes = static_cast<std::uint32_t>(RowStride(image.width, bitCount) * image.height);
    const std::uint32_t offset = 54 + paletteBytes;
    std::vector<std::uint8_t> out{'B', 'M'};
    out.reserve(offset + pixelBytes);
    PutU32(out, offset + pixelBytes);
    PutU32(out, 0);
    PutU32(out, offset);
    PutU32(out, 40);
    PutU32(out, image.width);
    PutU32(out, image.height);
    PutU16(out, 1);
    PutU16(out, bitCount);
    PutU32(out, kBiRgb);
    PutU32(out, pixelBytes);
    PutU32(out, 2835);  // 72 dpi
    PutU32(out, 2835);
    PutU32(out, paletteBytes / 4);
    PutU32(out, 0);
    return out;
}

template <typename WritePixel>
void AppendRows(std::vector<std::uint8_t>& out, const RgbaImage& image, std::uint32_t bitCount,
                WritePixel write) {
    const std::size_t padding = RowStride(image.width, bitCount) - image.width * bitCount / 8;
    for (std::uint32_t row = image.height; row-- > 0;) {
        for (std::uint32_t x = 0; x < image.width; ++x) {
            write(out, image.Pixel(x, row));
        }
        out.insert(out.end(), padding, 0);
    }
}

}  // namespace

std::vector<std::uint8_t> EncodeColourBitmap(const RgbaImage& image) {
    std::vector<std::uint8_t> out = BitmapHeaders(image, 24, 0);
    AppendRows(out, image, 24, [](std::vector<std::uint8_t>& o, const std::uint8_t* p) {
        o.insert(o.end(), {p[2], p[1], p[0]});
    });
    return out;
}

std::vector<std::uint8_t> EncodeAlphaBitmap(const RgbaImage& image) {
    std::vector<std::uint8_t> out = BitmapHeaders(image, 8, 256 * 4);
    for (unsigned level = 0; level < 256; ++level) {
        const auto v = static_cast<std::uint8_t>(level);
        out.insert(out.end(), {v, v, v, 0});
    }
    AppendRows(out, image, 8,
               [](std::vector<std::uint8_t>& o, const std::uint8_t* p) { o.push_back(p[3]); });
    return out;
}

}  // namespace decalia::texlib
