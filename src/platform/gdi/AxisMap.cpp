#include "platform/gdi/AxisMap.h"

#include <algorithm>
#include <cstdlib>

namespace decalia::gdi {

namespace {

// Walk position k of an extent (0 = its start) as a pixel coordinate.
std::int64_t Position(const AxisExtent& extent, std::int64_t k) {
    return extent.size < 0 ? extent.start - k : extent.start + k;
}

// The walk positions k in [0, count) whose pixel lies in [0, length).
struct KRange {
    std::int64_t first = 0;
    std::int64_t last = -1;  // inclusive
};

KRange InsideRange(const AxisExtent& extent, std::int64_t count, std::int64_t length) {
    KRange range;
    if (extent.size < 0) {  // start - k in [0, length)
        range.first = extent.start - (length - 1);
        range.last = extent.start;
    } else {  // start + k in [0, length)
        range.first = -extent.start;
        range.last = length - 1 - extent.start;
    }
    range.first = std::max<std::int64_t>(range.first, 0);
    range.last = std::min<std::int64_t>(range.last, count - 1);
    return range;
}

void AddPair(AxisMap& map, std::int64_t sourcePixel, std::int64_t destPixel) {
    if (map.dest.empty() || map.dest.back() != destPixel) {
        map.dest.push_back(static_cast<std::int32_t>(destPixel));
        map.groupStart.push_back(static_cast<std::int32_t>(map.source.size()));
    }
    map.source.push_back(static_cast<std::int32_t>(sourcePixel));
}

}  // namespace

bool AxisMap::Contiguous() const {
    if (!OneToOne()) {
        return false;
    }
    for (std::size_t g = 0; g < dest.size(); ++g) {
        const auto step = static_cast<std::int32_t>(g);
        if (dest[g] != dest[0] + step || source[g] != source[0] + step) {
            return false;
        }
    }
    return true;
}

// The error walk of the default stretch mode has a closed form: enlarging,
// destination pixel j takes source floor((S(2j+1) - 1) / 2D); shrinking,
// source pixel i lands on destination floor((D(2i+1) - 1) / 2S). It lets us
// visit only the pixels inside the bitmaps, however large the rectangles.
AxisMap MapAxis(AxisExtent source, std::int64_t sourceLength, AxisExtent dest,
                std::int64_t destLength) {
    // Both negative is no mirror: the rectangles run from start + size up to
    // start, as ordinary rectangles do, not to start inclusive as a mirror does.
    if (source.size < 0 && dest.size < 0) {
        source = {source.start + source.size, -source.size};
        dest = {dest.start + dest.size, -dest.size};
    }
    const std::int64_t s = std::abs(source.size);
    const std::int64_t d = std::abs(dest.size);
    AxisMap map;
    if (s == 0 || d == 0) {
        map.groupStart.push_back(0);
        return map;
    }
    if (s <= d) {
        const KRange range = InsideRange(dest, d, destLength);
        for (std::int64_t j = range.first; j <= range.last; ++j) {
            const std::int64_t sourcePixel = Position(source, (s * (2 * j + 1) - 1) / (2 * d));
            if (sourcePixel >= 0 && sourcePixel < sourceLength) {
                AddPair(map, sourcePixel, Position(dest, j));
            }
        }
    } else {
        // Shrinking to a single pixel leaves the last source pixel out, unless
        // the source is walked backwards.
        const std::int64_t walked = d == 1 && source.size > 0 ? s - 1 : s;
        const KRange range = InsideRange(source, walked, sourceLength);
        for (std::int64_t i = range.first; i <= range.last; ++i) {
            const std::int64_t destPixel = Position(dest, (d * (2 * i + 1) - 1) / (2 * s));
            if (destPixel >= 0 && destPixel < destLength) {
                AddPair(map, Position(source, i), destPixel);
            }
        }
    }
    map.groupStart.push_back(static_cast<std::int32_t>(map.source.size()));
    return map;
}

}  // namespace decalia::gdi
