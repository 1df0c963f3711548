#include "platform/gdi/GdiObjects.h"

#include "platform/gdi/GdiTable.h"

#include <string_view>

namespace decalia::gdi {

std::uint32_t GdiTable::Add(GdiObject object) {
    const std::uint32_t id = nextId_++;
    objects_.emplace(id, std::make_unique<GdiObject>(std::move(object)));
    return id;
}

bool GdiTable::Remove(std::uint32_t id) {
    return objects_.erase(id) == 1;
}

GdiTable& Table() {
    static GdiTable table;
    return table;
}

DibObject* SelectedDib(GdiTable& table, win::HDC dc) {
    const DcObject* dcObject = table.Find<DcObject>(dc.id);
    if (dcObject == nullptr) {
        return nullptr;
    }
    return table.Find<DibObject>(dcObject->bitmap);
}

}  // namespace decalia::gdi

namespace {

bool IsDisplayDriver(std::string_view driver) {
    constexpr std::string_view kDisplay = "DISPLAY";
    if (driver.size() != kDisplay.size()) {
        return false;
    }
    for (std::size_t i = 0; i < driver.size(); ++i) {
        const char upper = (driver[i] >= 'a' && driver[i] <= 'z')
                               ? static_cast<char>(driver[i] - 'a' + 'A')
                               : driver[i];
        if (upper != kDisplay[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

namespace win {

using decalia::gdi::DcObject;
using decalia::gdi::DibObject;
using decalia::gdi::kStockBitmapId;
using decalia::gdi::Table;

HDC CreateCompatibleDC(HDC compatibleWith) {
    auto& table = Table();
    auto lock = table.Lock();
    if (compatibleWith && table.Find<DcObject>(compatibleWith.id) == nullptr) {
        return {};
    }
    return HDC{table.Add(DcObject{false, kStockBitmapId})};
}

HDC CreateDCA(const char* driver) {
    if (driver == nullptr || !IsDisplayDriver(driver)) {
        return {};
    }
    auto& table = Table();
    auto lock = table.Lock();
    return HDC{table.Add(DcObject{true, 0})};
}

bool DeleteDC(HDC dc) {
    auto& table = Table();
    auto lock = table.Lock();
    DcObject* dcObject = table.Find<DcObject>(dc.id);
    if (dcObject == nullptr) {
        return false;
    }
    if (DibObject* dib = table.Find<DibObject>(dcObject->bitmap)) {
        dib->selectedInto = 0;
    }
    return table.Remove(dc.id);
}

HBITMAP SelectObject(HDC dc, HBITMAP bitmap) {
    auto& table = Table();
    auto lock = table.Lock();
    DcObject* dcObject = table.Find<DcObject>(dc.id);
    if (dcObject == nullptr || dcObject->display) {
        return {};
    }
    DibObject* dib = table.Find<DibObject>(bitmap.id);
    if (dib == nullptr && bitmap.id != kStockBitmapId) {
        return {};
    }
    if (dib != nullptr && dib->selectedInto != 0 && dib->selectedInto != dc.id) {
        return {};
    }
    const HBITMAP previous{dcObject->bitmap};
    if (DibObject* old = table.Find<DibObject>(previous.id)) {
        old->selectedInto = 0;
    }
    if (dib != nullptr) {
        dib->selectedInto = dc.id;
    }
    dcObject->bitmap = bitmap.id;
    return previous;
}

HBITMAP GetCurrentObject(HDC dc, unsigned objectType) {
    auto& table = Table();
    auto lock = table.Lock();
    const DcObject* dcObject = table.Find<DcObject>(dc.id);
    if (dcObject == nullptr || objectType != OBJ_BITMAP) {
        return {};
    }
    return HBITMAP{dcObject->bitmap};
}

bool DeleteObject(HGDIOBJ object) {
    if (object.id == kStockBitmapId) {
        return true;
    }
    auto& table = Table();
    auto lock = table.Lock();
    if (table.Find<DcObject>(object.id) != nullptr) {
        return false;  // DCs go through DeleteDC
    }
    if (const DibObject* dib = table.Find<DibObject>(object.id)) {
        if (dib->selectedInto != 0) {
            return false;
        }
    }
    return table.Remove(object.id);
}

}  // namespace win
