#pragma once
// The scalar types of the window system, with their Windows names.
//
// Window handles are small positive numbers that are never reused within a
// window system, so a stale handle names no window. Window procedures are
// stored in a registry and handed out as numbers (WNDPROC), so that
// SetWindowLong can return the previous one, 0 means "none", and two
// procedures compare as values.

#include <cstdint>
#include <functional>

namespace win {

using HWND = std::int32_t;
using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using WNDPROC = LONG;

// What a window procedure is: any callable with the Windows signature.
using WindowProc = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

struct POINT {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const POINT&, const POINT&) = default;
};

constexpr LPARAM MAKELPARAM(int low, int high) {
    return static_cast<LPARAM>(static_cast<std::int32_t>(
        (static_cast<std::uint32_t>(low) & 0xFFFFu) | (static_cast<std::uint32_t>(high) << 16)));
}
constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
    return static_cast<WPARAM>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
constexpr unsigned LOWORD(std::uintptr_t value) { return static_cast<unsigned>(value & 0xFFFFu); }
constexpr unsigned HIWORD(std::uintptr_t value) {
    return static_cast<unsigned>((value >> 16) & 0xFFFFu);
}
// Signed coordinates packed into an lParam, as GET_X_LPARAM reads them.
constexpr int GET_X_LPARAM(LPARAM value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF));
}
constexpr int GET_Y_LPARAM(LPARAM value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((value >> 16) & 0xFFFF));
}

}  // namespace win
