#include "platform/gdi/Dib.h"

#include "platform/gdi/GdiTable.h"
#include "platform/gdi/PixelRow.h"

#include <algorithm>
#include <cstdlib>

namespace decalia::gdi {

std::int64_t DibStride(std::int64_t width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

std::size_t CheckedDibBytes(std::int64_t width, std::int64_t height, int bitsPerPixel) {
    // Both sides are capped before multiplying, so nothing here can overflow.
    const std::int64_t rows = height < 0 ? -height : height;
    if (width <= 0 || rows == 0 || width > kMaxDibSide || rows > kMaxDibSide) {
        return 0;
    }
    if (bitsPerPixel <= 0 || bitsPerPixel > 32) {
        return 0;
    }
    const std::int64_t bytes = DibStride(width, bitsPerPixel) * rows;
    if (bytes > static_cast<std::int64_t>(kMaxDibBytes)) {
        return 0;
    }
    return static_cast<std::size_t>(bytes);
}

std::optional<DibObject> MakeDib(std::int32_t width, std::int32_t height, int bitsPerPixel) {
    if (bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32) {
        return std::nullopt;
    }
    const std::size_t bytes = CheckedDibBytes(width, height, bitsPerPixel);
    if (bytes == 0) {
        return std::nullopt;
    }
    DibObject dib;
    dib.width = width;
    dib.height = height < 0 ? -height : height;
    dib.topDown = height < 0;
    dib.bitsPerPixel = bitsPerPixel;
    dib.stride = DibStride(width, bitsPerPixel);
    dib.bits.assign(bytes, 0);
    return dib;
}

}  // namespace decalia::gdi

namespace win {

using decalia::gdi::DcObject;
using decalia::gdi::DibObject;
using decalia::gdi::kStockBitmapId;
using decalia::gdi::Table;

namespace {

BITMAP DescribeStock() {
    BITMAP stock;
    stock.bmWidth = 1;
    stock.bmHeight = 1;
    stock.bmWidthBytes = 2;
    stock.bmBitsPixel = 1;
    return stock;
}

BITMAP Describe(DibObject& dib) {
    BITMAP out;
    out.bmWidth = dib.width;
    out.bmHeight = dib.height;
    out.bmWidthBytes = static_cast<std::int32_t>(dib.stride);
    out.bmBitsPixel = static_cast<std::uint16_t>(dib.bitsPerPixel);
    out.bmBits = dib.bits.data();
    return out;
}

std::uint32_t ImageBytes(const DibObject& dib) {
    return static_cast<std::uint32_t>(dib.stride * dib.height);
}

// Rows [first, first + count) counted from the bottom, copied in the format
// the header asks for.
void CopyRowsOut(const DibObject& dib, std::int32_t first, std::int32_t count, std::uint8_t* out,
                 const BITMAPINFOHEADER& format) {
    const std::int64_t outStride = decalia::gdi::DibStride(dib.width, format.biBitCount);
    const bool topDownOut = format.biHeight < 0;
    for (std::int32_t k = 0; k < count; ++k) {
        const std::int32_t fromBottom = topDownOut ? first + count - 1 - k : first + k;
        const std::uint8_t* row = dib.RowFromTop(dib.height - 1 - fromBottom);
        decalia::gdi::ConvertPixels(row, dib.bitsPerPixel, dib.colors, out + k * outStride,
                                    format.biBitCount, dib.width);
    }
}

}  // namespace

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO& info, unsigned usage, std::uint8_t** bits) {
    const BITMAPINFOHEADER& header = info.bmiHeader;
    if (bits != nullptr) {
        *bits = nullptr;
    }
    if (usage != DIB_RGB_COLORS || header.biSize < 40 || header.biPlanes != 1 ||
        header.biCompression != BI_RGB || header.biClrUsed > 256) {
        return {};
    }
    auto& table = Table();
    auto lock = table.Lock();
    if (dc && table.Find<DcObject>(dc.id) == nullptr) {
        return {};
    }
    auto dib = decalia::gdi::MakeDib(header.biWidth, header.biHeight, header.biBitCount);
    if (!dib) {
        return {};
    }
    if (dib->bitsPerPixel == 8) {
        const std::size_t used = header.biClrUsed == 0 ? 256 : header.biClrUsed;
        std::copy_n(info.bmiColors.begin(), used, dib->colors.begin());
    }
    const std::uint32_t id = table.Add(std::move(*dib));
    if (DibObject* added = table.Find<DibObject>(id); bits != nullptr && added != nullptr) {
        *bits = added->bits.data();
    }
    return HBITMAP{id};
}

bool GetObject(HBITMAP bitmap, BITMAP& out) {
    if (bitmap.id == kStockBitmapId) {
        out = DescribeStock();
        return true;
    }
    auto& table = Table();
    auto lock = table.Lock();
    DibObject* dib = table.Find<DibObject>(bitmap.id);
    if (dib == nullptr) {
        return false;
    }
    out = Describe(*dib);
    return true;
}

bool GetObject(HBITMAP bitmap, DIBSECTION& out) {
    auto& table = Table();
    auto lock = table.Lock();
    DibObject* dib = table.Find<DibObject>(bitmap.id);
    if (dib == nullptr) {
        return false;
    }
    out.dsBm = Describe(*dib);
    out.dsBmih = BITMAPINFOHEADER{};
    out.dsBmih.biWidth = dib->width;
    out.dsBmih.biHeight = dib->topDown ? -dib->height : dib->height;
    out.dsBmih.biBitCount = static_cast<std::uint16_t>(dib->bitsPerPixel);
    out.dsBmih.biSizeImage = ImageBytes(*dib);
    out.dsBmih.biClrUsed = dib->bitsPerPixel == 8 ? 256 : 0;
    return true;
}

int GetDIBits(HDC dc, HBITMAP bitmap, unsigned start, unsigned lines, std::span<std::uint8_t> bits,
              BITMAPINFO& info, unsigned usage) {
    auto& table = Table();
    auto lock = table.Lock();
    const DibObject* dib = table.Find<DibObject>(bitmap.id);
    BITMAPINFOHEADER& format = info.bmiHeader;
    if (table.Find<DcObject>(dc.id) == nullptr || dib == nullptr || usage != DIB_RGB_COLORS ||
        format.biWidth != dib->width || format.biCompression != BI_RGB ||
        !decalia::gdi::CanConvertPixels(dib->bitsPerPixel, format.biBitCount) ||
        start >= static_cast<unsigned>(dib->height)) {
        return 0;
    }
    const auto first = static_cast<std::int32_t>(start);
    const std::int32_t count = static_cast<std::int32_t>(
        std::min<unsigned>(lines, static_cast<unsigned>(dib->height) - start));
    if (count == 0) {
        return 0;
    }
    const std::int64_t outStride = decalia::gdi::DibStride(dib->width, format.biBitCount);
    if (format.biBitCount == 8) {
        info.bmiColors = dib->colors;
    }
    if (bits.data() == nullptr) {
        format.biSizeImage = static_cast<std::uint32_t>(outStride * dib->height);
        return count;
    }
    if (static_cast<std::int64_t>(bits.size()) < outStride * count) {
        return 0;
    }
    CopyRowsOut(*dib, first, count, bits.data(), format);
    return count;
}

unsigned GetDIBColorTable(HDC dc, unsigned start, std::span<RGBQUAD> colors) {
    auto& table = Table();
    auto lock = table.Lock();
    const DibObject* dib = decalia::gdi::SelectedDib(table, dc);
    if (dib == nullptr || dib->bitsPerPixel != 8 || start >= 256) {
        return 0;
    }
    const std::size_t count = std::min<std::size_t>(colors.size(), 256 - start);
    std::copy_n(dib->colors.begin() + start, count, colors.begin());
    return static_cast<unsigned>(count);
}

unsigned SetDIBColorTable(HDC dc, unsigned start, std::span<const RGBQUAD> colors) {
    auto& table = Table();
    auto lock = table.Lock();
    DibObject* dib = decalia::gdi::SelectedDib(table, dc);
    if (dib == nullptr || dib->bitsPerPixel != 8 || start >= 256) {
        return 0;
    }
    const std::size_t count = std::min<std::size_t>(colors.size(), 256 - start);
    std::copy_n(colors.begin(), count, dib->colors.begin() + start);
    return static_cast<unsigned>(count);
}

COLORREF GetPixel(HDC dc, int x, int y) {
    auto& table = Table();
    auto lock = table.Lock();
    const DibObject* dib = decalia::gdi::SelectedDib(table, dc);
    if (dib == nullptr || x < 0 || y < 0 || x >= dib->width || y >= dib->height) {
        return CLR_INVALID;
    }
    const std::uint8_t* row = dib->RowFromTop(y);
    if (dib->bitsPerPixel == 8) {
        const RGBQUAD& entry = dib->colors[row[x]];
        return RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue);
    }
    const std::uint8_t* pixel = row + static_cast<std::ptrdiff_t>(x) * (dib->bitsPerPixel / 8);
    return RGB(pixel[2], pixel[1], pixel[0]);
}

}  // namespace win
