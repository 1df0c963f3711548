#pragma once
// Which source pixels land on which destination pixel along one axis of a
// StretchBlt (internal).

#include <cstdint>
#include <vector>

namespace decalia::gdi {

// A rectangle's extent on one axis: start and signed size, as StretchBlt
// receives them.
struct AxisExtent {
    std::int64_t start = 0;
    std::int64_t size = 0;
};

// Destination pixels in walk order, each with the source pixels that combine
// into it. Only pairs inside both bitmaps are kept.
struct AxisMap {
    std::vector<std::int32_t> dest;
    std::vector<std::int32_t> groupStart;  // dest.size() + 1 entries into source
    std::vector<std::int32_t> source;

    std::size_t Groups() const { return dest.size(); }
    // Every group holds one source pixel.
    bool OneToOne() const { return source.size() == dest.size(); }
    // Source and destination both ascend by one from their first pixel.
    bool Contiguous() const;
};

AxisMap MapAxis(AxisExtent source, std::int64_t sourceLength, AxisExtent dest,
                std::int64_t destLength);

}  // namespace decalia::gdi
