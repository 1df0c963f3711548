#include "platform/gdi/BmpFile.h"

#include "platform/fs/Fs.h"
#include "platform/gdi/ByteIo.h"
#include "platform/gdi/GdiTable.h"

#include <cstring>
#include <optional>

namespace decalia::gdi {

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kMaxHeaderBytes = 124;  // BITMAPV5HEADER

// Where the parts of a bitmap file lie, after every size has been checked
// against the file's length.
struct BmpLayout {
    std::int32_t width = 0;
    std::int32_t height = 0;  // negative for top-down rows
    int bitsPerPixel = 0;
    std::size_t colorsAt = 0;
    std::size_t colorCount = 0;
    std::size_t pixelsAt = 0;
};

bool KnownHeaderSize(std::uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == kMaxHeaderBytes;
}

// 32-bit files may say BI_BITFIELDS as long as the masks are the plain ones.
bool PlainMasks(ByteReader in, std::size_t masksAt) {
    in.Seek(masksAt);
    const auto red = in.U32();
    const auto green = in.U32();
    const auto blue = in.U32();
    return in.Ok() && red == 0x00FF0000u && green == 0x0000FF00u && blue == 0x000000FFu;
}

std::optional<BmpLayout> ParseLayout(std::span<const std::uint8_t> file) {
    ByteReader in(file);
    const auto signature = in.U16();
    in.Seek(10);
    const std::uint64_t pixelsAt = in.U32();
    const auto headerSize = in.U32();
    BmpLayout layout;
    layout.width = in.I32();
    layout.height = in.I32();
    const auto planes = in.U16();
    layout.bitsPerPixel = in.U16();
    const auto compression = in.U32();
    const auto imageSize = in.U32();
    in.Seek(kFileHeaderBytes + 32);
    const auto colorsUsed = in.U32();
    if (!in.Ok() || signature != 0x4D42 || !KnownHeaderSize(headerSize) || planes != 1 ||
        kFileHeaderBytes + headerSize > file.size()) {
        return std::nullopt;
    }
    const int bits = layout.bitsPerPixel;
    const std::size_t pixelBytes = CheckedDibBytes(layout.width, layout.height, bits);
    if ((bits != 8 && bits != 24 && bits != 32) || pixelBytes == 0 ||
        (imageSize != 0 && imageSize < pixelBytes)) {
        return std::nullopt;
    }
    std::size_t headersEnd = kFileHeaderBytes + headerSize;
    if (compression == win::BI_BITFIELDS && bits == 32) {
        const bool masksAfterHeader = headerSize == kInfoHeaderBytes;
        if (!PlainMasks(ByteReader(file), kFileHeaderBytes + kInfoHeaderBytes)) {
            return std::nullopt;
        }
        headersEnd += masksAfterHeader ? 12 : 0;
    } else if (compression != win::BI_RGB) {
        return std::nullopt;
    }
    layout.colorsAt = headersEnd;
    if (bits == 8) {
        if (colorsUsed > 256) {
            return std::nullopt;
        }
        layout.colorCount = colorsUsed == 0 ? 256 : colorsUsed;
        headersEnd += 4 * layout.colorCount;
    }
    if (pixelsAt < headersEnd || pixelsAt + pixelBytes > file.size()) {
        return std::nullopt;
    }
    layout.pixelsAt = static_cast<std::size_t>(pixelsAt);
    return layout;
}

void CopyColors(std::span<const std::uint8_t> file, const BmpLayout& layout, DibObject& dib) {
    for (std::size_t i = 0; i < layout.colorCount; ++i) {
        const std::uint8_t* entry = file.data() + layout.colorsAt + 4 * i;
        dib.colors[i] = {entry[0], entry[1], entry[2], entry[3]};
    }
}

// File rows run bottom-up for a positive height and top-down for a negative
// one; the section is always bottom-up, like the sections the program makes.
void CopyRows(std::span<const std::uint8_t> file, const BmpLayout& layout, DibObject& dib) {
    const auto rowBytes = static_cast<std::size_t>(dib.stride);
    for (std::int32_t r = 0; r < dib.height; ++r) {
        const std::int32_t fromTop = layout.height < 0 ? r : dib.height - 1 - r;
        const std::uint8_t* source =
            file.data() + layout.pixelsAt + static_cast<std::size_t>(r) * rowBytes;
        std::memcpy(dib.RowFromTop(fromTop), source, rowBytes);
    }
}

void WriteFileHeaders(ByteWriter& out, const DibObject& dib) {
    const std::uint32_t colorBytes = dib.bitsPerPixel == 8 ? 1024 : 0;
    const std::uint32_t pixelsAt =
        static_cast<std::uint32_t>(kFileHeaderBytes) + kInfoHeaderBytes + colorBytes;
    const auto imageBytes = static_cast<std::uint32_t>(dib.bits.size());
    out.U16(0x4D42);
    out.U32(pixelsAt + imageBytes);
    out.U32(0);
    out.U32(pixelsAt);
    out.U32(kInfoHeaderBytes);
    out.I32(dib.width);
    out.I32(dib.height);
    out.U16(1);
    out.U16(static_cast<std::uint16_t>(dib.bitsPerPixel));
    out.U32(win::BI_RGB);
    out.U32(imageBytes);
    out.Zeros(16);  // resolutions and colour counts
}

}  // namespace

