#pragma once
// The process-wide table behind GDI handles (internal to the gdi library).

#include "platform/gdi/Dib.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/RegionShape.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <variant>
#include <vector>

namespace decalia::gdi {

struct DibObject {
    std::int32_t width = 0;
    std::int32_t height = 0;  // positive
    int bitsPerPixel = 0;
    bool topDown = false;
    std::int64_t stride = 0;
    std::vector<std::uint8_t> bits;
    std::array<win::RGBQUAD, 256> colors{};
    std::uint32_t selectedInto = 0;  // DC id, 0 when not selected

    // Row y counted from the top of the picture.
    std::size_t RowOffset(std::int32_t y) const {
        const std::int64_t memoryRow = topDown ? y : height - 1 - y;
        return static_cast<std::size_t>(memoryRow * stride);
    }
    std::uint8_t* RowFromTop(std::int32_t y) { return bits.data() + RowOffset(y); }
    const std::uint8_t* RowFromTop(std::int32_t y) const { return bits.data() + RowOffset(y); }
};

struct DcObject {
    bool display = false;
    std::uint32_t bitmap = 0;  // selected bitmap id; kStockBitmapId when none of ours
};

struct RegionObject {
    RegionShape shape;
};

struct FontObject {
    win::LOGFONTA font;
};

inline constexpr std::uint32_t kStockBitmapId = 1;

using GdiObject = std::variant<DibObject, DcObject, RegionObject, FontObject>;

class GdiTable {
public:
    // Every access holds this lock for the whole call.
    std::unique_lock<std::mutex> Lock() { return std::unique_lock(mutex_); }

    std::uint32_t Add(GdiObject object);
    bool Remove(std::uint32_t id);

    template <class T>
    T* Find(std::uint32_t id) {
        auto found = objects_.find(id);
        if (found == objects_.end()) {
            return nullptr;
        }
        return std::get_if<T>(found->second.get());
    }

private:
    std::mutex mutex_;
    std::unordered_map<std::uint32_t, std::unique_ptr<GdiObject>> objects_;
    std::uint32_t nextId_ = 16;
};

GdiTable& Table();

// A zeroed bitmap of 8, 24 or 32 bits per pixel whose size passed the guard;
// a negative height makes it top-down. Nothing when the size is refused.
std::optional<DibObject> MakeDib(std::int32_t width, std::int32_t height, int bitsPerPixel);

// The bitmap selected into a memory DC, or null (also for the stock bitmap).
DibObject* SelectedDib(GdiTable& table, win::HDC dc);

}  // namespace decalia::gdi
