#include "RealWindows.h"

#include <windows.h>

namespace realwin {
namespace {

HRGN Handle(void* handle) {
    return static_cast<HRGN>(handle);
}

}  // namespace

Region::Region(int left, int top, int right, int bottom)
    : handle_(CreateRectRgn(left, top, right, bottom)) {}

Region::Region(std::span<const std::uint8_t> data)
    : handle_(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                              reinterpret_cast<const RGNDATA*>(data.data()))) {}

Region::~Region() {
    if (handle_ != nullptr) DeleteObject(Handle(handle_));
}

int Region::Combine(const Region& first, const Region& second, int mode) {
    return CombineRgn(Handle(handle_), Handle(first.handle_), Handle(second.handle_), mode);
}

std::vector<std::uint8_t> Region::Data() const {
    const DWORD size = GetRegionData(Handle(handle_), 0, nullptr);
    std::vector<std::uint8_t> bytes(size);
    if (size > 0 &&
        GetRegionData(Handle(handle_), size, reinterpret_cast<RGNDATA*>(bytes.data())) != size) {
        bytes.clear();
    }
    return bytes;
}

std::uint32_t Region::DataInto(std::size_t bufferSize) const {
    std::vector<std::uint8_t> buffer(bufferSize);
    return GetRegionData(Handle(handle_), static_cast<DWORD>(bufferSize),
                         reinterpret_cast<RGNDATA*>(buffer.data()));
}

bool Region::Contains(int x, int y) const {
    return PtInRegion(Handle(handle_), x, y) != FALSE;
}

int Region::Offset(int dx, int dy) {
    return OffsetRgn(Handle(handle_), dx, dy);
}

int Region::Box(std::int32_t (&box)[4]) const {
    RECT rect{};
    const int type = GetRgnBox(Handle(handle_), &rect);
    box[0] = rect.left;
    box[1] = rect.top;
    box[2] = rect.right;
    box[3] = rect.bottom;
    return type;
}

bool Region::Equals(const Region& other) const {
    return EqualRgn(Handle(handle_), Handle(other.handle_)) != FALSE;
}

}  // namespace realwin