win::HBITMAP DecodeBmp(std::span<const std::uint8_t> file) {
    const auto layout = ParseLayout(file);
    if (!layout) {
        return {};
    }
    auto dib = MakeDib(layout->width, layout->height < 0 ? -layout->height : layout->height,
                       layout->bitsPerPixel);
    if (!dib) {
        return {};
    }
    CopyColors(file, *layout, *dib);
    CopyRows(file, *layout, *dib);
    auto& table = Table();
    auto lock = table.Lock();
    return win::HBITMAP{table.Add(std::move(*dib))};
}

std::string EncodeBmp(win::HBITMAP bitmap) {
    auto& table = Table();
    auto lock = table.Lock();
    const DibObject* dib = table.Find<DibObject>(bitmap.id);
    if (dib == nullptr) {
        return {};
    }
    ByteWriter out;
    WriteFileHeaders(out, *dib);
    if (dib->bitsPerPixel == 8) {
        for (const win::RGBQUAD& entry : dib->colors) {
            out.Bytes(std::array{entry.rgbBlue, entry.rgbGreen, entry.rgbRed, entry.rgbReserved});
        }
    }
    const auto rowBytes = static_cast<std::size_t>(dib->stride);
    for (std::int32_t r = dib->height - 1; r >= 0; --r) {
        out.Bytes({dib->RowFromTop(r), rowBytes});
    }
    return out.Take();
}

bool SaveBitmapFile(win::HBITMAP bitmap, std::string_view fileName) {
    const std::string bytes = EncodeBmp(bitmap);
    return !bytes.empty() && fs::WriteAll(fileName, bytes);
}

}  // namespace decalia::gdi

namespace win {

HBITMAP LoadImageA(std::nullptr_t, std::string_view fileName, unsigned type, int cx, int cy,
                   unsigned flags) {
    if (type != IMAGE_BITMAP || (flags & LR_LOADFROMFILE) == 0 || cx != 0 || cy != 0) {
        return {};
    }
    // Headers and a full colour table at most, then the largest bits allowed.
    constexpr std::uint64_t kLargestFile = 14 + 124 + 1024 + decalia::gdi::kMaxDibBytes;
    const auto bytes = decalia::fs::ReadAll(fileName, kLargestFile);
    if (!bytes) {
        return {};
    }
    return decalia::gdi::DecodeBmp(decalia::gdi::AsBytes(*bytes));
}

}  // namespace win
