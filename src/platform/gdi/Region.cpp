#include "platform/gdi/Region.h"

#include "platform/gdi/ByteIo.h"
#include "platform/gdi/GdiTable.h"

#include <algorithm>
#include <string>
#include <vector>

namespace decalia::gdi {

namespace {

constexpr std::uint32_t kHeaderBytes = 32;
constexpr std::uint32_t kRectBytes = 16;
constexpr std::size_t kMaxUnorderedRects = 65536;

int RegionType(const RegionShape& shape) {
    if (shape.Empty()) return win::NULLREGION;
    return shape.RectCount() == 1 ? win::SIMPLEREGION : win::COMPLEXREGION;
}

std::optional<CombineOp> OpOf(int mode) {
    switch (mode) {
    case win::RGN_AND:
        return CombineOp::And;
    case win::RGN_OR:
        return CombineOp::Or;
    case win::RGN_XOR:
        return CombineOp::Xor;
    case win::RGN_DIFF:
        return CombineOp::Diff;
    default:
        return std::nullopt;
    }
}

void WriteRect(ByteWriter& out, const Rect& rect) {
    out.I32(rect.left);
    out.I32(rect.top);
    out.I32(rect.right);
    out.I32(rect.bottom);
}

std::string RegionBytes(const RegionShape& shape) {
    const std::vector<Rect> rects = shape.Rects();
    const auto count = static_cast<std::uint32_t>(rects.size());
    ByteWriter out;
    out.U32(kHeaderBytes);
    out.U32(win::RDH_RECTANGLES);
    out.U32(count);
    out.U32(count * kRectBytes);
    WriteRect(out, shape.Bounds());
    for (const Rect& rect : rects) {
        WriteRect(out, rect);
    }
    return out.Take();
}

std::optional<RegionShape> ParseRegionBytes(std::span<const std::uint8_t> data) {
    if (data.size() < kHeaderBytes) {
        return std::nullopt;
    }
    ByteReader in(data);
    const auto size = in.U32();
    in.U32();  // the type: Windows reads rectangles whatever it says
    const auto count = in.U32();
    if (!in.Ok() || size != kHeaderBytes || count > (data.size() - kHeaderBytes) / kRectBytes ||
        count > kMaxRegionRects) {
        return std::nullopt;
    }
    in.Seek(kHeaderBytes);
    std::vector<Rect> rects(count);
    for (Rect& rect : rects) {
        rect = {in.I32(), in.I32(), in.I32(), in.I32()};
    }
    std::erase_if(rects, [](const Rect& r) { return r.left >= r.right || r.top >= r.bottom; });
    // Region data as written is already banded; only that may be long.
    if (auto banded = RegionShape::FromBanded(rects)) {
        return banded;
    }
    if (rects.size() > kMaxUnorderedRects) {
        return std::nullopt;
    }
    return RegionShape::FromRects(rects);
}

}  // namespace

std::optional<RegionShape> ShapeOf(win::HRGN region) {
    auto& table = Table();
    auto lock = table.Lock();
    const RegionObject* object = table.Find<RegionObject>(region.id);
    if (object == nullptr) {
        return std::nullopt;
    }
    return object->shape;
}

}  // namespace decalia::gdi

namespace win {

using decalia::gdi::RegionObject;
using decalia::gdi::RegionShape;
using decalia::gdi::Table;

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    auto& table = Table();
    auto lock = table.Lock();
    return HRGN{table.Add(RegionObject{RegionShape::FromRect({left, top, right, bottom})})};
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
    auto& table = Table();
    auto lock = table.Lock();
    RegionObject* target = table.Find<RegionObject>(dest.id);
    const RegionObject* first = table.Find<RegionObject>(src1.id);
    if (target == nullptr || first == nullptr) {
        return ERROR;
    }
    if (mode == RGN_COPY) {
        target->shape = first->shape;
        return decalia::gdi::RegionType(target->shape);
    }
    const RegionObject* second = table.Find<RegionObject>(src2.id);
    const auto op = decalia::gdi::OpOf(mode);
    if (second == nullptr || !op) {
        return ERROR;
    }
    auto combined = RegionShape::Combine(first->shape, second->shape, *op);
    if (!combined) {
        return ERROR;
    }
    target->shape = std::move(*combined);
    return decalia::gdi::RegionType(target->shape);
}

std::uint32_t GetRegionData(HRGN region, std::span<std::uint8_t> buffer) {
    auto& table = Table();
    auto lock = table.Lock();
    const RegionObject* object = table.Find<RegionObject>(region.id);
    if (object == nullptr) {
        return 0;
    }
    const std::string bytes = decalia::gdi::RegionBytes(object->shape);
    if (buffer.data() == nullptr) {
        return static_cast<std::uint32_t>(bytes.size());
    }
    if (buffer.size() < bytes.size()) {
        return 0;
    }
    std::copy(bytes.begin(), bytes.end(), buffer.begin());
    return static_cast<std::uint32_t>(bytes.size());
}

HRGN ExtCreateRegion(const XFORM* transform, std::span<const std::uint8_t> data) {
    if (transform != nullptr) {
        return {};
    }
    auto shape = decalia::gdi::ParseRegionBytes(data);
    if (!shape) {
        return {};
    }
    auto& table = Table();
    auto lock = table.Lock();
    return HRGN{table.Add(RegionObject{std::move(*shape)})};
}

bool EqualRgn(HRGN a, HRGN b) {
    auto& table = Table();
    auto lock = table.Lock();
    const RegionObject* first = table.Find<RegionObject>(a.id);
    const RegionObject* second = table.Find<RegionObject>(b.id);
    return first != nullptr && second != nullptr && first->shape == second->shape;
}

bool PtInRegion(HRGN region, int x, int y) {
    auto& table = Table();
    auto lock = table.Lock();
    const RegionObject* object = table.Find<RegionObject>(region.id);
    return object != nullptr && object->shape.Contains(x, y);
}

int GetRgnBox(HRGN region, RECT& box) {
    auto& table = Table();
    auto lock = table.Lock();
    const RegionObject* object = table.Find<RegionObject>(region.id);
    if (object == nullptr) {
        return ERROR;
    }
    const decalia::gdi::Rect bounds = object->shape.Bounds();
    box = {bounds.left, bounds.top, bounds.right, bounds.bottom};
    return decalia::gdi::RegionType(object->shape);
}

int OffsetRgn(HRGN region, int dx, int dy) {
    auto& table = Table();
    auto lock = table.Lock();
    RegionObject* object = table.Find<RegionObject>(region.id);
    if (object == nullptr) {
        return ERROR;
    }
    auto moved = object->shape.Offset(dx, dy);
    if (!moved) {
        return ERROR;
    }
    object->shape = std::move(*moved);
    return decalia::gdi::RegionType(object->shape);
}

}  // namespace win
