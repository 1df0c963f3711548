// Input from the desktop, focus, capture and pointer tracking.

#include "platform/win/WindowRecord.h"
#include "platform/win/WindowSystem.h"

#include <algorithm>

namespace win {

namespace {

WPARAM ButtonFlag(MouseButton button) {
    switch (button) {
    case MouseButton::Left:
        return MK_LBUTTON;
    case MouseButton::Right:
        return MK_RBUTTON;
    case MouseButton::Middle:
        return MK_MBUTTON;
    }
    return 0;
}

UINT PressMessage(MouseButton button) {
    switch (button) {
    case MouseButton::Left:
        return WM_LBUTTONDOWN;
    case MouseButton::Right:
        return WM_RBUTTONDOWN;
    case MouseButton::Middle:
        return WM_MBUTTONDOWN;
    }
    return 0;
}

// The release and double-click messages follow the press in Windows' numbering.
UINT ReleaseMessage(MouseButton button) { return PressMessage(button) + 1; }
UINT DoubleClickMessage(MouseButton button) { return PressMessage(button) + 2; }

bool Contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

}  // namespace

HWND WindowSystem::SetFocus(HWND window) {
    const HWND previous = focus_;
    if (window != 0 && (!IsWindow(window) || InputBlocked(window))) {
        return 0;
    }
    if (window == previous) {
        return previous;
    }
    focus_ = window;
    if (previous != 0) {
        SendMessageA(previous, WM_KILLFOCUS, static_cast<WPARAM>(window), 0);
    }
    if (window != 0 && focus_ == window) {
        SendMessageA(window, WM_SETFOCUS, static_cast<WPARAM>(previous), 0);
    }
    return previous;
}

HWND WindowSystem::SetCapture(HWND window) {
    const HWND previous = capture_;
    if (IsWindow(window)) {
        capture_ = window;
    }
    return previous;
}

bool WindowSystem::ReleaseCapture() {
    capture_ = 0;
    return true;
}

bool WindowSystem::TrackMouseEvent(const TRACKMOUSEEVENT& request) {
    constexpr DWORD kCancel = 0x80000000u;
    if (request.cbSize != sizeof(TRACKMOUSEEVENT) || !IsWindow(request.hwndTrack) ||
        (request.dwFlags & TME_LEAVE) == 0) {
        return false;
    }
    std::erase(leaveTracked_, request.hwndTrack);
    if ((request.dwFlags & kCancel) != 0) {
        return true;
    }
    if (pointer_ != request.hwndTrack) {
        // Windows answers a request for a window the pointer is not over with
        // an immediate leave.
        PostLeave(request.hwndTrack);
    } else {
        leaveTracked_.push_back(request.hwndTrack);
    }
    return true;
}

void WindowSystem::PostLeave(HWND window) { PostMessageA(window, WM_MOUSELEAVE, 0, 0); }

void WindowSystem::UpdatePointer(HWND over) {
    if (over == pointer_) {
        return;
    }
    const HWND previous = pointer_;
    pointer_ = over;
    // Over a child counts as off the parent's client area, as in Windows.
    const std::vector<HWND> left = leaveTracked_;
    for (const HWND window : left) {
        if (window != over) {
            std::erase(leaveTracked_, window);
            PostLeave(window);
        }
    }
    for (auto& [tooltip, state] : tooltips_) {
        if (state.shownTool != 0 && state.shownTool == previous) {
            state.shownTool = 0;
            desktop_.HideTooltip(tooltip);
        }
    }
}

bool WindowSystem::InputBlocked(HWND window) const {
    return !IsWindowEnabled(window) || !IsWindowVisible(window);
}

WPARAM WindowSystem::KeyState(Modifiers modifiers) const {
    return buttons_ | (modifiers.shift ? MK_SHIFT : 0) | (modifiers.control ? MK_CONTROL : 0);
}

HWND WindowSystem::WindowFromPoint(HWND top, POINT point) const {
    const Window* record = Find(top);
    if (record == nullptr || !record->visible) {
        return 0;
    }
    HWND found = top;
    bool descended = true;
    while (descended) {
        descended = false;
        const std::vector<HWND>& children = Find(found)->children;
        for (auto child = children.rbegin(); child != children.rend(); ++child) {
            const Window* candidate = Find(*child);
            if (candidate->visible && candidate->enabled && Contains(candidate->rect, point)) {
                point.x -= candidate->rect.left;
                point.y -= candidate->rect.top;
                found = candidate->handle;
                descended = true;
                break;
            }
        }
    }
    return found;
}

void WindowSystem::SendMouse(HWND top, POINT point, UINT message, Modifiers modifiers) {
    const HWND over = WindowFromPoint(top, point);
    UpdatePointer(over);
    const HWND target = capture_ != 0 ? capture_ : over;
    if (target != 0 && !InputBlocked(target)) {
        const POINT screen = ClientToScreen(top, point).value_or(point);
        const POINT origin = ClientToScreen(target, POINT{}).value_or(POINT{});
        const POINT local{screen.x - origin.x, screen.y - origin.y};
        NotifyTooltips(target, message);
        SendMessageA(target, message, KeyState(modifiers), PointParam(local));
    }
    DeliverPosted();
}

void WindowSystem::MovePointer(HWND top, POINT point, Modifiers modifiers) {
    SendMouse(top, point, WM_MOUSEMOVE, modifiers);
}

void WindowSystem::PointerLeft() {
    UpdatePointer(0);
    DeliverPosted();
}

void WindowSystem::PressButton(HWND top, POINT point, MouseButton button, Modifiers modifiers) {
    buttons_ |= ButtonFlag(button);
    SendMouse(top, point, PressMessage(button), modifiers);
}

void WindowSystem::DoubleClickButton(HWND top, POINT point, MouseButton button,
                                     Modifiers modifiers) {
    buttons_ |= ButtonFlag(button);
    SendMouse(top, point, DoubleClickMessage(button), modifiers);
}

void WindowSystem::ReleaseButton(HWND top, POINT point, MouseButton button,
                                 Modifiers modifiers) {
    if ((buttons_ & ButtonFlag(button)) == 0) {
        return;
    }
    buttons_ &= ~ButtonFlag(button);
    SendMouse(top, point, ReleaseMessage(button), modifiers);
}

bool WindowSystem::ButtonDown(MouseButton button) const {
    return (buttons_ & ButtonFlag(button)) != 0;
}

void WindowSystem::PressKey(UINT virtualKey, char character) {
    const HWND target = focus_;
    if (target == 0 || InputBlocked(target)) {
        return;
    }
    SendMessageA(target, WM_KEYDOWN, virtualKey, 1);
    if (character != 0 && IsWindow(target)) {
        SendMessageA(target, WM_CHAR, static_cast<unsigned char>(character), 1);
    }
    if (IsWindow(target)) {
        SendMessageA(target, WM_KEYUP, virtualKey, 1);
    }
    DeliverPosted();
}

}  // namespace win
