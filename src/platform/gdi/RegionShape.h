#pragma once
// A set of pixels kept as y-x bands, the way region data is laid out: bands
// from the top, each a row range with its spans sorted left to right; spans of
// a band never touch (touching ones are joined) and two bands that touch
// vertically never have identical spans (they are merged). Every operation
// returns this canonical form, so equal pixel sets have equal bands.
// A few rectangles can combine into millions (a grid of strips gives the
// square of their number), so results past kMaxRegionRects are refused, and
// so is an operation that would read more than kMaxRegionWork spans on the way
// (many spans read band after band can still give a small result).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace decalia::gdi {

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;   // exclusive
    std::int32_t bottom = 0;  // exclusive
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Span {
    std::int32_t left = 0;
    std::int32_t right = 0;  // exclusive
    friend bool operator==(const Span&, const Span&) = default;
};

struct Band {
    std::int32_t top = 0;
    std::int32_t bottom = 0;  // exclusive
    std::vector<Span> spans;
    friend bool operator==(const Band&, const Band&) = default;
};

enum class CombineOp { And, Or, Xor, Diff };

// Far above any real window's outline.
inline constexpr std::size_t kMaxRegionRects = std::size_t{1} << 20;
inline constexpr std::size_t kMaxRegionWork = 4 * kMaxRegionRects;

class RegionShape {
public:
    RegionShape() = default;
    // Corners in any order; an empty rectangle gives an empty shape.
    static RegionShape FromRect(Rect rect);
    // The union of rectangles given in any order; empty ones are skipped.
    // Nothing when it passes the limits above.
    static std::optional<RegionShape> FromRects(std::span<const Rect> rects);
    // The same from rectangles already in band order (bands top to bottom,
    // each band's rectangles left to right without overlap); nothing otherwise
    // or when there are more than kMaxRegionRects.
    static std::optional<RegionShape> FromBanded(std::span<const Rect> rects);
    // Nothing when it passes the limits above.
    static std::optional<RegionShape> Combine(const RegionShape& a, const RegionShape& b,
                                              CombineOp op);

    bool Empty() const { return bands_.empty(); }
    bool Contains(std::int32_t x, std::int32_t y) const;
    // All zero for an empty shape.
    Rect Bounds() const;
    std::size_t RectCount() const { return rectCount_; }
    // The rectangles band by band, left to right.
    std::vector<Rect> Rects() const;
    const std::vector<Band>& Bands() const { return bands_; }
    // Nothing when a coordinate would leave 32 bits.
    std::optional<RegionShape> Offset(std::int32_t dx, std::int32_t dy) const;

    friend bool operator==(const RegionShape&, const RegionShape&) = default;

private:
    // workLeft: the spans this operation may still read; shared by the
    // combinations of one union.
    static std::optional<RegionShape> Combine(const RegionShape& a, const RegionShape& b,
                                              CombineOp op, std::size_t& workLeft);
    static std::optional<RegionShape> Union(std::span<const Rect> rects, std::size_t& workLeft);
    // Appends a band below the others, merging it into the last one when they
    // touch and have the same spans.
    void AppendBand(std::int32_t top, std::int32_t bottom, std::vector<Span> spans);

    std::vector<Band> bands_;
    std::size_t rectCount_ = 0;
};

}  // namespace decalia::gdi
