#include "platform/win/Messages.h"

namespace win {

std::optional<MouseMessage> MouseMessage::From(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message < WM_MOUSEMOVE || message > WM_MBUTTONDBLCLK) {
        return std::nullopt;
    }
    return MouseMessage(message, wParam, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
}

bool MouseMessage::IsPress() const {
    return message_ == WM_LBUTTONDOWN || message_ == WM_RBUTTONDOWN ||
           message_ == WM_MBUTTONDOWN;
}

bool MouseMessage::IsRelease() const {
    return message_ == WM_LBUTTONUP || message_ == WM_RBUTTONUP || message_ == WM_MBUTTONUP;
}

bool MouseMessage::IsDoubleClick() const {
    return message_ == WM_LBUTTONDBLCLK || message_ == WM_RBUTTONDBLCLK ||
           message_ == WM_MBUTTONDBLCLK;
}

std::optional<MouseButton> MouseMessage::Button() const {
    switch (message_) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return MouseButton::Left;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return MouseButton::Middle;
    default:
        return std::nullopt;
    }
}

std::optional<CharMessage> CharMessage::From(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_CHAR) {
        return std::nullopt;
    }
    return CharMessage(static_cast<int>(wParam & 0xFFu));
}

WPARAM MouseKeys(bool left, bool right, bool middle, bool shift, bool control) {
    return (left ? MK_LBUTTON : 0) | (right ? MK_RBUTTON : 0) | (middle ? MK_MBUTTON : 0) |
           (shift ? MK_SHIFT : 0) | (control ? MK_CONTROL : 0);
}

LPARAM PointParam(POINT point) { return MAKELPARAM(point.x, point.y); }

}  // namespace win
