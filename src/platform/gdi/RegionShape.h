#pragma once
// A set of pixels kept as y-x bands, the way region data is laid out: bands
// from the top, each a row range with its spans sorted left to right; spans of
// a band never touch (touching ones are joined) and two bands that touch
// vertically never have identical spans (they are merged). Every operation
// returns this canonical form, so equal pixel sets have equal bands.

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

class RegionShape {
public:
    RegionShape() = default;
    // Corners in any order; an empty rectangle gives an empty shape.
    static RegionShape FromRect(Rect rect);
    // The union of rectangles given in any order; empty ones are skipped.
    static RegionShape FromRects(std::span<const Rect> rects);
    // The same from rectangles already in band order (bands top to bottom,
    // each band's rectangles left to right without overlap); nothing otherwise.
    static std::optional<RegionShape> FromBanded(std::span<const Rect> rects);
    static RegionShape Combine(const RegionShape& a, const RegionShape& b, CombineOp op);

    bool Empty() const { return bands_.empty(); }
    bool Contains(std::int32_t x, std::int32_t y) const;
    // All zero for an empty shape.
    Rect Bounds() const;
    std::size_t RectCount() const;
    // The rectangles band by band, left to right.
    std::vector<Rect> Rects() const;
    const std::vector<Band>& Bands() const { return bands_; }
    // Nothing when a coordinate would leave 32 bits.
    std::optional<RegionShape> Offset(std::int32_t dx, std::int32_t dy) const;

    friend bool operator==(const RegionShape&, const RegionShape&) = default;

private:
    // Appends a band below the others, merging it into the last one when they
    // touch and have the same spans.
    void AppendBand(std::int32_t top, std::int32_t bottom, std::vector<Span> spans);

    std::vector<Band> bands_;
};

}  // namespace decalia::gdi
