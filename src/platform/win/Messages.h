#pragma once
// Message numbers and flags, with their Windows names and values, and small
// typed views that let a window procedure read a message without bit fiddling.
//
// Reproduces: the numbers of the mouse, keyboard, focus, destroy, font and
// non-client messages the program handles; the tooltip messages (TTM_*) and
// their flags; the notifications a control receives back from its parent
// (OCM_* = 0x2000 + the message, as reflected to controls); list, combo and
// scroll notification codes; MK_* key-state flags in wParam of mouse messages.
// Leaves out: every other message; Unicode variants.

#include "platform/win/Types.h"

#include <optional>

namespace win {

// Window lifetime, state and text.
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_MOVE = 0x0003;
inline constexpr UINT WM_SIZE = 0x0005;
inline constexpr UINT WM_ACTIVATE = 0x0006;
inline constexpr UINT WM_SETFOCUS = 0x0007;
inline constexpr UINT WM_KILLFOCUS = 0x0008;
inline constexpr UINT WM_ENABLE = 0x000A;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_SHOWWINDOW = 0x0018;
inline constexpr UINT WM_SETFONT = 0x0030;
inline constexpr UINT WM_GETFONT = 0x0031;
inline constexpr UINT WM_NCDESTROY = 0x0082;
inline constexpr UINT WM_NCLBUTTONDOWN = 0x00A1;

// Keyboard.
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_KEYUP = 0x0101;
inline constexpr UINT WM_CHAR = 0x0102;
inline constexpr UINT VK_BACK = 0x08;
inline constexpr UINT VK_RETURN = 0x0D;
inline constexpr UINT VK_ESCAPE = 0x1B;

// Mouse.
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONUP = 0x0205;
inline constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
inline constexpr UINT WM_MBUTTONDOWN = 0x0207;
inline constexpr UINT WM_MBUTTONUP = 0x0208;
inline constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
inline constexpr UINT WM_MOUSELEAVE = 0x02A3;

inline constexpr WPARAM MK_LBUTTON = 0x0001;
inline constexpr WPARAM MK_RBUTTON = 0x0002;
inline constexpr WPARAM MK_SHIFT = 0x0004;
inline constexpr WPARAM MK_CONTROL = 0x0008;
inline constexpr WPARAM MK_MBUTTON = 0x0010;

// Non-client hit-test codes (wParam of WM_NCLBUTTONDOWN).
inline constexpr WPARAM HTCLIENT = 1;
inline constexpr WPARAM HTCAPTION = 2;

// Notifications reflected back to the control that sent them.
inline constexpr UINT OCM_BASE = 0x2000;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_HSCROLL = 0x0114;
inline constexpr UINT OCM_COMMAND = OCM_BASE + WM_COMMAND;
inline constexpr UINT OCM_HSCROLL = OCM_BASE + WM_HSCROLL;
inline constexpr unsigned LBN_SELCHANGE = 1;
inline constexpr unsigned LBN_DBLCLK = 2;
inline constexpr unsigned CBN_SELCHANGE = 1;
inline constexpr unsigned CBN_DBLCLK = 2;
inline constexpr unsigned SB_LINELEFT = 0;
inline constexpr unsigned SB_LINERIGHT = 1;
inline constexpr unsigned SB_PAGELEFT = 2;
inline constexpr unsigned SB_PAGERIGHT = 3;
inline constexpr unsigned SB_THUMBPOSITION = 4;

// List and combo selection (wParam: the index, -1 for none).
inline constexpr UINT LB_SETCURSEL = 0x0186;
inline constexpr UINT CB_SETCURSEL = 0x014E;

// SetWindowLong indexes.
inline constexpr int GWL_WNDPROC = -4;

// Tooltip control.
inline constexpr UINT TTM_SETDELAYTIME = 0x0403;
inline constexpr UINT TTM_ADDTOOLA = 0x0404;
inline constexpr UINT TTM_DELTOOLA = 0x0405;
inline constexpr UINT TTM_SETTIPBKCOLOR = 0x0413;
inline constexpr UINT TTM_SETTIPTEXTCOLOR = 0x0414;
inline constexpr UINT TTM_GETDELAYTIME = 0x0415;
inline constexpr UINT TTM_SETMAXTIPWIDTH = 0x0418;
inline constexpr WPARAM TTDT_AUTOMATIC = 0;
inline constexpr WPARAM TTDT_RESHOW = 1;
inline constexpr WPARAM TTDT_AUTOPOP = 2;
inline constexpr WPARAM TTDT_INITIAL = 3;
inline constexpr unsigned TTF_IDISHWND = 0x0001;
inline constexpr unsigned TTF_CENTERTIP = 0x0002;
inline constexpr unsigned TTF_SUBCLASS = 0x0010;
inline constexpr DWORD TTS_ALWAYSTIP = 0x01;
inline constexpr DWORD TTS_NOPREFIX = 0x02;

// Window styles the program passes.
inline constexpr DWORD WS_EX_TOPMOST = 0x00000008;
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000u);

enum class MouseButton { Left, Right, Middle };

// A mouse message read through accessors.
class MouseMessage {
public:
    // Nothing when `message` is not a client-area mouse message.
    static std::optional<MouseMessage> From(UINT message, WPARAM wParam, LPARAM lParam);

    UINT Message() const { return message_; }
    // Buttons and keys held while the message was made (MK_* in wParam).
    bool LeftButton() const { return (keys_ & MK_LBUTTON) != 0; }
    bool RightButton() const { return (keys_ & MK_RBUTTON) != 0; }
    bool MiddleButton() const { return (keys_ & MK_MBUTTON) != 0; }
    bool Shift() const { return (keys_ & MK_SHIFT) != 0; }
    bool Control() const { return (keys_ & MK_CONTROL) != 0; }
    POINT Point() const { return point_; }

    bool IsMove() const { return message_ == WM_MOUSEMOVE; }
    bool IsPress() const;
    bool IsRelease() const;
    bool IsDoubleClick() const;
    // The button a press, release or double-click is about.
    std::optional<MouseButton> Button() const;

private:
    MouseMessage(UINT message, WPARAM keys, POINT point)
        : message_(message), keys_(keys), point_(point) {}
    UINT message_;
    WPARAM keys_;
    POINT point_;
};

// A WM_CHAR message: the character typed, as a Windows-1252 code.
class CharMessage {
public:
    static std::optional<CharMessage> From(UINT message, WPARAM wParam, LPARAM lParam);
    int Code() const { return code_; }

private:
    explicit CharMessage(int code) : code_(code) {}
    int code_;
};

// The wParam, lParam pair of a mouse message.
WPARAM MouseKeys(bool left, bool right, bool middle, bool shift, bool control);
LPARAM PointParam(POINT point);

}  // namespace win
