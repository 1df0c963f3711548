#pragma once
// GDI handles, colours and device contexts.
//
// Reproduces: handles as numbers in one process-wide object table, so a deleted
// or never-made handle fails cleanly (false / null / 0) instead of crashing;
// COLORREF with red in the low byte and RGB(); memory DCs that start with a
// stock 1 x 1 monochrome bitmap, so the first SelectObject returns a non-null
// handle; SelectObject returns the previous bitmap; a bitmap is selected into
// at most one DC, and DeleteObject refuses a bitmap that is still selected
// (delete the DC first, as the program does); DeleteDC leaves the selected
// bitmap alive; DeleteObject of a stock object does nothing and succeeds.
// Leaves out: pens, brushes, palettes (HPALETTE), clip regions selected into a
// DC, fonts selected into a DC, mapping modes, device-dependent bitmaps.
// Handle numbers are never reused within a process.

#include <compare>
#include <cstdint>
#include <type_traits>

namespace win {

using COLORREF = std::uint32_t;
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

constexpr COLORREF RGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<COLORREF>(red) | (static_cast<COLORREF>(green) << 8) |
           (static_cast<COLORREF>(blue) << 16);
}
constexpr std::uint8_t GetRValue(COLORREF color) {
    return static_cast<std::uint8_t>(color);
}
constexpr std::uint8_t GetGValue(COLORREF color) {
    return static_cast<std::uint8_t>(color >> 8);
}
constexpr std::uint8_t GetBValue(COLORREF color) {
    return static_cast<std::uint8_t>(color >> 16);
}

// Any object DeleteObject accepts: bitmaps, regions, fonts.
struct HGDIOBJ {
    std::uint32_t id = 0;
    explicit operator bool() const { return id != 0; }
    friend auto operator<=>(const HGDIOBJ&, const HGDIOBJ&) = default;
};

// A typed handle; the deletable kinds convert to HGDIOBJ.
template <class Tag, bool kIsGdiObject>
struct Handle {
    std::uint32_t id = 0;
    explicit operator bool() const { return id != 0; }
    operator HGDIOBJ() const requires kIsGdiObject { return HGDIOBJ{id}; }
    friend auto operator<=>(const Handle&, const Handle&) = default;
};

using HBITMAP = Handle<struct BitmapTag, true>;
using HRGN = Handle<struct RegionTag, true>;
using HFONT = Handle<struct FontTag, true>;
using HDC = Handle<struct DcTag, false>;

// A memory DC; the argument is the DC it is compatible with (null for the
// screen). Fails (null) when that DC is given but no longer exists.
[[nodiscard]] HDC CreateCompatibleDC(HDC compatibleWith);
// A DC for the whole screen: it has no surface, only device capabilities.
// Only the driver name "DISPLAY" is known.
[[nodiscard]] HDC CreateDCA(const char* driver);
bool DeleteDC(HDC dc);

// Selects a bitmap into a memory DC and returns the one selected before; null
// when either handle is invalid or the bitmap is selected into another DC.
HBITMAP SelectObject(HDC dc, HBITMAP bitmap);

inline constexpr unsigned OBJ_BITMAP = 7;
// The bitmap currently selected into a DC (the stock bitmap for a fresh one).
HBITMAP GetCurrentObject(HDC dc, unsigned objectType);

bool DeleteObject(HGDIOBJ object);

}  // namespace win

namespace decalia::gdi {

// Deletes a GDI object (or a DC) when it goes; for code that owns a handle for
// a scope. Code that mirrors explicit create/delete pairs uses the raw handles.
template <class H>
class Owned {
public:
    Owned() = default;
    explicit Owned(H handle) : handle_(handle) {}
    ~Owned() { Reset(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : handle_(other.Release()) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = other.Release();
        }
        return *this;
    }

    H Get() const { return handle_; }
    explicit operator bool() const { return static_cast<bool>(handle_); }
    H Release() {
        H handle = handle_;
        handle_ = H{};
        return handle;
    }
    void Reset() {
        if (handle_) {
            if constexpr (std::is_same_v<H, win::HDC>) {
                win::DeleteDC(handle_);
            } else {
                win::DeleteObject(handle_);
            }
        }
        handle_ = H{};
    }

private:
    H handle_{};
};

}  // namespace decalia::gdi
