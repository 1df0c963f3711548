#pragma once
// Shared by the TUs that include <windows.h> (never by a bridge TU): fonts
// and brushes kept for the life of the process, and our types in Windows'.

#include <windows.h>

#include <exception>

#include "win32/NativeTypes.h"

namespace decalia::win32 {

inline HWND AsHwnd(NativeHandle handle) { return reinterpret_cast<HWND>(handle); }
inline NativeHandle AsHandle(HWND window) { return reinterpret_cast<NativeHandle>(window); }
inline RECT AsRect(const Rect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }
inline Rect FromRect(const RECT& rect) { return Rect{rect.left, rect.top, rect.right, rect.bottom}; }

// One font per description, made once.
HFONT FontFor(const NativeFont& font);
// One solid brush per colour, made once.
HBRUSH BrushFor(Color color);

KeyState KeysOf(WPARAM mouseKeys);
// The keys held now, for keyboard messages.
KeyState KeysNow();

// Executes a paint list into a device context.
void PaintInto(HDC dc, const PaintList& steps);

// An exception thrown while the system called one of our procedures waits
// here and is thrown again once the call is back in our own loop (see
// DispatchUntil): it must not unwind through the system's frames.
std::exception_ptr& PendingException();
template <class Call>
LRESULT Guarded(Call&& call) noexcept {
    try {
        return call();
    } catch (...) {
        if (!PendingException()) PendingException() = std::current_exception();
        return 0;
    }
}

// A form window's message about one of its real child controls
// (notifications, scrolling, colours) handled by that control; false when the
// message is none of those.
bool RouteToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace decalia::win32
