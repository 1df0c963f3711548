#include "platform/gdi/RegionShape.h"

#include <algorithm>
#include <limits>

namespace decalia::gdi {

namespace {

bool Inside(CombineOp op, bool inA, bool inB) {
    switch (op) {
    case CombineOp::And:
        return inA && inB;
    case CombineOp::Or:
        return inA || inB;
    case CombineOp::Xor:
        return inA != inB;
    case CombineOp::Diff:
        return inA && !inB;
    }
    return false;
}

void AppendSpan(std::vector<Span>& spans, std::int32_t left, std::int32_t right) {
    if (!spans.empty() && spans.back().right == left) {
        spans.back().right = right;
    } else {
        spans.push_back({left, right});
    }
}

// Walks the edges of two sorted lists of disjoint spans together, in order.
class SpanWalk {
public:
    explicit SpanWalk(const std::vector<Span>& spans) : spans_(spans) {}

    bool Inside() const { return inside_; }
    // The next edge; past the last one, further right than any coordinate.
    std::int64_t Edge() const {
        if (index_ == spans_.size()) return std::numeric_limits<std::int64_t>::max();
        return inside_ ? spans_[index_].right : spans_[index_].left;
    }
    void StepOver(std::int64_t x) {
        while (Edge() == x) {
            if (inside_) ++index_;
            inside_ = !inside_;
        }
    }

private:
    const std::vector<Span>& spans_;
    std::size_t index_ = 0;
    bool inside_ = false;
};

// Combines two sorted lists of disjoint spans.
std::vector<Span> CombineSpans(const std::vector<Span>& a, const std::vector<Span>& b,
                               CombineOp op) {
    std::vector<Span> result;
    SpanWalk walkA(a);
    SpanWalk walkB(b);
    std::int64_t x = std::min(walkA.Edge(), walkB.Edge());
    while (x != std::numeric_limits<std::int64_t>::max()) {
        walkA.StepOver(x);
        walkB.StepOver(x);
        const std::int64_t next = std::min(walkA.Edge(), walkB.Edge());
        if (Inside(op, walkA.Inside(), walkB.Inside())) {
            AppendSpan(result, static_cast<std::int32_t>(x), static_cast<std::int32_t>(next));
        }
        x = next;
    }
    return result;
}

// The spans of the band covering rows from y on, advancing `index` past bands
// that end at or above y.
const std::vector<Span>& SpansAt(const std::vector<Band>& bands, std::size_t& index,
                                 std::int32_t y) {
    static const std::vector<Span> kNone;
    while (index < bands.size() && bands[index].bottom <= y) ++index;
    if (index < bands.size() && bands[index].top <= y) {
        return bands[index].spans;
    }
    return kNone;
}

// The distinct tops and bottoms of two lists of bands, each already in order,
// so merging them is linear.
std::vector<std::int32_t> BandEdges(const std::vector<Band>& a, const std::vector<Band>& b) {
    std::vector<std::int32_t> edges;
    edges.reserve(2 * (a.size() + b.size()));
    for (const auto* list : {&a, &b}) {
        for (const Band& band : *list) {
            edges.push_back(band.top);
            edges.push_back(band.bottom);
        }
    }
    std::inplace_merge(edges.begin(), edges.begin() + static_cast<std::ptrdiff_t>(2 * a.size()),
                       edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    return edges;
}

Rect Normalised(Rect rect) {
    if (rect.left > rect.right) std::swap(rect.left, rect.right);
    if (rect.top > rect.bottom) std::swap(rect.top, rect.bottom);
    return rect;
}

}  // namespace

void RegionShape::AppendBand(std::int32_t top, std::int32_t bottom, std::vector<Span> spans) {
    if (spans.empty() || top >= bottom) {
        return;
    }
    if (!bands_.empty() && bands_.back().bottom == top && bands_.back().spans == spans) {
        bands_.back().bottom = bottom;
        return;
    }
    rectCount_ += spans.size();
    bands_.push_back({top, bottom, std::move(spans)});
}

RegionShape RegionShape::FromRect(Rect rect) {
    rect = Normalised(rect);
    RegionShape shape;
    if (rect.left < rect.right) {
        shape.AppendBand(rect.top, rect.bottom, {{rect.left, rect.right}});
    }
    return shape;
}

std::optional<RegionShape> RegionShape::Combine(const RegionShape& a, const RegionShape& b,
                                                CombineOp op) {
    std::size_t workLeft = kMaxRegionWork;
    return Combine(a, b, op, workLeft);
}

std::optional<RegionShape> RegionShape::Combine(const RegionShape& a, const RegionShape& b,
                                                CombineOp op, std::size_t& workLeft) {
    const std::vector<std::int32_t> edges = BandEdges(a.bands_, b.bands_);
    RegionShape result;
    std::size_t ia = 0;
    std::size_t ib = 0;
    for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
        const std::vector<Span>& spansA = SpansAt(a.bands_, ia, edges[e]);
        const std::vector<Span>& spansB = SpansAt(b.bands_, ib, edges[e]);
        const std::size_t work = spansA.size() + spansB.size();
        if (work > workLeft) {
            return std::nullopt;
        }
        workLeft -= work;
        result.AppendBand(edges[e], edges[e + 1], CombineSpans(spansA, spansB, op));
        if (result.rectCount_ > kMaxRegionRects) {
            return std::nullopt;
        }
    }
    return result;
}

// Rectangles already in band order (as region data is written) are taken in
// one pass; anything else is unioned half by half.
std::optional<RegionShape> RegionShape::FromRects(std::span<const Rect> rects) {
    std::size_t workLeft = kMaxRegionWork;
    return Union(rects, workLeft);
}

std::optional<RegionShape> RegionShape::Union(std::span<const Rect> rects,
                                              std::size_t& workLeft) {
    if (auto banded = FromBanded(rects)) {
        return banded;
    }
    if (rects.size() == 1) {
        const Rect& rect = rects[0];
        return rect.left < rect.right && rect.top < rect.bottom ? FromRect(rect) : RegionShape{};
    }
    const std::size_t half = rects.size() / 2;
    const auto first = Union(rects.first(half), workLeft);
    if (!first) {
        return std::nullopt;
    }
    const auto second = Union(rects.subspan(half), workLeft);
    if (!second) {
        return std::nullopt;
    }
    return Combine(*first, *second, CombineOp::Or, workLeft);
}

std::optional<RegionShape> RegionShape::FromBanded(std::span<const Rect> rects) {
    if (rects.size() > kMaxRegionRects) {
        return std::nullopt;
    }
    RegionShape shape;
    std::size_t i = 0;
    std::int32_t previousBottom = std::numeric_limits<std::int32_t>::min();
    while (i < rects.size()) {
        const Rect& first = rects[i];
        if (first.top >= first.bottom || first.top < previousBottom) {
            return std::nullopt;
        }
        std::vector<Span> spans;
        for (; i < rects.size() && rects[i].top == first.top; ++i) {
            const Rect& rect = rects[i];
            if (rect.bottom != first.bottom || rect.left >= rect.right ||
                (!spans.empty() && rect.left < spans.back().right)) {
                return std::nullopt;
            }
            AppendSpan(spans, rect.left, rect.right);
        }
        shape.AppendBand(first.top, first.bottom, std::move(spans));
        previousBottom = first.bottom;
    }
    return shape;
}

bool RegionShape::Contains(std::int32_t x, std::int32_t y) const {
    for (const Band& band : bands_) {
        if (y < band.top) return false;
        if (y >= band.bottom) continue;
        for (const Span& span : band.spans) {
            if (x >= span.left && x < span.right) return true;
        }
        return false;
    }
    return false;
}

Rect RegionShape::Bounds() const {
    if (bands_.empty()) {
        return {};
    }
    Rect bounds{std::numeric_limits<std::int32_t>::max(), bands_.front().top,
                std::numeric_limits<std::int32_t>::min(), bands_.back().bottom};
    for (const Band& band : bands_) {
        bounds.left = std::min(bounds.left, band.spans.front().left);
        bounds.right = std::max(bounds.right, band.spans.back().right);
    }
    return bounds;
}

std::vector<Rect> RegionShape::Rects() const {
    std::vector<Rect> rects;
    rects.reserve(RectCount());
    for (const Band& band : bands_) {
        for (const Span& span : band.spans) {
            rects.push_back({span.left, band.top, span.right, band.bottom});
        }
    }
    return rects;
}

std::optional<RegionShape> RegionShape::Offset(std::int32_t dx, std::int32_t dy) const {
    if (bands_.empty()) {
        return *this;
    }
    const Rect bounds = Bounds();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    if (std::int64_t{bounds.left} + dx < kMin || std::int64_t{bounds.right} + dx > kMax ||
        std::int64_t{bounds.top} + dy < kMin || std::int64_t{bounds.bottom} + dy > kMax) {
        return std::nullopt;
    }
    RegionShape moved = *this;
    for (Band& band : moved.bands_) {
        band.top += dy;
        band.bottom += dy;
        for (Span& span : band.spans) {
            span.left += dx;
            span.right += dx;
        }
    }
    return moved;
}

}  // namespace decalia::gdi
