#include "platform/gdi/StretchBlt.h"

#include "platform/gdi/AxisMap.h"
#include "platform/gdi/GdiTable.h"
#include "platform/gdi/PixelRow.h"

#include <cstring>
#include <vector>

namespace decalia::gdi {

namespace {

// Source rows, already in the destination's pixel format.
class SourceRows {
public:
    SourceRows(const DibObject& source, int destBitsPerPixel, bool copyFirst)
        : source_(source),
          destBitsPerPixel_(destBitsPerPixel),
          converted_(static_cast<std::size_t>(source.width) * 4) {
        // Reading and writing one bitmap: read from a snapshot so that rows
        // already written are not read again.
        if (copyFirst) {
            snapshot_ = source.bits;
        }
    }

    std::int32_t Width() const { return source_.width; }

    const std::uint8_t* Row(std::int32_t fromTop) {
        const std::uint8_t* base = snapshot_.empty() ? source_.bits.data() : snapshot_.data();
        const std::uint8_t* row = base + source_.RowOffset(fromTop);
        if (source_.bitsPerPixel == destBitsPerPixel_) {
            return row;
        }
        ConvertPixels(row, source_.bitsPerPixel, source_.colors, converted_.data(),
                      destBitsPerPixel_, source_.width);
        return converted_.data();
    }

private:
    const DibObject& source_;
    int destBitsPerPixel_;
    std::vector<std::uint8_t> snapshot_;
    std::vector<std::uint8_t> converted_;
};

// Byte offset of pixel `index` in a row.
template <std::size_t kBytes>
std::size_t At(std::int32_t index) {
    return static_cast<std::size_t>(index) * kBytes;
}

// Pixels travel in registers; byte-wise copies through memory stall on
// store forwarding at 3 bytes a pixel.
template <std::size_t kBytes>
std::uint32_t LoadPixel(const std::uint8_t* pixel) {
    std::uint32_t value = 0;
    for (std::size_t b = 0; b < kBytes; ++b) {
        value |= std::uint32_t{pixel[b]} << (8 * b);
    }
    return value;
}

template <std::size_t kBytes>
void StorePixel(std::uint8_t* pixel, std::uint32_t value) {
    for (std::size_t b = 0; b < kBytes; ++b) {
        pixel[b] = static_cast<std::uint8_t>(value >> (8 * b));
    }
}

template <std::size_t kBytes>
void StoreRow(const std::uint8_t* source, std::uint8_t* dest, const AxisMap& columns) {
    const std::int32_t* starts = columns.groupStart.data();
    const std::int32_t* sourcePixels = columns.source.data();
    for (std::size_t g = 0; g < columns.Groups(); ++g) {
        const auto first = static_cast<std::size_t>(starts[g]);
        const auto end = static_cast<std::size_t>(starts[g + 1]);
        std::uint32_t value = LoadPixel<kBytes>(source + At<kBytes>(sourcePixels[first]));
        for (std::size_t k = first + 1; k < end; ++k) {
            value &= LoadPixel<kBytes>(source + At<kBytes>(sourcePixels[k]));
        }
        StorePixel<kBytes>(dest + At<kBytes>(columns.dest[g]), value);
    }
}

// combined &= next, a machine word at a time.
void AndBytes(std::uint8_t* combined, const std::uint8_t* next, std::size_t count) {
    std::size_t b = 0;
    for (; b + 8 <= count; b += 8) {
        std::uint64_t x = 0;
        std::uint64_t y = 0;
        std::memcpy(&x, combined + b, 8);
        std::memcpy(&y, next + b, 8);
        x &= y;
        std::memcpy(combined + b, &x, 8);
    }
    for (; b < count; ++b) {
        combined[b] &= next[b];
    }
}

// Rows landing on one destination row are ANDed together first, so the
// column pass runs once per destination row.
template <std::size_t kBytes>
void CopyRows(SourceRows& rows, DibObject& dest, const AxisMap& rowMap, const AxisMap& columns) {
    const bool memcpyRows = columns.Contiguous();
    const auto runBytes = columns.Groups() * kBytes;
    const auto rowBytes = static_cast<std::size_t>(rows.Width()) * kBytes;
    std::vector<std::uint8_t> combined(rowBytes);
    for (std::size_t g = 0; g < rowMap.Groups(); ++g) {
        std::uint8_t* target = dest.RowFromTop(rowMap.dest[g]);
        const auto first = static_cast<std::size_t>(rowMap.groupStart[g]);
        const auto end = static_cast<std::size_t>(rowMap.groupStart[g + 1]);
        const std::uint8_t* source = rows.Row(rowMap.source[first]);
        if (end - first > 1) {
            std::memcpy(combined.data(), source, rowBytes);
            for (std::size_t k = first + 1; k < end; ++k) {
                AndBytes(combined.data(), rows.Row(rowMap.source[k]), rowBytes);
            }
            source = combined.data();
        }
        if (memcpyRows) {
            std::memcpy(target + At<kBytes>(columns.dest[0]),
                        source + At<kBytes>(columns.source[0]), runBytes);
        } else {
            StoreRow<kBytes>(source, target, columns);
        }
    }
}

void ScaledCopy(const DibObject& source, DibObject& dest, AxisExtent sourceX, AxisExtent sourceY,
                AxisExtent destX, AxisExtent destY) {
    const AxisMap columns = MapAxis(sourceX, source.width, destX, dest.width);
    const AxisMap rowMap = MapAxis(sourceY, source.height, destY, dest.height);
    if (columns.Groups() == 0 || rowMap.Groups() == 0) {
        return;
    }
    SourceRows rows(source, dest.bitsPerPixel, &source == &dest);
    switch (dest.bitsPerPixel) {
    case 8:
        CopyRows<1>(rows, dest, rowMap, columns);
        break;
    case 24:
        CopyRows<3>(rows, dest, rowMap, columns);
        break;
    default:
        CopyRows<4>(rows, dest, rowMap, columns);
        break;
    }
}

}  // namespace

}  // namespace decalia::gdi

namespace win {

bool StretchBlt(HDC destDc, int destX, int destY, int destWidth, int destHeight, HDC srcDc,
                int srcX, int srcY, int srcWidth, int srcHeight, std::uint32_t rasterOp) {
    using decalia::gdi::AxisExtent;
    auto& table = decalia::gdi::Table();
    auto lock = table.Lock();
    decalia::gdi::DibObject* dest = decalia::gdi::SelectedDib(table, destDc);
    const decalia::gdi::DibObject* source = decalia::gdi::SelectedDib(table, srcDc);
    if (rasterOp != SRCCOPY || dest == nullptr || source == nullptr ||
        !decalia::gdi::CanConvertPixels(source->bitsPerPixel, dest->bitsPerPixel)) {
        return false;
    }
    decalia::gdi::ScaledCopy(*source, *dest, AxisExtent{srcX, srcWidth},
                             AxisExtent{srcY, srcHeight}, AxisExtent{destX, destWidth},
                             AxisExtent{destY, destHeight});
    return true;
}

}  // namespace win
